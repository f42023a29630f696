#pragma once
// File > Import Games from Retrosheet Files: choose event files, choose the
// folder to write in, import with a progress dialog that can be cancelled
// (what was written stays whole), then the summary with the refusals.

#include <functional>

#include "app/command_table.h"

namespace scorewick::app {

class ImportSummaryDialog;

void RunImportRetrosheet(CommandEnv& env);

// How the command runs its summary dialog; tests replace it.
using ImportSummaryRunner = std::function<int(ImportSummaryDialog& dialog)>;
ImportSummaryRunner& ImportSummaryRun();
// Told the progress of the import before each game as the dialog is;
// returning false cancels, as the dialog's Cancel button does.  Tests set it.
std::function<bool(int done, int total)>& ImportProgressHook();

inline constexpr const char* kEventFileFilter =
    "Retrosheet Event Files (*.EVA;*.EVN;*.EVF;*.EVR;*.eva;*.evn;*.evf;*.evr)|"
    "*.EVA;*.EVN;*.EVF;*.EVR;*.eva;*.evn;*.evf;*.evr|All Files (*.*)|*.*|";

}  // namespace scorewick::app
