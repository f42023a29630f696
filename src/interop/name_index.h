#pragma once
// Players' names found by a hash of their letters, for the lists a game's
// export looks a name up in at every line: its players, each side's ids.
// The index holds positions in a list its owner keeps (the names stay
// there); a table at least twice as long as the list makes a look-up read
// one or two places, and keeps its room from game to game.  Names of a
// side mostly share their first letters ("Smith, J"), so the hash takes
// the last letters and the length too.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "records/word_scan.h"

namespace scorewick::interop {

inline std::uint64_t NameHash(std::string_view name) {
  const std::size_t n = name.size();
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  if (n >= 8) {
    head = WordAt(name.data());
    tail = WordAt(name.data() + n - 8);
  } else {
    std::memcpy(&head, name.data(), n);
  }
  std::uint64_t h = (head ^ (n << 56)) * 0x9E3779B97F4A7C15ULL;
  h ^= (tail + n) * 0xC2B2AE3D27D4EB4FULL;
  return h ^ (h >> 31);
}

// Whether two names are the same.  A name is often compared with itself,
// held in the same record; names of a side are often as long as each
// other, and most are 8 to 24 letters, compared a word at a time.
inline bool SameName(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (a.data() == b.data()) return true;
  if (n < 8 || n > 24) return a == b;
  const char* x = a.data();
  const char* y = b.data();
  if (WordAt(x) != WordAt(y) || WordAt(x + n - 8) != WordAt(y + n - 8)) return false;
  return n <= 16 || WordAt(x + 8) == WordAt(y + 8);
}

class NameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  // Empty, with room for about n names before it grows.
  void Reset(std::size_t n) {
    std::size_t size = 16;
    while (size < 2 * n) size *= 2;
    slots_.assign(size, kNone);
    count_ = 0;
  }

  // The position of name in the owner's list, or kNone; name_at(i) is the
  // name at position i.
  template <typename NameAt>
  std::uint32_t Find(std::string_view name, const NameAt& name_at) const {
    if (slots_.empty()) return kNone;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = NameHash(name) & mask;; s = (s + 1) & mask) {
      const std::uint32_t at = slots_[s];
      if (at == kNone || SameName(name_at(at), name)) return at;
    }
  }

  // Stores position i for name, unless the name is there already: the
  // position stored for it, i when it is new.
  template <typename NameAt>
  std::uint32_t Insert(std::string_view name, std::uint32_t i, const NameAt& name_at) {
    if (2 * (count_ + 1) > slots_.size()) Grow(name_at);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = NameHash(name) & mask;; s = (s + 1) & mask) {
      const std::uint32_t at = slots_[s];
      if (at == kNone) {
        slots_[s] = i;
        ++count_;
        return i;
      }
      if (SameName(name_at(at), name)) return at;
    }
  }

 private:
  template <typename NameAt>
  void Grow(const NameAt& name_at) {
    std::vector<std::uint32_t> old;
    old.swap(slots_);
    Reset(old.size());
    for (std::uint32_t at : old) {
      if (at != kNone) Insert(name_at(at), at, name_at);
    }
  }

  std::vector<std::uint32_t> slots_;
  std::size_t count_ = 0;
};

}  // namespace scorewick::interop
