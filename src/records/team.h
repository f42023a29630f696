#pragma once
// A team: name, manager, coach, logo, designated-hitter settings, and its
// roster of players with their personal information.  A game holds full
// copies of both its teams (with no personal information).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "records/fixed_text.h"
#include "records/player.h"
#include "records/player_info.h"

namespace scorewick {

// The players, in roster order, each with his personal information at the
// same index.  The two arrays always have the same length.
class Roster {
 public:
  int count() const { return static_cast<int>(players_.size()); }
  const std::vector<PLAYER>& players() const { return players_; }
  const std::vector<PLAYER_INFO>& personal_info() const { return personal_info_; }
  PLAYER& player(int index) { return players_.at(static_cast<std::size_t>(index)); }
  const PLAYER& player(int index) const { return players_.at(static_cast<std::size_t>(index)); }
  PLAYER_INFO& info(int index) { return personal_info_.at(static_cast<std::size_t>(index)); }
  const PLAYER_INFO& info(int index) const {
    return personal_info_.at(static_cast<std::size_t>(index));
  }

  // Appends a player and his personal information at the end.
  void AddPlayer(const PLAYER& player, const PLAYER_INFO& info);
  // Removes the player at index with his personal information; the others
  // keep their order.  False (and nothing changes) when index is out of range.
  bool RemovePlayer(int index);
  // Copy of the player with that name (exact, case-sensitive), if any.
  std::optional<PLAYER> FindPlayer(std::string_view name) const;
  // Index of the player with that name, or -1.
  int IndexOfPlayer(std::string_view name) const;
  // Empties the roster (count 0).
  void ClearRoster();
  // Replaces the whole roster; both vectors must have the same length.
  void SetRoster(std::vector<PLAYER> players, std::vector<PLAYER_INFO> info);
  // Reorders the roster by a permutation of indexes (order[i] = old index of
  // the player who comes i-th), each player keeping his personal information.
  void Reorder(const std::vector<int>& order);

  std::uint8_t no_personal_info = 0;  // 1 = never read or write personal information

  bool operator==(const Roster&) const = default;

 protected:
  std::vector<PLAYER> players_;
  std::vector<PLAYER_INFO> personal_info_;
};

class Team : public Roster {
 public:
  PathText file_path;  // empty for a new team, "*.tem" after Clear
  NameText team_name;
  NameText coach;
  NameText manager;
  PathText logo_file{"logo.bmp"};
  std::int32_t reserved = 0;
  std::int32_t lineup_size = 0;
  std::int32_t extra_value = 0;  // carried to the handheld, not interpreted
  PLAYER designated_hitter;      // empty name = none
  PLAYER dh_bats_for;
  std::uint8_t uses_designated_hitter = 0;

  bool operator==(const Team&) const = default;

  // Frees the roster and empties name, coach and manager; reserved 0, file
  // path "*.tem".  Logo, DH fields, line-up size and extra value stay.
  void Clear();
  // Copies every field of other into this team, roster included.
  void CopyFrom(const Team& other) { *this = other; }
};

}  // namespace scorewick
