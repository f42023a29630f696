// The sections of a statistics table printed one after another: page
// numbers run on, every section is titled, and the game files close the
// last one only.

#include "reports/print/stats_printout.h"

#include <gtest/gtest.h>

#include "reports/print/recording_target.h"

namespace scorewick::print {
namespace {

TEST(StatsPrintout, SectionsNumberTheirPagesOn) {
  std::vector<reports::TextSection> sections;
  for (int s = 0; s < 3; ++s) {
    reports::TextSection section = reports::StarBox(StatTable::kRunning, Split::kAll);
    for (int i = 0; i < (s == 1 ? 120 : 10); ++i) section.push_back("row " + std::to_string(i));
    sections.push_back(section);
  }
  RecordingPageTarget target(QSize(9600, 12600));
  const int pages =
      PrintStatsSections(sections, "Statistics for Hawks", {"a.gam", "b.gam"}, 85, target);
  ASSERT_EQ(pages, static_cast<int>(target.pages().size()));
  ASSERT_GE(pages, 4);  // the long middle section takes two pages or more
  for (int p = 0; p < pages; ++p) {
    const RecordedPage& page = target.pages()[static_cast<std::size_t>(p)];
    const RecordedText* number = page.Find("Page ");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text, QString("Page %1").arg(p + 1));
    EXPECT_NE(page.Find("Statistics for Hawks"), nullptr);
    EXPECT_EQ(page.Find("Using game files :") != nullptr, p + 1 == pages) << "page " << p + 1;
  }
}

}  // namespace
}  // namespace scorewick::print
