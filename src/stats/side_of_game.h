#pragma once
// One side of one game counted alone by the statistics engine: what a
// team's players did in that game, as the statistics table would show it
// had the game been the only one chosen.  The game log and the pitchers'
// workload read their figures from here, so that their lines add up to the
// statistics tables' lines.

#include <string_view>

#include "records/calendar_day.h"
#include "records/game.h"
#include "stats/stat.h"

namespace scorewick {

// Empties stat's tables and counts the home side (home true) or the
// visitors of game into them with the engine, closed with the totals rows.
// The game list of stat is not used.
void CountSideAlone(Stat& stat, const Game& game, bool home);

// Whether the name stands anywhere in the side's part of the game: its
// line-ups, its batters and runners, its pitchers.  A cheap look before
// counting a side for one player.
bool SideNames(const Game& game, bool home, std::string_view name);

// The runs the side scored, summed over the innings played.
long long SideRuns(const Game& game, bool home);

// The day the game was played, from its header.
LocalDate GameDay(const Game& game);

// The rows of a counted side for a player: -1 when he has none.
int BattingRowOf(const Stat& stat, std::string_view name);
int PitchingRowOf(const Stat& stat, std::string_view name);

// Whether a pitching row shows the pitcher in the game: he faced a batter,
// threw a pitch or recorded an out.
bool Pitched(const PitchingStat& row);

}  // namespace scorewick
