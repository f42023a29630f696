#include "interop/retrosheet_import.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "interop/retrosheet_records.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "records/path_names.h"
#include "records/team_file.h"

namespace scorewick::interop {
namespace {

namespace fs = std::filesystem;

// Where a team file keeps the path it was saved under.
constexpr std::size_t kTeamPathOffset = 4;

// Writes one output file, unless one is there and may not be written over.
// The one place the import decides that, so the command line and the
// desktop refuse alike.  Returns the reason it was not written, or empty.
std::string WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        FileContent content, const std::vector<std::string>& inputs, bool force) {
  if (!force) {
    if (FileExists(path)) {
      return FileNameOf(path) + " is already there (" + ContentName(ContentOfFile(path)) +
             "); --force writes over it";
    }
    if (std::string conflict = OutputConflict(inputs, path, content); !conflict.empty()) {
      return conflict;
    }
  }
  Status saved = SaveFile(path, bytes);
  return saved ? std::string() : saved.reason;
}

// Whether the team file at path holds this team already, whatever path it
// was saved under.
bool SameTeamThere(const std::string& path, Team team) {
  std::vector<std::uint8_t> there;
  if (!ReadWholeFile(path, there, nullptr) ||
      there.size() < kTeamPathOffset + PathText{}.bytes.size()) {
    return false;
  }
  std::copy_n(there.begin() + kTeamPathOffset, team.file_path.bytes.size(),
              team.file_path.bytes.begin());
  return there == EncodeTeamFile(team);
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : (fs::path(folder) / name).string();
}

}  // namespace

std::string ImportSummary::Line() const {
  const int games = static_cast<int>(games_written.size());
  const int teams = static_cast<int>(teams_written.size());
  std::string line = std::to_string(games) + " game" + (games == 1 ? "" : "s") + " written, " +
                     std::to_string(games_refused) + " refused; " + std::to_string(teams) +
                     " team file" + (teams == 1 ? "" : "s") + " written";
  if (teams_unchanged > 0)
    line += ", " + std::to_string(teams_unchanged) + " already there unchanged";
  if (cancelled) line += "; stopped before the end";
  return line;
}

ImportSummary ImportRetrosheet(const RetrosheetImportRequest& request,
                               const ImportProgress& progress) {
  ImportSummary summary;
  std::set<std::string> teams_done;
  const std::string& out = request.output_folder;
  std::vector<std::uint8_t> bytes;
  auto write = [&](const ScoredGame& scored) -> std::string {
    // The clubs' team files, before the first game that needs them.  The
    // games stand on their own (each holds both rosters), so a team file
    // that cannot be written refuses no game.
    for (const Club* club : {&scored.visitor, &scored.home}) {
      if (!teams_done.insert(club->code).second) continue;
      Team team = club->team;
      const std::string path = Joined(out, club->code + ".tem");
      team.file_path.set(path);
      const std::vector<std::uint8_t> team_bytes = EncodeTeamFile(team);
      if (SameTeamThere(path, team)) {
        ++summary.teams_unchanged;
      } else if (std::string failed = WriteOutput(path, team_bytes, FileContent::kTeamFile,
                                                  request.event_files, request.force);
                 !failed.empty()) {
        summary.refusals.push_back({FileNameOf(path), 0, {}, failed});
      } else {
        summary.teams_written.push_back(path);
      }
    }
    const std::string path = Joined(out, scored.origin.id + ".gam");
    scored.game.file_path.set(path);
    EncodeGameFile(scored.game, bytes);
    if (std::string failed =
            WriteOutput(path, bytes, FileContent::kGameFile, request.event_files, request.force);
        !failed.empty()) {
      return failed;
    }
    summary.games_written.push_back(path);
    return {};
  };
  GamesRead read = ReadRetrosheetGames(request.event_files, write, progress);
  summary.games_refused = read.games_refused;
  summary.cancelled = read.cancelled;
  summary.refusals.insert(summary.refusals.end(), read.refusals.begin(), read.refusals.end());
  return summary;
}

std::vector<std::string> PlannedImportFiles(const std::vector<std::string>& event_files) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  auto add = [&](const std::string& name) {
    if (seen.insert(name).second) names.push_back(name);
  };
  for (const std::string& path : event_files) {
    std::string text;
    if (!ReadWholeTextFile(path, text, nullptr, kMaxRetrosheetFile)) continue;
    for (const RetroRecord& r : ReadRecords(text)) {
      if (r.type() == "id" && r.at(1).size() == 12) add(std::string(r.at(1)) + ".gam");
      if (r.type() == "info" && (r.at(1) == "visteam" || r.at(1) == "hometeam") &&
          IsClubCode(r.at(2))) {
        add(std::string(r.at(2)) + ".tem");
      }
    }
  }
  return names;
}

}  // namespace scorewick::interop
