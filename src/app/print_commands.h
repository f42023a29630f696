#pragma once
// File > Print > Game (and the tool bar's Print Game) and File > Print >
// Blank Score Sheets.

#include "app/command_table.h"

namespace scorewick::app {

// Asks for a game file, loads it into a game record of its own, runs the
// Print Game dialog on it, and releases the record.  A file that does not
// load is not printed: the loader has said what is wrong with it.
void RunPrintGame(CommandEnv& env);
// Runs the Print Blank Scoresheets dialog.
void RunBlankScoreSheets(CommandEnv& env);

inline constexpr const char* kGameFileFilter = "Game File (*.gam)|*.gam|";

}  // namespace scorewick::app
