#pragma once
// File > Print > Game (and the tool bar's Print Game) and File > Print >
// Blank Score Sheets.

#include <functional>

#include "app/command_table.h"

namespace scorewick::app {

class PrintGameDialog;
class PrintBlanksDialog;

// Asks for a game file, loads it into a game record of its own, runs the
// Print Game dialog on it, and releases the record.  A file that does not
// load is not printed: the loader has said what is wrong with it.
void RunPrintGame(CommandEnv& env);
// Runs the Print Blank Scoresheets dialog.
void RunBlankScoreSheets(CommandEnv& env);

// How the commands run their dialogs; tests replace them.
using PrintGameDialogRunner = std::function<int(PrintGameDialog& dialog)>;
PrintGameDialogRunner& PrintGameDialogRun();
using PrintBlanksDialogRunner = std::function<int(PrintBlanksDialog& dialog)>;
PrintBlanksDialogRunner& PrintBlanksDialogRun();

inline constexpr const char* kGameFileFilter = "Game File (*.gam)|*.gam|";

}  // namespace scorewick::app
