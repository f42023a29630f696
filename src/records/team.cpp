#include "records/team.h"

#include <cassert>

namespace scorewick {

void Roster::AddPlayer(const PLAYER& player, const PLAYER_INFO& info) {
  players_.push_back(player);
  personal_info_.push_back(info);
}

bool Roster::RemovePlayer(int index) {
  if (index < 0 || index >= count()) return false;
  players_.erase(players_.begin() + index);
  personal_info_.erase(personal_info_.begin() + index);
  return true;
}

std::optional<PLAYER> Roster::FindPlayer(std::string_view name) const {
  int index = IndexOfPlayer(name);
  if (index < 0) return std::nullopt;
  return players_[static_cast<std::size_t>(index)];
}

int Roster::IndexOfPlayer(std::string_view name) const {
  for (std::size_t i = 0; i < players_.size(); ++i) {
    if (players_[i].name.view() == name) return static_cast<int>(i);
  }
  return -1;
}

void Roster::ClearRoster() {
  players_.clear();
  personal_info_.clear();
}

void Roster::SetRoster(std::vector<PLAYER> players, std::vector<PLAYER_INFO> info) {
  assert(players.size() == info.size());
  info.resize(players.size());
  players_ = std::move(players);
  personal_info_ = std::move(info);
}

void Roster::Reorder(const std::vector<int>& order) {
  assert(order.size() == players_.size());
  std::vector<PLAYER> players;
  std::vector<PLAYER_INFO> info;
  players.reserve(order.size());
  info.reserve(order.size());
  for (int i : order) {
    players.push_back(players_.at(static_cast<std::size_t>(i)));
    info.push_back(personal_info_.at(static_cast<std::size_t>(i)));
  }
  players_ = std::move(players);
  personal_info_ = std::move(info);
}

void Team::Clear() {
  ClearRoster();
  team_name.clear();
  coach.clear();
  manager.clear();
  reserved = 0;
  file_path.set("*.tem");
}

}  // namespace scorewick
