#include "interop/retrosheet_export.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "intake/game_headline.h"
#include "interop/retrosheet_event_files.h"
#include "records/file_io.h"
#include "records/game_file.h"
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

// A message of the summary: a file refused (or kept, or a game noted).
ImportRefusal Message(std::string file, std::string game, std::string reason, bool kept = false,
                      bool note = false) {
  ImportRefusal r;
  r.file = std::move(file);
  r.game = std::move(game);
  r.reason = std::move(reason);
  r.kept = kept;
  r.note = note;
  return r;
}

// What the format could not carry of a game, in words.
std::string LostText(const std::vector<std::string>& lost) {
  std::string text = "Retrosheet's files have no place for ";
  for (std::size_t l = 0; l < lost.size(); ++l) {
    text += (l == 0 ? "" : l + 1 == lost.size() ? " and " : ", ") + lost[l];
  }
  return text;
}

// The games' headlines, which plan their ids and order: those read, and
// for each the index of its game in the request.  The heads are read on
// as many threads as the games are written on, each taking every n-th
// game; request.choose then leaves out the games not chosen.  A game
// whose headline cannot be read is refused.  False when choose declined.
bool ReadHeadlines(const RetrosheetExportRequest& request, std::vector<GameHeadline>& headlines,
                   std::vector<std::size_t>& game_of, ExportSummary& summary) {
  const std::vector<std::string>& games = request.games;
  std::vector<std::optional<GameHeadline>> read(games.size());
  std::vector<Status> status(games.size());
  const std::size_t threads =
      std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
  const auto read_every = [&](std::size_t first) {
    for (std::size_t i = first; i < games.size(); i += threads) {
      GameHeadline h;
      status[i] = ReadGameHeadline(games[i], h);
      if (status[i]) read[i] = std::move(h);
    }
  };
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads && t < games.size(); ++t) helpers.emplace_back(read_every, t);
  read_every(0);
  for (std::thread& h : helpers) h.join();
  std::vector<bool> chosen(games.size(), true);
  if (request.choose && !request.choose(read, chosen)) return false;
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (!chosen[i]) continue;
    if (!status[i]) {
      ++summary.games_refused;
      summary.messages.push_back(Message(FileNameOf(games[i]), {}, status[i].reason));
      continue;
    }
    headlines.push_back(std::move(*read[i]));
    game_of.push_back(i);
  }
  return true;
}

// The games go through in their planned order, a window of them at a
// time: each read and its players listed on any thread, named one after
// the other on this one (ids stay stable from game to game), written and
// checked on the thread that read it, and kept in order here, which frees
// its room for the next game that thread reads.  A game stays with the
// thread that read it: its memory is then still in that processor's
// cache when it is written, and no room ever passes from one processor to
// another.  No thread waits for the others at the end of a window:
// whoever is free takes what there is.
class ExportPipeline {
 public:
  ExportPipeline(const std::vector<std::string>& games, const std::vector<std::size_t>& game_of,
                 RetrosheetEventFiles& events, ExportSummary& summary)
      : games_(games),
        game_of_(game_of),
        events_(events),
        summary_(summary),
        order_(events.order()),
        total_(order_.size()),
        threads_(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads)),
        slots_(threads_ * kSlotsPerThread),
        scratch_(threads_),
        free_(threads_),
        to_write_(threads_),
        slot_of_(total_, 0),
        stage_(total_, Stage::kWaiting) {
    for (std::size_t t = 0; t < threads_; ++t) {
      for (std::size_t k = 0; k < kSlotsPerThread; ++k) free_[t].push_back(t * kSlotsPerThread + k);
    }
  }

  // All the games through; false when progress asked to stop.
  bool Run(const ImportProgress& progress);

 private:
  // A game in hand: read, named, written, then kept.
  struct Slot {
    Game game;
    RetrosheetEventFiles::PreparedGame prepared;
    ExportedGame written;
    std::string refusal;
  };
  enum class Stage : std::uint8_t { kWaiting, kTaken, kRead, kToWrite, kDone };
  // Games a thread keeps in hand: enough that no thread waits for the
  // naming, few enough that a game's memory stays in the cache between
  // its reading and its writing.
  static constexpr std::size_t kSlotsPerThread = 4;

  Slot& SlotOf(std::size_t j) { return slots_[slot_of_[j]]; }
  std::size_t OwnerOf(std::size_t j) const { return slot_of_[j] / kSlotsPerThread; }
  bool WorkOnce(std::unique_lock<std::mutex>& lock, std::size_t thread);
  void WriteOne(std::unique_lock<std::mutex>& lock, std::size_t thread);
  void ReadOne(std::unique_lock<std::mutex>& lock, std::size_t thread);
  void Helper(std::size_t thread);
  bool GoOn(std::unique_lock<std::mutex>& lock, const ImportProgress& progress);
  void Name(std::unique_lock<std::mutex>& lock);
  void Keep(std::size_t j);

  const std::vector<std::string>& games_;
  const std::vector<std::size_t>& game_of_;
  RetrosheetEventFiles& events_;
  ExportSummary& summary_;
  const std::vector<std::size_t>& order_;
  const std::size_t total_;
  const std::size_t threads_;
  std::vector<Slot> slots_;  // kSlotsPerThread for each thread, in turn
  std::vector<ByteBuffer> scratch_;
  std::vector<std::vector<std::size_t>> free_;     // each thread's rooms not in use
  std::vector<std::deque<std::size_t>> to_write_;  // each thread's games named
  std::vector<std::size_t> slot_of_;               // each game's room, once read
  std::vector<Stage> stage_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t next_read_ = 0;  // the next game to read
  std::size_t named_ = 0;      // games named so far
  std::size_t kept_ = 0;       // games kept so far: their rooms are free
  bool stop_ = false;
};

