#include "app/team_commands.h"

#include "app/core/session.h"
#include "app/main_window.h"
#include "app/team_edit_dialog.h"
#include "records/path_names.h"
#include "records/team_file.h"
#include "reports/team_export.h"

namespace scorewick::app {
namespace {

void SaveTeamShowingFailure(Ui& ui, const std::string& path, Team& team) {
  if (Status saved = SaveTeam(path, team); !saved) {
    ShowAll(ui, {reports::SaveErrorMessage(path, saved.reason)});
  }
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
  SaveTeamShowingFailure(ui, WithExtension(choice->path, "tem"), team);
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
  const std::string path = WithExtension(choice->path, choice->filter_index == 2 ? "csv" : "tem");

  Team team;
  // A file that did not load is not edited: writing the empty record back
  // on OK would destroy the file.  The loader has said what was wrong.
  if (Status loaded = LoadTeam(path, team); !Show(ui, loaded)) {
    if (loaded.messages.empty()) {
      ui.ShowMessage("Cannot open " + path, "Load Error", MessageIcon::kExclamation);
    }
    return;
  }
  TeamEditDialog dialog(team, session, ui, &env.window);
  if (TeamDialogRun()(dialog) != QDialog::Accepted) return;
  const std::string own = team.file_path.str();
  if (!own.empty()) SaveTeamShowingFailure(ui, own, team);
}

}  // namespace scorewick::app
