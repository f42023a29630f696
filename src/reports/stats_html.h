#pragma once
// A statistics table as an HTML page (or, appended, one more table on a
// page begun by an earlier export): a title row naming the team, the
// view, the table and its split; a heading row of the shown columns'
// keys; one row per player in alternating colours; the totals row in the
// header colours (except in the fielding table); and the page footer.
// Names are escaped and every blank of a cell is a non-breaking space.

#include <string>

#include "records/local_date.h"
#include "reports/html_vocabulary.h"
#include "stats/stat.h"
#include "stats/stat_layout.h"
#include "stats/stat_view.h"

namespace scorewick::reports {

std::string StatsHtml(const Stat& stat, StatTable table, const StatLayout& layout, StatView view,
                      Split split, const HtmlStyle& style, const LocalDateTime& when,
                      bool appending);

}  // namespace scorewick::reports
