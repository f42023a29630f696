#include "reports/report_table.h"

#include <algorithm>

#include "records/csv_cell.h"

namespace scorewick::reports {
namespace {

std::string Padded(const std::string& text, std::size_t width, bool right) {
  const std::string pad(width > text.size() ? width - text.size() : 0, ' ');
  return right ? pad + text : text + pad;
}

std::string Line(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
                 const std::vector<ReportColumn>& columns) {
  std::string line;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) line += "  ";
    line += Padded(c < cells.size() ? cells[c] : "", widths[c], columns[c].numeric);
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

void AppendTableLines(const ReportTable& t, std::vector<std::string>& out) {
  std::vector<std::size_t> widths(t.columns.size(), 0);
  bool grouped = false;
  for (std::size_t c = 0; c < t.columns.size(); ++c) {
    widths[c] = t.columns[c].heading.size();
    for (const auto& row : t.rows) {
      if (c < row.size()) widths[c] = std::max(widths[c], row[c].size());
    }
    grouped = grouped || !t.columns[c].group.empty();
  }
  out.push_back(t.title);
  out.emplace_back();
  if (grouped) {
    // Each group's name over its first column.
    std::vector<std::string> groups(t.columns.size());
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      if (c == 0 || t.columns[c].group != t.columns[c - 1].group) groups[c] = t.columns[c].group;
    }
    std::string line;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      if (c > 0) line += "  ";
      line += Padded(groups[c], widths[c], false);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out.push_back(line);
  }
  std::vector<std::string> headings;
  for (const ReportColumn& col : t.columns) headings.push_back(col.heading);
  out.push_back(Line(headings, widths, t.columns));
  const std::size_t first_total =
      t.rows.size() - std::min<std::size_t>(t.rows.size(), std::size_t(t.totals_rows));
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    if (r == first_total && t.totals_rows > 0) {
      std::size_t total = 0;
      for (std::size_t w : widths) total += w + 2;
      out.emplace_back(total > 2 ? total - 2 : 0, '-');
    }
    out.push_back(Line(t.rows[r], widths, t.columns));
  }
  if (!t.notes.empty()) out.emplace_back();
  for (const std::string& note : t.notes) out.push_back(note);
}

}  // namespace

std::vector<std::string> ReportTextLines(const std::vector<ReportTable>& tables) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (i > 0) out.emplace_back();
    AppendTableLines(tables[i], out);
  }
  return out;
}

std::string ReportCsv(const std::vector<ReportTable>& tables) {
  std::string out;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const ReportTable& t = tables[i];
    if (i > 0) out += "\n";
    out += CsvCell(t.title) + "\n";
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      const ReportColumn& col = t.columns[c];
      out += (c > 0 ? "," : "") +
             CsvCell(col.group.empty() ? col.heading : col.group + " " + col.heading);
    }
    out += "\n";
    for (const auto& row : t.rows) {
      for (std::size_t c = 0; c < row.size(); ++c) out += (c > 0 ? "," : "") + CsvCell(row[c]);
      out += "\n";
    }
  }
  return out;
}

namespace {

// The row of a table's column groups: a group's name heads its columns
// once, across them.  Empty when no column has a group.
std::string GroupRow(const ReportTable& t, const FontTags& tags, const std::string& header) {
  if (std::none_of(t.columns.begin(), t.columns.end(),
                   [](const ReportColumn& c) { return !c.group.empty(); })) {
    return {};
  }
  std::string out = "\n\t<tr bgcolor=" + header + ">";
  for (std::size_t c = 0, end = 0; c < t.columns.size(); c = end) {
    for (end = c + 1; end < t.columns.size() && t.columns[end].group == t.columns[c].group;) ++end;
    const std::string& group = t.columns[c].group;
    out += "\n\t\t<td align=center" +
           (end - c > 1 ? " colspan=" + std::to_string(end - c) : std::string()) + ">" +
           (group.empty() ? "&nbsp;" : tags.header_open + HtmlText(group) + tags.close) + "</td>";
  }
  return out + "</tr>\n";
}

// The row of the columns' headings.
std::string HeadingRow(const ReportTable& t, const FontTags& tags, const std::string& header) {
  std::string out = "\n\t<tr bgcolor=" + header + ">";
  for (const ReportColumn& col : t.columns)
    out +=
        "\n\t\t<td align=center>" + tags.header_open + HtmlText(col.heading) + tags.close + "</td>";
  return out + "</tr>\n";
}

// The table's rows in turn colours, its totals last in the heading's.
std::string BodyRows(const ReportTable& t, const FontTags& tags, const HtmlStyle& style) {
  std::string out;
  const std::size_t first_total =
      t.rows.size() - std::min<std::size_t>(t.rows.size(), std::size_t(t.totals_rows));
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    const bool totals = r >= first_total;
    const std::uint32_t color = totals       ? style.header_color
                                : r % 2 == 0 ? style.primary_row_color
                                             : style.alternate_row_color;
    out += "\n\t<tr bgcolor=" + ColorText(color) + ">";
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      const std::string cell = c < t.rows[r].size() ? t.rows[r][c] : "";
      // Days, times and scores stay on one line.
      out += std::string("\n\t\t<td nowrap align=") + (t.columns[c].numeric ? "right" : "left") +
             ">" + (totals ? tags.header_open : tags.body_open) +
             (cell.empty() ? "&nbsp;" : HtmlText(cell)) + tags.close + "</td>";
    }
    out += "</tr>\n";
  }
  return out;
}

// The table's notes in one cell across it; empty without notes.
std::string NotesRow(const ReportTable& t, const FontTags& tags) {
  if (t.notes.empty()) return {};
  std::string out =
      "\n\t<tr><td colspan=" + std::to_string(t.columns.size()) + ">" + tags.body_open;
  for (std::size_t n = 0; n < t.notes.size(); ++n)
    out += (n > 0 ? "<BR>" : "") + HtmlText(t.notes[n]);
  return out + tags.close + "</td></tr>\n";
}

}  // namespace

std::string ReportHtml(const std::vector<ReportTable>& tables, const std::string& page_title,
                       const HtmlStyle& style, const LocalDateTime& when) {
  const FontTags tags = MakeFontTags(style);
  const std::string header = ColorText(style.header_color);
  std::string out = PageHead(page_title, style);
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const ReportTable& t = tables[i];
    if (i > 0) out += "\n</TABLE>\n<BR>";
    out += "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    out += "\n\t<th colspan=" + std::to_string(t.columns.size()) + " bgcolor=" + header + ">" +
           tags.header_open + HtmlText(t.title) + tags.close + "</th>\n";
    out += GroupRow(t, tags, header);
    out += HeadingRow(t, tags, header);
    out += BodyRows(t, tags, style);
    out += NotesRow(t, tags);
  }
  out += PageFooter(when);
  return out;
}

}  // namespace scorewick::reports
