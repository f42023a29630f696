// The box score: worked by hand from short books (golden texts); and
// every game of the sample season and 1000 simulated games make a box
// score whose runs, hits and errors per team, as its score-by-innings line
// shows them, agree with the game's recorded at-bats.

#include "reports/box_score.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "records/codes.h"
#include "reports/half_inning_totals.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/simulator.h"
#include "support/box_games.h"
#include "support/data_file.h"

namespace scorewick::reports {
namespace {

using testing::CompileBook;

// The box score up to the play-by-play (told and tested on its own).
std::vector<std::string> BoxLines(const BoxScore& box) {
  const auto& lines = box.lines();
  return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(box.sections().play_by_play)};
}

// Worked by hand from the book: the home side wins 3-2 and stands on the
// left; nine inning columns with an x for the bottom of the 9th that was
// not played, as scorers write it; substitutes marked where they entered (t5 pinch hitter and
// runner, b7 pinch hitter, b8 reliever) and placed after the starter of
// their slot, the reliever (no slot of his own) last; players who moved
// show both positions; a reliever with one out shows 0.33.
TEST(BoxScore, NineInningsHomeSideDidNotBatInTheNinth) {
  const Game game = CompileBook(testing::kNineInnings);
  const BoxScore box = MakeBoxScore(game, StatRules{});

  scorewick::testing::ExpectGolden(scorewick::testing::JoinLines(BoxLines(box)), "box_nine.txt");
  EXPECT_EQ(box.innings_shown(), 9);
}

// A tie lists the visitors first; with two outs an inning, the starter's
// three outs are 1.50 innings.
TEST(BoxScore, TieWithTwoOutsAnInning) {
  const Game game = CompileBook(testing::kTie);
  StatRules rules;
  rules.outs_per_inning = 2;
  const BoxScore box = MakeBoxScore(game, rules);

  scorewick::testing::ExpectGolden(scorewick::testing::JoinLines(BoxLines(box)), "box_tie.txt");
}

// The figures come from the at-bats, whatever half-inning totals the file
// stored; the stored totals are left alone.
TEST(BoxScore, StoredTotalsThatDisagreeAreRecomputed) {
  Game game = CompileBook(testing::kTie);
  game.innings[0].top.runs = 7;
  game.innings[0].bottom.left_on_base = 5;
  const BoxScore box = MakeBoxScore(game, StatRules{});
  EXPECT_EQ(box.runs(true), 0);
  EXPECT_EQ(box.lines()[5], "Gulls                     0  0 - 0  1  1 ");
  EXPECT_EQ(box.lines()[box.sections().batting_notes + 1].substr(0, 35),
            "E: Ann Able. LOB: Hawks 1, Gulls 1.");
  EXPECT_EQ(game.innings[0].top.runs, 7);
}

TEST(BoxScore, EmptyWhenTheFirstHalfHasNoAtBats) {
  const Game game;
  EXPECT_TRUE(MakeBoxScore(game, StatRules{}).empty());
}

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
