#include "app/core/pocket_pc_commands.h"

#include <type_traits>

#include "app/core/export_choice.h"
#include "app/core/save_target.h"
#include "app/core/sync_folder_choice.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::app {
namespace {

// The chosen device's folder.  When every device was declined the person
// chose not to go on: the command ends without the missing-folder message.
std::optional<std::string> DeviceFolder(CommandServices& services, bool exporting) {
  bool declined = false;
  auto folder = FindSyncFilesFolder(services.ui, exporting, &declined);
  if (!folder && !declined) ShowNoSyncFolderMessage(services.ui);
  return folder;
}

std::optional<std::string> ChooseDeviceFile(CommandServices& services, const std::string& title,
                                            const std::string& filter,
                                            const std::string& default_extension,
                                            int* filter_index) {
  const auto folder = DeviceFolder(services, /*exporting=*/false);
  if (!folder) return std::nullopt;
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

// The save dialog into the device's folder.
std::optional<std::string> ChooseDeviceTarget(CommandServices& services, const std::string& filter,
                                              const SaveType& type, const std::string& source) {
  const auto folder = DeviceFolder(services, /*exporting=*/true);
  if (!folder) return std::nullopt;
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = type.extension;
  request.initial_folder = *folder;
  // A comma-separated source is written as a team file, so it is named as one.
  request.initial_name = ExtensionNames(source, type)
                             ? FileNameOf(source)
                             : FileNameWithExtension(source, type.extension);
  const auto chosen = services.ui.ChooseSaveFile(request);
  if (!chosen || chosen->path.empty()) return std::nullopt;
  return SettleTarget(chosen->path, type, source, services.ui);
}

std::optional<std::string> ChoosePcTarget(CommandServices& services, const std::string& filter,
                                          const SaveType& type, const std::string& source) {
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = type.extension;
  request.initial_name = FileNameOf(source);
  const FileKind kind = type.content == FileContent::kGameFile ? FileKind::kGame : FileKind::kTeam;
  const auto chosen = ChooseFileToSave(services.session, services.ui, kind, request);
  if (!chosen) return std::nullopt;
  return SettleTarget(chosen->path, type, source, services.ui);
}

// Writes the record and says where, as the Palm commands do.
template <typename Record, typename Saver>
void Write(CommandServices& services, const std::string& path, Record& record, Saver save,
           bool to_device) {
  if (Status saved = save(path, record); !saved) {
    ShowSaveError(services.ui, saved.reason);
    return;
  }
  const bool game = std::is_same_v<Record, Game>;
  if (to_device) {
    services.ui.ShowMessage(
        FileNameOf(path) + " should be available on your Pocket PC after your next synchronization",
        game ? "Game Export Complete" : "Team Export Complete", MessageIcon::kNone);
  } else {
    services.ui.ShowMessage(
        std::string(game ? "Game" : "Team") + " Created from Pocket PC File: " + path,
        game ? "Game Import Complete" : "Team Import Complete", MessageIcon::kNone);
  }
}

}  // namespace

// A file that cannot be read is not carried: writing an empty record in
// its place would replace the device's copy with nothing.
void GameToDevice(CommandServices& services, const std::string& game_path) {
  Game game;
  if (!Show(services.ui, LoadGame(game_path, game))) return;
  const auto target =
      ChooseDeviceTarget(services, "Pocket PC Game File (*.gam)|*.gam|", kGameFileType, game_path);
  if (target) Write(services, *target, game, SaveGame, true);
}

void TeamToDevice(CommandServices& services, const std::string& team_path) {
  Team team;
  if (!Show(services.ui, LoadTeam(team_path, team))) return;
  const auto target =
      ChooseDeviceTarget(services, "Pocket PC Team File (*.tem)|*.tem|", kTeamFileType, team_path);
  if (target) Write(services, *target, team, SaveTeam, true);
}

void GameFromDevice(CommandServices& services, const std::string& game_path) {
  Game game;
  if (!Show(services.ui, LoadGame(game_path, game))) return;
  const auto target =
      ChoosePcTarget(services, "PC Game File (*.gam)|*.gam|", kGameFileType, game_path);
  if (target) Write(services, *target, game, SaveGame, false);
}

void TeamFromDevice(CommandServices& services, const std::string& team_path) {
  Team team;
  if (!Show(services.ui, LoadTeam(team_path, team))) return;
  const auto target =
      ChoosePcTarget(services, "PC Team File (*.tem)|*.tem|", kTeamFileType, team_path);
  if (target) Write(services, *target, team, SaveTeam, false);
}

void RunPpcExportGame(CommandServices& services) {
  if (auto path =
          ChooseExportSource(services, FileKind::kGame, "PC Game File (*.gam)|*.gam|", "gam")) {
    GameToDevice(services, *path);
  }
}

void RunPpcExportTeam(CommandServices& services) {
  if (auto path =
          ChooseExportSource(services, FileKind::kTeam, "PC Team File (*.tem)|*.tem|", "tem")) {
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
