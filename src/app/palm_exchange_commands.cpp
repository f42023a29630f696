// The Palm export and import commands as the main window runs them (the
// work is in app/core/palm_commands).

#include "app/core/palm_commands.h"
#include "app/handheld_commands.h"

namespace scorewick::app {

void RunPalmExportGame(CommandEnv& env) { RunPalmGameExport(env.services); }
void RunPalmExportTeam(CommandEnv& env) { RunPalmTeamExport(env.services); }
void RunPalmExportChoose(CommandEnv& env) { RunPalmEitherExport(env.services); }
void RunPalmImportTeam(CommandEnv& env) { RunPalmTeamImport(env.services); }
void RunPalmImportGame(CommandEnv& env) { RunPalmGameImport(env.services); }
void RunPalmImportChoose(CommandEnv& env) { RunPalmEitherImport(env.services); }

}  // namespace scorewick::app
