#pragma once
// Which side a statistics table shows: the team, its opponents, or both
// together; and against which hand (the split).

#include <string>
#include <string_view>

#include "stats/stat_columns.h"

namespace scorewick {

enum class StatView { kTeam, kOpponents, kCombined };

// Splits: 0 right-handed opponents only, 1 left-handed only, 2 all.
inline constexpr int kSplitRight = 0;
inline constexpr int kSplitLeft = 1;
inline constexpr int kSplitAll = 2;

// The table's title with its split: "Batting Stats VS Right Handed
// Pitchers", "Pitching Stats VS Left Handed Batters", "Running Stats".
std::string SplitTableTitle(StatTable table, int split);

}  // namespace scorewick
