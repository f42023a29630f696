#pragma once
// Teams and games to and from Palm stream databases: what the Palm
// commands of the desktop and the command line call.  The streams pass
// through memory only; no stream file is left anywhere.
//
// Each function takes the record and the database path, and hands back a
// Status with the messages the person is to see (shown by the caller).

#include <string>
#include <string_view>

#include "records/game.h"
#include "records/status.h"
#include "records/team.h"

namespace scorewick {

// Stores the database path as the team's file path and writes the team as
// a Palm stream database there.  A roster too large for the Palm form, or
// a database that cannot be written, is refused (caption "Error"); a
// database that was there is then left as it was.
Status ExportPalmTeam(Team& team, const std::string& database_path);

// Stores the database path as the team's file path and fills the team from
// the database.  Refuses with "Could not Open Input File" a database that
// cannot be read, with "Not a Palm Team" or "Palm Team Version Number is
// Incorrect" (caption "Load Error", the database named after the latter)
// the wrong stream, and with where it
// breaks a damaged database or stream.  On failure the caller discards the
// team.
Status ImportPalmTeam(Team& team, const std::string& database_path);

// The same for a game, its two teams travelling with it.
Status ExportPalmGame(Game& game, const std::string& database_path);
// On failure the game is empty and new, with the database path.
Status ImportPalmGame(Game& game, const std::string& database_path);

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
