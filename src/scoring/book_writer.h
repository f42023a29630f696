#pragma once
// The book of any game: the scorebook lines that, read again, make the same
// game, for a game scored on a handheld, imported from elsewhere or scored
// live.  It is how a game is corrected (its book written, fixed and scored
// again) and how the scorer and the book are shown to agree.
//
// Each half-inning is told in the order its plays happened: the pitches of
// each turn at the plate, what the runners did between them, the result and
// where the runners went, and the substitutions where they were made.  A
// game scored by this program (or imported by it) says in every runner's
// entry when it happened; an older one does not, and each runner's later
// moves are then told with the next batter's play.  Plays are written in
// the shorthand where it says them exactly, else in the exact form; the
// book is checked line by line as it is written, by reading it again.

#include <string>
#include <vector>

#include "records/game.h"
#include "records/status.h"
#include "scoring/league_rules.h"

namespace scorewick::scoring {

// The book of game under rules.  Fails, with what could not be told (the
// half, the box and the reason), when a play of the game does not read
// back as it stands.
Status WriteBook(const Game& game, const LeagueRules& rules, std::vector<std::string>& lines);

}  // namespace scorewick::scoring
