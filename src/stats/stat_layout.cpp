#include "stats/stat_layout.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "records/file_io.h"

namespace scorewick {
namespace {

// The widest column a layout may ask for, in pixels.
constexpr int kMostColumnWidth = 2000;

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

void ParseLine(std::string_view line, LayoutEntry& entry) {
  std::string_view fields[3];
  int count = 0;
  while (count < 3) {
    const std::size_t comma = line.find(',');
    fields[count++] = Trim(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  entry.shown = fields[0].empty() || fields[0].front() != '0';
  if (count >= 2) {
    // A width is pixels on a screen: a damaged file's negative or huge
    // figure is held to what a column can be.
    const long width = std::strtol(std::string(fields[1]).c_str(), nullptr, 10);
    entry.width = static_cast<int>(std::clamp(width, 0L, long{kMostColumnWidth}));
  }
  if (count >= 3) {
    entry.alignment = EqualsNoCase(fields[2], "Left")     ? Alignment::kLeft
                      : EqualsNoCase(fields[2], "Center") ? Alignment::kCenter
                                                          : Alignment::kRight;
  }
}

}  // namespace

std::string_view AlignmentWord(Alignment alignment) {
  switch (alignment) {
    case Alignment::kLeft:
      return "Left";
    case Alignment::kCenter:
      return "Center";
    default:
      return "Right";
  }
}

StatLayout DefaultLayout(StatTable table) {
  StatLayout layout(static_cast<std::size_t>(ColumnCount(table)));
  for (std::size_t i = 0; i < layout.size(); ++i) {
    layout[i].column = static_cast<int>(i);
    layout[i].display_position = static_cast<int>(i);
  }
  return layout;
}

StatLayout ParseLayout(StatTable table, std::string_view text) {
  StatLayout layout = DefaultLayout(table);
  std::size_t next = 0;
  while (!text.empty() && next < layout.size()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.size() > 499) line = line.substr(0, 499);  // lines are read 500 characters at most
    if (line.size() <= 1) continue;
    ParseLine(line, layout[next++]);
  }
  // A file written before the rates were added has no line for them: they
  // stay out of sight until the person shows them.
  const std::size_t unlisted = std::max<std::size_t>(next, FirstColumnsCount(table));
  for (std::size_t i = unlisted; i < layout.size(); ++i) layout[i].shown = false;
  return layout;
}

std::string LayoutText(const StatLayout& layout) {
  std::string out;
  for (const LayoutEntry& e : layout) {
    out += std::to_string(e.shown ? 1 : 0) + ", " + std::to_string(e.width) + ", ";
    out += AlignmentWord(e.alignment);
    out += '\n';
  }
  return out;
}

std::string_view LayoutFileName(StatTable table) {
  switch (table) {
    case StatTable::kBatting:
      return "blayout.bsl";
    case StatTable::kRunning:
      return "rlayout.rsl";
    case StatTable::kFielding:
      return "flayout.fsl";
    case StatTable::kPitching:
      return "playout.psl";
  }
  return {};
}

StatLayout LoadLayout(const std::string& folder, StatTable table) {
  std::string text;
  const std::string path = (std::filesystem::path(folder) / LayoutFileName(table)).string();
  if (!ReadWholeTextFile(path, text)) return DefaultLayout(table);
  return ParseLayout(table, text);
}

Status SaveLayout(const std::string& folder, StatTable table, const StatLayout& layout) {
  const std::string path = (std::filesystem::path(folder) / LayoutFileName(table)).string();
  return WriteTextFileAtomically(path, LayoutText(layout));
}

std::vector<LayoutEntry> ShownColumns(const StatLayout& layout) {
  std::vector<LayoutEntry> shown;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (!layout[i].shown) continue;
    LayoutEntry e = layout[i];
    e.column = static_cast<int>(i);
    e.display_position = static_cast<int>(shown.size());
    shown.push_back(e);
  }
  return shown;
}

}  // namespace scorewick
