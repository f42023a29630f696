#pragma once
// The HTML every page of the website is made of: texts escaped and turned
// from the records' code page into UTF-8, relative links, the page frame
// (language, character set, the one style sheet, the navigation, the sort
// script) and the tables (caption, column headings with their full names
// on hover, row headings, totals in the table's foot).  Pages are HTML5
// that a validator passes; nothing on them comes from outside the folder.

#include <string>
#include <string_view>
#include <vector>

namespace scorewick::site {

// A record text (code page 1252) as page text: escaped, then in UTF-8.
std::string Text(std::string_view record_text);

// A record text in UTF-8, not escaped (for TableCell::sort, which is).
std::string Plain(std::string_view record_text);

// The text without the blanks around it (cells of the statistics tables
// are padded).
std::string Trimmed(std::string_view text);

// A link to a page of the site: href is relative to the linking page and
// made of letters, digits, '-', '_', '.' and '/' only (site file names).
std::string Link(std::string_view href, std::string_view html);

// A file name part made of a record text: its ASCII letters and digits in
// lower case, runs of anything else as one '-'; "x" when nothing is left.
std::string Slug(std::string_view record_text);

struct NavLink {
  std::string href;   // from the site's top folder
  std::string label;  // plain ASCII
};

struct PageFrame {
  std::string site_title;  // HTML (escaped)
  std::string title;       // HTML (escaped): the page's own heading
  int depth = 0;           // folders below the site's top (1 for games/x.html)
  std::vector<NavLink> nav;
  std::string current;    // the href of nav that is this page, if any
  bool sortable = false;  // the page has sortable tables: load the script
};

// The whole page around body (which begins under the page's h1).
std::string Page(const PageFrame& frame, const std::string& body);

struct TableColumn {
  std::string heading;  // HTML
  std::string name;     // the full name shown on hover (plain text, UTF-8); empty for none
  bool numeric = false;
};

struct TableCell {
  std::string html;
  std::string sort;  // the value the sort script orders by, when not the text
};

struct SiteTable {
  std::string caption;  // HTML
  std::vector<TableColumn> columns;
  std::vector<std::vector<TableCell>> rows;  // the first cell of each row heads it
  std::vector<std::vector<TableCell>> foot;  // totals, never sorted
  bool sortable = false;
};

// A cell of plain text (record text, escaped) and one of a number.
TableCell Cell(std::string_view record_text);
TableCell Number(long long n);

// The table in a box of its own that scrolls sideways on a narrow screen.
std::string TableHtml(const SiteTable& table);

}  // namespace scorewick::site
