// Cell texts of the column vocabularies, layout lines and files, and the
// sort with its totals row kept last.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "records/file_io.h"
#include "stat_books.h"
#include "stats/accumulate.h"
#include "stats/qualifiers.h"
#include "stats/sort_table.h"
#include "stats/stat_columns.h"
#include "stats/stat_layout.h"
#include "stats/totals.h"
#include "stats_support.h"
#include "support/stat_rows.h"

namespace scorewick {
namespace {

using testing::Column;
using testing::Figures;
using testing::StatRow;

// Two batters, one pitcher and one fielder, with their totals rows.
Stat SmallTables() {
  using B = BattingStat;
  using P = PitchingStat;
  using F = FieldingStat;
  Stat s;
  // clang-format off
  s.batting = {StatRow<B>("Ann Able", "Gulls",
                          {{&B::at_bats, 3}, {&B::hits, 1}, {&B::singles, 1}, {&B::bunt_hits, 1},
                           {&B::bunt_outs, 2}, {&B::so_swinging, 2}, {&B::so_looking, 1},
                           {&B::steal_attempts, 2}, {&B::stolen_bases, 1}}),
               StatRow<B>("Bo Baker", "Gulls", {{&B::at_bats, 2}, {&B::hits, 2}, {&B::doubles, 2}})};
  s.batting[1].pko[0] = 1;
  s.batting[1].pko[2] = 2;
  s.pitching = {StatRow<P>("Ike Ives", "Gulls",
                           {{&P::outs, 8}, {&P::earned_runs, 1}, {&P::hits, 1},
                            {&P::opponent_at_bats, 3}, {&P::wins, 1}, {&P::losses, 1}})};
  // clang-format on
  const Figures<F> fielded = {{&F::outs_played, 8}, {&F::put_outs, 1}, {&F::assists, 2}};
  s.fielding = {StatRow<F>("Ann Able", "Gulls", fielded), StatRow<F>("Bo Baker", "Gulls", fielded)};
  s.fielding[0].position = 6;
  s.fielding[1].position = 4;
  s.fielding[1].errors = 1;
  FinishTables(s);
  return s;
}

TEST(Columns, VocabularySizes) {
  EXPECT_EQ(ColumnCount(StatTable::kBatting), 61);
  EXPECT_EQ(ColumnCount(StatTable::kRunning), 27);
  EXPECT_EQ(ColumnCount(StatTable::kFielding), 34);
  EXPECT_EQ(ColumnCount(StatTable::kPitching), 46);
  for (StatTable t :
       {StatTable::kBatting, StatTable::kRunning, StatTable::kFielding, StatTable::kPitching}) {
    EXPECT_EQ(ColumnKey(t, 0), "Name");
    EXPECT_EQ(ColumnKey(t, FirstColumnsCount(t) - 1), "Name");  // the rates come after it
  }
  EXPECT_EQ(ColumnKey(StatTable::kBatting, 13), "Avg");
  EXPECT_EQ(ColumnKey(StatTable::kPitching, 37), "ERA");
}

TEST(Columns, CellTexts) {
  const Stat s = SmallTables();
  struct Case {
    StatTable table;
    int row;
    const char* key;
    const char* text;
  };
  const Case cases[] = {
      {StatTable::kBatting, 0, "Name", "Ann Able"},
      {StatTable::kBatting, 0, "Avg", " .333"},  // the leading zero blanked
      {StatTable::kBatting, 1, "Avg", "1.000"},
      {StatTable::kBatting, 1, "Slug", "2.000"},
      {StatTable::kBatting, 0, "SO", "3"},
      {StatTable::kBatting, 0, "BNT%", "0.333"},  // 1 / (1 + 2 + 0)
      {StatTable::kBatting, 1, "BNT%", "0.00"},   // no bunts
      {StatTable::kBatting, 2, "Name", "TEAM TOTALS"},
      {StatTable::kBatting, 2, "Avg", " .600"},  // 3 / 5
      {StatTable::kRunning, 0, "SB%", " 50.0"},
      {StatTable::kRunning, 1, "PKO", "3"},
      {StatTable::kPitching, 0, "IP", " 2.67"},   // 8 outs
      {StatTable::kPitching, 0, "ERA", " 3.38"},  // 9 x 1 / (8 / 3)
      {StatTable::kPitching, 0, "OBA", "0.333"},
      {StatTable::kPitching, 0, "PCT", " 50.0"},
      {StatTable::kFielding, 0, "Pos", "SS"},
      {StatTable::kFielding, 2, "Pos", " "},
      {StatTable::kFielding, 0, "TP", "2.667"},
      {StatTable::kFielding, 0, "F%", "1.000"},
      {StatTable::kFielding, 1, "F%", " .750"},
      {StatTable::kFielding, 0, "CPE", "n/a"},
      {StatTable::kFielding, 1, "CPE", "4.000"},  // (1 + 2 + 1) / 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellText(s, c.table, c.row, Column(c.table, c.key)), c.text)
        << c.key << " row " << c.row;
  }
}

TEST(Layout, LinesAndFiles) {
  StatLayout layout =
      ParseLayout(StatTable::kRunning,
                  "0, 45, left\n\n1,60,RIGHT\r\n x \n1, 70, Center\n1, -5\n1, 99999999999999\n");
  EXPECT_FALSE(layout[0].shown);
  EXPECT_EQ(std::tuple(layout[0].width, layout[0].alignment, layout[1].width, layout[1].alignment),
            std::tuple(45, Alignment::kLeft, 60, Alignment::kRight));
  EXPECT_TRUE(layout[2].shown);  // " x ": shown; no width or alignment given
  EXPECT_EQ(layout[2].width, 100);
  EXPECT_EQ(layout[3].alignment, Alignment::kCenter);
  EXPECT_EQ(std::pair(layout[4].width, layout[5].width), std::pair(0, 2000));  // held to a column
  for (std::size_t i = 6; i < layout.size(); ++i)
    EXPECT_EQ(layout[i], DefaultLayout(StatTable::kRunning)[i]);

  const std::vector<LayoutEntry> shown = ShownColumns(layout);
  ASSERT_EQ(shown.size(), 26u);
  EXPECT_EQ(shown[0].column, 1);
  EXPECT_EQ(shown[0].display_position, 0);

  const std::string folder =
      (std::filesystem::temp_directory_path() / "scorewick-layout-test").string();
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(SaveLayout(folder, StatTable::kRunning, layout).ok);
  std::string text;
  ASSERT_TRUE(ReadWholeTextFile(folder + "/rlayout.rsl", text));
  EXPECT_EQ(text.substr(0, 25), "0, 45, Left\n1, 60, Right\n");
  EXPECT_EQ(LoadLayout(folder, StatTable::kRunning), layout);
  EXPECT_EQ(LoadLayout(folder, StatTable::kPitching), DefaultLayout(StatTable::kPitching));
  std::filesystem::remove_all(folder);
}

TEST(Sort, TwiceWithTotalsLast) {
  Stat s = SmallTables();
  const int avg = Column(StatTable::kBatting, "Avg");
  SortTable(s, StatTable::kBatting, avg, true);
  EXPECT_EQ(s.batting[0].name, "Bo Baker");
  EXPECT_EQ(s.batting[2].name, "TEAM TOTALS");
  SortTable(s, StatTable::kBatting, avg, false);
  EXPECT_EQ(s.batting[0].name, "Ann Able");
  EXPECT_EQ(s.batting[2].name, "TEAM TOTALS");
  SortTable(s, StatTable::kBatting, 0, true);  // names, descending
  EXPECT_EQ(s.batting[0].name, "Bo Baker");
  s.batting[1].errors = 2;  // Ann Able, now second
  SortTable(s, StatTable::kBatting, kSortByErrors, true);
  EXPECT_EQ(s.batting[0].name, "Ann Able");
  s.batting[1].passed_balls = 1;
  SortTable(s, StatTable::kBatting, kSortByPassedBalls, true);
  EXPECT_EQ(s.batting[0].name, "Bo Baker");
  EXPECT_EQ(s.batting[2].name, "TEAM TOTALS");
  SortTable(s, StatTable::kFielding, kSortByErrors,
            true);  // only the batting table has it: no change
  EXPECT_EQ(s.fielding[0].name, "Ann Able");
  // The index follows the rows.
  EXPECT_EQ(s.FindBatting("Ann Able", "Gulls"), 1);
  EXPECT_EQ(s.FindBatting("Bo Baker", "Gulls"), 0);
}

TEST(Sort, TiesKeepTheSelectionOrder) {
  Stat s;
  for (const char* name : {"C", "A", "B", "D"}) {
    BattingStat b;
    b.name = name;
    b.team = "T";
    b.hits = std::string(name) == "D" ? 1 : 0;
    s.batting.push_back(b);
  }
  s.batting.push_back(BattingStat{});  // totals
  SortTable(s, StatTable::kBatting, Column(StatTable::kBatting, "H"), true);
  // D first (swapped with C), then the ties A, B, C as the swaps leave them.
  EXPECT_EQ(std::tuple(s.batting[0].name, s.batting[1].name, s.batting[2].name, s.batting[3].name),
            std::tuple("D", "A", "B", "C"));
}

// The rate columns (OPS ... P/PA) on a short hand-worked game, their place
// in old layout files, and the qualifiers that leave rows out.

using testing::CompileBook;
using testing::CountGame;
using testing::kRates;

template <typename Row>
int RowOf(const std::vector<Row>& rows, std::string_view name) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int RowOf(const Stat& s, StatTable table, std::string_view name) {
  return table == StatTable::kPitching ? RowOf(s.pitching, name) : RowOf(s.batting, name);
}

std::vector<std::string> RowTexts(const Stat& s, StatTable table, int row) {
  std::vector<std::string> texts;
  for (int c = 0; c < ColumnCount(table); ++c) texts.push_back(CellText(s, table, row, c));
  return texts;
}

class Rates : public ::testing::Test {
 protected:
  const Game game = CompileBook(kRates);
  Stat gulls = CountGame(game, "Gulls");
  Stat hawks = CountGame(game, "Hawks");
};

// Worked from the plays.  Gulls batting: Ann Able HR (PA 1, OAB 1); Bo
// Baker BB; Cy Cole SO; Di Dunn 2B; Ed Eng SF; Flo Fox SO.  Totals: PA 6,
// OAB 4, H 2, 2B 1, HR 1, BB 1, SO 2, SF 1: OBA 3 / 6, Slug 6 / 4, BABIP
// (2 - 1) / (4 - 2 - 1 + 1).  Rex Roe (Hawks): BF 6, 3 outs, H 2, HR 1,
// BB 1, SO 2, 16 pitches.  Gulls pitching: Ike Ives BF 1 (2 pitches, no
// out); Ray Relief BF 3, SO 3, 3 outs, 9 pitches.
TEST_F(Rates, CellsBlanksAndTotals) {
  // Ann Able's OPS is 1 + 4 and her BABIP blank: (1 - 1) / (1 - 0 - 1 + 0),
  // no ball in play; Ed Eng's is 0 / (0 - 0 - 0 + 1).  Gus Gray has no
  // plate appearance.  The totals' OPS is .500 + 1.500, not a sum of the
  // rows; their P/PA 11 / 4.  Ike Ives got no out, Ray Relief walked nobody.
  struct Case {
    const Stat* stat;
    StatTable table;
    const char* name;
    std::vector<std::pair<const char*, const char*>> cells;  // key, text
  };
  const StatTable b = StatTable::kBatting, p = StatTable::kPitching;
  const Case cases[] = {
      {&gulls, b, "Ann Able", {{"OPS", "5.000"}, {"XBH", "1"}, {"BABIP", ""}}},
      {&gulls, b, "Bo Baker", {{"OPS", "1.000"}, {"BB%", "100.0"}, {"K%", "  0.0"}}},
      {&gulls, b, "Cy Cole", {{"OPS", " .000"}, {"BABIP", ""}, {"K%", "100.0"}}},
      {&gulls, b, "Di Dunn", {{"OPS", "3.000"}, {"BABIP", "1.000"}}},
      {&gulls, b, "Ed Eng", {{"BABIP", " .000"}}},
      {&gulls, b, "Gus Gray", {{"OPS", ""}, {"XBH", "0"}, {"K%", ""}, {"BB%", ""}}},
      {&gulls,
       b,
       "TEAM TOTALS",
       {{"OPS", "2.000"}, {"XBH", "2"}, {"BABIP", " .500"}, {"K%", " 33.3"}, {"BB%", " 16.7"}}},
      {&hawks,
       p,
       "Rex Roe",
       {{"WHIP", " 3.00"},
        {"K/9", "18.00"},
        {"BB/9", " 9.00"},
        {"HR/9", " 9.00"},
        {"K/BB", " 2.00"},
        {"P/PA", " 2.67"}}},
      {&gulls, p, "Ike Ives", {{"WHIP", ""}, {"K/9", ""}, {"HR/9", ""}, {"P/PA", " 2.00"}}},
      {&gulls, p, "Ray Relief", {{"WHIP", " 0.00"}, {"K/9", "27.00"}, {"K/BB", ""}}},
      {&gulls, p, "TEAM TOTALS", {{"WHIP", " 1.00"}, {"BB/9", " 0.00"}, {"P/PA", " 2.75"}}},
  };
  for (const Case& c : cases) {
    const int row = RowOf(*c.stat, c.table, c.name);
    ASSERT_GE(row, 0) << c.name;
    for (const auto& [key, text] : c.cells)
      EXPECT_EQ(CellText(*c.stat, c.table, row, Column(c.table, key)), text)
          << c.name << " " << key;
  }
  // Per nine innings whatever the innings per game, unlike ERA.
  hawks.innings_per_game = 7;
  ComputeEra(hawks);
  EXPECT_EQ(CellText(hawks, p, RowOf(hawks, p, "Rex Roe"), Column(p, "K/9")), "18.00");
}

TEST_F(Rates, BlanksSortLastEitherWay) {
  const int babip = Column(StatTable::kBatting, "BABIP");
  for (bool descending : {true, false}) {
    SortTable(gulls, StatTable::kBatting, babip, descending);
    const auto& rows = gulls.batting;
    EXPECT_EQ(rows[0].name + "," + rows[1].name, descending ? "Di Dunn,Ed Eng" : "Ed Eng,Di Dunn");
    for (std::size_t i = 2; i + 1 < rows.size(); ++i)
      EXPECT_EQ(CellText(gulls, StatTable::kBatting, static_cast<int>(i), babip), "");
    EXPECT_EQ(rows.back().name, "TEAM TOTALS");
  }
}

// A layout file written before the rates keeps its meaning and hides them;
// with no file, or a line for them, they show.
TEST(RateLayout, OldFilesHideTheRates) {
  for (StatTable table : {StatTable::kBatting, StatTable::kPitching}) {
    const int first = FirstColumnsCount(table);
    EXPECT_TRUE(IsRepeatedName(table, first - 1));
    std::string old_file;
    for (int c = 0; c < first; ++c) old_file += c == 3 ? "0, 45, Left\n" : "1, 100, Center\n";
    const StatLayout old_layout = ParseLayout(table, old_file);
    const StatLayout short_layout = ParseLayout(table, "1, 60, Right\n");
    for (int c = 0; c < ColumnCount(table); ++c) {
      const auto i = static_cast<std::size_t>(c);
      EXPECT_EQ(old_layout[i].shown, c != 3 && c < first) << c;
      EXPECT_EQ(short_layout[i].shown, c < first) << c;  // old columns without a line: shown
      EXPECT_TRUE(DefaultLayout(table)[i].shown);
    }
    const StatLayout kept = ParseLayout(table, old_file + "1, 70, Right\n");
    EXPECT_EQ(std::tuple(kept[first].shown, kept[first].width, kept[first + 1].shown),
              std::tuple(true, 70, false));
    EXPECT_EQ(ParseLayout(table, LayoutText(DefaultLayout(table))), DefaultLayout(table));
  }
  EXPECT_EQ(ColumnCount(StatTable::kBatting) - FirstColumnsCount(StatTable::kBatting), 5);
  EXPECT_EQ(ColumnCount(StatTable::kPitching) - FirstColumnsCount(StatTable::kPitching), 6);
}

TEST_F(Rates, QualifiersHideRowsNotTotals) {
  struct Case {
    StatTable table;
    Qualifiers q;
    std::vector<std::string> left;  // rows left, totals row included
  };
  const std::vector<std::string> batters = {"Ann Able", "Bo Baker", "Cy Cole",
                                            "Di Dunn",  "Ed Eng",   "Flo Fox"};
  const auto with = [](std::vector<std::string> rows, std::vector<std::string> more) {
    rows.insert(rows.end(), more.begin(), more.end());
    rows.push_back("TEAM TOTALS");
    return rows;
  };
  const std::vector<std::string> all_batters =
      with(batters, {"Hal Hunt", "Gus Gray", "Ike Ives", "Ray Relief"});
  const Case cases[] = {
      {StatTable::kBatting, {}, all_batters},
      {StatTable::kBatting, {1, 0, false}, with(batters, {})},
      {StatTable::kBatting, {0, 0, true}, with(batters, {})},
      {StatTable::kBatting, {2, 0, false}, with({}, {})},
      {StatTable::kRunning, {0, 0, true}, all_batters},  // pinch runners stay
      {StatTable::kRunning, {1, 0, false}, with(batters, {})},
      {StatTable::kFielding, {5, 900, true}, {}},  // fielding rows are never left out
      {StatTable::kPitching, {0, 100, false}, with({"Ray Relief"}, {})},  // 3 outs: 1.00
      {StatTable::kPitching, {0, 101, false}, with({}, {})},
      {StatTable::kPitching, {0, 0, true}, with({"Ike Ives", "Ray Relief"}, {})},
      {StatTable::kPitching, {99, 0, false}, with({"Ike Ives", "Ray Relief"}, {})},
  };
  for (const Case& c : cases) {
    Stat s = gulls;
    HideUnqualified(s, c.table, c.q);
    std::vector<std::string> names;
    if (c.table == StatTable::kPitching) {
      for (const PitchingStat& r : s.pitching) names.push_back(r.name);
    } else if (c.table != StatTable::kFielding) {
      for (const BattingStat& r : s.batting) names.push_back(r.name);
    }
    if (c.table == StatTable::kFielding) {
      EXPECT_EQ(s.fielding.size(), gulls.fielding.size());
      continue;
    }
    EXPECT_EQ(names, c.left) << static_cast<int>(c.table) << " " << c.q.min_plate_appearances << " "
                             << c.q.min_innings_hundredths << " " << c.q.hide_empty;
    const int last = RowCount(s, c.table) - 1;
    EXPECT_EQ(RowTexts(s, c.table, last), RowTexts(gulls, c.table, RowCount(gulls, c.table) - 1));
  }
  // A pitcher who faced nobody, and innings compared as the IP column shows them.
  PitchingStat none;
  EXPECT_FALSE(Qualifies(none, StatRules{}, {0, 0, true}));
  PitchingStat nineteen;
  nineteen.outs = 19;
  nineteen.batters_faced = 19;
  EXPECT_TRUE(Qualifies(nineteen, StatRules{}, {0, 633, false}));  // 6.33
  EXPECT_FALSE(Qualifies(nineteen, StatRules{}, {0, 634, false}));
}

TEST(QualifierText, ParsedOrRefused) {
  const std::pair<const char*, int> innings[] = {
      {"10", 1000}, {"10.2", 1020}, {"6.33", 633},   {"6.335", 634}, {"0", 0},
      {"7.", 700},  {"-1", -1},     {"x", -1},       {"", -1},       {".", -1},
      {"1e3", -1},  {"1.2.3", -1},  {"1234567", -1}, {" 5", -1},
  };
  for (const auto& [text, want] : innings) {
    int got = -1;
    EXPECT_EQ(ParseInnings(text, &got), want >= 0) << text;
    EXPECT_EQ(got, want) << text;
  }
  const std::pair<const char*, int> counts[] = {
      {"10", 10}, {"0", 0}, {"-1", -1}, {"1.5", -1}, {"", -1}, {"+3", -1}, {"1234567890", -1}};
  for (const auto& [text, want] : counts) {
    int got = -1;
    EXPECT_EQ(ParsePlateAppearances(text, &got), want >= 0) << text;
    EXPECT_EQ(got, want) << text;
  }
  const Qualifiers q{12, 633, true};
  EXPECT_EQ(QualifiersText(q), "min-pa=12\nmin-ip=6.33\nhide-empty=1\n");
  EXPECT_EQ(ParseQualifiers(QualifiersText(q)), q);
  EXPECT_EQ(ParseQualifiers("min-pa=-3\r\nmin-ip=x\nhide-empty=2\nnoise\n"), Qualifiers{});
}

}  // namespace
}  // namespace scorewick
