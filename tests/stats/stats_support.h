#pragma once
// Helpers of the statistics tests: compiling a hand-stated game and
// finding rows by name.

#include <gtest/gtest.h>

#include <string>

#include "records/game.h"
#include "stats/accumulate.h"
#include "stats/stat.h"
#include "stats/stat_columns.h"
#include "support/book_games.h"

namespace scorewick::testing {

using sim::testing::CompileBook;

// Counts one game for team (or its opponents) with the given splits.
inline Stat CountGame(const Game& game, const std::string& team, bool opponents = false,
                      Split pitching_split = Split::kAll, Split batting_split = Split::kAll,
                      StatRules rules = {}) {
  Stat stat(rules);
  stat.team_name = team;
  Accumulate(stat, game, pitching_split, batting_split, opponents);
  return stat;
}

// The index of the column of table whose key is key.
inline int Column(StatTable table, std::string_view key) {
  for (int c = 0; c < ColumnCount(table); ++c) {
    if (ColumnKey(table, c) == key) return c;
  }
  ADD_FAILURE() << "no column " << key;
  return -1;
}

inline const BattingStat& Batter(const Stat& s, const std::string& name) {
  for (const BattingStat& b : s.batting) {
    if (b.name == name) return b;
  }
  ADD_FAILURE() << "no batting row " << name;
  static const BattingStat none;
  return none;
}

inline const PitchingStat& Pitcher(const Stat& s, const std::string& name) {
  for (const PitchingStat& p : s.pitching) {
    if (p.name == name) return p;
  }
  ADD_FAILURE() << "no pitching row " << name;
  static const PitchingStat none;
  return none;
}

inline const FieldingStat* Fielder(const Stat& s, const std::string& name, int position) {
  for (const FieldingStat& f : s.fielding) {
    if (f.name == name && f.position == position) return &f;
  }
  return nullptr;
}

}  // namespace scorewick::testing
