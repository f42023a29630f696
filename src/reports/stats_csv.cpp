#include "reports/stats_csv.h"

#include <strings.h>

#include "records/csv_cell.h"

namespace scorewick::reports {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool IsTextColumn(StatTable table, int column) {
  const std::string_view key = ColumnKey(table, column);
  return key == "Name" || key == "Team" || key == "Pos";
}

}  // namespace

std::string CsvNumber(std::string_view cell) {
  std::string text(Trim(cell));
  if (text.size() == 3 && strncasecmp(text.c_str(), "n/a", 3) == 0) return {};
  if (!text.empty() && text.front() == '.') text.insert(text.begin(), '0');
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  return text;
}

std::string StatsCsv(const Stat& stat, StatTable table, const StatLayout& layout) {
  const std::vector<LayoutEntry> shown = ShownColumns(layout);
  std::string out;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i > 0) out += ',';
    out += ColumnKey(table, shown[i].column);
  }
  out += '\n';
  for (int row = 0; row < RowCount(stat, table); ++row) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (i > 0) out += ',';
      const std::string cell = CellText(stat, table, row, shown[i].column);
      out +=
          CsvCell(IsTextColumn(table, shown[i].column) ? std::string(Trim(cell)) : CsvNumber(cell));
    }
    out += '\n';
  }
  out += "This file was created with Brixley Scorewick";
  // As many fields as the heading, so that the file stays a table.
  out += std::string(shown.empty() ? 0 : shown.size() - 1, ',');
  out += '\n';
  return out;
}

}  // namespace scorewick::reports
