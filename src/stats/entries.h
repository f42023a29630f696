#pragma once
// Who entered when: where the players of a game's line-ups came in.  The
// handheld writes each line-up entry with the inning (1-based) it was
// taken in, the half (entry flag 1 = top) and the plate appearance of that
// half at which it was taken.  The statistics count a fielder's outs and a
// catcher's pitches from there; the box score marks and orders its
// substitutes by it.

#include <optional>
#include <string_view>

#include "records/game.h"

namespace scorewick {

// The plate appearance of a half from which a line-up entry of that half
// holds its place: where a substitute came in during the half, or 0 for
// one who was there when it began.  inning: 0-based; top: the half the
// entry belongs to.
inline int HeldFrom(const PLAYER& entry, int inning, bool top) {
  const std::int32_t entered = entry.entered_inning;
  const std::int32_t at = entry.entry_value;
  const bool this_half = entered == inning + 1 && (entry.entry_flag != 0) == top;
  return this_half && at > 0 ? at : 0;
}

// Where a player came into a game for one side, as the box score places
// him.
struct Arrival {
  int slot = 0;      // batting-order slot, 1-based; 0 = none
  int inning = 0;    // 1-based; 0 = not recorded
  int at_bat = 0;    // index of the plate appearance within that half
  bool top = false;  // a top half
};

// Where a player shows in one inning (0-based) of the game for the side
// (the visitors or the home team), names compared ignoring case: the first
// line-up entry of the side's two line-ups of the inning (the top half's,
// then the bottom's) that names him gives its own record of coming in;
// failing that, the first plate appearance of the side's half that he
// batted in, else ran in, gives that plate appearance.  Empty when the
// inning shows him nowhere.
std::optional<Arrival> ArrivalIn(const Game& game, int inning, bool visitors,
                                 std::string_view name);

// The first plate appearance of the side in which the player (name
// compared exactly) came up as a pinch hitter or ran as a pinch runner:
// its inning (1-based), index and the batter's slot.  The walk runs over
// the innings whose top half has plate appearances.  Empty when none.
std::optional<Arrival> FirstPinchTurn(const Game& game, bool visitors, std::string_view name);

// Whether a record's name field holds name, ignoring the case of ASCII
// letters.
bool SameNameIgnoringCase(const NameText& field, std::string_view name);

}  // namespace scorewick
