#pragma once
// The Pocket PC commands: team and game files carried into and out of the
// device's synchronised-files folder.  Files are loaded and written again,
// so that the copy always has the current file version.

#include <string>

#include "app/core/command_services.h"

namespace scorewick::app {

void RunPpcExportGame(CommandServices& services);    // PC game file to the device
void RunPpcExportTeam(CommandServices& services);    // PC team file to the device
void RunPpcExportChoose(CommandServices& services);  // tool bar: either
void RunPpcImportGame(CommandServices& services);
void RunPpcImportTeam(CommandServices& services);
void RunPpcImportChoose(CommandServices& services);  // tool bar: either, by the filter

// The steps after the source file is known.
void GameToDevice(CommandServices& services, const std::string& game_path);
void TeamToDevice(CommandServices& services, const std::string& team_path);
void GameFromDevice(CommandServices& services, const std::string& game_path);
void TeamFromDevice(CommandServices& services, const std::string& team_path);

}  // namespace scorewick::app
