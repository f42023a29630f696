#pragma once
// The pages of a written PDF file and the text on them, read back by
// pdftotext (poppler-utils), so that a test checks what a printout holds,
// not the file's first bytes.  No test framework is needed here: the
// window tests use it too.

#include <cstdio>
#include <string>
#include <vector>

namespace scorewick::testing {

// The text of each page of the PDF file at path, in order; no pages when
// the file is missing or is no PDF.  Page texts keep pdftotext's layout
// (columns kept apart by blanks).
inline std::vector<std::string> PdfPageTexts(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  quoted += "'";
  std::FILE* pipe = ::popen(("pdftotext -layout " + quoted + " - 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  if (::pclose(pipe) != 0) return {};
  std::vector<std::string> pages;
  for (std::size_t at = 0, end; (end = text.find('\f', at)) != std::string::npos; at = end + 1) {
    pages.push_back(text.substr(at, end - at));
  }
  return pages;
}

}  // namespace scorewick::testing
