// A player's game log: his lines game by game on short hand-worked games,
// and on a simulated season the relation that matters most: the log's
// totals are the statistics table's line for him.
#include "stats/game_log.h"

#include <gtest/gtest.h>

#include <tuple>

#include "reports/game_log_table.h"
#include "scoring/league_rules.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/simulator.h"
#include "stats/accumulate.h"
#include "stats/side_of_game.h"
#include "stats/stat_books.h"
#include "stats/stats_support.h"
#include "support/data_file.h"

namespace scorewick {
namespace {

using testing::CompileBook;

// June 1: Pat Pinch runs for Ann Able after her single, steals second and
// is caught stealing third; the Gulls win 2-0 on Di Dunn's home run.
const std::string kRanFor = "game date=2024-06-01 time=18:05\n" + std::string(testing::kRunning);

const std::string kPitched = sim::testing::Book("pitched");

const std::string kHitFor = sim::testing::Book("hit_for");

TEST(GameLog, PlayerWhoBattedRanAndPitched) {
  GameLogCounter counter("Pat Pinch", "", StatRules{});
  // Listed out of date order: the log puts them in date and start-time order.
  counter.Count(CompileBook(kHitFor), "c.gam", 0);
  counter.Count(CompileBook(kRanFor), "a.gam", 1);
  counter.Count(CompileBook(kPitched), "b.gam", 2);
  counter.Count(CompileBook(testing::kRelief), "none.gam", 3);  // he does not play
  ASSERT_EQ(counter.teams_of_player(), std::set<std::string>{"Gulls"});
  const GameLog log = counter.Finish();
  EXPECT_EQ(log.team, "Gulls");
  // He won the game he pitched: the Gulls led when he took over and he kept the lead.
  scorewick::testing::ExpectGolden(
      scorewick::testing::JoinLines(reports::ReportTextLines({reports::GameLogTable(log)})),
      "game_log_pat_pinch.txt");
}

// A pitcher who never came to the plate: his pitching, and no batting
// columns of zeros.
TEST(GameLog, APitcherWhoDidNotBatHasNoBattingColumns) {
  GameLog log;
  log.player = "Pam Arm";
  log.pitched = true;
  GameLogEntry game;
  game.pitched = true;
  game.pitching.outs = 9;
  log.games.push_back(game);
  const reports::ReportTable t = reports::GameLogTable(log);
  ASSERT_EQ(t.columns.size(), 4u + 9u);
  EXPECT_EQ(t.columns[4].heading, "IP");
  for (const reports::ReportColumn& c : t.columns) EXPECT_NE(c.group, "Batting") << c.heading;
  for (const auto& row : t.rows) EXPECT_EQ(row.size(), t.columns.size());
}

// Every player of one team over a simulated season: his log's totals are
// his line of the statistics table over the same games.
TEST(GameLog, TotalsAreTheStatisticsLine) {
  const std::vector<Team> teams = sim::SampleTeams();
  const auto schedule = sim::MakeSchedule(teams, 24, scoring::LeagueRules{}, 7);
  std::vector<Game> games(schedule.size());
  Stat season;
  season.team_name = teams[0].team_name.str();
  for (std::size_t n = 0; n < schedule.size(); ++n) {
    const sim::ScheduledGame& s = schedule[n];
    std::string error;
    ASSERT_TRUE(sim::SimulateGame(teams[static_cast<std::size_t>(s.home)],
                                  teams[static_cast<std::size_t>(s.visitor)], s.setup, games[n],
                                  &error))
        << error;
    AccumulateGame(season, games[n], static_cast<int>(n) + 1, Split::kAll, Split::kAll, false);
  }
  FinishTables(season);
  const auto batting = [](const BattingStat& b) {
    return std::tuple(b.games, b.plate_appearances, b.at_bats, b.runs, b.hits, b.doubles, b.triples,
                      b.home_runs, b.rbi, b.walks, b.strikeouts(), b.stolen_bases,
                      b.cs[0] + b.cs[1] + b.cs[2]);
  };
  const auto pitching = [](const PitchingStat& p) {
    return std::tuple(p.outs, p.hits, p.runs, p.earned_runs, p.walks, p.strikeouts, p.home_runs,
                      p.pitch_count, p.wins, p.losses, p.saves);
  };
  int pitchers = 0;
  for (std::size_t row = 0; row + 1 < season.batting.size(); ++row) {
    const std::string& name = season.batting[row].name;
    GameLogCounter counter(name, season.team_name, StatRules{});
    for (std::size_t n = 0; n < games.size(); ++n) counter.Count(games[n], "", n);
    const GameLog log = counter.Finish();
    EXPECT_EQ(batting(log.batting_total), batting(season.batting[row])) << name;
    const int p = PitchingRowOf(season, name);
    if (p < 0) continue;
    ++pitchers;
    EXPECT_EQ(pitching(log.pitching_total), pitching(season.pitching[static_cast<std::size_t>(p)]))
        << name;
  }
  EXPECT_GT(pitchers, 1);
}

}  // namespace
}  // namespace scorewick
