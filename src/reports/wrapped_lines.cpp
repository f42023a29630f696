#include "reports/wrapped_lines.h"

#include <algorithm>

namespace scorewick::reports {
namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool FitsOneLine(std::string_view text, int width, LineBreaks breaks) {
  if (width > 200) return true;
  return text.size() <= static_cast<std::size_t>(width < 0 ? 0 : width) &&
         (breaks == LineBreaks::kInText || std::none_of(text.begin(), text.end(), IsLineBreak));
}

void AddWrappedLine(std::vector<std::string>& lines, std::string_view text, int width,
                    LineBreaks breaks) {
  if (FitsOneLine(text, width, breaks)) {
    lines.emplace_back(text);
    return;
  }
  const std::size_t limit = width < 1 ? 1 : static_cast<std::size_t>(width);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t i = start;
    bool broken = false;
    while (i < text.size() && i - start < limit) {
      if (breaks == LineBreaks::kEndLines && IsLineBreak(text[i])) {
        broken = true;
        break;
      }
      ++i;
    }
    std::string_view line = text.substr(start, i - start);
    if (broken) {
      // A scorer's CR LF (or a lone CR or LF) is dropped with the line it ends.
      const std::size_t after =
          text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
      lines.emplace_back(line);
      start = after;
      continue;
    }
    if (i >= text.size()) {
      lines.emplace_back(line);
      break;
    }
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string_view::npos) {
      lines.emplace_back(line);
      start = i;
    } else {
      lines.emplace_back(line.substr(0, blank));
      start += blank + 1;
    }
  }
}

}  // namespace scorewick::reports
