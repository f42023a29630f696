// The box score: worked by hand from short books (golden texts); and
// every game of the sample season and 1000 simulated games make a box
// score whose runs, hits and errors per team, as its score-by-innings line
// shows them, agree with the game's recorded at-bats.

#include "reports/box_score.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "records/codes.h"
#include "reports/half_inning_totals.h"
#include "reports/play_by_play.h"
#include "reports/wrapped_lines.h"
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
