#include "stats/stat.h"

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
int Scan(const std::vector<Row>& rows, std::string_view name, std::string_view team) {
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

int Stat::FindBatting(std::string_view name, std::string_view team) {
  if (name.empty()) return -1;
  if (batting.size() < kIndexedFrom) return Scan(batting, name, team);
  RebuildIfStale();
  auto it = batting_index_.find(Key(name, team, -1));
  return it == batting_index_.end() ? -1 : it->second;
}

int Stat::FindOrAddBatting(std::string_view name, std::string_view team, std::int32_t position) {
  if (name.empty()) return -1;
  if (batting.size() < kIndexedFrom) {
    int i = Scan(batting, name, team);
    if (i < 0) {
      i = static_cast<int>(batting.size());
      BattingStat& row = batting.emplace_back();
      row.name = name;
      row.team = team;
    }
    batting[static_cast<std::size_t>(i)].AddPosition(position);
    return i;
  }
  RebuildIfStale();
  auto [it, added] =
      batting_index_.try_emplace(Key(name, team, -1), static_cast<int>(batting.size()));
  if (added) {
    BattingStat& row = batting.emplace_back();
    row.name = name;
    row.team = team;
    ++indexed_[0];
  }
  batting[static_cast<std::size_t>(it->second)].AddPosition(position);
  return it->second;
}

int Stat::FindPitching(std::string_view name, std::string_view team) {
  if (name.empty()) return -1;
  if (pitching.size() < kIndexedFrom) return Scan(pitching, name, team);
  RebuildIfStale();
  auto it = pitching_index_.find(Key(name, team, -1));
  return it == pitching_index_.end() ? -1 : it->second;
}

int Stat::FindOrAddPitching(std::string_view name, std::string_view team) {
  if (name.empty()) return -1;
  if (pitching.size() < kIndexedFrom) {
    if (const int i = Scan(pitching, name, team); i >= 0) return i;
    PitchingStat& row = pitching.emplace_back();
    row.name = name;
    row.team = team;
    return static_cast<int>(pitching.size()) - 1;
  }
  RebuildIfStale();
  auto [it, added] =
      pitching_index_.try_emplace(Key(name, team, -1), static_cast<int>(pitching.size()));
  if (added) {
    PitchingStat& row = pitching.emplace_back();
    row.name = name;
    row.team = team;
    ++indexed_[1];
  }
  return it->second;
}

int Stat::FindFielding(std::string_view name, std::string_view team, std::int32_t position) {
  if (name.empty()) return -1;
  if (fielding.size() < kIndexedFrom) return Scan(fielding, name, team, position < 0 ? 0 : position);
  RebuildIfStale();
  auto it = fielding_index_.find(Key(name, team, position < 0 ? 0 : position));
  return it == fielding_index_.end() ? -1 : it->second;
}

int Stat::FindOrAddFielding(std::string_view name, std::string_view team, std::int32_t position) {
  if (name.empty()) return -1;
  if (position < 0) position = 0;
  if (fielding.size() < kIndexedFrom) {
    if (const int i = Scan(fielding, name, team, position); i >= 0) return i;
    FieldingStat& row = fielding.emplace_back();
    row.name = name;
    row.team = team;
    row.position = position;
    return static_cast<int>(fielding.size()) - 1;
  }
  RebuildIfStale();
  auto [it, added] =
      fielding_index_.try_emplace(Key(name, team, position), static_cast<int>(fielding.size()));
  if (added) {
    FieldingStat& row = fielding.emplace_back();
    row.name = name;
    row.team = team;
    row.position = position;
    ++indexed_[2];
  }
  return it->second;
}

}  // namespace scorewick
