#include "stats/sort_table.h"

#include <utility>

namespace scorewick {
namespace {

// Whether a sorts strictly before b.
bool Before(const SortKey& a, const SortKey& b, bool descending) {
  if (a.is_text || b.is_text) {
    const int c = a.text.compare(b.text);
    return descending ? c > 0 : c < 0;
  }
  return descending ? a.number > b.number : a.number < b.number;
}

template <typename Row>
void SelectionSort(Stat& stat, std::vector<Row>& rows, StatTable table, int column,
                   bool descending) {
  const int sorted = static_cast<int>(rows.size()) - 1;  // the totals row stays last
  for (int i = 0; i < sorted - 1; ++i) {
    int best = i;
    for (int j = i + 1; j < sorted; ++j) {
      if (Before(SortValue(stat, table, j, column), SortValue(stat, table, best, column),
                 descending))
        best = j;
    }
    if (best != i)
      std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(best)]);
  }
}

}  // namespace

void SortTable(Stat& stat, StatTable table, int column, bool descending) {
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      SelectionSort(stat, stat.batting, table, column, descending);
      break;
    case StatTable::kFielding:
      SelectionSort(stat, stat.fielding, table, column, descending);
      break;
    case StatTable::kPitching:
      SelectionSort(stat, stat.pitching, table, column, descending);
      break;
  }
  stat.InvalidateIndex();
}

}  // namespace scorewick
