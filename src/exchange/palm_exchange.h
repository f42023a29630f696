#pragma once
// Teams and games to and from Palm stream databases: what the Palm
// commands of the desktop and the command line call.  The streams pass
// through memory only; no stream file is left anywhere.
//
// Each function takes the record, the database path and the Ui through
// which the person hears of problems, and returns whether it succeeded.
// On false the reason has already been shown.

#include <string>
#include <string_view>

#include "platform/ui.h"
#include "records/game.h"
#include "records/team.h"

namespace scorewick {

// Stores the database path as the team's file path and writes the team as
// a Palm stream database there.  A roster too large for the Palm form, or
// a database that cannot be written, is reported (caption "Error") and
// gives false; a database that was there is then left as it was.
bool ExportPalmTeam(Team& team, const std::string& database_path, Ui& ui);

// Stores the database path as the team's file path and fills the team from
// the database.  Reports "Could not Open Input File" for a database that
// cannot be read, "Not a Palm Team" or "Palm Team Version Number is
// Incorrect" (caption "Load Error") for the wrong stream, and where a
// damaged database or stream breaks.  On false the caller discards the team.
bool ImportPalmTeam(Team& team, const std::string& database_path, Ui& ui);

// The same for a game, its two teams travelling with it.
bool ExportPalmGame(Game& game, const std::string& database_path, Ui& ui);
// On false the game is empty and new, with the database path.
bool ImportPalmGame(Game& game, const std::string& database_path, Ui& ui);

// The database name proposed for exporting a team or game file: its name
// without folder and extension, plus ".pdb" ("games/Opener.gam" gives
// "Opener.pdb").
std::string PalmExportName(std::string_view source_path);
// The file name proposed for importing a database: its name without folder,
// with its last four characters (".pdb") replaced by "." and extension
// ("Tigers.pdb", "tem" gives "Tigers.tem").  A name that does not end in a
// dot and three characters keeps them and gains the extension.
std::string PalmImportName(std::string_view database_path, std::string_view extension);

}  // namespace scorewick
