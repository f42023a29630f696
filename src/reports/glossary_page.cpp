#include "reports/glossary_page.h"

#include <array>
#include <string_view>

#include "reports/html_vocabulary.h"
#include "stats/column_glossary.h"

namespace scorewick::reports {
namespace {

struct Section {
  StatTable table;
  std::string_view id;
  std::string_view title;
  std::string_view about;
};

constexpr std::array<Section, kStatTableCount> kSections = {{
    {StatTable::kBatting, "batting", "Batting",
     "One line per player who appeared for the side, with what he did at the plate."},
    {StatTable::kRunning, "running", "Running",
     "The same players, with what they did on the bases."},
    {StatTable::kFielding, "fielding", "Fielding",
     "One line per player and position he played in the field (a designated hitter, pinch "
     "hitter or pinch runner has none)."},
    {StatTable::kPitching, "pitching", "Pitching", "One line per pitcher."},
}};

}  // namespace

std::string GlossaryPage() {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Scorewick - PC to PDA Interface: Glossary of the statistics</title>\n"
      "<link rel=\"stylesheet\" href=\"help.css\">\n</head>\n<body>\n"
      "<p class=\"trail\"><a href=\"index.html\">Contents</a> &rsaquo; "
      "<a href=\"statistics.html\">The Statistics window</a></p>\n"
      "<h1>Glossary of the statistics</h1>\n"
      "<p>Every column of the four tables of the <a href=\"statistics.html\">Statistics "
      "window</a>: the heading, its name (the heading's tooltip in the window) and how the "
      "games are counted into it. The last line of each table, <b>TEAM TOTALS</b> "
      "(<b>TOTALS</b> in the Combined view), adds up the players' lines, except where a line "
      "below says otherwise; its averages are worked out from its own totals.</p>\n"
      "<p>The figures follow the split chosen in the window: against right-handed, "
      "left-handed or all pitchers (batting and running) or batters (fielding and pitching). "
      "The runner's columns (the running table, and the runner outs of the batting table) "
      "belong to whoever ran: a pinch runner's steals and runs are his own.</p>\n<ul>\n";
  for (const Section& section : kSections) {
    page += "  <li><a href=\"#" + std::string(section.id) + "\">" + std::string(section.title) +
            "</a></li>\n";
  }
  page += "</ul>\n";
  for (const Section& section : kSections) {
    page += "\n<h2 id=\"" + std::string(section.id) + "\">" + std::string(section.title) +
            "</h2>\n<p>" + std::string(section.about) +
            "</p>\n<table class=\"glossary\">\n"
            "<tr><th>Column</th><th>Name</th><th>How it is counted</th></tr>\n";
    for (const ColumnGloss& gloss : Glossary(section.table)) {
      page += "<tr><td><b>" + HtmlText(gloss.key) + "</b></td><td>" + HtmlText(gloss.name) +
              "</td><td>" + HtmlText(gloss.counted) + "</td></tr>\n";
    }
    page += "</table>\n";
  }
  page += "</body>\n</html>\n";
  return page;
}

}  // namespace scorewick::reports
