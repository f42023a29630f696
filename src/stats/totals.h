#pragma once
// Closing the tables: the totals rows, the removal of line-up roles from
// the fielding table, the league pitching rules, and the derived figures
// (averages, percentages, earned run average).  Combine builds the view of
// a team and its opponents together.

#include "stats/stat.h"

namespace scorewick {

// Computes every derived figure of every row; a figure whose divisor is
// zero is 0.
void ComputeDerived(Stat& stat);

// Recomputes the earned run averages only (after innings_per_game changed).
void ComputeEra(Stat& stat);

// Appends the source's rows to the target's tables.  A target with rows
// loses its totals rows, receives the source's rows but theirs, and gets
// totals rows named "TOTALS" rebuilt over all; an empty target receives
// every source row, totals included.  The derived figures of all rows are
// then recomputed.
void Combine(const Stat& source, Stat& target);

}  // namespace scorewick
