#pragma once
// Statistics > Box Scores: pick a game in "Select Game", load it, and show
// its box score in the "Box Score" window.  The game is released when the
// window closes.

#include <functional>

#include "app/command_table.h"

namespace scorewick::app {

class BoxGameSelection;
class BoxScoreDialog;

void RunBoxScores(CommandEnv& env);

// How the command runs its two dialogs; tests replace them.
struct BoxScoreRunners {
  std::function<int(BoxGameSelection& dialog)> select;
  std::function<int(BoxScoreDialog& dialog)> show;
};
BoxScoreRunners& BoxScoreRun();

}  // namespace scorewick::app
