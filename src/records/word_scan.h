#pragma once
// Short texts read eight bytes at a time: names and record lines are read
// again and again, and for a few dozen bytes a call into the C library
// costs more than the scan itself.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace scorewick {

inline std::uint64_t WordAt(const char* p) {
  std::uint64_t w = 0;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// The bytes of w below limit (1 to 128) with their top bit set.  Only the
// lowest marked byte is sure: a borrow may mark bytes above it too.
inline std::uint64_t BytesBelow(std::uint64_t w, unsigned limit) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  return (w - kOnes * limit) & ~w & (kOnes * 0x80);
}

// The index of the first of the n bytes at p below limit (1 to 128): the
// terminator of a text for limit 1.  n when there is none.
inline std::size_t FirstByteBelow(const char* p, std::size_t n, unsigned limit) {
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= n; i += 8) {
      if (const std::uint64_t marked = BytesBelow(WordAt(p + i), limit)) {
        return i + static_cast<std::size_t>(std::countr_zero(marked) / 8);
      }
    }
  }
  for (; i < n; ++i) {
    if (static_cast<unsigned char>(p[i]) < limit) return i;
  }
  return n;
}

}  // namespace scorewick
