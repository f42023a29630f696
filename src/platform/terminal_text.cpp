#include "platform/terminal_text.h"

#include <cstdio>

namespace scorewick {
namespace {

std::string Hex(unsigned value, int digits) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%0*x", digits, value);
  return buffer;
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
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace scorewick
