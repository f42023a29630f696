#include "app/team_commands.h"

#include "app/core/session.h"
#include "app/main_window.h"
#include "app/team_edit_dialog.h"
#include "records/file_io.h"
#include "records/team_file.h"
#include "reports/team_export.h"

namespace scorewick::app {
namespace {

void ReportSaveFailure(Ui& ui, const std::string& path, const std::string& error) {
  ui.ShowMessage("Unable to save " + path + (error.empty() ? "" : ": " + error), "Save Error",
                 MessageIcon::kExclamation);
}

}  // namespace

TeamDialogRunner& TeamDialogRun() {
  static TeamDialogRunner run = [](TeamEditDialog& dialog) { return dialog.exec(); };
  return run;
}

void RunNewTeam(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  Team team;
  TeamEditDialog dialog(team, session, ui, &env.window);
  if (TeamDialogRun()(dialog) != QDialog::Accepted) return;

  FileDialogRequest request;
  request.title = "Save Team";
  request.filter = kTeamFileFilter;
  request.default_extension = "tem";
  request.initial_folder = session.start_folder;
  request.initial_name = team.file_path.str();
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return;
  const std::string path = reports::WithExtension(choice->path, "tem");
  std::string error;
  if (!SaveTeam(path, team, &error)) ReportSaveFailure(ui, path, error);
}

void RunEditTeam(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  FileDialogRequest request;
  request.title = "Open";
  request.filter = kEditTeamFilter;
  request.default_extension = "tem|csv";
  request.initial_folder = session.start_folder;
  std::optional<FileChoice> choice = ui.ChooseOpenFile(request);
  if (!choice || choice->path.empty()) return;
  const std::string path =
      reports::WithExtension(choice->path, choice->filter_index == 2 ? "csv" : "tem");

  Team team;
  // A file that did not load is not edited: writing the empty record back
  // on OK would destroy the file.  The loader has said what was wrong.
  if (!LoadTeam(path, team, ui)) {
    if (!FileExists(path)) {
      ui.ShowMessage("Cannot open " + path, "Load Error", MessageIcon::kExclamation);
    }
    return;
  }
  TeamEditDialog dialog(team, session, ui, &env.window);
  if (TeamDialogRun()(dialog) != QDialog::Accepted) return;
  std::string error;
  const std::string own = team.file_path.str();
  if (!own.empty() && !SaveTeam(own, team, &error)) ReportSaveFailure(ui, own, error);
}

}  // namespace scorewick::app
