#pragma once
// Statistics > Scatter Plots and Statistics > Pitching Plots: the game
// chooser (without the team box), then the plot window over the chosen
// games.

#include <functional>

#include "app/command_table.h"

class QDialog;

namespace scorewick::app {

void RunScatterPlots(CommandEnv& env);
void RunPitchingPlots(CommandEnv& env);

// How the commands run their two dialogs (the chooser, then the window);
// tests replace it.
using PlotDialogRunner = std::function<int(QDialog& dialog)>;
PlotDialogRunner& PlotDialogRun();

}  // namespace scorewick::app
