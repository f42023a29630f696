// The statistics' glossary: an entry for every column of the four tables,
// under the column's own key, and the help page that lists them all.
#include "reports/glossary_page.h"

#include <gtest/gtest.h>

#include "reports/html_vocabulary.h"
#include "stats/column_glossary.h"

namespace scorewick::reports {
namespace {

constexpr StatTable kTables[] = {StatTable::kBatting, StatTable::kRunning, StatTable::kFielding,
                                 StatTable::kPitching};

TEST(ColumnGlossary, EveryColumnHasItsNameAndHowItIsCounted) {
  for (StatTable table : kTables) {
    const auto glossary = Glossary(table);
    ASSERT_EQ(static_cast<int>(glossary.size()), ColumnCount(table));
    for (int c = 0; c < ColumnCount(table); ++c) {
      const ColumnGloss& gloss = glossary[static_cast<std::size_t>(c)];
      EXPECT_EQ(gloss.key, ColumnKey(table, c)) << TableTitle(table) << " column " << c;
      EXPECT_FALSE(gloss.name.empty()) << gloss.key;
      EXPECT_TRUE(gloss.counted.ends_with('.')) << gloss.key;  // a sentence, not a stub
      EXPECT_EQ(ColumnName(table, c), gloss.name);
    }
    EXPECT_EQ(ColumnName(table, ColumnCount(table)), "");
    EXPECT_EQ(ColumnName(table, -1), "");
  }
  // The abbreviations a coach misreads say what they are.
  EXPECT_EQ(ColumnName(StatTable::kPitching, 31), "Total balls");
  EXPECT_NE(Glossary(StatTable::kPitching)[31].counted.find("not total bases"),
            std::string_view::npos);
}

TEST(GlossaryPage, ListsEveryColumnOfEveryTable) {
  const std::string page = GlossaryPage();
  std::size_t from = 0;
  for (StatTable table : kTables) {
    // Each table's rows follow its heading, in column order.
    from = page.find(
        ">" + std::string(TableTitle(table).substr(0, TableTitle(table).find(' '))) + "</h2>",
        from);
    ASSERT_NE(from, std::string::npos) << TableTitle(table);
    for (const ColumnGloss& gloss : Glossary(table)) {
      const std::string row = "<tr><td><b>" + HtmlText(gloss.key) + "</b></td><td>" +
                              HtmlText(gloss.name) + "</td><td>" + HtmlText(gloss.counted) +
                              "</td></tr>";
      const std::size_t at = page.find(row, from);
      ASSERT_NE(at, std::string::npos) << gloss.key;
      from = at + row.size();
    }
  }
  // The totals line's games played and outs in the field are the side's.
  EXPECT_NE(page.find("the number of games the counted side played among the games counted"),
            std::string::npos);
  EXPECT_NE(page.find("TEAM TOTALS: the side&#39;s outs in the field"), std::string::npos);
}

}  // namespace
}  // namespace scorewick::reports
