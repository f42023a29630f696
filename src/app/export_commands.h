#pragma once
// File > Export Games to Retrosheet: choose game files, choose the folder
// to write in, export with a progress dialog that can be cancelled (before
// anything is written), then the summary with the games refused and what
// the games written could not carry.  It runs its summary dialog and tells
// its progress as the import does (app/import_commands.h), so that tests
// answer both alike.

#include "app/command_table.h"

namespace scorewick::app {

void RunExportRetrosheet(CommandEnv& env);

}  // namespace scorewick::app
