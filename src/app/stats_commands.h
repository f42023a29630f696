#pragma once
// Statistics > Team and Player Stats (and the tool bar's Game Stats): the
// game chooser, then the statistics window over the chosen games.

#include <functional>

#include "app/command_table.h"

class QDialog;

namespace scorewick::app {

void RunTeamStats(CommandEnv& env);

// How the command runs its two dialogs (the chooser, then the window);
// tests replace it.
using StatsDialogRunner = std::function<int(QDialog& dialog)>;
StatsDialogRunner& StatsDialogRun();

}  // namespace scorewick::app
