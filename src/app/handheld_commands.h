#pragma once
// The PDA Utilities commands as the main window runs them: the work is in
// the core (palm_link, pocket_pc_commands); the window supplies the Ui and
// the Palm user dialog.

#include "app/command_table.h"

namespace scorewick::app {

void RunPalmInstallCompanion(CommandEnv& env);
void RunPalmInstallOther(CommandEnv& env);
void RunPalmExportGame(CommandEnv& env);
void RunPalmExportTeam(CommandEnv& env);
void RunPalmExportChoose(CommandEnv& env);
void RunPalmImportTeam(CommandEnv& env);
void RunPalmImportGame(CommandEnv& env);
void RunPalmImportChoose(CommandEnv& env);

void RunPocketPcExportGame(CommandEnv& env);
void RunPocketPcExportTeam(CommandEnv& env);
void RunPocketPcExportChoose(CommandEnv& env);
void RunPocketPcImportGame(CommandEnv& env);
void RunPocketPcImportTeam(CommandEnv& env);
void RunPocketPcImportChoose(CommandEnv& env);

}  // namespace scorewick::app
