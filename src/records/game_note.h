#pragma once
// A scorer's note attached to one at-bat (309 bytes).  At most one note
// exists per (inning, at-bat, half).

#include <cstdint>

#include "records/fixed_text.h"

namespace scorewick {

struct GAME_NOTE {
  std::int32_t inning = 0;    // 0-based
  std::int32_t at_bat = 0;    // 0-based, within the half
  std::uint8_t half = 1;      // 1 = top
  FixedText<300> text;

  bool operator==(const GAME_NOTE&) const = default;
};

inline constexpr std::size_t kGameNoteSize = 309;

}  // namespace scorewick
