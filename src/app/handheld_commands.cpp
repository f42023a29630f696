#include "app/handheld_commands.h"

#include "app/core/palm_link.h"
#include "app/core/pocket_pc_commands.h"

namespace scorewick::app {

void RunPalmInstallCompanion(CommandEnv& env) { RunInstallCompanion(env.services); }
void RunPalmInstallOther(CommandEnv& env) { RunInstallOther(env.services); }

void RunPocketPcExportGame(CommandEnv& env) { RunPpcExportGame(env.services); }
void RunPocketPcExportTeam(CommandEnv& env) { RunPpcExportTeam(env.services); }
void RunPocketPcExportChoose(CommandEnv& env) { RunPpcExportChoose(env.services); }
void RunPocketPcImportGame(CommandEnv& env) { RunPpcImportGame(env.services); }
void RunPocketPcImportTeam(CommandEnv& env) { RunPpcImportTeam(env.services); }
void RunPocketPcImportChoose(CommandEnv& env) { RunPpcImportChoose(env.services); }

}  // namespace scorewick::app
