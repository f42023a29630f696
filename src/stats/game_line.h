#pragma once
// A game as a list of games shows it, from its headline:
// "2019-09-29  Oakland Athletics 3 at Seattle Mariners 1" (the visitors
// first, as they bat first), without the runs while the header keeps none
// (a game not yet under way).  Code page 1252, as the team names are.

#include <string>

#include "intake/game_headline.h"

namespace scorewick {

std::string GameLineText(const GameHeadline& game);

}  // namespace scorewick
