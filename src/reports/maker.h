#pragma once
// The maker of the program as its pages name it: in the creation notice at
// the foot of every HTML page and in the credit line of printed pages.

#include <string_view>

namespace scorewick::reports {

inline constexpr std::string_view kMakerName = "Brixley Scorewick";
inline constexpr std::string_view kMakerWebAddress = "www.brixley-scorewick.example";

}  // namespace scorewick::reports
