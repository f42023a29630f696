#include "exchange/palm_exchange.h"

#include <cstdint>
#include <vector>

#include "exchange/palm_database.h"
#include "exchange/palm_game_stream.h"
#include "exchange/palm_team_stream.h"
#include "records/path_names.h"

namespace scorewick {
namespace {

Status WriteDatabase(const std::vector<std::uint8_t>& stream, const std::string& database_path) {
  std::string error;
  if (!WritePalmStreamDatabase(stream, database_path, &error)) {
    return Status::Refused(database_path,
                           {"Could not write the Palm database " + database_path + ": " + error,
                            "Error", MessageIcon::kExclamation});
  }
  return {};
}

// The messages of a stream read, and on kDamaged where it broke.
Status StreamStatus(PalmReadResult result, UserMessages messages, const std::string& database_path,
                    const char* what, const std::string& error) {
  Status status;
  status.messages = std::move(messages);
  if (result == PalmReadResult::kOk) return status;
  status.ok = false;
  status.file = database_path;
  if (result == PalmReadResult::kDamaged) {
    status.reason = "The " + std::string(what) + " in " + database_path + " is damaged: " + error;
    status.messages.push_back({status.reason, "Load Error", MessageIcon::kExclamation});
  } else {
    status.reason =
        database_path + ": " +
        (status.messages.empty() ? std::string(what) + " refused" : status.messages.back().text);
    // A database of another version: which one, after the reader's words.
    if (result == PalmReadResult::kBadVersion && !status.messages.empty()) {
      status.messages.back().text += "\n\n" + database_path;
    }
  }
  return status;
}

}  // namespace

Status ExportPalmTeam(Team& team, const std::string& database_path) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  std::string error;
  if (!EncodePalmTeamStream(team, stream, &error)) {
    return Status::Refused(database_path, {error, "Error", MessageIcon::kExclamation});
  }
  return WriteDatabase(stream, database_path);
}

Status ImportPalmTeam(Team& team, const std::string& database_path) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (Status s = ExtractPalmStream(database_path, stream); !s) return s;
  UserMessages messages;
  std::string error;
  PalmReadResult result = DecodePalmTeamStream(stream, team, messages, &error);
  return StreamStatus(result, std::move(messages), database_path, "Palm team", error);
}

Status ExportPalmGame(Game& game, const std::string& database_path) {
  game.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  std::string error;
  if (!WritePalmGameStream(game, stream, &error)) {
    return Status::Refused(database_path, {error, "Error", MessageIcon::kExclamation});
  }
  return WriteDatabase(stream, database_path);
}

Status ImportPalmGame(Game& game, const std::string& database_path) {
  game.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (Status s = ExtractPalmStream(database_path, stream); !s) {
    game.Release();
    game.file_path.set(database_path);
    return s;
  }
  UserMessages messages;
  std::string error;
  PalmReadResult result = ReadPalmGameStream(stream, game, messages, &error);
  return StreamStatus(result, std::move(messages), database_path, "Palm game", error);
}

std::string PalmExportName(std::string_view source_path) {
  return FileNameWithExtension(source_path, "pdb");
}

std::string PalmImportName(std::string_view database_path, std::string_view extension) {
  std::string name = FileNameOf(database_path);
  if (name.size() >= 4 && name[name.size() - 4] == '.') name.resize(name.size() - 4);
  return name + "." + std::string(extension);
}

}  // namespace scorewick
