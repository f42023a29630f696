#pragma once
// File > Import Games from Retrosheet Files: choose event files, choose the
// folder to write in, import with a progress dialog that can be cancelled
// (what was written stays whole), then the summary with the refusals.

#include <QProgressDialog>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "interop/retrosheet_games.h"

namespace scorewick::app {

class ImportSummaryDialog;

void RunImportRetrosheet(CommandEnv& env);

// How the command runs its summary dialog; tests replace it.
using ImportSummaryRunner = std::function<int(ImportSummaryDialog& dialog)>;
ImportSummaryRunner& ImportSummaryRun();
// Told the progress of the import before each game as the dialog is;
// returning false cancels, as the dialog's Cancel button does.  Tests set it.
std::function<bool(int done, int total)>& ImportProgressHook();

// What the import and the export (app/export_commands.h) share: the
// question about the files already in the folder chosen ("3 of the
// games and teams to import are already in ..."; true: replace them), and
// the run itself under a progress dialog that can be cancelled, told by
// ImportProgressHook first.
bool AskToReplace(Ui& ui, const std::vector<std::string>& there, const std::string& what,
                  const std::string& folder, const std::string& others, const char* caption);
template <typename Run>
auto WithProgress(QWidget& window, const char* label, const char* caption, const Run& run) {
  QProgressDialog progress(label, "Cancel", 0, 1, &window);
  progress.setWindowTitle(caption);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  // Wide enough for the whole caption in the title bar.
  progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(caption) + 160);
  auto result = run([&](int done, int total) {
    if (ImportProgressHook() && !ImportProgressHook()(done, total)) return false;
    progress.setMaximum(std::max(total, 1));
    progress.setValue(done);
    progress.setLabelText(QString("%1\n%2 of %3 games").arg(label).arg(done).arg(total));
    return !progress.wasCanceled();
  });
  progress.setValue(progress.maximum());
  return result;
}

inline constexpr const char* kEventFileFilter =
    "Retrosheet Event Files (*.EVA;*.EVN;*.EVF;*.EVR;*.eva;*.evn;*.evf;*.evr)|"
    "*.EVA;*.EVN;*.EVF;*.EVR;*.eva;*.evn;*.evf;*.evr|All Files (*.*)|*.*|";

}  // namespace scorewick::app
