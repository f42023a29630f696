#pragma once
// A small table of a report (a game log, a pitcher's workload) with the
// three forms the program writes it in: text lines with the columns lined
// up, comma-separated text, and an HTML page.  A report is one or more such
// tables, each with a title and notes under it.  Cells are record texts
// (code page 1252), converted at the edges as every report is.

#include <string>
#include <vector>

#include "records/local_date.h"
#include "reports/html_vocabulary.h"

namespace scorewick::reports {

struct ReportColumn {
  std::string heading;   // "PA"
  std::string group;     // "Pitching" over the pitching columns; empty for none
  bool numeric = false;  // right-aligned
};

struct ReportTable {
  std::string title;  // "Game Log: Ann Able, Gulls"
  std::vector<ReportColumn> columns;
  std::vector<std::vector<std::string>> rows;  // each as many cells as columns
  int totals_rows = 0;             // the last rows are totals (set apart in text, coloured in HTML)
  std::vector<std::string> notes;  // lines under the table
};

// The tables as text: the title, a line of group names when a column has
// one, the headings, the rows (a line of dashes before the totals), the
// notes; a blank line between two tables.  Every column is as wide as its
// longest text, two blanks between columns.
std::vector<std::string> ReportTextLines(const std::vector<ReportTable>& tables);

// The tables as comma-separated text: per table the title line, one heading
// line (a grouped column's heading is "Group Heading": "Pitching IP"), the
// rows; a blank line between two tables.  Notes are left out.
std::string ReportCsv(const std::vector<ReportTable>& tables);

// One HTML page (page_title in its head) holding the tables in the
// program's colours, with the notes under each and the page footer.
std::string ReportHtml(const std::vector<ReportTable>& tables, const std::string& page_title,
                       const HtmlStyle& style, const LocalDateTime& when);

}  // namespace scorewick::reports
