#include "stats/sort_table.h"

namespace scorewick {
namespace {

// Whether a sorts strictly before b.
bool Before(const SortKey& a, const SortKey& b, bool descending) {
  if (a.blank || b.blank) return b.blank && !a.blank;
  if (a.is_text || b.is_text) {
    const int c = a.text.compare(b.text);
    return descending ? c > 0 : c < 0;
  }
  return descending ? a.number > b.number : a.number < b.number;
}

template <typename Row>
void SortRows(const Stat& stat, std::vector<Row>& rows, StatTable table, int column,
              bool descending) {
  SortKeepingTotalsLast(rows, [&](const Row& a, const Row& b) {
    return Before(SortValueOf(a, stat.rules, table, column),
                  SortValueOf(b, stat.rules, table, column), descending);
  });
}

}  // namespace

void SortTable(Stat& stat, StatTable table, int column, bool descending) {
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      SortRows(stat, stat.batting, table, column, descending);
      break;
    case StatTable::kFielding:
      SortRows(stat, stat.fielding, table, column, descending);
      break;
    case StatTable::kPitching:
      SortRows(stat, stat.pitching, table, column, descending);
      break;
  }
  stat.InvalidateIndex();
}

}  // namespace scorewick
