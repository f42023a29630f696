#include "app/core/export_choice.h"

namespace scorewick::app {

std::optional<ExportChoice> ChooseGameOrTeamToExport(CommandServices& services,
                                                     const std::string& title) {
  FileDialogRequest request;
  request.title = title;
  request.filter = "Game File (*.gam)|*.gam|Team File (*.tem)|*.tem|";
  request.default_extension = "gam|tem";
  Session& session = services.session;
  request.initial_folder = session.folders.For(FileKind::kGame, session.start_folder);
  const auto chosen = services.ui.ChooseOpenFile(request);
  if (!chosen || chosen->path.empty()) return std::nullopt;
  const bool game_filter = chosen->filter_index != 2;
  ExportChoice choice{chosen->path, false};
  if (!FileNameHasDot(choice.path)) choice.path += game_filter ? ".gam" : ".tem";
  if (choice.path.size() <= 4) return std::nullopt;
  const std::string tail = choice.path.substr(choice.path.size() - 5);
  choice.game = tail.find("gam") != std::string::npos || game_filter;
  session.folders.Remember(choice.game ? FileKind::kGame : FileKind::kTeam, choice.path);
  return choice;
}

std::optional<std::string> ChooseExportSource(CommandServices& services, FileKind kind,
                                              const std::string& filter,
                                              const std::string& default_extension) {
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = default_extension;
  const auto chosen = ChooseFileToOpen(services.session, services.ui, kind, request);
  if (!chosen) return std::nullopt;
  return chosen->path;
}

void ShowSaveError(Ui& ui, const std::string& reason) {
  ui.ShowMessage(reason, "Save Error", MessageIcon::kExclamation);
}

}  // namespace scorewick::app
