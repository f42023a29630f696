#pragma once
// A game whose players carry the names the website shows: every place a
// game names a player (the rosters, the line-ups, the batters, runners and
// pitchers of each turn at bat, the pitcher of each pitch, the fielders
// credited, the pitchers of record) renamed, each by the side he plays
// for, so that the box score, the play-by-play and the statistics made
// from it name players as the site does and never otherwise.

#include <functional>
#include <string>
#include <string_view>

#include "records/game.h"

namespace scorewick::site {

// The shown name of a player of the home side (home true) or the visitors.
using ShownName = std::function<std::string(bool home, std::string_view name)>;

// Renames every player of game in place, and in the scorer's notes each
// roster player's full name (and a last name standing alone, which becomes
// its initial).  The teams' coach and manager
// are emptied: the site names players only.  A decision pitcher is
// renamed by the side whose roster or staff holds him.
void RenamePlayers(Game& game, const ShownName& shown);

}  // namespace scorewick::site
