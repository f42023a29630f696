#pragma once
// A scorer's note attached to one at-bat (309 bytes).  At most one note
// exists per (inning, at-bat, half).

#include <cstdint>

#include "records/fixed_text.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.
#pragma pack(push, 1)
struct GAME_NOTE {
  std::int32_t inning = 0;  // 0-based
  std::int32_t at_bat = 0;  // 0-based, within the half
  std::uint8_t half = 1;    // 1 = top
  FixedText<300> text;

  bool operator==(const GAME_NOTE&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kGameNoteSize = 309;
static_assert(sizeof(GAME_NOTE) == kGameNoteSize);

}  // namespace scorewick
