#pragma once
// Which side a statistics table shows: the team, its opponents, or both
// together; and against which hand (the split).

#include <string>
#include <string_view>

#include "stats/split.h"
#include "stats/stat_columns.h"

namespace scorewick {

enum class StatView { kTeam, kOpponents, kCombined };

// The table's title with its split: "Batting Stats VS Right Handed
// Pitchers", "Pitching Stats VS Left Handed Batters", "Running Stats".
std::string SplitTableTitle(StatTable table, Split split);

}  // namespace scorewick
