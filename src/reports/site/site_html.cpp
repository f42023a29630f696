#include "reports/site/site_html.h"

#include "records/cp1252.h"
#include "reports/html_vocabulary.h"

namespace scorewick::site {
namespace {

// A text already in UTF-8 as attribute text.
std::string Attribute(std::string_view utf8) { return reports::HtmlText(utf8); }

std::string Prefix(int depth) {
  std::string up;
  for (int i = 0; i < depth; ++i) up += "../";
  return up;
}

void AddRow(std::string& out, const std::vector<TableCell>& row,
            const std::vector<TableColumn>& columns) {
  out += "<tr>";
  for (std::size_t i = 0; i < row.size(); ++i) {
    const bool numeric = i < columns.size() && columns[i].numeric;
    const std::string sort =
        row[i].sort.empty() ? "" : " data-sort=\"" + Attribute(row[i].sort) + "\"";
    if (i == 0) {
      out += "<th scope=\"row\"" + sort + ">" + row[i].html + "</th>";
    } else {
      out += std::string("<td") + (numeric ? " class=\"num\"" : "") + sort + ">" + row[i].html +
             "</td>";
    }
  }
  out += "</tr>\n";
}

}  // namespace

std::string Text(std::string_view record_text) {
  return Cp1252ToUtf8(reports::HtmlText(record_text));
}

std::string Plain(std::string_view record_text) { return Cp1252ToUtf8(record_text); }

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Link(std::string_view href, std::string_view html) {
  return "<a href=\"" + std::string(href) + "\">" + std::string(html) + "</a>";
}

std::string Slug(std::string_view record_text) {
  std::string out;
  for (char ch : record_text) {
    const char c = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      out += c;
    } else if (!out.empty() && out.back() != '-') {
      out += '-';
    }
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return out.empty() ? "x" : out;
}

std::string Page(const PageFrame& frame, const std::string& body) {
  const std::string up = Prefix(frame.depth);
  std::string out;
  out.reserve(body.size() + 2048);
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      (frame.title == frame.site_title ? frame.title : frame.title + " - " + frame.site_title) +
      "</title>\n<link rel=\"stylesheet\" href=\"" + up + "style.css\">\n";
  if (frame.sortable) out += "<script src=\"" + up + "sort.js\" defer></script>\n";
  out += "</head>\n<body>\n<header>\n<p class=\"site\">" +
         Link(up + "index.html", frame.site_title) + "</p>\n";
  if (!frame.nav.empty()) {
    out += "<nav aria-label=\"Site\">\n<ul>\n";
    for (const NavLink& link : frame.nav) {
      const bool here = link.href == frame.current;
      out += "<li><a href=\"" + up + link.href + "\"" + (here ? " aria-current=\"page\"" : "") +
             ">" + Attribute(link.label) + "</a></li>\n";
    }
    out += "</ul>\n</nav>\n";
  }
  out += "</header>\n<main>\n<h1>" + frame.title + "</h1>\n" + body +
         "</main>\n<footer>\n<p>Made with Scorewick.</p>\n</footer>\n</body>\n</html>\n";
  return out;
}

TableCell Cell(std::string_view record_text) { return {Text(record_text), {}}; }

TableCell Number(long long n) { return {std::to_string(n), {}}; }

std::string TableHtml(const SiteTable& table) {
  std::string out = "<div class=\"scroll\">\n<table";
  if (table.sortable) out += " class=\"sortable\"";
  out += ">\n<caption>" + table.caption + "</caption>\n<thead>\n<tr>";
  for (const TableColumn& c : table.columns) {
    out += std::string("<th scope=\"col\"") + (c.numeric ? " class=\"num\"" : "") + ">";
    out += c.name.empty() ? c.heading
                          : "<abbr title=\"" + Attribute(c.name) + "\">" + c.heading + "</abbr>";
    out += "</th>";
  }
  out += "</tr>\n</thead>\n<tbody>\n";
  for (const auto& row : table.rows) AddRow(out, row, table.columns);
  out += "</tbody>\n";
  if (!table.foot.empty()) {
    out += "<tfoot>\n";
    for (const auto& row : table.foot) AddRow(out, row, table.columns);
    out += "</tfoot>\n";
  }
  out += "</table>\n</div>\n";
  return out;
}

}  // namespace scorewick::site
