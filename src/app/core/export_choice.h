#pragma once
// Steps the handheld commands share: the tool bar's "game or team" open
// dialog, remembering the folder of a chosen file, and save names.

#include <optional>
#include <string>

#include "app/core/command_services.h"

namespace scorewick::app {

struct ExportChoice {
  std::string path;
  bool game = false;  // else a team
};

// The tool bar export dialog ("Game File (*.gam)|*.gam|Team File
// (*.tem)|*.tem|") under the given title, starting in the game files'
// folder.  On OK the folder is remembered for the kind chosen; a name without a dot gets
// ".gam" or ".tem" after the chosen filter; a game is meant when "gam"
// occurs in the name's last five characters or the game filter was chosen.
// Nothing when cancelled or for a name of four characters or fewer.
std::optional<ExportChoice> ChooseGameOrTeamToExport(CommandServices& services,
                                                     const std::string& title);

// An open dialog for one kind of file in that kind's folder; on OK the
// chosen file's folder is remembered.
std::optional<std::string> ChooseExportSource(CommandServices& services, FileKind kind,
                                              const std::string& filter,
                                              const std::string& default_extension);

// Reports a file that could not be written (the reason from the writer).
void ShowSaveError(Ui& ui, const std::string& reason);

}  // namespace scorewick::app
