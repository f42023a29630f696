#pragma once
// A half-inning: its four stored totals, its at-bats in batting sequence,
// and the line-ups of both sides as histories (every player who held a
// slot or position in this half, in order of entering; the current
// occupant has active = 1).

#include <cstdint>
#include <vector>

#include "records/at_bat.h"
#include "records/player.h"

namespace scorewick {

struct HALF_INNING {
  std::int32_t runs = 0;
  std::int32_t hits = 0;
  std::int32_t errors = 0;
  std::int32_t left_on_base = 0;
  std::vector<AT_BAT> at_bats;
  std::vector<PLAYER> offense;  // searched by batting order
  std::vector<PLAYER> defense;  // searched by position

  bool operator==(const HALF_INNING&) const = default;
  // Empties the half; the arrays keep their capacity for reuse.
  void Clear();
};

// Top half: the visitors bat.  Bottom half: the home team bats.
struct INNING {
  HALF_INNING top;
  HALF_INNING bottom;

  bool operator==(const INNING&) const = default;
  HALF_INNING& half(bool is_top) { return is_top ? top : bottom; }
  const HALF_INNING& half(bool is_top) const { return is_top ? top : bottom; }
};

inline constexpr int kInnings = 40;

}  // namespace scorewick
