#include "app/core/palm_commands.h"

#include "app/core/export_choice.h"
#include "app/core/palm_link.h"
#include "app/core/save_target.h"
#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::app {
namespace {

std::optional<std::string> ChooseDatabaseTarget(CommandServices& services,
                                                const std::string& filter,
                                                const std::string& source_path) {
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = "pdb";
  request.initial_name = PalmExportName(source_path);
  // Until a database folder is known, the database goes beside its source.
  const auto chosen = ChooseFileToSave(services.session, services.ui, FileKind::kPalmDatabase,
                                       request, FolderOf(source_path));
  if (!chosen) return std::nullopt;
  return SettleTarget(chosen->path, kPalmDatabaseType, source_path, services.ui);
}

std::optional<std::string> ChooseDatabase(CommandServices& services,
                                          const std::string& no_user_text,
                                          const std::string& filter) {
  const auto folder = PalmBackupFolder(services, no_user_text);
  if (!folder) return std::nullopt;
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = "pdb";
  request.initial_folder = *folder;
  const auto chosen = services.ui.ChooseOpenFile(request);
  if (!chosen) return std::nullopt;
  return chosen->path;
}

std::optional<std::string> ChooseImportTarget(CommandServices& services, const SaveType& type,
                                              const std::string& filter,
                                              const std::string& database_path) {
  FileDialogRequest request;
  request.filter = filter;
  request.default_extension = type.extension;
  request.initial_name = PalmImportName(database_path, type.extension);
  const FileKind kind = type.content == FileContent::kGameFile ? FileKind::kGame : FileKind::kTeam;
  const auto chosen = ChooseFileToSave(services.session, services.ui, kind, request);
  if (!chosen) return std::nullopt;
  return SettleTarget(chosen->path, type, database_path, services.ui);
}

// Writes the Palm database for the source and queues it.  The user is
// chosen before anything is written: a database made for nobody would be
// left behind when the choice is cancelled.
template <typename Record, typename Exporter>
void ExportToPalm(CommandServices& services, Record& record, const std::string& source_path,
                  const std::string& filter, Exporter write_database) {
  const auto target = ChooseDatabaseTarget(services, filter, source_path);
  if (!target) return;
  PalmUserChoice choice = ChoosePalmUser(services, "Cannot Install File");
  if (!choice.user) return;
  if (Show(services.ui, write_database(record, *target)))
    QueueForHotSync(services, choice, *target);
}

}  // namespace

std::optional<std::string> PalmBackupFolder(CommandServices& services,
                                            const std::string& no_user_text) {
  PalmUserChoice choice = ChoosePalmUser(services, no_user_text);
  if (!choice.aide) return std::nullopt;
  if (!choice.user) return std::string();
  const auto folder = choice.aide->UserFolder(*choice.user);
  return folder ? *folder + "/Backup" : std::string();
}

// A source that cannot be read, or a database that cannot be written, ends
// the command: queuing it anyway would promise the handheld a file that
// is not there.
void ExportGameToPalm(CommandServices& services, const std::string& game_path) {
  Game game;
  if (!Show(services.ui, LoadGame(game_path, game))) return;
  ExportToPalm(services, game, game_path, "Palm Game File (*.pdb)|*.pdb|", ExportPalmGame);
}

void ExportTeamToPalm(CommandServices& services, const std::string& team_path) {
  Team team;
  if (!Show(services.ui, LoadTeam(team_path, team))) return;
  ExportToPalm(services, team, team_path, "Palm Team File (*.pdb)|*.pdb|", ExportPalmTeam);
}

void ImportTeamFromPalm(CommandServices& services, const std::string& database_path) {
  Team team;
  if (!Show(services.ui, ImportPalmTeam(team, database_path))) return;
  const auto target =
      ChooseImportTarget(services, kTeamFileType, "Team File (*.tem)|*.tem|", database_path);
  if (!target) return;
  if (Status saved = SaveTeam(*target, team); !saved) {
    ShowSaveError(services.ui, saved.reason);
    return;
  }
  services.ui.ShowMessage("Team Created from Palm Database: " + *target, "Team Import Complete",
                          MessageIcon::kNone);
}

void ImportGameFromPalm(CommandServices& services, const std::string& database_path) {
  Game game;
  if (!Show(services.ui, ImportPalmGame(game, database_path))) return;
  const auto target =
      ChooseImportTarget(services, kGameFileType, "Game File (*.gam)|*.gam|", database_path);
  if (!target) return;
  if (Status saved = SaveGame(*target, game); !saved) {
    ShowSaveError(services.ui, saved.reason);
    return;
  }
  services.ui.ShowMessage("Game Created from Palm Database: " + *target, "Game Import Complete",
                          MessageIcon::kNone);
}

void RunPalmGameExport(CommandServices& services) {
  if (auto path =
          ChooseExportSource(services, FileKind::kGame, "Game File (*.gam)|*.gam|", "gam")) {
    ExportGameToPalm(services, *path);
  }
}

void RunPalmTeamExport(CommandServices& services) {
  if (auto path =
          ChooseExportSource(services, FileKind::kTeam, "Team File (*.tem)|*.tem|", "tem")) {
    ExportTeamToPalm(services, *path);
  }
}

void RunPalmEitherExport(CommandServices& services) {
  const auto choice =
      ChooseGameOrTeamToExport(services, "Select Game or Team File to Export to your Palm");
  if (!choice) return;
  if (choice->game) {
    ExportGameToPalm(services, choice->path);
  } else {
    ExportTeamToPalm(services, choice->path);
  }
}

void RunPalmTeamImport(CommandServices& services) {
  if (auto path = ChooseDatabase(services, "Cannot Import Team From Palm",
                                 "Palm Team File (*.pdb)|*.pdb|")) {
    ImportTeamFromPalm(services, *path);
  }
}

void RunPalmGameImport(CommandServices& services) {
  if (auto path = ChooseDatabase(services, "Cannot Import Game From Palm",
                                 "Palm Game File (*.pdb)|*.pdb|")) {
    ImportGameFromPalm(services, *path);
  }
}

void RunPalmEitherImport(CommandServices& services) {
  const auto path = ChooseDatabase(services, "Cannot Import Team From Palm",
                                   "Palm Game or Team File (*.pdb)|*.pdb|");
  if (!path) return;
  switch (PalmStreamKind(*path)) {
    case PalmKind::kTeam:
      ImportTeamFromPalm(services, *path);
      break;
    case PalmKind::kGame:
      ImportGameFromPalm(services, *path);
      break;
    case PalmKind::kNeither:
      break;  // neither a team nor a game: nothing to do
  }
}

}  // namespace scorewick::app
