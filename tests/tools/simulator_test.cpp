#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "records/codes.h"
#include "records/game_file.h"
#include "sim/consistency.h"
#include "sim/sample_teams.h"
#include "sim/season.h"

namespace scorewick::sim {
namespace {

LeagueRules RulesForSeed(int seed) {
  LeagueRules rules;
  if (seed % 5 == 3) {  // a softball league: seven innings, tie-breaker runners
    rules.softball = true;
    rules.innings = 7;
    rules.tie_breaker = true;
  }
  return rules;
}

std::string Describe(const std::vector<Inconsistency>& found) {
  std::string out;
  for (std::size_t i = 0; i < found.size() && i < 8; ++i) out += found[i].Text() + "\n";
  return out;
}

// Every game the simulator makes passes the consistency checks.
TEST(Simulator, GamesAreConsistentOnManySeeds) {
  const std::vector<Team> teams = SampleTeams();
  const int seeds = 5000;
  for (int seed = 1; seed <= seeds; ++seed) {
    GameSetup setup;
    setup.rules = RulesForSeed(seed);
    setup.seed = static_cast<std::uint64_t>(seed);
    setup.home_rotation = seed;
    setup.visitor_rotation = seed / 3;
    const int h = seed % 4;
    const int v = (seed / 4 + 1 + h) % 4 == h ? (h + 1) % 4 : (seed / 4 + 1 + h) % 4;
    Game game;
    std::string error;
    ASSERT_TRUE(SimulateGame(teams[static_cast<std::size_t>(h)], teams[static_cast<std::size_t>(v)], setup, game, &error))
        << "seed " << seed << ": " << error;
    const auto found = CheckGame(game, setup.rules);
    ASSERT_TRUE(found.empty()) << "seed " << seed << ":\n" << Describe(found);
  }
}

}  // namespace
}  // namespace scorewick::sim
