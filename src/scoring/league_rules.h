#pragma once
// The rules a league plays by, as far as they shape a scored game.

#include <string>

#include "records/status.h"

namespace scorewick::scoring {

struct LeagueRules {
  int strikes_per_out = 3;
  int balls_per_walk = 4;
  int outs_per_inning = 3;
  int innings = 9;           // regulation innings; ties go on to extra innings
  bool softball = false;     // no leading off; the plays only softball has
  bool tie_breaker = false;  // extra halves start with a runner on second

  bool operator==(const LeagueRules&) const = default;
};

// Whether the rules can make a game that fits the record (a turn holds at
// most 25 pitches, a game at most 40 innings); fails saying what is wrong.
Status CheckRules(const LeagueRules& rules);

}  // namespace scorewick::scoring
