#pragma once
// The shared full game under the name the command-line tests know it by.

#include "support/full_game.h"

namespace scorewick::palm_testing {

inline Game SampleGame(int innings = 9, int at_bats_per_half = 4) {
  return testing::MakeFullGame(innings, at_bats_per_half);
}

}  // namespace scorewick::palm_testing
