#include "interop/retrosheet_export.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <set>
#include <thread>

#include "interop/retrosheet_event_files.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/game_headline.h"
#include "records/output_guard.h"
#include "records/path_names.h"

namespace scorewick::interop {
namespace {

std::string Joined(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : (std::filesystem::path(folder) / name).string();
}

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// More threads than this write no faster: the games are named on one.
constexpr std::size_t kMaxThreads = 8;

bool IsEventFile(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 3, ".EV") == 0;
}

// Runs work(thread, item) for items 0 .. count - 1 on the given number of
// threads, each taking the next item as it is free.
template <typename Work>
void OnThreads(std::size_t threads, std::size_t count, const Work& work) {
  std::atomic<std::size_t> next{0};
  auto run = [&](std::size_t thread) {
    for (std::size_t i = next++; i < count; i = next++) work(thread, i);
  };
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(run, t);
  run(0);
  for (std::thread& h : helpers) h.join();
}

}  // namespace

std::string ExportSummary::Line() const {
  int event_files = 0, rosters = 0, team_files = 0;
  for (const std::string& path : files_written) {
    const std::string name = FileNameOf(path);
    if (IsEventFile(name)) {
      ++event_files;
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ROS") == 0) {
      ++rosters;
    } else {
      ++team_files;
    }
  }
  std::string line = Count(games_written, "game", "games") + " written in " +
                     Count(event_files, "event file", "event files");
  if (games_noted > 0) line += " (" + std::to_string(games_noted) + " with notes)";
  if (games_kept > 0) line += ", " + std::to_string(games_kept) + " not written over";
  line += ", " + std::to_string(games_refused) + " refused; " +
          Count(rosters, "roster file", "roster files") + " and " +
          Count(team_files, "team file", "team files") + " written";
  if (files_kept > 0) line += ", " + Count(files_kept, "file", "files") + " kept as they were";
  if (cancelled) line += "; stopped before the end";
  return line;
}

bool ExportSummary::RefusedAny() const {
  return std::any_of(messages.begin(), messages.end(),
                     [](const ImportRefusal& r) { return !r.note; });
}

