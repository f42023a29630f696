#pragma once
// Expectations on a PDF file written by a command or a printout: its pages
// and the text on the first.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/pdf_pages.h"

namespace scorewick::testing {

// Expects the PDF file at path to have pages pages (0: one or more), the
// first of which shows every text in shown.
inline void ExpectPdf(const std::string& path, int pages,
                      std::initializer_list<std::string> shown) {
  if (pages == 0) {
    EXPECT_GT(PdfPages(path), 0) << path;
  } else {
    EXPECT_EQ(PdfPages(path), pages) << path;
  }
  if (shown.size() == 0) return;
  const std::string text = PdfFirstPageText(path);
  for (const std::string& s : shown) {
    EXPECT_NE(text.find(s), std::string::npos) << s << " not on the first page of " << path;
  }
}

}  // namespace scorewick::testing
