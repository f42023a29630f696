#pragma once
// A stable sort of a few items, done in place: the runners or outs of one
// play, the runners' entries of a half, nearly in order as they come.
// std::stable_sort takes a buffer from the heap for them.

#include <cstddef>
#include <utility>
#include <vector>

namespace scorewick::interop {

template <typename T, typename Less>
void SortFew(std::vector<T>& items, Less less) {
  for (std::size_t i = 1; i < items.size(); ++i) {
    for (std::size_t j = i; j > 0 && less(items[j], items[j - 1]); --j) {
      std::swap(items[j], items[j - 1]);
    }
  }
}

}  // namespace scorewick::interop
