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
  Status saved = WritePalmStreamDatabase(stream, database_path);
  if (saved) return saved;
  return Status::Refused(
      database_path, {"Could not write the Palm database " + database_path + ": " + saved.reason,
                      "Error", MessageIcon::kExclamation});
}

// A stream read, told as a read of the database: where a damaged one
// broke, which file one of another version is.
Status StreamStatus(Status status, const std::string& database_path, const char* what) {
  if (status) return status;
  status.file = database_path;
  status.byte = -1;  // a place in the stream, not in the database file
  if (status.fault == Fault::kDamaged) {
    status.reason =
        "The " + std::string(what) + " in " + database_path + " is damaged: " + status.reason;
    status.messages.push_back({status.reason, "Load Error", MessageIcon::kExclamation});
  } else {
    status.reason =
        database_path + ": " +
        (status.messages.empty() ? std::string(what) + " refused" : status.messages.back().text);
    // A database of another version: which one, after the reader's words.
    if (status.fault == Fault::kBadVersion && !status.messages.empty()) {
      status.messages.back().text += "\n\n" + database_path;
    }
  }
  return status;
}

}  // namespace

Status ExportPalmTeam(Team& team, const std::string& database_path) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (Status encoded = EncodePalmTeamStream(team, stream); !encoded) {
    return Status::Refused(database_path, {encoded.reason, "Error", MessageIcon::kExclamation});
  }
  return WriteDatabase(stream, database_path);
}

Status ImportPalmTeam(Team& team, const std::string& database_path) {
  team.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (Status s = ExtractPalmStream(database_path, stream); !s) return s;
  return StreamStatus(DecodePalmTeamStream(stream, team), database_path, "Palm team");
}

Status ExportPalmGame(Game& game, const std::string& database_path) {
  game.file_path.set(database_path);
  std::vector<std::uint8_t> stream;
  if (Status encoded = WritePalmGameStream(game, stream); !encoded) {
    return Status::Refused(database_path, {encoded.reason, "Error", MessageIcon::kExclamation});
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
  return StreamStatus(ReadPalmGameStream(stream, game), database_path, "Palm game");
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
