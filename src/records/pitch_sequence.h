#pragma once
// Reading an at-bat's pitch sequence: the long name of each entry and, for a
// runner's advance, which of the at-bat's three advance codes tells how he
// made it.

#include <string_view>

#include "records/at_bat.h"

namespace scorewick {

// The advance slot (0 first to second, 1 second to third, 2 third to home)
// for the base the player holds just before sequence entry `entry`.  The
// bases are counted over the earlier entries: a reach entry adds what the
// at-bat's reach code gains (ReachBases), an advance entry adds one.  Gives
// -1 when that count is not 1..3 (not on base yet, or home already) and
// when entry is outside 0..kMaxPitches-1.
int AdvanceSlotOfEntry(const AT_BAT& ab, int entry);

// The long name of sequence entry `entry`: the name of its PitchEvent, except
// that a reach entry is named by the at-bat's ReachResult, an out entry by
// its OutType, and an advance entry by the AdvanceType of the slot found by
// AdvanceSlotOfEntry ("Advance" when there is none).  Empty for an event
// above 16 and for an entry outside 0..kMaxPitches-1.  The text is static.
std::string_view PitchEntryName(const AT_BAT& ab, int entry);

}  // namespace scorewick
