#include "interop/retrosheet_export.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
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
      summary.messages.push_back({FileNameOf(games[game_of[p]]), 0, {}, events.Placed(p).reason});
    }
  }
  // The games go through in their planned order, a window of them at a
  // time: read and their players listed on any thread, named one after the
  // other on this one (ids stay stable from game to game), written and
  // checked on any thread again, and kept in order here, which frees the
  // room of the game for the next one to read.  No thread waits for the
  // others at the end of a window: whoever is free takes what there is.
  const std::vector<std::size_t>& order = events.order();
  const std::size_t total = order.size();
  const std::size_t threads =
      std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
  struct Slot {
    Game game;
    RetrosheetEventFiles::PreparedGame prepared;
    ExportedGame written;
    std::string refusal;
  };
  std::vector<Slot> slots(std::min(threads * 4, total));
  std::vector<std::vector<std::uint8_t>> scratch(threads);
  enum class Stage : std::uint8_t { kWaiting, kTaken, kRead, kToWrite, kDone };
  std::vector<Stage> stage(total, Stage::kWaiting);
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next_read = 0;  // the next game to read
  std::size_t named = 0;      // games named so far
  std::size_t kept = 0;       // games kept so far: their slots are free
  std::deque<std::size_t> to_write;
  bool stop = false;
  auto slot_of = [&](std::size_t j) -> Slot& { return slots[j % slots.size()]; };
  // One piece of work for any thread, taken under the lock: a game to write
  // first (its room is wanted back), else one to read.  False when there
  // is none now.
  auto work_once = [&](std::unique_lock<std::mutex>& lock, std::size_t thread) {
    if (!to_write.empty()) {
      const std::size_t j = to_write.front();
      to_write.pop_front();
      lock.unlock();
      Slot& s = slot_of(j);
      if (Status written = RetrosheetEventFiles::Write(s.game, s.prepared, s.written); !written) {
        s.refusal = "cannot be written: " + written.reason;
      }
      lock.lock();
      stage[j] = Stage::kDone;
      changed.notify_all();
      return true;
    }
    if (stop || next_read >= total || next_read >= kept + slots.size()) return false;
    const std::size_t j = next_read++;
    stage[j] = Stage::kTaken;
    lock.unlock();
    Slot& s = slot_of(j);
    s.refusal.clear();
    if (Status loaded = LoadGame(games[game_of[order[j]]], s.game, &scratch[thread]); !loaded) {
      s.refusal = loaded.reason;
    } else {
      RetrosheetEventFiles::Gather(s.game, s.prepared);
    }
    lock.lock();
    stage[j] = Stage::kRead;
    changed.notify_all();
    return true;
  };
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads && total > 0; ++t) {
    helpers.emplace_back([&, t] {
      std::unique_lock<std::mutex> lock(mutex);
      while (!stop && kept < total) {
        if (!work_once(lock, t)) changed.wait(lock);
      }
    });
  }
  auto keep = [&](std::size_t j) {
    Slot& s = slot_of(j);
    const std::size_t p = order[j];
    const std::string name = FileNameOf(games[game_of[p]]);
    const std::string& id = events.GameId(p);
    if (!s.refusal.empty()) {
      ++summary.games_refused;
      summary.messages.push_back({name, 0, id, s.refusal});
      return;
    }
    events.Keep(s.prepared, s.game, s.written);
    const ExportedGame& out = s.written;
    if (!out.lost.empty()) {
      ++summary.games_noted;
      std::string text = "Retrosheet's files have no place for ";
      for (std::size_t l = 0; l < out.lost.size(); ++l) {
        text += (l == 0 ? "" : l + 1 == out.lost.size() ? " and " : ", ") + out.lost[l];
      }
      summary.messages.push_back({name, 0, id, text, false, true});
    }
  };
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (kept < total) {
      if (kept < named && stage[kept] == Stage::kDone) {
        lock.unlock();
        keep(kept);
        lock.lock();
        ++kept;
        changed.notify_all();
        continue;
      }
      if (named < total && stage[named] == Stage::kRead) {
        const std::size_t j = named++;
        lock.unlock();
        if (progress && j % slots.size() == 0 &&
            !progress(static_cast<int>(j), static_cast<int>(total))) {
          lock.lock();
          stop = true;
          changed.notify_all();
          break;
        }
        Slot& s = slot_of(j);
        bool write = false;
        if (s.refusal.empty()) {
          const Status prepared = events.Prepare(order[j], s.game, s.prepared);
          write = prepared.ok;
          if (!write) s.refusal = "cannot be written: " + prepared.reason;
        }
        lock.lock();
        stage[j] = write ? Stage::kToWrite : Stage::kDone;
        if (write) to_write.push_back(j);
        changed.notify_all();
        continue;
      }
      if (!work_once(lock, 0)) changed.wait(lock);
    }
  }
  for (std::thread& h : helpers) h.join();
  if (stop) {
    summary.cancelled = true;
    summary.messages.clear();
    summary.games_refused = 0;
    return summary;
  }
  if (progress) progress(static_cast<int>(total), static_cast<int>(total));
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
