#pragma once
// TPrintTeam: the printed roster.  The team's name heads every page; the
// manager and coach lines, a column heading and one line per player are
// printed in "Courier New" on the shared page frame (see TListBoxOut).

#include "records/team.h"
#include "reports/print/list_box_out.h"

namespace scorewick::print {

// The roster font is sized for lines of at least this many characters, so
// that a short roster is not printed in giant letters.
inline constexpr int kRosterMinLineWidth = 80;

class TPrintTeam : public TListBoxOut {
 public:
  explicit TPrintTeam(const Team& team);
};

}  // namespace scorewick::print
