#pragma once
// The totals of a half-inning (runs, hits, errors, men left on base) as its
// at-bats add up.  The handheld stores its own totals with each half; the
// box score shows these recomputed figures, so a game whose stored totals
// went wrong still reads true.

#include "records/at_bat.h"
#include "records/half_inning.h"

namespace scorewick::reports {

struct HalfInningTotals {
  int runs = 0;
  int hits = 0;
  int errors = 0;
  int left_on_base = 0;

  bool operator==(const HalfInningTotals&) const = default;
};

// One at-bat's share: a run when he scored; a hit for results 1, 2, 3, 4,
// 16, 17 and 18 (whatever the reached flag); left on base when he reached
// and neither scored nor was put out; one error per fielder named in either
// error list (a name that is empty or begins with a blank names nobody),
// except passed balls and errors carried from an earlier play.
HalfInningTotals TallyAtBat(const AT_BAT& at_bat);

// The sum over the half's at-bats.
HalfInningTotals TallyHalfInning(const HALF_INNING& half);

// Writes TallyHalfInning into the half's four stored totals.
void RecomputeHalfInningTotals(HALF_INNING& half);

}  // namespace scorewick::reports