// Writes and checks the thread's next game to write, the lock let go
// meanwhile.
void ExportPipeline::WriteOne(std::unique_lock<std::mutex>& lock, std::size_t thread) {
  const std::size_t j = to_write_[thread].front();
  to_write_[thread].pop_front();
  lock.unlock();
  Slot& s = SlotOf(j);
  if (Status written = RetrosheetEventFiles::Write(s.game, s.prepared, s.written); !written) {
    s.refusal = "cannot be written: " + written.reason;
  }
  lock.lock();
  stage_[j] = Stage::kDone;
  changed_.notify_all();
}

// Reads the next game into a room of the thread's and lists its players,
// the lock let go meanwhile.
void ExportPipeline::ReadOne(std::unique_lock<std::mutex>& lock, std::size_t thread) {
  const std::size_t j = next_read_++;
  stage_[j] = Stage::kTaken;
  slot_of_[j] = free_[thread].back();
  free_[thread].pop_back();
  lock.unlock();
  Slot& s = SlotOf(j);
  s.refusal.clear();
  if (Status loaded = LoadGame(games_[game_of_[order_[j]]], s.game, &scratch_[thread]); !loaded) {
    s.refusal = loaded.reason;
  } else {
    RetrosheetEventFiles::Gather(s.game, s.prepared);
  }
  lock.lock();
  stage_[j] = Stage::kRead;
  changed_.notify_all();
}

// One piece of work for the thread, taken under the lock: a game of its
// to write first (its room is wanted back), else one to read into a room
// of its.  False when there is none now.
bool ExportPipeline::WorkOnce(std::unique_lock<std::mutex>& lock, std::size_t thread) {
  if (!to_write_[thread].empty()) {
    WriteOne(lock, thread);
    return true;
  }
  if (stop_ || next_read_ >= total_ || free_[thread].empty()) return false;
  ReadOne(lock, thread);
  return true;
}

void ExportPipeline::Helper(std::size_t thread) {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_ && kept_ < total_) {
    if (!WorkOnce(lock, thread)) changed_.wait(lock);
  }
}

// Names the next game read (its clubs and players), the lock let go
// meanwhile: it is to be written then, or is refused.
void ExportPipeline::Name(std::unique_lock<std::mutex>& lock) {
  const std::size_t j = named_++;
  lock.unlock();
  Slot& s = SlotOf(j);
  bool write = false;
  if (s.refusal.empty()) {
    const Status prepared = events_.Prepare(order_[j], s.game, s.prepared);
    write = prepared.ok;
    if (!write) s.refusal = "cannot be written: " + prepared.reason;
  }
  lock.lock();
  stage_[j] = write ? Stage::kToWrite : Stage::kDone;
  if (write) to_write_[OwnerOf(j)].push_back(j);
  changed_.notify_all();
}

// Puts a game written into its event file, or counts it refused.
void ExportPipeline::Keep(std::size_t j) {
  Slot& s = SlotOf(j);
  const std::size_t p = order_[j];
  const std::string name = FileNameOf(games_[game_of_[p]]);
  const std::string& id = events_.GameId(p);
  if (!s.refusal.empty()) {
    ++summary_.games_refused;
    summary_.messages.push_back(Message(name, id, s.refusal));
    return;
  }
  events_.Keep(s.prepared, s.game, s.written);
  if (!s.written.lost.empty()) {
    ++summary_.games_noted;
    summary_.messages.push_back(Message(name, id, LostText(s.written.lost), false, true));
  }
}

