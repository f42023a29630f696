#pragma once
// What a written PDF file holds, for tests of printouts and of the commands
// that write them: its pages and the text on them, read back by pdftotext
// (poppler-utils), so that a test checks the content, not the file's first
// bytes.

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
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

// Expects the PDF file at path to have pages pages (0: one or more), the
// first of which shows every text in shown.
inline void ExpectPdf(const std::string& path, std::size_t pages,
                      std::initializer_list<std::string> shown) {
  const std::vector<std::string> texts = PdfPageTexts(path);
  ASSERT_FALSE(texts.empty()) << path;
  if (pages != 0) {
    ASSERT_EQ(texts.size(), pages) << path;
  }
  for (const std::string& s : shown) {
    EXPECT_NE(texts[0].find(s), std::string::npos) << s << " not on the first page of " << path;
  }
}

}  // namespace scorewick::testing
