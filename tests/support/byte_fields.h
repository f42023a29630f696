#pragma once
// Checks of encoded records field by field: each field names its byte
// offset, its kind and the value expected there, so that a layout reads as
// one table.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace scorewick::testing {

struct ByteField {
  enum Kind { kByte, kI16, kI32, kBigEndian16, kText } kind;
  std::size_t at;
  std::int32_t value;
  const char* text;
};

// One byte, compared as unsigned (give 0xFF for -1).
inline ByteField Byte(std::size_t at, std::int32_t v) { return {ByteField::kByte, at, v, nullptr}; }
// Little-endian 16- and 32-bit numbers, signed.
inline ByteField I16(std::size_t at, std::int32_t v) { return {ByteField::kI16, at, v, nullptr}; }
inline ByteField I32(std::size_t at, std::int32_t v) { return {ByteField::kI32, at, v, nullptr}; }
// A big-endian 16-bit number, unsigned.
inline ByteField Be16(std::size_t at, std::int32_t v) {
  return {ByteField::kBigEndian16, at, v, nullptr};
}
// A zero-terminated text.
inline ByteField Text(std::size_t at, const char* t) { return {ByteField::kText, at, 0, t}; }

inline void ExpectFields(const std::vector<std::uint8_t>& b,
                         std::initializer_list<ByteField> fields) {
  for (const ByteField& f : fields) {
    SCOPED_TRACE("at byte " + std::to_string(f.at));
    const std::size_t width = f.kind == ByteField::kByte   ? 1
                              : f.kind == ByteField::kI32  ? 4
                              : f.kind == ByteField::kText ? 1
                                                           : 2;
    ASSERT_LE(f.at + width, b.size());
    const auto u = [&](std::size_t i) { return static_cast<std::uint32_t>(b[f.at + i]); };
    switch (f.kind) {
      case ByteField::kByte:
        EXPECT_EQ(u(0), static_cast<std::uint32_t>(f.value) & 0xFF);
        break;
      case ByteField::kI16:
        EXPECT_EQ(static_cast<std::int16_t>(u(0) | u(1) << 8), f.value);
        break;
      case ByteField::kI32:
        EXPECT_EQ(static_cast<std::int32_t>(u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24), f.value);
        break;
      case ByteField::kBigEndian16:
        EXPECT_EQ(static_cast<std::int32_t>(u(0) << 8 | u(1)), f.value);
        break;
      case ByteField::kText: {
        std::string text;
        for (std::size_t i = f.at; i < b.size() && b[i] != 0; ++i) text += static_cast<char>(b[i]);
        EXPECT_EQ(text, f.text);
        break;
      }
    }
  }
}

}  // namespace scorewick::testing
