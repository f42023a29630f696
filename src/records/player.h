#pragma once
// One player as the handheld carries him: a roster entry, a line-up entry
// of a half-inning, a decision pitcher, or a copy inside an at-bat or pitch.
// 49 bytes in every file.

#include <cstdint>

#include "records/fixed_text.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.
#pragma pack(push, 1)
struct PLAYER {
  NameText name;                     // empty = no player
  std::int16_t uniform_number = -1;  // -1 = none, shown "00"
  std::int16_t key = 0;              // roster key; 0 = none
  std::int32_t position = 1;         // Position code; 0 = bench
  std::int32_t batting_order = 0;    // 1-based slot; 0 = not batting
  std::int32_t entered_inning = 0;   // line-up entry: inning (1-based) the slot was taken
  std::int32_t entry_value = 0;      // kept by the handheld with a line-up entry
  std::uint8_t entry_flag = 1;       // kept by the handheld
  std::uint8_t active = 0;           // current occupant of the slot or position
  std::uint8_t bats = 1;             // 0 left, 1 right, other = switch
  std::uint8_t throws_right = 1;     // 1 right, 0 left

  bool operator==(const PLAYER&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kPlayerSize = 49;
static_assert(sizeof(PLAYER) == kPlayerSize);

// Players are the same person when their names are equal, byte for byte.
inline bool SamePlayer(const PLAYER& a, const PLAYER& b) { return a.name.view() == b.name.view(); }

}  // namespace scorewick
