// Invariants of a long simulated season, played in memory: what each
// game records and what the tables count must agree, team by team and
// game by game, and over the whole season in all-teams mode.
#include "sim/season.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/codes.h"
#include "scoring/league_rules.h"
#include "sim/sample_teams.h"
#include "sim/simulator.h"
#include "stats/accumulate.h"

namespace scorewick {
namespace {

constexpr int kGames = 2000;

struct SideTruth {
  int runs = 0;  // runs the side's batting halves recorded
  int outs = 0;  // boxes of its batting halves that end in an out
};

SideTruth Truth(const Game& game, bool home) {
  SideTruth t;
  for (int i = 0; i <= game.LastInning(); ++i) {
    const HALF_INNING& half = game.innings[static_cast<std::size_t>(i)].half(!home);
    t.runs += half.runs;
    for (const AT_BAT& ab : half.at_bats) t.outs += ab.out ? 1 : 0;
  }
  return t;
}

// Applies M to each summed field of the row type Row.
#define SCOREWICK_EACH_SUMMED(Row, M)                       \
  if constexpr (std::is_same_v<Row, BattingStat>) {         \
    SCOREWICK_BATTING_SUMMED(M)                             \
    SCOREWICK_BATTING_PER_BASE(M)                           \
  } else if constexpr (std::is_same_v<Row, PitchingStat>) { \
    SCOREWICK_PITCHING_SUMMED(M)                            \
    SCOREWICK_PITCHING_PER_BASE(M)                          \
  } else {                                                  \
    SCOREWICK_FIELDING_SUMMED(M)                            \
    SCOREWICK_FIELDING_PER_BASE(M)                          \
  }

template <typename Row>
void ExpectTotalsAreSums(const std::vector<Row>& rows, const char* table) {
  ASSERT_FALSE(rows.empty());
  Row sum;
#define SCOREWICK_SUM(f) AddInto(sum.f, r.f);
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const Row& r = rows[i];
    SCOREWICK_EACH_SUMMED(Row, SCOREWICK_SUM)
  }
#undef SCOREWICK_SUM
  const Row& total = rows.back();
#define SCOREWICK_CHECK(f) EXPECT_EQ(total.f, sum.f) << table << " " #f;
  SCOREWICK_EACH_SUMMED(Row, SCOREWICK_CHECK)
#undef SCOREWICK_CHECK
}

TEST(Season, InvariantsOverTwoThousandGames) {
  const std::vector<Team> teams = sim::SampleTeams();
  const std::vector<sim::ScheduledGame> schedule =
      sim::MakeSchedule(teams, kGames, scoring::LeagueRules{}, 11);
  ASSERT_EQ(schedule.size(), static_cast<std::size_t>(kGames));
  Stat season;  // all teams, every game
  season.all_teams = true;
  Stat otters;  // one team over the season
  otters.team_name = teams[1].team_name.str();
  long long all_runs = 0;
  Game game;
  for (int n = 0; n < kGames; ++n) {
    const sim::ScheduledGame& s = schedule[static_cast<std::size_t>(n)];
    game = Game();
    std::string error;
    ASSERT_TRUE(SimulateGame(teams[static_cast<std::size_t>(s.home)],
                             teams[static_cast<std::size_t>(s.visitor)], s.setup, game, &error))
        << error;
    AccumulateGame(season, game, n + 1, Split::kAll, Split::kAll, false);
    AccumulateGame(otters, game, n + 1, Split::kAll, Split::kAll, false);
    for (bool home : {true, false}) {
      const SideTruth truth = Truth(game, home);
      const SideTruth other = Truth(game, !home);
      all_runs += truth.runs;
      Stat team, opponents;
      team.team_name = opponents.team_name = (home ? game.home : game.visitor).team_name.str();
      Accumulate(team, game, Split::kAll, Split::kAll, false);
      Accumulate(opponents, game, Split::kAll, Split::kAll, true);
      // The side's batting, what the other side's pitching counted against
      // it, and the outs its fielders and pitchers made, all agree.
      const BattingStat& bat = team.batting.back();
      const PitchingStat& against = opponents.pitching.back();
      ASSERT_EQ(std::tuple(bat.runs, against.runs, against.batters_faced, against.hits,
                           against.home_runs, against.walks, against.hit_batsmen,
                           against.strikeouts, against.opponent_at_bats, bat.games),
                std::tuple(truth.runs, truth.runs, bat.plate_appearances, bat.hits, bat.home_runs,
                           bat.walks, bat.hit_by_pitch, bat.strikeouts(), bat.at_bats, 1))
          << "game " << n + 1;
      ASSERT_EQ(std::tuple(team.fielding.back().put_outs, team.fielding.back().outs_played,
                           team.pitching.back().outs, bat.hits),
                std::tuple(other.outs, other.outs, other.outs,
                           bat.singles + bat.doubles + bat.triples + bat.home_runs))
          << "game " << n + 1;
    }
  }
  FinishTables(season);
  FinishTables(otters);
  // The totals rows count the side's games and its outs in the field.
  EXPECT_EQ(std::tuple(otters.fielding.back().games, otters.fielding.back().outs_played),
            std::tuple(kGames / 2, otters.pitching.back().outs));
  EXPECT_EQ(season.team_name, "All Teams");
  const BattingStat& bat = season.batting.back();
  const PitchingStat& pitch = season.pitching.back();
  EXPECT_EQ(std::tuple(bat.runs, pitch.batters_faced, pitch.hits, pitch.walks),
            std::tuple(all_runs, bat.plate_appearances, bat.hits, bat.walks));
  // Far past what a 16-bit counter holds.
  EXPECT_GT(season.pitching.back().pitch_count, 100000);
  EXPECT_EQ(otters.batting.back().games, kGames / 2);  // four teams: each plays every other game
  for (const Stat* s : {&season, &otters}) {
    ExpectTotalsAreSums(s->batting, "batting");
    ExpectTotalsAreSums(s->pitching, "pitching");
    ExpectTotalsAreSums(s->fielding, "fielding");
  }
}

}  // namespace
}  // namespace scorewick
