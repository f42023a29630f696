#include "reports/stats_text.h"

#include <algorithm>

namespace scorewick::reports {
namespace {

void Pad(std::string& line, const std::string& text, std::size_t width) {
  line += text;
  line.append(width - std::min(width, text.size()), ' ');
  line += ' ';
}

}  // namespace

std::vector<std::string> StarBox(StatTable table, Split split) {
  switch (table) {
    case StatTable::kBatting: {
      std::vector<std::string> box = {"****************************************",
                                      "* Batting Stats                        *"};
      if (split != Split::kAll) {
        box.push_back("*                                      *");
        box.push_back(split == Split::kRight ? "* Batting Versus Right Handed Pitchers *"
                                             : "* Batting Versus Left Handed Pitchers  *");
      }
      box.push_back("****************************************");
      box.push_back(" ");
      return box;
    }
    case StatTable::kPitching:
      if (split == Split::kRight) {
        const std::string stars(46, '*');
        return {stars, "* Pitching Stats Versus Right Handed Batters *", stars, ""};
      }
      if (split == Split::kLeft) {
        const std::string stars(45, '*');
        return {stars, "* Pitching Stats Versus Left Handed Batters *", stars, ""};
      }
      return {"******************", "* Pitching Stats *", "******************", ""};
    case StatTable::kRunning:
      return {"*****************", "* Running Stats *", "*****************"};
    case StatTable::kFielding:
      return {"******************", "* Fielding Stats *", "******************"};
  }
  return {};
}

std::vector<TextSection> StatsTextSections(const Stat& stat, StatTable table,
                                           const StatLayout& layout, Split split, int page_width) {
  const std::vector<LayoutEntry> shown = ShownColumns(layout);
  const int rows = RowCount(stat, table);
  // Cell texts and column widths.
  std::vector<std::vector<std::string>> cells(shown.size());
  std::vector<std::size_t> widths(shown.size());
  for (std::size_t c = 0; c < shown.size(); ++c) {
    widths[c] = ColumnKey(table, shown[c].column).size();
    for (int row = 0; row < rows; ++row) {
      cells[c].push_back(CellText(stat, table, row, shown[c].column));
      widths[c] = std::max(widths[c], cells[c].back().size());
    }
  }
  std::vector<TextSection> sections;
  std::size_t first = 0;
  while (first < shown.size()) {
    std::size_t end = first;
    std::size_t used = 0;
    while (end < shown.size() &&
           (end == first || used + widths[end] + 1 <= static_cast<std::size_t>(page_width))) {
      used += widths[end] + 1;
      ++end;
    }
    TextSection section = StarBox(table, split);
    std::string heading;
    for (std::size_t c = first; c < end; ++c)
      Pad(heading, std::string(ColumnKey(table, shown[c].column)), widths[c]);
    section.push_back(heading);
    for (int row = 0; row < rows; ++row) {
      std::string line;
      for (std::size_t c = first; c < end; ++c)
        Pad(line, cells[c][static_cast<std::size_t>(row)], widths[c]);
      section.push_back(line);
    }
    sections.push_back(std::move(section));
    first = end;
  }
  return sections;
}

std::string StatsPrintTitle(const std::string& team, StatView view) {
  std::string title = "Statistics for " + team;
  if (view == StatView::kOpponents) title += " Opponents";
  if (view == StatView::kCombined) title += " and all Opponents";
  return title;
}

}  // namespace scorewick::reports
