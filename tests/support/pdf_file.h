#pragma once
// Expectations on a PDF file written by a command or a printout: its pages
// and the text on the first.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/pdf_pages.h"

namespace scorewick::testing {

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
