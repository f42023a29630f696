#pragma once
// The pages of a written PDF file and the text on them, read back by
// pdftotext (poppler-utils), so that a test checks what a printout holds,
// not the file's first bytes.  No test framework is needed here: the
// window tests use it too.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace scorewick::testing {

// The number of pages of a PDF file written by Qt (which starts each page
// object with "/Type /Page" and a line end), counted in its bytes; 0 for a
// file that is missing or no PDF.
inline int PdfPages(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!pdf.starts_with("%PDF-")) return 0;
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1)) {
    ++pages;
  }
  return pages;
}

// The text of the first page of the PDF file at path, as pdftotext lays it
// out (columns kept apart by blanks); empty when the file is missing or is
// no PDF.  It starts a program: keep to a call or two a test.
inline std::string PdfFirstPageText(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  quoted += "'";
  const std::string command = "pdftotext -f 1 -l 1 -layout " + quoted + " - 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  return ::pclose(pipe) == 0 ? text : std::string();
}

}  // namespace scorewick::testing
