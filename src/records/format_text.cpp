#include "records/format_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace scorewick {

std::string Format(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::string text;
  if (n < 0) {
    va_end(again);
    return text;
  }
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    text.assign(buffer, static_cast<std::size_t>(n));
  } else {
    text.resize(static_cast<std::size_t>(n));
    std::vsnprintf(text.data(), text.size() + 1, format, again);
  }
  va_end(again);
  return text;
}

std::string TextFileLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    if (std::none_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
      text += line;
    } else {
      for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7f) {
          text += c;
        } else {
          text += u == '\n'   ? std::string("\\n")
                  : u == '\r' ? std::string("\\r")
                  : u == '\t' ? std::string("\\t")
                              : Format("\\x%02x", u);
        }
      }
    }
    text += '\n';
  }
  return text;
}

}  // namespace scorewick
