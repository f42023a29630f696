#pragma once
// The team roster as an HTML page: a table of six columns with the team's
// name, its manager and coach, and one row per player in roster order,
// rows alternating between the primary and the alternate row colour.

#include <string>

#include "records/local_date.h"
#include "records/team.h"
#include "reports/html_vocabulary.h"

namespace scorewick::reports {

// The page (head, table, footer), or when appending to a page already
// written, the table and footer alone.  `when` stamps the footer.
std::string TeamHtml(const Team& team, const HtmlStyle& style, const LocalDateTime& when,
                     bool appending);

}  // namespace scorewick::reports
