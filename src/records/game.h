#pragma once
// A scored game: the 233-byte header, home and visiting teams, the decision
// pitchers, 40 innings of at-bats and line-ups, where the handheld stopped
// scoring, and the scorer's notes.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/fixed_text.h"
#include "records/game_note.h"
#include "records/half_inning.h"
#include "records/player.h"
#include "records/team.h"

namespace scorewick {

// The first 233 bytes of a game, stored in game files as one block.
#pragma pack(push, 1)
struct GameHeader {
  NameText field{" "};
  std::array<NameText, 4> umpires{NameText{" "}, NameText{" "}, NameText{" "}, NameText{" "}};
  std::array<NameText, 2> list_names{};  // [0] at 125, [1] at 150; never set here
  std::int32_t home_score = 0;
  std::int32_t visitor_score = 0;
  std::int32_t year = 0;
  std::uint8_t day = 0;
  std::uint8_t month = 0;
  std::int32_t start_minute = 0;
  std::int32_t start_hour = 12;
  std::int32_t reserved_a[2]{};  // carried only (a plain array: the header is packed)
  std::int32_t duration_minutes = 0;
  std::int32_t duration_hours = 3;
  std::int32_t reserved_b[2]{};    // carried only
  std::int32_t creation_year = 0;  // carried only
  std::int32_t extra_value = 0;    // carried only
  std::int32_t attendance = 0;

  bool operator==(const GameHeader&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kGameHeaderSize = 233;
static_assert(sizeof(GameHeader) == kGameHeaderSize);

class Game {
 public:
  // A new game: header dated today, both teams default with no personal
  // information, all innings empty, new_game = 1, path "*.gam".
  Game();

  GameHeader header;
  Team home;     // first team: bats in the bottom halves
  Team visitor;  // second team: bats in the top halves
  PathText file_path{"*.gam"};
  std::uint8_t new_game = 1;
  std::int32_t home_runs = 0;
  std::int32_t visitor_runs = 0;
  PLAYER winning_pitcher;
  PLAYER saving_pitcher;
  PLAYER losing_pitcher;
  std::array<INNING, kInnings> innings{};
  std::int32_t current_inning = 0;
  std::int32_t current_at_bat = 0;
  std::int32_t batter_due_up = 1;
  std::uint8_t current_half_is_top = 1;
  std::vector<GAME_NOTE> notes;

  bool operator==(const Game&) const = default;

  // Empties teams, innings and notes; path "*.gam", new game 1.  Arrays keep
  // their capacity so that a game object reused for many loads does not
  // allocate again.
  void Release();

  // Index (0-based) of the last inning whose top half has a line-up, 0 when
  // none has.  The handheld writes a half's line-ups when the half starts.
  int LastInning() const;
  // Sums the stored half-inning runs up to the last inning into home_runs
  // and visitor_runs (and the header scores); returns (home, visitor).
  std::pair<int, int> ComputeRunTotals();

  // Whether a line-up entry of the given half appeared in it: an active
  // entry at a position other than bench, or the batter or pinch runner of
  // one of its at-bats.
  bool PlayerAppeared(const PLAYER& entry, int inning, bool top) const;
  // When the at-bat's responsible pitcher has a name that matches none of
  // the game's pitchers, returns a copy with slot 0's pitcher there;
  // otherwise the at-bat unchanged.
  AT_BAT WithResponsiblePitcherFixed(const AT_BAT& at_bat) const;
  // The pitcher that copy would name, without the copy.  is_pitcher
  // answers as IsGamePitcher does (a caller asking of many at-bats may
  // remember its answers).
  template <typename IsPitcher>
  static const PLAYER& ResponsiblePitcherFixed(const AT_BAT& at_bat, const IsPitcher& is_pitcher) {
    const PLAYER& p = at_bat.responsible_pitcher;
    return !p.name.empty() && !is_pitcher(p.name.view()) ? at_bat.pitchers[0].pitcher : p;
  }
  // True when some defense line-up entry at position 1 (pitcher) or some
  // at-bat pitcher slot of the game has this name.
  bool IsGamePitcher(std::string_view name) const;

  // Team batting in the given half, and the one fielding.
  const Team& batting_team(bool top) const { return top ? visitor : home; }
  const Team& fielding_team(bool top) const { return top ? home : visitor; }
};

}  // namespace scorewick
