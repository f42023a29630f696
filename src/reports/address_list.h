#pragma once
// The players' address list: every player of the roster, in roster order,
// with his phone, birthday, address, e-mail and note, as comma-separated
// text, as an HTML page, and as the seven-line blocks of the printout.

#include <string>
#include <vector>

#include "records/local_date.h"
#include "records/player_info.h"
#include "records/team.h"
#include "reports/html_vocabulary.h"

namespace scorewick::reports {

// "month/day/year", no leading zeros ("7/4/1990"); empty when no birthday
// was entered.
std::string BirthdayText(const PLAYER_INFO& info);

// The heading "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note"
// (no line end), then "\n" and one line per player.  A field holding a
// comma, a double quote or a line break is quoted as spreadsheets expect
// ("a ""b"", c"), so that a note with a comma stays in its column.
std::string AddressListCsv(const Team& team);

// The page "Address/Phone List": a nine-column table headed by the team's
// name, one row per player with the e-mail address as a mailto: link.
// When appending to a page already written, the head is left out.
std::string AddressListHtml(const Team& team, const HtmlStyle& style, const LocalDateTime& when,
                            bool appending);

// The printed block of player index: "#7, Jo Smith, Short Stop" ("#00, ..."
// without a number), address, "city, state zip", phone, birthday, e-mail,
// note.
std::vector<std::string> AddressBlock(const Team& team, int index);

}  // namespace scorewick::reports
