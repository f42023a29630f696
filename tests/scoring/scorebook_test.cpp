#include <gtest/gtest.h>

#include <functional>
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

const Game& Sample() {
  static const Game game = [] {
    const std::vector<Team> teams = SampleTeams();
    GameSetup setup;
    setup.seed = 77;
    Game g;
    std::string error;
    if (!SimulateGame(teams[0], teams[2], setup, g, &error)) ADD_FAILURE() << error;
    return g;
  }();
  return game;
}

// The first box of the game that satisfies a test, in the first inning
// that has one.
AT_BAT* Find(Game& g, const std::function<bool(const AT_BAT&)>& test) {
  for (INNING& in : g.innings) {
    for (HALF_INNING* h : {&in.top, &in.bottom}) {
      for (AT_BAT& ab : h->at_bats) {
        if (test(ab)) return &ab;
      }
    }
  }
  return nullptr;
}

struct Damage {
  const char* what;  // expected in the finding
  std::function<void(Game&)> apply;
};

// Each kind of damage to a sound game is found, and named.
TEST(Consistency, FindsWhatDoesNotAgree) {
  ASSERT_TRUE(CheckGame(Sample(), LeagueRules{}).empty());
  const Damage cases[] = {
      {"totals", [](Game& g) { g.innings[0].top.hits += 1; }},
      {"score", [](Game& g) { g.header.home_score += 1; }},
      {"outs in a completed half",
       [](Game& g) {
         AT_BAT* ab = Find(g, [](const AT_BAT& a) { return a.out && a.box_number == 3; });
         ab->out = 0;
         ab->box_number = 0;
       }},
      {"final count",
       [](Game& g) { Find(g, [](const AT_BAT& a) { return a.balls == 1; })->balls = 2; }},
      {"count before",
       [](Game& g) {
         Find(g, [](const AT_BAT& a) { return a.last_pitch >= 2; })->pitches[1].balls_before += 1;
       }},
      {"a strikeout without the last strike",
       [](Game& g) {
         AT_BAT* ab = Find(
             g, [](const AT_BAT& a) { return a.out && a.how_out == kOutGround && a.strikes < 3; });
         ab->how_out = kOutStrikeSwinging;
       }},
      {"an advance with no code",
       [](Game& g) {
         AT_BAT* ab = Find(g, [](const AT_BAT& a) {
           return a.bases_reached >= 2 && a.how_reached == kReachSingle;
         });
         ab->advances[0] = kAdvNone;
       }},
      {"bases reached",
       [](Game& g) {
         Find(g, [](const AT_BAT& a) {
           return a.reached && !a.out && !a.scored && a.bases_reached == 1;
         })->bases_reached = 2;
       }},
      {"not on the batting roster",
       [](Game& g) { g.innings[0].top.at_bats[0].batter.name.set("Nobody Known"); }},
      {"not on the fielding roster",
       [](Game& g) {
         AT_BAT* ab = Find(g, [](const AT_BAT& a) { return a.out_credit_count > 1; });
         ab->out_credits[1].name.set("Stranger");
       }},
      {"does not carry the last pitch detail",
       [](Game& g) {
         Find(g, [](const AT_BAT& a) { return a.last_pitch >= 1; })->pitches[1].detail.speed +=
             1.0f;
       }},
      {"RBI", [](Game& g) { Find(g, [](const AT_BAT& a) { return a.rbi > 0; })->rbi += 1; }},
      {"active entries", [](Game& g) { g.innings[0].top.offense[0].active = 0; }},
      {"winning pitcher", [](Game& g) { g.winning_pitcher = g.losing_pitcher; }},
  };
  for (const Damage& d : cases) {
    Game g = Sample();
    d.apply(g);
    const auto found = CheckGame(g, LeagueRules{});
    ASSERT_FALSE(found.empty()) << d.what;
    bool named = false;
    for (const Inconsistency& i : found) named |= i.Text().find(d.what) != std::string::npos;
    EXPECT_TRUE(named) << d.what << " not in: " << found[0].Text();
  }
}

}  // namespace
}  // namespace scorewick::sim
