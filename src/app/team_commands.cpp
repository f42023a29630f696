#include "app/team_commands.h"

#include "app/core/save_target.h"
#include "app/core/session.h"
#include "app/core/team_save_as.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/team_edit_dialog.h"
#include "records/cp1252.h"
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

void RunNewTeam(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  Team team;
  TeamEditDialog dialog(team, session, ui, &env.window);
  if (RunModal(dialog) != QDialog::Accepted) return;

  // The dialog's OK has had the team saved as a team file, and its name is
  // not asked for again: the team is written there with what changed since.
  std::string path = team.file_path.str();
  if (path.empty()) {
    FileDialogRequest request;
    request.title = "Save Team";
    request.filter = kTeamFileFilter;
    request.default_extension = "tem";
    request.initial_name = ProposedFileName(Cp1252ToUtf8(team.team_name.view()));
    std::optional<FileChoice> choice = ChooseFileToSave(session, ui, FileKind::kTeam, request);
    if (!choice) return;
    const auto settled = SettleTarget(choice->path, kTeamFileType, "", ui);
    if (!settled) return;
    path = *settled;
  }
  SaveTeamShowingFailure(ui, path, team);
}

void RunEditTeam(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  FileDialogRequest request;
  request.title = "Open";
  request.filter = kEditTeamFilter;
  request.default_extension = "tem|csv";
  std::optional<FileChoice> choice = ChooseFileToOpen(session, ui, FileKind::kTeam, request);
  if (!choice) return;
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
  if (RunModal(dialog) != QDialog::Accepted) return;
  const std::string own = team.file_path.str();
  if (!own.empty()) SaveTeamShowingFailure(ui, own, team);
}

}  // namespace scorewick::app
