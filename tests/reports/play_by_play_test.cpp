#include "reports/play_by_play.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/codes.h"
#include "reports/half_inning_totals.h"
#include "reports/wrapped_lines.h"
#include "support/box_games.h"
#include "support/data_file.h"

namespace scorewick::reports {
namespace {

using testing::CompileBook;
using testing::kTwoInnings;

TEST(PlayByPlay, TwoInningsToldHalfByHalf) {
  Game game = CompileBook(kTwoInnings);
  GAME_NOTE note;
  note.inning = 1;
  note.at_bat = 0;
  note.half = 1;
  note.text.set("Ten pitches.\r\nFouled off six.");
  game.notes.push_back(note);
  std::vector<std::string> lines;
  AddPlayByPlay(lines, game, 2);

  // Wrapped at 86: a line that fills the width exactly is still cut back to
  // its last blank (Jo Jett's and Kim Kent's turns).
  scorewick::testing::ExpectGolden(scorewick::testing::JoinLines(lines), "play_by_play_two.txt");
}

TEST(PlayByPlay, NothingWhenTheFirstHalfIsEmpty) {
  Game game;
  game.innings[1].top.at_bats.resize(1);
  std::vector<std::string> lines;
  AddPlayByPlay(lines, game, 2);
  EXPECT_TRUE(lines.empty());
}

AT_BAT Box(const char* name) {
  AT_BAT ab;
  ab.batter.name.set(name);
  return ab;
}

struct SentenceCase {
  const char* what;
  AT_BAT ab;
  std::string want;
};

std::vector<SentenceCase> SentenceCases() {
  std::vector<SentenceCase> cases;
  auto add = [&](const char* what, auto edit, const char* want) {
    AT_BAT ab = Box("Jones");
    edit(ab);
    cases.push_back({what, ab, want});
  };
  add(
      "neither reached nor out", [](AT_BAT&) {}, "");
  add(
      "steal, then batted home in one phrase",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachSingle, a.bases_reached = 4;
        a.advances[0] = kAdvStolenBase, a.advances[1] = kAdvBatted, a.advances[2] = kAdvBatted;
      },
      "Jones singled, stole 2nd, batted forward to home.");
  add(
      "home run with no RBI count says nothing of it",
      [](AT_BAT& a) { a.reached = 1, a.how_reached = kReachHomeRun, a.bases_reached = 4; },
      "Jones.");
  add(
      "five RBI on a home run: no phrase either",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachHomeRun, a.bases_reached = 4, a.rbi = 5;
      },
      "Jones, 5 RBI.");
  add(
      "inside-park grand slam",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachInsideParkHR, a.bases_reached = 4, a.rbi = 4;
      },
      "Jones hit inside park grand slam, 4 RBI.");
  add(
      "two-base error, then out stretching at third",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachError, a.error_bases[0] = 2, a.bases_reached = 2;
        a.out = 1, a.how_out = kOutTagged;
      },
      "Jones reached on 2-base error, tagged out going to 3rd.");
  add(
      "sac fly with error",
      [](AT_BAT& a) { a.reached = 1, a.how_reached = kReachSacFlyWithError, a.bases_reached = 1; },
      "Jones reached on sac fly with error.");
  add(
      "balk is never merged; the continued code after it is told on its own",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachWalk, a.bases_reached = 3;
        a.advances[0] = kAdvBalk, a.advances[1] = kAdvBalkContinued;
      },
      "Jones walked, advanced to 2nd on balk, advanced to 3rd on balk.");
  add(
      "error run merged over three bases",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachSingle, a.bases_reached = 4;
        a.advances[0] = kAdvError, a.advances[1] = kAdvErrorContinued,
        a.advances[2] = kAdvErrorContinued;
      },
      "Jones singled, advanced to home on error.");
  add(
      "pinch runner caught stealing at home, dp",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachDouble, a.bases_reached = 3;
        a.pinch_runner.name.set("Smith");
        a.advances[1] = kAdvDefensiveIndifference;
        a.out = 1, a.how_out = kOutCaughtStealingDP;
      },
      "Jones doubled, Smith ran for batter, advanced to 3rd on defensive indifference, caught "
      "trying to steal home, dp.");
  add(
      "pinch runner of the same name is nobody",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachOnBaseSingle, a.bases_reached = 1;
        a.pinch_runner.name.set("Jones");
      },
      "Jones reached first base.");
  add(
      "out before first: forced at 1st", [](AT_BAT& a) { a.out = 1, a.how_out = kOutForced; },
      "Jones, forced out at 1st.");
  add(
      "codes outside the tables",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = 77, a.bases_reached = 2, a.advances[0] = 99;
        a.out = 1, a.how_out = 41;
      },
      "Jones reached first base.");
  add(
      "bases reached beyond home stays within the three slots",
      [](AT_BAT& a) {
        a.reached = 1, a.how_reached = kReachTieBreaker, a.bases_reached = 9;
        a.advances[1] = kAdvOnThrow, a.advances[2] = kAdvInterference;
      },
      "Jones tie breaker rule, awarded second base, advanced to 3rd on throw, advanced to home on "
      "interference.");
  return cases;
}

TEST(PlayByPlay, SentencesOfSingleAtBats) {
  for (const SentenceCase& c : SentenceCases()) EXPECT_EQ(NarrateAtBat(c.ab), c.want) << c.what;
}

TEST(WrappedLines, CutsAtBlanksBreaksAndHardAtTheWidth) {
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> want;
  } cases[] = {
      {"short", 10, {"short"}},
      {"", 10, {""}},
      {"one two three four", 10, {"one two", "three four"}},
      {"one two three", 250, {"one two three"}},
      {"abcdefghijklmno pq", 10, {"abcdefghij", "klmno pq"}},
      {"a\r\nb", 10, {"a", "b"}},
      {"line one\r\n\r\nline three\r\n", 40, {"line one", "", "line three"}},
      {"lone\nfeed", 40, {"lone", "feed"}},
      {"aaaa bbbb\r\ncc", 5, {"aaaa", "bbbb", "cc"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    AddWrappedLine(lines, c.text, c.width);
    EXPECT_EQ(lines, c.want) << c.text;
  }
}

TEST(HalfInningTotals, ErrorsCountFieldersButNotPassedBallsOrEarlierErrors) {
  AT_BAT ab;
  ab.reached = 1;
  ab.how_reached = kReachError;
  ab.error_credits[0].name.set("Kim Kent");
  ab.error_kinds[0] = kErrThrowing;
  ab.error_credits[1].name.set("Kim Kent");
  ab.error_kinds[1] = kErrPrevious;
  ab.error_credits[2].name.set("Mo Moss");
  ab.error_kinds[2] = kErrPassedBall;
  ab.second_error_credits[0].name.set("Lu Lane");
  ab.second_error_kinds[0] = kErrFielding;
  ab.second_error_credits[3].name.set(" blank");
  ab.second_error_kinds[3] = kErrFielding;
  EXPECT_EQ(TallyAtBat(ab), (HalfInningTotals{0, 0, 2, 1}));
  ab.how_reached = kReachGroundRuleDouble;
  ab.reached = 0;  // a hit whatever the flag
  ab.scored = 1;
  EXPECT_EQ(TallyAtBat(ab), (HalfInningTotals{1, 1, 2, 0}));
}

}  // namespace
}  // namespace scorewick::reports