ExportSummary ExportRetrosheet(const RetrosheetExportRequest& request,
                               const ImportProgress& progress) {
  ExportSummary summary;
  const std::vector<std::string>& games = request.games;
  // The games' headlines plan their ids and order.
  std::vector<GameHeadline> headlines;
  std::vector<std::size_t> game_of;  // planned index -> index in request.games
  for (std::size_t i = 0; i < games.size(); ++i) {
    std::string why;
    std::optional<GameHeadline> h = ReadGameHeadline(games[i], &why);
    if (!h) {
      ++summary.games_refused;
      summary.messages.push_back({FileNameOf(games[i]), 0, {}, why});
      continue;
    }
    headlines.push_back(std::move(*h));
    game_of.push_back(i);
  }
  RetrosheetEventFiles events(headlines);
  for (std::size_t p = 0; p < headlines.size(); ++p) {
    if (events.GameId(p).empty()) {
      ++summary.games_refused;
      summary.messages.push_back({FileNameOf(games[game_of[p]]), 0, {}, events.WhyNot(p)});
    }
  }
  // The games are read a chunk at a time on as many threads as there are
  // cores, named in their planned order (ids stay stable from game to
  // game), written and checked on the threads again, and kept in order.
  const std::vector<std::size_t>& order = events.order();
  const int total = static_cast<int>(order.size());
  const std::size_t threads =
      std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
  const std::size_t chunk = threads * 16;
  std::vector<Game> read(chunk);
  std::vector<RetrosheetEventFiles::PreparedGame> prepared(chunk);
  std::vector<ExportedGame> written(chunk);
  std::vector<std::string> refusal(chunk);
  std::vector<char> to_write(chunk);
  std::vector<std::vector<std::uint8_t>> scratch(threads);
  int done = 0;
  for (std::size_t at = 0; at < order.size(); at += chunk) {
    const std::size_t n = std::min(chunk, order.size() - at);
    if (progress && !progress(done, total)) {
      summary.cancelled = true;
      summary.messages.clear();
      summary.games_refused = 0;
      return summary;
    }
    done += static_cast<int>(n);
    OnThreads(std::min(threads, n), n, [&](std::size_t thread, std::size_t i) {
      const std::size_t p = order[at + i];
      refusal[i].clear();
      to_write[i] = false;
      if (Status loaded = LoadGame(games[game_of[p]], read[i], &scratch[thread]); !loaded) {
        refusal[i] = loaded.reason;
      } else {
        RetrosheetEventFiles::Gather(read[i], prepared[i]);
      }
    });
    for (std::size_t i = 0; i < n; ++i) {
      if (!refusal[i].empty()) continue;
      if (!events.Prepare(order[at + i], read[i], prepared[i])) {
        refusal[i] = "cannot be written: " + prepared[i].why;
      } else {
        to_write[i] = true;
      }
    }
    OnThreads(std::min(threads, n), n, [&](std::size_t, std::size_t i) {
      if (!to_write[i]) return;
      std::string why;
      if (!RetrosheetEventFiles::Write(read[i], prepared[i], written[i], &why)) {
        refusal[i] = "cannot be written: " + why;
      }
    });
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t p = order[at + i];
      const std::string name = FileNameOf(games[game_of[p]]);
      const std::string& id = events.GameId(p);
      if (!refusal[i].empty()) {
        ++summary.games_refused;
        summary.messages.push_back({name, 0, id, refusal[i]});
        continue;
      }
      events.Keep(prepared[i], read[i], written[i]);
      const ExportedGame& out = written[i];
      if (!out.lost.empty()) {
        ++summary.games_noted;
        std::string text = "Retrosheet's files have no place for ";
        for (std::size_t l = 0; l < out.lost.size(); ++l) {
          text += (l == 0 ? "" : l + 1 == out.lost.size() ? " and " : ", ") + out.lost[l];
        }
        summary.messages.push_back({name, 0, id, text, false, true});
      }
    }
  }
  if (progress) progress(done, total);
  // The files, written together: each checked first as every command that
  // writes checks its output.
  FileBatch batch;
  std::vector<std::string> in_batch;
  const std::string folder =
      request.output_folder.empty() ? std::string(".") : request.output_folder;
  for (const auto& written_file : events.Files()) {
    // Named apart: the lambdas below take the name.
    const std::string& file = written_file.first;
    const std::string& text = written_file.second;
    const std::string path = Joined(request.output_folder, file);
    const bool event_file = IsEventFile(file);
    const std::vector<std::size_t> held =
        event_file ? events.GamesOf(file) : std::vector<std::size_t>{};
    auto not_written = [&](const std::string& reason, bool kept) {
      summary.messages.push_back({file, 0, {}, reason, kept});
      if (kept) {
        ++summary.files_kept;
        summary.games_kept += static_cast<int>(held.size());
      } else {
        summary.games_refused += static_cast<int>(held.size());
      }
    };
    if (std::string refusal = OutputRefusal(path); !refusal.empty()) {
      not_written(refusal, false);
      continue;
    }
    if (!request.force) {
      // A link counts as there, also one that leads nowhere.
      if (NameTaken(path)) {
        not_written("already there (" + OccupantName(path) + "): kept as it is", true);
        continue;
      }
      if (std::string conflict = OutputConflict(games, path, FileContent::kText);
          !conflict.empty()) {
        not_written(conflict, false);
        continue;
      }
    }
    // Nor, even when forced, a link that leads out of the folder or nowhere.
    if (std::string refusal = OutputRefusal(path, folder); !refusal.empty()) {
      not_written(refusal, false);
      continue;
    }
    const Status added = batch.Add(path, TextBytes(text));
    if (!added) {
      not_written(added.reason, false);
      continue;
    }
    in_batch.push_back(path);
  }
  std::vector<Status> failed;
  const Status committed = batch.Commit(&failed);
  for (const std::string& path : in_batch) {
    const auto f =
        std::find_if(failed.begin(), failed.end(), [&](const Status& s) { return s.file == path; });
    const bool renamed = f == failed.end() && (committed || !failed.empty());
    const std::string file = FileNameOf(path);
    if (renamed) {
      summary.files_written.push_back(path);
      if (IsEventFile(file)) summary.games_written += static_cast<int>(events.GamesOf(file).size());
      continue;
    }
    summary.messages.push_back({file, 0, {}, f != failed.end() ? f->reason : committed.reason});
    if (IsEventFile(file)) summary.games_refused += static_cast<int>(events.GamesOf(file).size());
  }
  return summary;
}

std::vector<std::string> PlannedExportFileNames(const std::vector<std::string>& games) {
  std::vector<GameHeadline> headlines;
  for (const std::string& path : games) {
    if (std::optional<GameHeadline> h = ReadGameHeadline(path)) headlines.push_back(std::move(*h));
  }
  return PlannedExportFiles(headlines);
}

}  // namespace scorewick::interop
