#pragma once
// The invented clubs of the sample season: four teams of an invented town
// league, each with manager, coach, logo file, a roster of regulars,
// reserves and pitchers, and every player's personal information.

#include <string>
#include <vector>

#include "records/team.h"

namespace scorewick::sim {

// The four sample teams; two of them use a designated hitter.
std::vector<Team> SampleTeams();

// The ballpark of a team: the sample clubs' own parks, otherwise a park
// named after the first word of the team's name.
std::string HomeField(const Team& team);

// Invented umpires the schedule draws from.
std::vector<std::string> UmpirePool();

// A file name for a team: its name in lower case with hyphens, ".tem".
std::string TeamFileName(const Team& team);

}  // namespace scorewick::sim
