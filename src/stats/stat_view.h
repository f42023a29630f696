#pragma once
// Which side a statistics table shows: the team, its opponents, or both
// together; and against which hand (the split).

#include <string>
#include <string_view>

#include "stats/split.h"
#include "stats/stat_columns.h"

namespace scorewick {

enum class StatView { kTeam, kOpponents, kCombined };

// True for the tables of the batting side (batting, running), which the
// batting split governs; the fielding and pitching tables take the
// pitching split.
bool BattingSide(StatTable table);

// The split that governs a table.
inline Split SplitOf(StatTable table, Split batting_split, Split pitching_split) {
  return BattingSide(table) ? batting_split : pitching_split;
}

// The table's title with its split: "Batting Stats VS Right Handed
// Pitchers", "Pitching Stats VS Left Handed Batters", "Running Stats".
std::string SplitTableTitle(StatTable table, Split split);

}  // namespace scorewick
