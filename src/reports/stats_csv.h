#pragma once
// A statistics table as comma-separated text: the shown columns' keys,
// then one line per row (totals included) from the cell texts, then the
// creation line padded with commas to the table's full column count.
//
// Numbers are written plainly: blanks trimmed, ".333" as "0.333",
// trailing zeros of a decimal dropped ("2.500" -> "2.5", "10.0" -> "10"),
// "n/a" empty.  Names stay as they are; a cell holding a comma or a quote
// is quoted, with its quotes doubled.

#include <string>

#include "stats/stat.h"
#include "stats/stat_layout.h"

namespace scorewick::reports {

std::string StatsCsv(const Stat& stat, StatTable table, const StatLayout& layout);

// The text a numeric cell is written as (exposed for its tests).
std::string CsvNumber(std::string_view cell);

}  // namespace scorewick::reports
