#pragma once
// How a roster's values read in the team exports and printouts, and the
// lines of the printed roster.

#include <string>
#include <string_view>
#include <vector>

#include "records/player.h"
#include "records/team.h"

namespace scorewick::reports {

// "00" for a player without a number, else the number ("7", "42").
std::string UniformNumberText(const PLAYER& player);
// "LH" for 0, "RH" for 1, "SH" for any other value.
std::string_view BatsText(const PLAYER& player);
// "RH" for 1, "LH" for 0 (and any other value).
std::string_view ThrowsText(const PLAYER& player);

// The printed roster, one fixed-width line each:
//   Manager: <manager>
//   Coach: <coach>
//   (blank)
//   #  Name                      Position             BO BH TH
//   7  Jo Smith                  Short Stop            3 RH RH
std::vector<std::string> RosterPrintLines(const Team& team);

}  // namespace scorewick::reports
