#pragma once
// The Palm export and import commands: team and game files become Palm
// databases queued for the next HotSync, and databases from a user's
// Backup folder become team and game files.

#include <optional>
#include <string>

#include "app/core/command_services.h"

namespace scorewick::app {

void RunPalmGameExport(CommandServices& services);    // a game file, chosen
void RunPalmTeamExport(CommandServices& services);    // a team file, chosen
void RunPalmEitherExport(CommandServices& services);  // tool bar: either
void RunPalmTeamImport(CommandServices& services);
void RunPalmGameImport(CommandServices& services);
void RunPalmEitherImport(CommandServices& services);  // tool bar: by the stream's kind

// The steps after the source is known.  The exports offer the database
// name (the file's name with ".pdb"), write the database and queue it;
// the imports offer the team or game file's name in the start folder,
// write it and say so.
void ExportGameToPalm(CommandServices& services, const std::string& game_path);
void ExportTeamToPalm(CommandServices& services, const std::string& team_path);
void ImportTeamFromPalm(CommandServices& services, const std::string& database_path);
void ImportGameFromPalm(CommandServices& services, const std::string& database_path);

// The chosen user's Backup folder, where HotSync leaves the handheld's
// databases.  Nothing when the install aide is missing (after its
// message); an empty folder when there is no user or the user has none.
std::optional<std::string> PalmBackupFolder(CommandServices& services,
                                            const std::string& no_user_text);

}  // namespace scorewick::app
