#pragma once
// A statistics table as comma-separated text: the shown columns' keys,
// then one line per row (totals included) from the cell texts, then the
// creation line padded with commas to the shown columns' count.
//
// Numbers are written plainly: blanks trimmed, ".333" as "0.333",
// trailing zeros of a decimal dropped ("2.500" -> "2.5", "10.0" -> "10"),
// "n/a" empty.  Names are written as records/csv_cell.h says (a formula
// character neutralised; a comma, quote, CR or LF between quotes).

#include <string>

#include "stats/stat.h"
#include "stats/stat_layout.h"

namespace scorewick::reports {

std::string StatsCsv(const Stat& stat, StatTable table, const StatLayout& layout);

// The text a numeric cell is written as (exposed for its tests).
std::string CsvNumber(std::string_view cell);

}  // namespace scorewick::reports
