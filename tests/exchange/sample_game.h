#pragma once
// The shared full game and its teams under the names the exchange and
// command-line tests have known them by.

#include <string>

#include "support/full_game.h"

namespace scorewick::palm_testing {

using testing::HomeTeam;
using testing::VisitingTeam;

inline PLAYER MakePlayer(const std::string& name, int number, int position, int order, int key) {
  PLAYER p = testing::MakePlayer(name, number, position, order);
  p.key = static_cast<std::int16_t>(key);
  return p;
}

inline Game SampleGame(int innings = 9, int at_bats_per_half = 4) {
  return testing::MakeFullGame(innings, at_bats_per_half);
}

}  // namespace scorewick::palm_testing