// Asks progress whether to go on, at the start of each window of games
// (the lock let go meanwhile); told to stop, the other threads stop too.
bool ExportPipeline::GoOn(std::unique_lock<std::mutex>& lock, const ImportProgress& progress) {
  if (!progress || named_ % slots_.size() != 0) return true;
  const auto done = static_cast<int>(named_);
  lock.unlock();
  const bool go_on = progress(done, static_cast<int>(total_));
  lock.lock();
  if (!go_on) {
    stop_ = true;
    changed_.notify_all();
  }
  return go_on;
}

bool ExportPipeline::Run(const ImportProgress& progress) {
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads_ && total_ > 0; ++t) {
    helpers.emplace_back([this, t] { Helper(t); });
  }
  {
    std::unique_lock<std::mutex> lock(mutex_);
    while (kept_ < total_) {
      if (kept_ < named_ && stage_[kept_] == Stage::kDone) {
        lock.unlock();
        Keep(kept_);
        lock.lock();
        free_[OwnerOf(kept_)].push_back(slot_of_[kept_]);
        ++kept_;
        changed_.notify_all();
      } else if (named_ < total_ && stage_[named_] == Stage::kRead) {
        if (!GoOn(lock, progress)) break;
        Name(lock);
      } else if (!WorkOnce(lock, 0)) {
        changed_.wait(lock);
      }
    }
  }
  for (std::thread& h : helpers) h.join();
  return !stop_;
}

// The files, written together: each checked first as every command that
// writes checks its output.
void WriteFiles(const RetrosheetExportRequest& request, const RetrosheetEventFiles& events,
                ExportSummary& summary) {
  FileBatch batch;
  std::vector<std::string> in_batch;
  const std::string folder =
      request.output_folder.empty() ? std::string(".") : request.output_folder;
  const BatchOutput run{folder, request.games, request.force};
  for (const RetrosheetEventFiles::FileText& f : events.FileTexts()) {
    const std::string& file = f.name;
    const std::string path = Joined(request.output_folder, file);
    bool kept = false;
    // An event file is written from its games' records as they are held.
    const std::string_view whole = f.text;
    const std::span<const std::string_view> pieces =
        f.pieces.empty() ? std::span(&whole, 1) : std::span(f.pieces);
    const Status added = AddOutputToBatch(batch, run, path, pieces, FileContent::kText, kept);
    if (added) {
      in_batch.push_back(path);
      continue;
    }
    summary.messages.push_back(Message(file, {}, kept ? added.detail : added.reason, kept));
    const int held = IsEventFile(file) ? static_cast<int>(events.GamesOf(file).size()) : 0;
    if (kept) {
      ++summary.files_kept;
      summary.games_kept += held;
    } else {
      summary.games_refused += held;
    }
  }
  std::vector<Status> failed;
  const Status committed = batch.Commit(&failed);
  for (const std::string& path : in_batch) {
    const auto f =
        std::find_if(failed.begin(), failed.end(), [&](const Status& s) { return s.file == path; });
    const bool renamed = f == failed.end() && (committed || !failed.empty());
    const std::string file = FileNameOf(path);
    const int held = IsEventFile(file) ? static_cast<int>(events.GamesOf(file).size()) : 0;
    if (renamed) {
      summary.files_written.push_back(path);
      summary.games_written += held;
      continue;
    }
    summary.messages.push_back(Message(file, {}, f != failed.end() ? f->reason : committed.reason));
    summary.games_refused += held;
  }
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
  std::vector<GameHeadline> headlines;
  std::vector<std::size_t> game_of;  // planned index -> index in request.games
  if (!ReadHeadlines(request, headlines, game_of, summary)) {
    summary.declined = true;
    return summary;
  }
  RetrosheetEventFiles events(headlines);
  for (std::size_t p = 0; p < headlines.size(); ++p) {
    if (Status placed = events.Placed(p); !placed) {
      ++summary.games_refused;
      summary.messages.push_back(Message(FileNameOf(request.games[game_of[p]]), {}, placed.reason));
    }
  }
  ExportPipeline pipeline(request.games, game_of, events, summary);
  if (!pipeline.Run(progress)) {
    summary.cancelled = true;
    summary.messages.clear();
    summary.games_refused = 0;
    return summary;
  }
  const auto total = static_cast<int>(events.order().size());
  if (progress) progress(total, total);
  WriteFiles(request, events, summary);
  return summary;
}

std::vector<std::string> PlannedExportFileNames(const std::vector<std::string>& games) {
  std::vector<GameHeadline> headlines;
  for (const std::string& path : games) {
    if (GameHeadline h; ReadGameHeadline(path, h)) headlines.push_back(std::move(h));
  }
  return PlannedExportFiles(headlines);
}

}  // namespace scorewick::interop
