#pragma once
// The comma-separated team file: a second, hand-editable team format that
// a spreadsheet opens.
//
//   Tigers
//   Manager,Pat Lee,Coach,Sam Ortiz
//   #,Name,Pos,BO,Bats,Throws,Key
//   12,Jo Smith,Short Stop,3,RH,RH,4      (one line per player, roster order)
//
// Uniform number -1 means none; bats LH/RH/SH, throws LH/RH.

#include <string>
#include <string_view>

#include "records/status.h"
#include "records/team.h"
#include "records/user_message.h"

namespace scorewick {

// The comma-separated text of a team, each line ended by a line feed.  Texts
// are written as records/csv_cell.h says (a formula character neutralised,
// a comma or quote between quotes), so that each reads back as the same
// one field.
std::string TeamCsvText(const Team& team);

// Parses comma-separated text into team (replacing name, manager, coach,
// roster and line-up size; the file path is emptied so that the team is a
// new, unsaved one).  On a malformed text nothing of team changes, and the
// failed Status gives the line at fault (1 for the first) and, as its
// reason, what is wrong there ("line 4 has no player name"); it carries no
// message.
Status ParseTeamCsv(std::string_view text, Team& team);

// Imports the file at path (read by that name, however long: never through
// the team's 260-byte path field).  A file that cannot be opened fails
// without a message; one that cannot be parsed is refused with "Invalid
// CSV Format" (caption "Error"), followed by the file, the line at fault
// and what is wrong there, and leaves the team as it was.
Status ImportTeamCsv(const std::string& path, Team& team);

UserMessage InvalidCsvMessage();

// Whether text (a file's first bytes) begins as a team's does: a name
// line, a line beginning with "Manager", the column line beginning with
// "#".  Tells a roster from other comma-separated text before it is
// written over.
bool LooksLikeTeamCsv(std::string_view head);

}  // namespace scorewick
