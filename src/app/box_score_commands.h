#pragma once
// Statistics > Box Scores: pick a game in "Select Game", load it, and show
// its box score in the "Box Score" window.  The game is released when the
// window closes.

#include "app/command_table.h"

namespace scorewick::app {

void RunBoxScores(CommandEnv& env);

}  // namespace scorewick::app
