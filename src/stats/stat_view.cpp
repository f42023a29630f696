#include "stats/stat_view.h"

namespace scorewick {

bool BattingSide(StatTable table) {
  return table == StatTable::kBatting || table == StatTable::kRunning;
}

std::string SplitTableTitle(StatTable table, Split split) {
  std::string title(TableTitle(table));
  const bool against_pitchers = BattingSide(table);
  if (split == Split::kRight)
    title += against_pitchers ? " VS Right Handed Pitchers" : " VS Right Handed Batters";
  if (split == Split::kLeft)
    title += against_pitchers ? " VS Left Handed Pitchers" : " VS Left Handed Batters";
  return title;
}

}  // namespace scorewick
