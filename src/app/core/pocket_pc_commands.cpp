#include "app/core/pocket_pc_commands.h"

#include "app/core/export_choice.h"
#include "app/core/pocket_pc_partners.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::app {
namespace {

std::optional<std::string> ChooseDeviceFile(CommandServices& services, const std::string& title,
                                            const std::string& filter,
                                            const std::string& default_extension,
                                            int* filter_index) {
  const auto folder = FindSyncFilesFolder(services.ui, /*exporting=*/false);
  if (!folder) {
    ShowNoSyncFolderMessage(services.ui);
    return std::nullopt;
  }
  FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.default_extension = default_extension;
  request.initial_folder = *folder;
  const auto chosen = services.ui.ChooseOpenFile(request);
  if (!chosen) return std::nullopt;
  if (filter_index) *filter_index = chosen->filter_index;
  return chosen->path;
}

// The save dialog into the device's folder; nothing (and the message) when
// no folder is found.
std::optional<std::string> ChooseDeviceTarget(CommandServices& services, const std::string& filter,
                                              const std::string& extension,
                                              const std::string& proposed_name) {
  const auto folder = FindSyncFilesFolder(services.ui, /*exporting=*/true);
  if (!folder) {
    ShowNoSyncFolderMessage(services.ui);
    return std::nullopt;
  }
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = extension;
  request.initial_folder = *folder;
  request.initial_name = proposed_name;
  const auto chosen = services.ui.ChooseSaveFile(request);
  if (!chosen) return std::nullopt;
  return WithExtension(chosen->path, extension);
}

std::optional<std::string> ChoosePcTarget(CommandServices& services, const std::string& filter,
                                          const std::string& extension,
                                          const std::string& proposed_name) {
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = extension;
  request.initial_folder = services.session.start_folder;
  request.initial_name = proposed_name;
  const auto chosen = services.ui.ChooseSaveFile(request);
  if (!chosen) return std::nullopt;
  return WithExtension(chosen->path, extension);
}

void WriteGame(CommandServices& services, const std::string& path, Game& game) {
  if (Status saved = SaveGame(path, game); !saved) ShowSaveError(services.ui, saved.reason);
}

void WriteTeam(CommandServices& services, const std::string& path, Team& team) {
  if (Status saved = SaveTeam(path, team); !saved) ShowSaveError(services.ui, saved.reason);
}

}  // namespace

// A file that cannot be read is not carried: writing an empty record in
// its place would replace the device's copy with nothing.
void GameToDevice(CommandServices& services, const std::string& game_path) {
  Game game;
  if (!Show(services.ui, LoadGame(game_path, game))) return;
  const auto target = ChooseDeviceTarget(services, "Pocket PC Game File (*.gam)|*.gam|", "gam",
                                         FileNameOf(game_path));
  if (target) WriteGame(services, *target, game);
}

void TeamToDevice(CommandServices& services, const std::string& team_path) {
  Team team;
  if (!Show(services.ui, LoadTeam(team_path, team))) return;
  // A comma-separated source is written as a team file, so it is named as one.
  const std::string proposed = FileNameOf(team_path).find(".csv") != std::string::npos
                                   ? FileNameWithExtension(team_path, "tem")
                                   : FileNameOf(team_path);
  const auto target =
      ChooseDeviceTarget(services, "Pocket PC Team File (*.tem)|*.tem|", "tem", proposed);
  if (target) WriteTeam(services, *target, team);
}

void GameFromDevice(CommandServices& services, const std::string& game_path) {
  Game game;
  if (!Show(services.ui, LoadGame(game_path, game))) return;
  const auto target =
      ChoosePcTarget(services, "PC Game File (*.gam)|*.gam|", "gam", FileNameOf(game_path));
  if (target) WriteGame(services, *target, game);
}

void TeamFromDevice(CommandServices& services, const std::string& team_path) {
  Team team;
  if (!Show(services.ui, LoadTeam(team_path, team))) return;
  const auto target =
      ChoosePcTarget(services, "PC Team File (*.tem)|*.tem|", "tem", FileNameOf(team_path));
  if (target) WriteTeam(services, *target, team);
}

void RunPpcExportGame(CommandServices& services) {
  if (auto path = ChooseExportSource(services, "PC Game File (*.gam)|*.gam|", "gam")) {
    GameToDevice(services, *path);
  }
}

void RunPpcExportTeam(CommandServices& services) {
  if (auto path = ChooseExportSource(services, "PC Team File (*.tem)|*.tem|", "tem")) {
    TeamToDevice(services, *path);
  }
}

void RunPpcExportChoose(CommandServices& services) {
  const auto choice =
      ChooseGameOrTeamToExport(services, "Select Game or Team File to Export to your PPC");
  if (!choice) return;
  if (choice->game) {
    GameToDevice(services, choice->path);
  } else {
    TeamToDevice(services, choice->path);
  }
}

void RunPpcImportGame(CommandServices& services) {
  if (auto path =
          ChooseDeviceFile(services, "", "Pocket PC Game File (*.gam)|*.gam|", "gam", nullptr)) {
    GameFromDevice(services, *path);
  }
}

void RunPpcImportTeam(CommandServices& services) {
  if (auto path =
          ChooseDeviceFile(services, "", "Pocket PC Team File (*.tem)|*.tem|", "tem", nullptr)) {
    TeamFromDevice(services, *path);
  }
}

void RunPpcImportChoose(CommandServices& services) {
  int filter_index = 1;
  const auto path =
      ChooseDeviceFile(services, "Select Game or Team File to Import from your Pocket PC",
                       "Pocket PC Game File (*.gam)|*.gam|Pocket PC Team File (*.tem)|*.tem|",
                       "gam|tem", &filter_index);
  if (!path) return;
  // The chosen filter alone decides, whatever the file's name.
  if (filter_index == 2) {
    TeamFromDevice(services, *path);
  } else {
    GameFromDevice(services, *path);
  }
}

}  // namespace scorewick::app
