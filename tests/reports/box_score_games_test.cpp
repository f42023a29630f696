// Every game of the sample season and 1000 simulated games make a box
// score whose runs, hits and errors per team, as its score-by-innings line
// shows them, agree with the game's recorded at-bats.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "records/codes.h"
#include "reports/box_score.h"
#include "reports/half_inning_totals.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/simulator.h"

namespace scorewick::reports {
namespace {

struct Figures {
  int runs = 0;
  int hits = 0;
  int errors = 0;
};

// Counted from the at-bats: a team's runs and hits in its batting halves,
// its errors as charged in the other team's batting halves.
Figures Recorded(const Game& game, bool visitors) {
  Figures f;
  for (const INNING& inning : game.innings) {
    for (const AT_BAT& ab : inning.half(visitors).at_bats) {
      f.runs += ab.scored ? 1 : 0;
      const std::int32_t r = ab.how_reached;
      f.hits += (r >= kReachSingle && r <= kReachHomeRun) || r == kReachOnBaseSingle ||
                        r == kReachInsideParkHR || r == kReachGroundRuleDouble
                    ? 1
                    : 0;
    }
    for (const AT_BAT& ab : inning.half(!visitors).at_bats) f.errors += TallyAtBat(ab).errors;
  }
  return f;
}

// "Gulls   0  1  0 - 1  4  0 ": the last three figures of the line.
Figures Shown(const std::string& line) {
  std::istringstream in(line.substr(line.rfind('-') + 1));
  Figures f;
  in >> f.runs >> f.hits >> f.errors;
  return f;
}

void CheckSeason(int games, std::uint64_t seed) {
  const std::vector<Team> teams = sim::SampleTeams();
  const auto schedule = sim::MakeSchedule(teams, games, scoring::LeagueRules{}, seed);
  int checked = 0;
  for (const sim::ScheduledGame& s : schedule) {
    Game game;
    std::string error;
    ASSERT_TRUE(sim::SimulateGame(teams[static_cast<std::size_t>(s.home)],
                                  teams[static_cast<std::size_t>(s.visitor)], s.setup, game,
                                  &error))
        << error;
    const BoxScore box = MakeBoxScore(game, StatRules{});
    ASSERT_FALSE(box.empty());
    ASSERT_GT(box.lines().size(), box.sections().play_by_play);
    for (bool visitors : {true, false}) {
      const Figures want = Recorded(game, visitors);
      const Figures shown = Shown(box.lines()[visitors ? 5 : 6]);
      EXPECT_EQ(shown.runs, want.runs) << "game " << checked << (visitors ? " visitors" : " home");
      EXPECT_EQ(shown.hits, want.hits) << "game " << checked << (visitors ? " visitors" : " home");
      EXPECT_EQ(shown.errors, want.errors)
          << "game " << checked << (visitors ? " visitors" : " home");
    }
    // Every batting line keeps its columns, where the exports cut them, and
    // every line but the score by innings (three columns an inning: a long
    // extra-inning game runs past the rules) fits 86 columns.
    for (std::size_t i = box.sections().batting_rows; i <= box.sections().batting_totals; ++i) {
      ASSERT_GE(box.lines()[i].size(), 43u);
      EXPECT_EQ(box.lines()[i].substr(41, 2), " |") << box.lines()[i];
    }
    for (std::size_t i = 7; i < box.lines().size(); ++i)
      EXPECT_LE(box.lines()[i].size(), 86u) << box.lines()[i];
    // The winner's headline and the score line tell the same runs.
    const int w = box.runs(!box.home_won());
    const int l = box.runs(box.home_won());
    EXPECT_EQ(box.Headline(), box.winner().team_name + " " + std::to_string(w) + ", " +
                                  box.loser().team_name + " " + std::to_string(l));
    ++checked;
  }
  EXPECT_EQ(checked, games);
}

TEST(BoxScoreGames, SampleSeason) { CheckSeason(24, 2024); }

TEST(BoxScoreGames, ThousandSimulatedGames) { CheckSeason(1000, 7); }

}  // namespace
}  // namespace scorewick::reports
