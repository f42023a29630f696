#include "reports/print/cp1252_text.h"

namespace scorewick::print {
namespace {

// 0x80..0x9F of code page 1252; 0 where the code page has no character.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString FromCp1252(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      out += kHigh[byte - 0x80] ? QChar(kHigh[byte - 0x80]) : QChar(byte);
    } else {
      out += QChar(byte);
    }
  }
  return out;
}

std::string ToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out += static_cast<char>(u);
      continue;
    }
    char mapped = '?';
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0) mapped = static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
      if (kHigh[i] == u) mapped = static_cast<char>(0x80 + i);
    }
    out += mapped;
  }
  return out;
}

}  // namespace scorewick::print
