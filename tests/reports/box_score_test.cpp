#include "reports/box_score.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace scorewick::reports
