#pragma once
// The glossary of the statistics tables: for every column of the four
// tables (batting, running, fielding, pitching), its key as the heading
// shows it, its name, and one line on how the statistics count it.  The
// Statistics window shows the names as the headings' tooltips and the
// help manual's glossary page is written from the same entries, so the
// two always agree with each other and with the column vocabularies.

#include <span>
#include <string_view>

#include "stats/stat_columns.h"

namespace scorewick {

struct ColumnGloss {
  std::string_view key;      // as the heading shows it ("OAB")
  std::string_view name;     // "Official at-bats"
  std::string_view counted;  // how it is counted, one sentence or two
};

// The table's glossary, one entry per column in column order (the entry's
// key is the column's key).
std::span<const ColumnGloss> Glossary(StatTable table);

// The column's name; empty for a column number out of range.
std::string_view ColumnName(StatTable table, int column);

}  // namespace scorewick
