#include "app/export_commands.h"

#include <filesystem>

#include "app/import_commands.h"
#include "app/import_summary_dialog.h"
#include "app/main_window.h"
#include "app/print_commands.h"
#include "interop/retrosheet_export.h"
#include "records/output_guard.h"
#include "records/path_names.h"

namespace scorewick::app {
namespace {

constexpr const char* kCaption = "Export Games to Retrosheet";

}  // namespace

void RunExportRetrosheet(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  FileDialogRequest request;
  request.title = "Select the Games to Export";
  request.filter = kGameFileFilter;
  request.initial_folder = session.folders.For(FileKind::kGame, session.start_folder);
  const std::vector<std::string> games = ui.ChooseOpenFiles(request);
  if (games.empty()) return;
  const std::optional<std::string> folder =
      ui.BrowseFolder("Choose the Folder to Write the Retrosheet Files In",
                      session.folders.For(FileKind::kExport, FolderOf(games.front())));
  if (!folder) return;
  std::vector<std::string> there;
  for (const std::string& name : interop::PlannedExportFileNames(games)) {
    if (NameTaken((std::filesystem::path(*folder) / name).string())) there.push_back(name);
  }
  const bool force =
      AskToReplace(ui, there, "files to write", *folder, "writes the others", kCaption);
  const interop::ExportSummary summary = WithProgress(
      env.window, "Exporting the games ...", kCaption, [&](const interop::ImportProgress& tell) {
        return interop::ExportRetrosheet({games, *folder, force}, tell);
      });
  session.folders.RememberFolder(FileKind::kExport, *folder);
  if (summary.messages.empty()) {
    ui.ShowMessage(summary.Line() + ", in " + *folder + ".", kCaption, MessageIcon::kInformation);
    return;
  }
  ImportSummaryDialog dialog(summary, *folder, &env.window);
  ImportSummaryRun()(dialog);
}

}  // namespace scorewick::app
