#include "reports/box_score.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/box_games.h"

namespace scorewick::reports {
namespace {

using testing::CompileBook;

// The box score up to the play-by-play (told and tested on its own).
std::vector<std::string> BoxLines(const BoxScore& box) {
  const auto& lines = box.lines();
  return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(box.sections().play_by_play)};
}

// Worked by hand from the book: the home side wins 3-2 and stands on the
// left; nine inning columns with 0 for the bottom of the 9th that was not
// played; substitutes marked where they entered (t5 pinch hitter and
// runner, b7 pinch hitter, b8 reliever) and placed after the starter of
// their slot, the reliever (no slot of his own) last; players who moved
// show both positions; a reliever with one out shows 0.33.
TEST(BoxScore, NineInningsHomeSideDidNotBatInTheNinth) {
  const Game game = CompileBook(testing::kNineInnings);
  const BoxScore box = MakeBoxScore(game, StatRules{});
  const std::vector<std::string> want = {
      "Gulls at Hawks",
      "",
      "",
      "Score By Innings          1  2  3  4  5  6  7  8  9   R  H  E",
      "--------------------------------------------------------------------------------------",
      "Gulls                     0  1  0  0  0  0  0  1  0 - 2  4  0 ",
      "Hawks                     3  0  0  0  0  0  0  0  0 - 3  4  0 ",
      "--------------------------------------------------------------------------------------",
      "",
      "",
      "Hawks 3, Gulls 2",
      "--------------------------------------------------------------------------------------",
      "Hawks                                     | Gulls                                     ",
      "                              ab  r  h bi |                               ab  r  h bi",
      "Jo Jett cf                     4  1  1  0 | Ann Able ss-2b                 3  0  0  1",
      "Kim Kent ss                    3  1  0  0 | Bo Baker 2b-ss                 4  0  1  0",
      "Lu Lane 1b                     3  1  1  3 | Cy Cole cf                     4  0  0  0",
      "Mo Moss c                      3  0  0  0 | Di Dunn 1b                     3  1  0  0",
      "Ned Nye 3b                     3  0  0  0 | Ed Eng 3b                      1  0  0  0",
      "Olga Orr 2b                    2  0  0  0 | (t5) Pat Pinch ph-3b           3  0  1  0",
      "(b7) Tom Tide ph-2b            1  0  1  0 | Flo Fox lf                     1  0  1  1",
      "Pia Pond lf                    3  0  1  0 | (t5) Sid Swift pr-lf           2  0  0  0",
      "Quin Quay rf                   3  0  0  0 | Gus Gray rf                    4  1  1  0",
      "Rex Roe p                      3  0  0  0 | Hal Hunt c                     2  0  0  0",
      "                                          | Ike Ives p                     2  0  0  0",
      "                                          | (b8) Ray Relief p              0  0  0  0",
      "TEAM TOTALS                   28  3  4  3 | TEAM TOTALS                   29  2  4  2",
      "--------------------------------------------------------------------------------------",
      "",
      "DP: Hawks 1. LOB: Hawks 2, Gulls 5. HR: Lu Lane. SF: Flo Fox. ",
      "",
      "Hawks                             IP   H  R ER BB SO",
      "Rex Roe W                        9.00  4  2  2  3 15",
      "",
      "Gulls                         ",
      "Ike Ives L                       7.67  4  3  3  0 17",
      "Ray Relief                       0.33  0  0  0  0  0",
      "",
      "HBP: by Ike Ives (Kim Kent), by Rex Roe (Ike Ives). WP: Rex Roe. PB: Hal Hunt. Balk:",
      "Ike Ives. T: 2:41. A: 250.",
      "",
  };
  EXPECT_EQ(BoxLines(box), want);
  EXPECT_EQ(box.innings_shown(), 9);
  EXPECT_EQ(box.sections().play_by_play, want.size());
}

// A tie lists the visitors first; with two outs an inning, the starter's
// three outs are 1.50 innings.
TEST(BoxScore, TieWithTwoOutsAnInning) {
  const Game game = CompileBook(testing::kTie);
  StatRules rules;
  rules.outs_per_inning = 2;
  const BoxScore box = MakeBoxScore(game, rules);
  const std::vector<std::string> want = {
      "Gulls at Hawks",
      "",
      "",
      "Score By Innings          1  2   R  H  E",
      "--------------------------------------------------------------------------------------",
      "Gulls                     0  0 - 0  1  1 ",
      "Hawks                     0  0 - 0  1  0 ",
      "--------------------------------------------------------------------------------------",
      "",
      "",
      "Gulls 0, Hawks 0",
      "--------------------------------------------------------------------------------------",
      "Gulls                                     | Hawks                                     ",
      "                              ab  r  h bi |                               ab  r  h bi",
      "Ann Able ss                    1  0  1  0 | Jo Jett cf                     1  0  1  0",
      "Bo Baker 2b                    0  0  0  0 | Kim Kent ss                    1  0  0  0",
      "Cy Cole cf                     1  0  0  0 | Lu Lane 1b                     1  0  0  0",
      "Di Dunn 1b                     1  0  0  0 | Mo Moss c                      1  0  0  0",
      "Ed Eng 3b                      1  0  0  0 | Ned Nye 3b                     1  0  0  0",
      "Flo Fox lf                     0  0  0  0 | Olga Orr 2b                    0  0  0  0",
      "Gus Gray rf                    0  0  0  0 | Pia Pond lf                    0  0  0  0",
      "Hal Hunt c                     0  0  0  0 | Quin Quay rf                   0  0  0  0",
      "Ike Ives p                     0  0  0  0 | Rex Roe p                      0  0  0  0",
      "                                          | (t2) Sal Stone p               0  0  0  0",
      "TEAM TOTALS                    4  0  1  0 | TEAM TOTALS                    5  0  1  0",
      "--------------------------------------------------------------------------------------",
      "",
      "E: Ann Able. LOB: Hawks 1, Gulls 1. 2B: Ann Able. SB: Jo Jett. CS: Jo Jett. SH: Bo",
      "Baker. ",
      "",
      "Gulls                             IP   H  R ER BB SO",
      "Ike Ives                         2.00  1  0  0  0  3",
      "",
      "Hawks                         ",
      "Rex Roe                          1.50  1  0  0  0  2",
      "Sal Stone                        0.50  0  0  0  0  0",
      "",
      "T: 3:00. A: 0.",
      "",
  };
  EXPECT_EQ(BoxLines(box), want);
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
  EXPECT_EQ(box.lines()[box.sections().batting_notes + 1].substr(0, 35), "E: Ann Able. LOB: Hawks 1, Gulls 1.");
  EXPECT_EQ(game.innings[0].top.runs, 7);
}

TEST(BoxScore, EmptyWhenTheFirstHalfHasNoAtBats) {
  const Game game;
  EXPECT_TRUE(MakeBoxScore(game, StatRules{}).empty());
}

}  // namespace
}  // namespace scorewick::reports
