#include "scoring/consistency.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "records/codes.h"
#include "sim/sample_teams.h"
#include "sim/simulator.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

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
