#include "records/cp1252.h"

#include <cstdint>

namespace scorewick {
namespace {

// 0x80..0x9F of code page 1252; 0 where the code page has no character.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// The code point starting at text[i], advancing i; 0xFFFD for a byte that
// does not begin a valid sequence (i then moves past that byte only).
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (extra < 0 || lead >= 0xF8) return 0xFFFD;
  std::uint32_t u = lead & (0x3F >> extra);
  const std::size_t start = i;
  for (int k = 0; k < extra; ++k, ++i) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      i = start;
      return 0xFFFD;
    }
    u = (u << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  }
  return u;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool high = byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0;
    AppendUtf8(out, high ? kHigh[byte - 0x80] : byte);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::uint32_t u = NextCodePoint(text, i);
    char mapped = '?';
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      mapped = static_cast<char>(u);
    } else if (u < 0xA0) {
      if (kHigh[u - 0x80] == 0) mapped = static_cast<char>(u);
    } else {
      for (int k = 0; k < 32; ++k) {
        if (kHigh[k] == u) mapped = static_cast<char>(0x80 + k);
      }
    }
    out += mapped;
  }
  return out;
}

}  // namespace scorewick
