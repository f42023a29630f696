#pragma once
// Ordering a statistics table for display.

#include "stats/stat.h"
#include "stats/stat_columns.h"

namespace scorewick {

// Orders every row of the table but the last (the totals row keeps its
// place) by the column (an index into the table's key list, or
// kSortByPassedBalls / kSortByErrors for the batting table), descending or
// ascending.  Text compares as bytes, the rest by value.  A selection sort:
// for each place the best of the rows left is found (a later row wins
// only when strictly better) and swapped into it.
void SortTable(Stat& stat, StatTable table, int column, bool descending);

}  // namespace scorewick
