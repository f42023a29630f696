#pragma once
// A text field of a handheld record: N bytes holding a zero-terminated
// string of 8-bit characters (Windows code page 1252), so at most N-1
// characters.  All N bytes are kept as they stand, so a record read from a
// file and written back is the same to the byte even where the handheld
// left old characters behind the terminator.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "records/word_scan.h"

namespace scorewick {

template <std::size_t N>
struct FixedText {
  static_assert(N >= 1);
  static constexpr std::size_t kCapacity = N - 1;  // characters, without the terminator

  std::array<char, N> bytes{};

  FixedText() = default;
  FixedText(std::string_view text) { set(text); }  // NOLINT: texts convert freely

  // The string up to the terminator (or up to N-1 characters when a damaged
  // field has none).
  std::string_view view() const {
    if constexpr (kCapacity <= 32) {
      return std::string_view(bytes.data(), FirstByteBelow(bytes.data(), kCapacity, 1));
    } else {
      const char* end = static_cast<const char*>(std::memchr(bytes.data(), 0, kCapacity));
      return std::string_view(bytes.data(),
                              end ? static_cast<std::size_t>(end - bytes.data()) : kCapacity);
    }
  }
  std::string str() const { return std::string(view()); }
  const char* c_str() const { return bytes.data(); }  // terminated as long as set() wrote it
  bool empty() const { return bytes[0] == '\0'; }
  std::size_t size() const { return view().size(); }

  // Stores text cut to N-1 characters and zero-fills the rest of the field.
  void set(std::string_view text) {
    bytes.fill('\0');
    std::copy_n(text.data(), std::min(text.size(), kCapacity), bytes.data());
  }
  void clear() { bytes.fill('\0'); }

  // True when the stored bytes hold a terminator, as every field written by
  // a sound program does.
  bool terminated() const {
    // Writers zero-fill behind the text, so the last byte settles nearly
    // every field without a scan.
    return bytes[N - 1] == '\0' || std::memchr(bytes.data(), 0, N) != nullptr;
  }

  // Whole-field equality: what a byte-exact round trip must preserve.
  bool operator==(const FixedText& other) const = default;
  // Text equality, the way players are matched by name.
  bool operator==(std::string_view text) const { return view() == text; }
};

using NameText = FixedText<25>;
using PathText = FixedText<260>;

}  // namespace scorewick
