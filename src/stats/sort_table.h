#pragma once
// Ordering a statistics table for display, the totals row keeping its
// place at the end.

#include <cstddef>
#include <utility>
#include <vector>

#include "stats/stat.h"
#include "stats/stat_columns.h"

namespace scorewick {

// Orders every row of the table but the last (the totals row keeps its
// place) by the column (an index into the table's key list, or
// kSortByPassedBalls / kSortByErrors for the batting table), descending or
// ascending.  Text compares as bytes, the rest by value.
void SortTable(Stat& stat, StatTable table, int column, bool descending);

// The one ordering of statistics rows, used by the tables and the box
// score alike: every row but the last (the totals row) is put in order by
// selection.  For each place the best of the rows left is found, a later
// row winning only when before(later, best) holds, so rows that compare
// equal keep their order; it is swapped into the place.
template <typename Row, typename Before>
void SortKeepingTotalsLast(std::vector<Row>& rows, Before before) {
  if (rows.size() < 3) return;
  const std::size_t end = rows.size() - 1;
  for (std::size_t i = 0; i + 1 < end; ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < end; ++j) {
      if (before(rows[j], rows[best])) best = j;
    }
    if (best != i) std::swap(rows[i], rows[best]);
  }
}

}  // namespace scorewick
