#include "exchange/palm_exchange.h"

#include <cstdint>
#include <vector>

#include "exchange/palm_database.h"
#include "exchange/palm_game_stream.h"
#include "exchange/palm_team_stream.h"

namespace scorewick {
namespace {

std::string_view FileName(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool WriteDatabase(const std::vector<std::uint8_t>& stream, const std::string& database_path,
                   Ui& ui) {
  std::string error;
  if (!WritePalmStreamDatabase(stream, database_path, &error)) {
    ui.ShowMessage("Could not write the Palm database " + database_path + ": " + error, "Error",
                   MessageIcon::kExclamation);
    return false;
  }
  return true;
}

void ShowDamaged(Ui& ui, const std::string& database_path, const char* what,
                 const std::string& error) {
  ui.ShowMessage("The " + std::string(what) + " in " + database_path + " is damaged: " + error,
                 "Load Error", MessageIcon::kExclamation);
}

}  // namespace

bool ExportPalmTeam(Team& team, const std::string& database_path, Ui& ui) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  std::string error;
  if (!EncodePalmTeamStream(team, stream, &error)) {
    ui.ShowMessage(error, "Error", MessageIcon::kExclamation);
    return false;
  }
  return WriteDatabase(stream, database_path, ui);
}

bool ImportPalmTeam(Team& team, const std::string& database_path, Ui& ui) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (!ExtractPalmStream(database_path, stream, ui)) return false;
  UserMessages messages;
  std::string error;
  PalmReadResult result = DecodePalmTeamStream(stream, team, messages, &error);
  ShowAll(ui, messages);
  if (result == PalmReadResult::kDamaged) ShowDamaged(ui, database_path, "Palm team", error);
  return result == PalmReadResult::kOk;
}

bool ExportPalmGame(Game& game, const std::string& database_path, Ui& ui) {
  game.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  std::string error;
  if (!WritePalmGameStream(game, stream, &error)) {
    ui.ShowMessage(error, "Error", MessageIcon::kExclamation);
    return false;
  }
  return WriteDatabase(stream, database_path, ui);
}

bool ImportPalmGame(Game& game, const std::string& database_path, Ui& ui) {
  game.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (!ExtractPalmStream(database_path, stream, ui)) {
    game.Release();
    game.file_path.set(database_path);
    return false;
  }
  UserMessages messages;
  std::string error;
  PalmReadResult result = ReadPalmGameStream(stream, game, messages, &error);
  ShowAll(ui, messages);
  if (result == PalmReadResult::kDamaged) ShowDamaged(ui, database_path, "Palm game", error);
  return result == PalmReadResult::kOk;
}

std::string PalmExportName(std::string_view source_path) {
  std::string_view name = FileName(source_path);
  std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name) + ".pdb";
}

std::string PalmImportName(std::string_view database_path, std::string_view extension) {
  std::string_view name = FileName(database_path);
  if (name.size() >= 4 && name[name.size() - 4] == '.') name.remove_suffix(4);
  return std::string(name) + "." + std::string(extension);
}

}  // namespace scorewick
