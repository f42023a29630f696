#include "platform/terminal_text.h"

#include <cstdio>

namespace scorewick {
namespace {

std::string Hex(unsigned value, int digits) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%0*x", digits, value);
  return buffer;
}

// Length of the well-formed UTF-8 sequence at text[i], or 0 when the byte
// there does not begin one (a stray 0x9b would be a terminal's CSI).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  std::size_t n = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c < 0xe0 ? 2 : 0;
  if (n == 0 || c > 0xf4 || i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return 0;
  }
  const auto c1 = static_cast<unsigned char>(text[i + 1]);
  if ((c == 0xe0 && c1 < 0xa0) || (c == 0xed && c1 >= 0xa0) || (c == 0xf0 && c1 < 0x90) ||
      (c == 0xf4 && c1 >= 0x90)) {
    return 0;  // overlong forms, surrogates, beyond U+10FFFF
  }
  return n;
}

}  // namespace

std::string TerminalText(std::string_view text, bool keep_line_feeds) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n' && keep_line_feeds) {
      out += '\n';
    } else if (c == '\\' && !keep_line_feeds) {
      out += "\\\\";
    } else if (c < 0x20 || c == 0x7f) {
      switch (c) {
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          out += "\\x" + Hex(c, 2);
      }
    } else if (c == 0xc2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9f) {
      out += "\\u" + Hex(static_cast<unsigned char>(text[++i]), 4);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (const std::size_t n = SequenceLength(text, i); n > 0) {
      out.append(text.substr(i, n));
      i += n - 1;
    } else {
      out += "\\x" + Hex(c, 2);
    }
  }
  return out;
}

}  // namespace scorewick
