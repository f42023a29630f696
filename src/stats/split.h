#pragma once
// A split: the statistics against right-handed opponents only, left-handed
// only, or all.  The batting tables are split by the hand of the pitcher
// who finished the plate appearance; the pitching and fielding tables by
// the side the batter stood on against each pitcher (a switch hitter
// stands against the pitcher's hand).  The numbers are those of the
// window's radio buttons.

#include "records/player.h"

namespace scorewick {

enum class Split { kRight = 0, kLeft = 1, kAll = 2 };

// Whether an opponent of the given hand counts under the split.
constexpr bool SplitCounts(Split split, bool right_handed) {
  return split == Split::kAll || (split == Split::kRight) == right_handed;
}

inline bool ThrowsRight(const PLAYER& pitcher) { return pitcher.throws_right != 0; }

// The side a batter stands on against this pitcher: bats 0 left, 1 right,
// any other value switch.
inline bool BatsRight(const PLAYER& batter, const PLAYER& pitcher) {
  const std::uint8_t bats = batter.bats;
  if (bats == 0) return false;
  if (bats == 1) return true;
  return !ThrowsRight(pitcher);
}

}  // namespace scorewick
