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

// Games written into the folder before they are made durable together.
constexpr std::size_t kBatchFiles = 512;

// Whether the team file at path holds this team already, whatever path it
// was saved under.
bool SameTeamThere(const std::string& path, Team team) {
  std::vector<std::uint8_t> there;
  if (!ReadWholeFile(path, there) || there.size() < kTeamPathOffset + PathText{}.bytes.size()) {
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
  auto count = [](int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  std::string line = count(static_cast<int>(games_written.size()), "game", "games") + " written";
  if (games_noted > 0) line += " (" + std::to_string(games_noted) + " with notes)";
  if (games_kept > 0) line += ", " + std::to_string(games_kept) + " kept as they were";
  line += ", " + std::to_string(games_refused) + " refused; " +
          count(static_cast<int>(teams_written.size()), "team file", "team files") + " written";
  if (teams_unchanged > 0)
    line += ", " + std::to_string(teams_unchanged) + " already there unchanged";
  if (teams_kept > 0) line += ", " + std::to_string(teams_kept) + " kept as they were";
  if (cancelled) line += "; stopped before the end";
  return line;
}

bool ImportSummary::RefusedAny() const {
  return std::any_of(refusals.begin(), refusals.end(),
                     [](const ImportRefusal& r) { return !r.note; });
}

ImportSummary ImportRetrosheet(const RetrosheetImportRequest& request,
                               const ImportProgress& progress) {
  ImportSummary summary;
  std::set<std::string> teams_done;
  const std::string& out = request.output_folder;
  const std::string folder = out.empty() ? std::string(".") : out;
  const BatchOutput run{folder, request.event_files, request.force};
  std::vector<std::uint8_t> bytes;
  // The files written are made durable a batch at a time: they count as
  // written once on the disk.
  FileBatch batch;
  std::vector<std::pair<std::string, bool>> in_batch;  // path, a game's
  const auto commit = [&](std::vector<ImportRefusal>& notes) {
    std::vector<Status> failed;
    const Status done = batch.Commit(&failed);
    for (const auto& entry : in_batch) {
      const std::string& path = entry.first;  // named apart: the search below takes it
      const bool game = entry.second;
      const auto f = std::find_if(failed.begin(), failed.end(),
                                  [&](const Status& s) { return s.file == path; });
      // A sync that failed renamed nothing; a rename that failed, its file.
      const bool renamed = f == failed.end() && (done || !failed.empty());
      if (renamed) {
        (game ? summary.games_written : summary.teams_written).push_back(path);
        continue;
      }
      notes.push_back({FileNameOf(path), 0, {}, f != failed.end() ? f->reason : done.reason});
      if (game) ++summary.games_refused;
    }
    in_batch.clear();
  };
  auto write = [&](const ScoredGame& scored) -> Taken {
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
        continue;
      }
      bool kept = false;
      if (Status added =
              AddOutputToBatch(batch, run, path, team_bytes, FileContent::kTeamFile, kept);
          !added) {
        summary.teams_kept += kept ? 1 : 0;
        scored.notes.push_back({FileNameOf(path), 0, {}, added.reason, kept});
      } else {
        in_batch.emplace_back(path, false);
      }
    }
    const std::string path = Joined(out, scored.origin.id + ".gam");
    scored.game.file_path.set(path);
    EncodeGameFile(scored.game, bytes);
    Taken written;
    written.status =
        AddOutputToBatch(batch, run, path, bytes, FileContent::kGameFile, written.kept);
    if (written.status) in_batch.emplace_back(path, true);
    if (batch.size() >= kBatchFiles) commit(scored.notes);
    return written;
  };
  GamesRead read = ReadRetrosheetGames(request.event_files, write, progress);
  commit(read.refusals);
  summary.games_kept = read.games_kept;
  summary.games_refused += read.games_refused;
  summary.games_noted = read.games_noted;
  summary.cancelled = read.cancelled;
  summary.refusals = std::move(read.refusals);
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
    if (!ReadWholeTextFile(path, text, kMaxRetrosheetFile)) continue;
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
