// The statistics exports of a small table, whole: comma-separated text,
// the HTML page and the printed text sections.

#include <gtest/gtest.h>

#include <sstream>

#include "reports/glossary_page.h"
#include "reports/html_vocabulary.h"
#include "reports/stats_csv.h"
#include "reports/stats_html.h"
#include "reports/stats_text.h"
#include "stats/accumulate.h"
#include "stats/column_glossary.h"
#include "support/data_file.h"
#include "support/stat_rows.h"

namespace scorewick::reports {
namespace {

using scorewick::testing::StatRow;

const LocalDateTime kWhen{{2004, 7, 3}, 9, 5, 7};

// Ann: 1 for 3 with a double; "Cy <b>" (a name that must not become
// markup): 2 for 2.  Fielding: Ann at short, no error.
Stat SmallStat() {
  using B = BattingStat;
  Stat s;
  s.team_name = "Hawks & Co";
  s.batting = {
      StatRow<B>("Ann Able", s.team_name, {{&B::at_bats, 3}, {&B::hits, 1}, {&B::doubles, 1}}),
      StatRow<B>("Cy <b>", s.team_name, {{&B::at_bats, 2}, {&B::hits, 2}, {&B::singles, 2}})};
  using F = FieldingStat;
  s.fielding = {StatRow<F>("Ann Able", s.team_name, {{&F::position, 6}, {&F::put_outs, 2}})};
  FinishTables(s);
  return s;
}

// Name, OAB, Avg, Slug and the rates OPS, BABIP and K% (blank: no plate
// appearance is set) shown; Avg left-aligned and 60 wide.
StatLayout SmallLayout() {
  StatLayout layout = DefaultLayout(StatTable::kBatting);
  for (LayoutEntry& e : layout) e.shown = false;
  for (std::size_t c : {0, 5, 13, 14, 56, 58, 59}) layout[c].shown = true;
  layout[13].alignment = Alignment::kLeft;
  layout[13].width = 60;
  return layout;
}

TEST(StatsCsv, NumbersAndTrailer) {
  struct Case {
    const char* cell;
    const char* written;
  };
  for (const Case& c :
       {Case{" .333", "0.333"}, Case{"2.500", "2.5"}, Case{" 10.0", "10"}, Case{"n/a", ""},
        Case{"N/A", ""}, Case{"1.000", "1"}, Case{"0.00", "0"}, Case{"120", "120"}}) {
    EXPECT_EQ(CsvNumber(c.cell), c.written) << c.cell;
  }
  // The trailer has a field for each column shown (the golden copy's seven).
  scorewick::testing::ExpectGolden(StatsCsv(SmallStat(), StatTable::kBatting, SmallLayout()),
                                   "stats_batting.csv");
  Stat quoted = SmallStat();
  const struct {
    std::string name;
    std::string cell;
  } names[] = {{"Able, \"Ann\"", "\"Able, \"\"Ann\"\"\""},  // the cell rules: csv_team's test
               {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"}};
  for (const auto& n : names) {
    quoted.batting[0].name = n.name;
    EXPECT_NE(StatsCsv(quoted, StatTable::kBatting, SmallLayout()).find("\n" + n.cell + ",3,"),
              std::string::npos)
        << n.cell;
  }
  // The trailer has as many fields as the heading: a layout showing three
  // columns gives two commas.
  StatLayout three = SmallLayout();
  for (std::size_t c : {14, 56, 58, 59}) three[c].shown = false;
  const std::string csv = StatsCsv(SmallStat(), StatTable::kBatting, three);
  EXPECT_EQ(csv.substr(csv.rfind("This file")), "This file was created with Brixley Scorewick,,\n");
}

TEST(StatsHtml, TableWithTotalsRow) {
  scorewick::testing::ExpectGolden(
      StatsHtml(SmallStat(), StatTable::kBatting, SmallLayout(), StatView::kOpponents, Split::kLeft,
                HtmlStyle{}, kWhen, false),
      "stats_batting.htm");
  // Appended to a page begun earlier: no page head.  The fielding table's
  // totals row keeps the row colours.
  scorewick::testing::ExpectGolden(
      StatsHtml(SmallStat(), StatTable::kFielding, DefaultLayout(StatTable::kFielding),
                StatView::kCombined, Split::kAll, HtmlStyle{}, kWhen, true),
      "stats_fielding_appended.htm");
}

TEST(StatsText, SectionsOfThePageWidth) {
  const Stat s = SmallStat();
  const std::vector<TextSection> one =
      StatsTextSections(s, StatTable::kBatting, SmallLayout(), Split::kRight, 85);
  ASSERT_EQ(one.size(), 1u);
  scorewick::testing::ExpectGolden(scorewick::testing::JoinLines(one[0]), "stats_batting.txt");
  // All 61 batting columns at 50 characters: several sections, each
  // starting with the first column that did not fit, none wider than 50.
  const std::vector<TextSection> many = StatsTextSections(
      s, StatTable::kBatting, DefaultLayout(StatTable::kBatting), Split::kAll, 50);
  ASSERT_GT(many.size(), 3u);
  std::vector<std::string> keys;
  for (const TextSection& section : many) {
    EXPECT_EQ(section[0], "****************************************");
    EXPECT_EQ(section[3], " ");
    EXPECT_LE(section[4].size(), 50u);
    std::istringstream words(section[4]);
    for (std::string key; words >> key;) keys.push_back(key);
  }
  // Every key once, in order, across the sections.
  ASSERT_EQ(keys.size(), 61u);
  for (int c = 0; c < 61; ++c)
    EXPECT_EQ(keys[static_cast<std::size_t>(c)], ColumnKey(StatTable::kBatting, c));
  EXPECT_EQ(many[0][4].substr(0, 35), "Name        Team       GP IP PA OAB");
  EXPECT_EQ(StarBox(StatTable::kPitching, Split::kLeft)[1],
            "* Pitching Stats Versus Left Handed Batters *");
  EXPECT_EQ(StarBox(StatTable::kPitching, Split::kLeft)[0].size(), 45u);
  EXPECT_EQ(StatsPrintTitle("Hawks", StatView::kCombined),
            "Statistics for Hawks and all Opponents");
}

// The statistics' glossary: an entry for every column of the four tables,
// under the column's own key, and the help page that lists them all.

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
