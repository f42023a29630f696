#include "reports/print/print_team.h"

#include "reports/roster_text.h"

namespace scorewick::print {

TPrintTeam::TPrintTeam(const Team& team)
    : TListBoxOut(reports::RosterPrintLines(team), team.team_name.str()) {
  set_min_line_width(kRosterMinLineWidth);
}

}  // namespace scorewick::print
