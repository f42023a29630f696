#pragma once
// Statistics > Scatter Plots and Statistics > Pitching Plots: the game
// chooser (without the team box), then the plot window over the chosen
// games.

#include "app/command_table.h"

namespace scorewick::app {

void RunScatterPlots(CommandEnv& env);
void RunPitchingPlots(CommandEnv& env);

}  // namespace scorewick::app
