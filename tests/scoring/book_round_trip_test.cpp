// Every game of the sample season, and of a simulated season of other
// rules, told as its book and read back: the same box score and the same
// statistics.

#include "support/book_round_trip.h"

#include <gtest/gtest.h>

#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/simulator.h"

namespace scorewick::sim {
namespace {

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
