#include <gtest/gtest.h>

#include <string>

#include "records/codes.h"
#include "scoring/book.h"
#include "scoring/consistency.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/simulator.h"
#include "support/book_games.h"
#include "support/book_round_trip.h"
#include "support/data_file.h"
#include "support/game_dump.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

using testing::kTeams;

Game Compile(const std::string& plays) {
  Game game;
  const std::string text = kTeams + plays;
  const ScorebookResult result = CompileScorebook(text, game);
  EXPECT_TRUE(result.ok) << result.error;
  for (const Inconsistency& i : CheckGame(game, result.rules)) ADD_FAILURE() << i.Text();
  return game;
}

// What each book records, box by box, against its golden copy
// (SCOREWICK_UPDATE_GOLDEN=1 writes them anew: review the difference).
// walk_off: a runner event carries the count of the batter at the plate and
// a copy of the last pitch detail of the runner's own box; the game ends on
// the fly.  errors: runs after the error that should have ended the inning
// are unearned; the pick-off attempt is an entry of the batter's box, with
// no detail.  changes: a reliever in the middle of the count takes the
// second slot, the walk stays with the pitcher who fell behind; a passed
// ball is no error and its run is unearned; the pinch hitter stays in to
// play centre field, his entry value kept from when he came in.
TEST(Scorebook, BooksRecordTheirGamesBoxByBox) {
  for (const char* book : {"walk_off", "errors", "changes"}) {
    SCOPED_TRACE(book);
    const std::string text = testing::Book(book);
    Game game = Compile(text);
    if (text.find("date=") == std::string::npos) {  // dated the day it is compiled
      game.header.year = 0;
      game.header.month = game.header.day = 0;
    }
    scorewick::testing::ExpectGolden(scorewick::testing::DumpGame(game),
                                     std::string(book) + ".txt");
  }
}

struct BadBook {
  const char* plays;
  const char* message;
};

// A book that cannot make a game names the line and the trouble.
TEST(Scorebook, RefusesBooksThatCannotMakeAGame) {
  const BadBook cases[] = {
      {"top 1\nK\n", "line 28: a strikeout needs strike 3"},
      {"top 1\nbsf 1B7 2-H\n", "line 28: nobody is on base 2"},
      {"top 1\nbsf Q7\n", "line 28: cannot read the result \"Q7\""},
      {"top 1\nF8\nF8\nbottom 1\n", "line 30: the half before has 2 outs, not 3"},
      {"bottom 1\n", "line 27: expected the top of the 1st"},
      {"top 1\nPH \"Nobody\" F8\n", "line 28: Nobody is not on the roster of Gulls"},
      {"top 1\nPH \"Nobody F8\n", "line 28: a quoted text has no closing quote"},
      {"top 1\nbsf\nbottom 1\n", "line 29: the half before has 0 outs, not 3"},
      {"rules innings=0\n", "line 27: innings per game must be 1 to 30"},
      {"rules innings=1\ntop 1\nHR7\nF8\nF8\nF8\nbottom 1\nF8\nF8\nF8\ntop 2\n",
       "line 37: the game is already over"},
  };
  for (const BadBook& c : cases) {
    Game game;
    const ScorebookResult r = CompileScorebook(std::string(kTeams) + c.plays, game);
    EXPECT_FALSE(r.ok) << c.plays;
    EXPECT_EQ(r.error, c.message) << c.plays;
  }
  Game game;
  const ScorebookResult r = CompileScorebook("visitors \"A\"\n1 \"X\" QQ\n", game);
  EXPECT_EQ(r.error, "line 2: unknown position \"QQ\"");
}

// Every game of the sample season, and of a simulated season of other
// rules, told as its book and read back: the same box score and the same
// statistics.

void ExpectSeasonRoundTrips(const std::vector<Team>& teams, int games,
                            const scoring::LeagueRules& rules, std::uint64_t seed) {
  for (const ScheduledGame& s : MakeSchedule(teams, games, rules, seed)) {
    Game game;
    std::string error;
    ASSERT_TRUE(SimulateGame(teams[static_cast<std::size_t>(s.home)],
                             teams[static_cast<std::size_t>(s.visitor)], s.setup, game, &error))
        << error;
    const std::string differs = scorewick::testing::BookRoundTrip(game, rules);
    EXPECT_EQ(differs, "") << teams[static_cast<std::size_t>(s.visitor)].team_name.str() << " at "
                           << teams[static_cast<std::size_t>(s.home)].team_name.str();
  }
}

TEST(BookRoundTrip, TheSampleSeason) { ExpectSeasonRoundTrips(SampleTeams(), 24, {}, 2024); }

TEST(BookRoundTrip, ASeasonOfSevenInningsWithTheTieBreaker) {
  scoring::LeagueRules rules;
  rules.innings = 7;
  rules.tie_breaker = true;
  ExpectSeasonRoundTrips(SampleTeams(), 60, rules, 7);
}

}  // namespace
}  // namespace scorewick::sim
