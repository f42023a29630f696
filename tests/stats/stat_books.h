#pragma once
// Short games in the scorebook shorthand for the statistics tests, each
// with the figures it is meant to show worked out by hand in its test.

#include <string>

#include "support/book_games.h"

namespace scorewick::testing {

inline const std::string kRunning = sim::testing::Book("running");
inline const std::string kCaughtStealingSafe = sim::testing::Book("caught_stealing_safe");
inline const std::string kRelief = sim::testing::Book("relief");
inline const std::string kStrikeoutRelief = sim::testing::Book("strikeout_relief");
inline const std::string kDroppedThird = sim::testing::Book("dropped_third");

// The scorebook teams with a catcher on the Hawks' bench.
inline const std::string kCatcherTeams =
    std::string(sim::testing::kTeams) + "- \"Cal Catch\" C 32 R/R\n";

inline const std::string kCatcherChange = sim::testing::Book("catcher_change");

// The scorebook teams, but the home side bats a designated hitter for its
// pitcher (and has no bench).
inline const std::string kDhTeams = [] {
  const std::string teams = sim::testing::kTeams;
  return teams.substr(0, teams.find("9 \"Rex Roe\"")) +
         "9 \"Dee Hitt\" DH 31 R/R\nP \"Rex Roe\" P 29 R/R\n";
}();

inline const std::string kDhGame = sim::testing::Book("dh_game");
inline const std::string kRates = sim::testing::Book("rates");

}  // namespace scorewick::testing
