#include "reports/play_by_play.h"

#include <gtest/gtest.h>

#include <array>
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

// One at-bat of Jones's told on its own: how he reached (-1: he did not),
// the bases he reached, the advances from each base, how he was put out
// (-1: he was not), his RBI, the bases of his error, his pinch runner.
struct SentenceCase {
  const char* what;
  int reach, bases;
  std::array<int, 3> advances;
  int out, rbi, error_bases;
  const char* runner;
  const char* want;
};

constexpr int kNo = -1;
// clang-format off
constexpr SentenceCase kSentences[] = {
    {"neither reached nor out", kNo, 0, {}, kNo, 0, 0, "", ""},
    {"steal, then batted home in one phrase", kReachSingle, 4,
     {kAdvStolenBase, kAdvBatted, kAdvBatted}, kNo, 0, 0, "",
     "Jones singled, stole 2nd, batted forward to home."},
    {"home run with no RBI count says nothing of it", kReachHomeRun, 4, {}, kNo, 0, 0, "",
     "Jones."},
    {"five RBI on a home run: no phrase either", kReachHomeRun, 4, {}, kNo, 5, 0, "",
     "Jones, 5 RBI."},
    {"inside-park grand slam", kReachInsideParkHR, 4, {}, kNo, 4, 0, "",
     "Jones hit inside park grand slam, 4 RBI."},
    {"two-base error, then out stretching at third", kReachError, 2, {}, kOutTagged, 0, 2, "",
     "Jones reached on 2-base error, tagged out going to 3rd."},
    {"sac fly with error", kReachSacFlyWithError, 1, {}, kNo, 0, 0, "",
     "Jones reached on sac fly with error."},
    {"balk is never merged; the continued code after it is told on its own", kReachWalk, 3,
     {kAdvBalk, kAdvBalkContinued, 0}, kNo, 0, 0, "",
     "Jones walked, advanced to 2nd on balk, advanced to 3rd on balk."},
    {"error run merged over three bases", kReachSingle, 4,
     {kAdvError, kAdvErrorContinued, kAdvErrorContinued}, kNo, 0, 0, "",
     "Jones singled, advanced to home on error."},
    {"pinch runner caught stealing at home, dp", kReachDouble, 3,
     {0, kAdvDefensiveIndifference, 0}, kOutCaughtStealingDP, 0, 0, "Smith",
     "Jones doubled, Smith ran for batter, advanced to 3rd on defensive indifference, caught "
     "trying to steal home, dp."},
    {"pinch runner of the same name is nobody", kReachOnBaseSingle, 1, {}, kNo, 0, 0, "Jones",
     "Jones reached first base."},
    {"out before first: forced at 1st", kNo, 0, {}, kOutForced, 0, 0, "",
     "Jones, forced out at 1st."},
    {"codes outside the tables", 77, 2, {99, 0, 0}, 41, 0, 0, "", "Jones reached first base."},
    {"bases reached beyond home stays within the three slots", kReachTieBreaker, 9,
     {0, kAdvOnThrow, kAdvInterference}, kNo, 0, 0, "",
     "Jones tie breaker rule, awarded second base, advanced to 3rd on throw, advanced to home on "
     "interference."},
};
// clang-format on

TEST(PlayByPlay, SentencesOfSingleAtBats) {
  for (const SentenceCase& c : kSentences) {
    AT_BAT ab;
    ab.batter.name.set("Jones");
    ab.reached = c.reach != kNo;
    ab.how_reached = c.reach == kNo ? 0 : c.reach;
    ab.out = c.out != kNo;
    ab.how_out = c.out == kNo ? 0 : c.out;
    ab.bases_reached = c.bases;
    for (int b = 0; b < 3; ++b) ab.advances[b] = c.advances[static_cast<std::size_t>(b)];
    ab.rbi = c.rbi;
    ab.error_bases[0] = c.error_bases;
    ab.pinch_runner.name.set(c.runner);
    EXPECT_EQ(NarrateAtBat(ab), c.want) << c.what;
  }
}

TEST(WrappedLines, CutsAtBlanksBreaksAndHardAtTheWidth) {
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> want;
    LineBreaks breaks = LineBreaks::kEndLines;
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
      // In a sentence made of names a line feed is a character of a name.
      {"lone\nfeed", 40, {"lone\nfeed"}, LineBreaks::kInText},
      {"Jo\nJett singled to left", 14, {"Jo\nJett", "singled to", "left"}, LineBreaks::kInText},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    AddWrappedLine(lines, c.text, c.width, c.breaks);
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
