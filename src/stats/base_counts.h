#pragma once
// A counter kept per base, indexed by the base the runner stood on less
// one: [0] at first, [1] at second, [2] at third.  Pick-offs are counted
// at the base the runner was picked off; steals and caught stealing by the
// base he stood on, so that [0] is a steal of second and [2] of home.

#include <array>
#include <cstdint>

namespace scorewick {

using BaseCounts = std::array<std::int32_t, 3>;

// The total over the three bases.
constexpr std::int32_t Total(const BaseCounts& counts) { return counts[0] + counts[1] + counts[2]; }

// Adds one row's counter into a totals row's: plain counters and per-base
// ones alike.
constexpr void AddInto(std::int32_t& total, std::int32_t value) { total += value; }
constexpr void AddInto(BaseCounts& total, const BaseCounts& value) {
  for (std::size_t i = 0; i < total.size(); ++i) total[i] += value[i];
}

}  // namespace scorewick
