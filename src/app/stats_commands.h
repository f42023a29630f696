#pragma once
// Statistics > Team and Player Stats (and the tool bar's Game Stats): the
// game chooser, then the statistics window over the chosen games.

#include "app/command_table.h"

namespace scorewick::app {

void RunTeamStats(CommandEnv& env);

}  // namespace scorewick::app
