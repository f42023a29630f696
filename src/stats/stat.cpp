#include "stats/stat.h"

#include <algorithm>
#include <type_traits>

namespace scorewick {

void BattingStat::AddPosition(std::int32_t position) {
  if (position == 0) return;
  for (int i = 0; i < position_count; ++i) {
    if (positions[static_cast<std::size_t>(i)] == position) return;
  }
  if (position_count < 4) positions[static_cast<std::size_t>(position_count++)] = position;
}

void Stat::ClearTables() {
  batting.clear();
  pitching.clear();
  fielding.clear();
  innings_batted = 0;
  games_played = 0;
  outs_in_field = 0;
  last_game_played = -1;
  InvalidateIndex();
}

void Stat::InvalidateIndex() {
  batting_index_.clear();
  pitching_index_.clear();
  fielding_index_.clear();
  indexed_[0] = indexed_[1] = indexed_[2] = static_cast<std::size_t>(-1);
  // Each team's short lists are emptied but kept: a game counted apart
  // clears its tables for every game, and the same teams come back.
  for (auto& [team, rows] : team_rows_) {
    rows.batting.clear();
    rows.pitching.clear();
    rows.fielding.clear();
  }
}

Stat::TeamRows& Stat::RowsOf(std::string_view team) {
  key_.assign(team);
  return team_rows_[key_];
}

const std::string& Stat::Key(std::string_view name, std::string_view team, std::int32_t position) {
  key_.assign(team);
  key_.push_back('\0');
  key_.append(name);
  if (position >= 0) {
    key_.push_back('\0');
    key_.append(reinterpret_cast<const char*>(&position), sizeof position);
  }
  return key_;
}

void Stat::RebuildIfStale() {
  if (indexed_[0] != batting.size()) {
    indexed_[0] = batting.size();
    batting_index_.clear();
    for (std::size_t i = 0; i < batting.size(); ++i) {
      batting_index_.emplace(Key(batting[i].name, batting[i].team, -1), static_cast<int>(i));
    }
  }
  if (indexed_[1] != pitching.size()) {
    indexed_[1] = pitching.size();
    pitching_index_.clear();
    for (std::size_t i = 0; i < pitching.size(); ++i) {
      pitching_index_.emplace(Key(pitching[i].name, pitching[i].team, -1), static_cast<int>(i));
    }
  }
  if (indexed_[2] != fielding.size()) {
    indexed_[2] = fielding.size();
    fielding_index_.clear();
    for (std::size_t i = 0; i < fielding.size(); ++i) {
      const FieldingStat& f = fielding[i];
      fielding_index_.emplace(Key(f.name, f.team, f.position), static_cast<int>(i));
    }
  }
}

namespace {

// Tables of fewer rows than this (one game's, one team's early on) are
// searched row by row: cheaper than keeping an index that is built anew
// for each game counted apart.
constexpr std::size_t kIndexedFrom = 48;

template <typename Row>
int Scan(const std::vector<Row>& rows, std::string_view name, std::string_view team,
         std::int32_t /*position*/) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].name == name && rows[i].team == team) return static_cast<int>(i);
  }
  return -1;
}

int Scan(const std::vector<FieldingStat>& rows, std::string_view name, std::string_view team,
         std::int32_t position) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FieldingStat& f = rows[i];
    if (f.position == position && f.name == name && f.team == team) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

template <typename Row>
int Stat::Locate(std::vector<Row>& rows, Index& index, std::size_t& indexed, std::string_view name,
                 std::string_view team, std::int32_t position, bool add) {
  if (name.empty()) return -1;
  if (rows.size() < kIndexedFrom) {
    if (const int i = Scan(rows, name, team, position); i >= 0 || !add) return i;
  } else {
    RebuildIfStale();
    if (!add) {
      const auto it = index.find(Key(name, team, position));
      return it == index.end() ? -1 : it->second;
    }
    const auto [it, added] =
        index.try_emplace(Key(name, team, position), static_cast<int>(rows.size()));
    if (!added) return it->second;
    ++indexed;
  }
  Row& row = rows.emplace_back();
  row.name = name;
  row.team = team;
  if constexpr (std::is_same_v<Row, FieldingStat>) row.position = position;
  return static_cast<int>(rows.size()) - 1;
}

int Stat::FindBatting(std::string_view name, std::string_view team) {
  return Locate(batting, batting_index_, indexed_[0], name, team, -1, false);
}

int Stat::FindOrAddBatting(std::string_view name, std::string_view team, std::int32_t position) {
  const int i = Locate(batting, batting_index_, indexed_[0], name, team, -1, true);
  if (i >= 0) batting[static_cast<std::size_t>(i)].AddPosition(position);
  return i;
}

int Stat::FindPitching(std::string_view name, std::string_view team) {
  return Locate(pitching, pitching_index_, indexed_[1], name, team, -1, false);
}

int Stat::FindOrAddPitching(std::string_view name, std::string_view team) {
  return Locate(pitching, pitching_index_, indexed_[1], name, team, -1, true);
}

int Stat::FindFielding(std::string_view name, std::string_view team, std::int32_t position) {
  return Locate(fielding, fielding_index_, indexed_[2], name, team, std::max(position, 0), false);
}

int Stat::FindOrAddFielding(std::string_view name, std::string_view team, std::int32_t position) {
  return Locate(fielding, fielding_index_, indexed_[2], name, team, std::max(position, 0), true);
}

}  // namespace scorewick
