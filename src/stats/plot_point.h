#pragma once
// A point on one of the plot pictures, in its pixels (origin at the
// top-left corner, y growing downwards).

#include <cstdint>

namespace scorewick {

struct PlotPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const PlotPoint&) const = default;
};

inline constexpr const char* kAllBatters = "ALL BATTERS";
inline constexpr const char* kAllPitchers = "ALL PITCHERS";

}  // namespace scorewick
