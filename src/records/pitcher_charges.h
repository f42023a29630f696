#pragma once
// Who is charged with what a pitching line counts, read from the boxes of
// a half-inning as they were scored.  The one rule for the statistics (and
// so for the box score, the game log and the workload) and for the
// scorer's decisions:
//
// - a batter faced, his at-bat, hit, strikeout or hit batsman, and his own
//   out: the pitcher who finished his turn;
// - a walk, and the batter faced with it, after a change of pitchers in a
//   count that favoured the batter (2-0, 2-1, 3-0, 3-1, 3-2): the pitcher
//   who left, whom the scorer names as the box's responsible pitcher;
// - a run: the box's responsible pitcher (after a fielder's choice, the
//   pitcher of the runner put out, as the scorer passed his charge on);
// - what befalls a runner after his turn (an out on the bases, a wild
//   pitch or a balk that moves him, a pick-off): the pitcher on the mound
//   at the time, whom the runner's entry names.  An older game whose
//   entries do not name him keeps the old reading: the pitcher who faced
//   the runner at the plate.
//
// A wild pitch or a balk that moves several runners is one: the entries it
// made name the same moment of the game (PlayMoment).
//
// How an entry names the moment: the pitcher copy of its pitch detail holds
// the index of the box at the plate in its batting-order field (as every
// entry of a batter's own turn does) and, for an entry made as a runner,
// minus two minus the index of that box's last entry then (-1 before its
// first) in its entry-value field; an older game holds the pitcher's own
// entry value there, never below zero.

#include <string_view>
#include <vector>

#include "records/at_bat.h"
#include "records/half_inning.h"
#include "records/player.h"

namespace scorewick {

// The entry of the box that ends the batter's turn (his reach or his out);
// -1 while the turn has no result.
int ResultEntry(const AT_BAT& ab);

// The slot (0..2) of the box's pitchers whose pitches hold entry `entry`:
// each slot's pitches run to its last pitch, the last slot's to the end.
int SlotOfEntry(const AT_BAT& ab, int entry);

// The pitcher charged with the batter faced (and a walk): the responsible
// pitcher of a walk when he is one of the box's pitchers, else the pitcher
// whose pitches ended the turn (the last of them while it is open).
const PLAYER& PitcherFacing(const AT_BAT& ab);

// The pitcher charged with entry `entry` of the box: for an entry made as
// a runner, after the result, the pitcher on the mound the entry names when
// he is a pitcher of the fielding line-up `defense`; otherwise the pitcher
// whose pitches hold it.
std::string_view PitcherOfEntry(const std::vector<PLAYER>& defense, const AT_BAT& ab, int entry);

// The outs a pitcher recorded in a half-inning: every out entry of its
// boxes charged to him.
int OutsRecorded(const HALF_INNING& half, std::string_view pitcher);

// A moment of the game: the box at the plate and its last entry then.
struct PlayMoment {
  int at_bat = -1;
  int entry = -1;

  bool operator==(const PlayMoment&) const = default;
};

// The moment entry `entry` of box `index` was made: an entry made as a
// runner names it; any other entry (and every entry of an older game) is
// its own moment.
PlayMoment MomentOf(const AT_BAT& ab, int index, int entry);

// Marks an entry made as a runner with the moment of the game and the
// pitcher on the mound.
void MarkRunnerEntry(PITCH& entry, PlayMoment moment, const PLAYER& on_mound);

// The pinch runner of a box runs from its entry `n` on: the entries before
// are the batter's own, made before he was replaced.  An older game does
// not tell, and its every runner's entry is the pinch runner's.
int PinchRunnerFrom(const AT_BAT& ab);
void MarkPinchRunnerFrom(AT_BAT& ab, int n);

}  // namespace scorewick
