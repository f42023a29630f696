#include "reports/stats_html.h"

namespace scorewick::reports {
namespace {

std::string NonBreaking(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ')
      out += "&nbsp;";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string StatsHtml(const Stat& stat, StatTable table, const StatLayout& layout, StatView view,
                      Split split, const HtmlStyle& style, const LocalDateTime& when,
                      bool appending) {
  const FontTags tags = MakeFontTags(style);
  const std::string header = ColorText(style.header_color);
  const std::vector<LayoutEntry> shown = ShownColumns(layout);
  const std::string count = std::to_string(shown.size());

  std::string out;
  if (!appending) out += PageHead("Player Statistics", style);
  out +=
      "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1 WIDTH=" + std::to_string(45 * shown.size()) +
      ">\n";
  const char* side = view == StatView::kTeam        ? ""
                     : view == StatView::kOpponents ? " Opponents"
                                                    : " and Opponents";
  out += "\n\t<th colspan=" + count + " bgcolor=" + header + ">" + tags.header_open + " " +
         HtmlText(stat.team_name) + side + " - " + SplitTableTitle(table, split) + tags.close +
         "</th>\n";
  out += "\n\t<tr bgcolor=" + header + ">";
  for (const LayoutEntry& e : shown) {
    out += "\n\t\t<td align=" + std::string(AlignmentWord(e.alignment)) +
           " width=" + std::to_string(e.width) + ">" + tags.header_open +
           HtmlText(ColumnKey(table, e.column)) + tags.close + "</td>";
  }
  out += "</tr>\n";
  const int rows = RowCount(stat, table);
  for (int row = 0; row < rows; ++row) {
    const bool totals = IsTotalsRow(stat, table, row) && table != StatTable::kFielding;
    const std::uint32_t color = totals         ? style.header_color
                                : row % 2 == 0 ? style.primary_row_color
                                               : style.alternate_row_color;
    const std::string& open = totals ? tags.header_open : tags.body_open;
    out += "\n\t<tr bgcolor=" + ColorText(color) + ">";
    for (const LayoutEntry& e : shown) {
      out += "\n\t\t<td align=" + std::string(AlignmentWord(e.alignment)) + ">" + open +
             NonBreaking(HtmlText(CellText(stat, table, row, e.column))) + tags.close + "</td>";
    }
  }
  out += PageFooter(when);
  return out;
}

}  // namespace scorewick::reports
