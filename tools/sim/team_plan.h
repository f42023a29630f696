#pragma once
// How a team takes the field in a simulated game, read from its roster: the
// nine starters in batting order (the roster's batting order where it gives
// one, a player for every position), the designated hitter when the team
// uses one, the starting pitcher (taken in rotation), the bench and the
// bullpen.  Players also get playing strengths, derived from their names so
// that any roster can play and the same roster always plays the same way.

#include <optional>
#include <string>
#include <vector>

#include "records/team.h"
#include "scoring/scorer.h"

namespace scorewick::sim {

struct Strength {
  double contact = 1.0;  // hits more often
  double power = 1.0;    // hits harder and farther
  double eye = 1.0;      // takes balls, walks more
  double speed = 1.0;    // runs faster
  double arm = 1.0;      // as a pitcher: strikes and swings and misses
};

// The strength of a player at the plate, on the bases and on the mound.
Strength StrengthOf(const PLAYER& player);

struct TeamPlan {
  scoring::StartingSide start;
  std::vector<PLAYER> bench;    // position players not starting
  std::vector<PLAYER> bullpen;  // pitchers not starting
};

// Makes the plan of team, whose rotation_index-th pitcher starts.  Empty,
// with the reason in *error, when the roster cannot field a side: it needs
// a pitcher and eight other players (nine with a designated hitter).
std::optional<TeamPlan> PlanTeam(const Team& team, int rotation_index, std::string* error);

}  // namespace scorewick::sim
