#pragma once
// A statistics row's figures stated as its table shows them: "KEY text"
// pairs worked out from the plays ("PA 1, OBA .500").  A batting row's keys
// are looked up in the running table too; a fielding row is the player's at
// one position.

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "stats/stat.h"
#include "stats/stat_columns.h"

namespace scorewick::testing {

struct CellsRow {
  StatTable table;
  const char* name;
  const char* cells;
  int position = 0;
};

inline int KeyColumn(StatTable table, std::string_view key) {
  for (int c = 0; c < ColumnCount(table); ++c) {
    if (ColumnKey(table, c) == key) return c;
  }
  return -1;
}

template <typename Rows>
void ExpectRowsIn(const Stat& s, const Rows& rows) {
  for (const CellsRow& r : rows) {
    int row = -1;
    for (int i = 0; i < RowCount(s, r.table) && row < 0; ++i) {
      const auto at = static_cast<std::size_t>(i);
      if (r.table == StatTable::kFielding
              ? s.fielding[at].name == r.name && s.fielding[at].position == r.position
          : r.table == StatTable::kPitching ? s.pitching[at].name == r.name
                                            : s.batting[at].name == r.name)
        row = i;
    }
    ASSERT_GE(row, 0) << r.name;
    std::istringstream cells(r.cells);
    for (std::string cell; std::getline(cells >> std::ws, cell, ',');) {
      const std::string key = cell.substr(0, cell.rfind(' ')), want = cell.substr(key.size() + 1);
      StatTable table = r.table;
      if (table == StatTable::kBatting && KeyColumn(table, key) < 0) table = StatTable::kRunning;
      ASSERT_GE(KeyColumn(table, key), 0) << key;
      std::string text = CellText(s, table, row, KeyColumn(table, key));
      text.erase(0, text.find_first_not_of(' '));
      EXPECT_EQ(text, want) << r.name << " " << key;
    }
  }
}

inline void ExpectRows(const Stat& s, std::initializer_list<CellsRow> rows) {
  ExpectRowsIn(s, rows);
}

}  // namespace scorewick::testing
