#pragma once
// The fields of the byte-packed records (records/at_bat.h) may lie at any
// address, but std::tuple and the test macros bind references to what they
// compare.  Fields copies the values first: EXPECT_EQ(Fields(ab.balls,
// ab.strikes), std::tuple(1, 2)).  A single field is copied with a unary
// plus: EXPECT_EQ(+ab.rbi, 1).

#include <tuple>

namespace scorewick {

template <typename... T>
std::tuple<T...> Fields(T... values) {
  return std::tuple<T...>(values...);
}

}  // namespace scorewick
