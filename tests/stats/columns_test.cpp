// Cell texts of the column vocabularies, layout lines and files, and the
// sort with its totals row kept last.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "records/file_io.h"
#include "stats/accumulate.h"
#include "stats/sort_table.h"
#include "stats/stat_columns.h"
#include "stats/stat_layout.h"
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

}  // namespace
}  // namespace scorewick
