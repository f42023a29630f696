#include "intake/game_feed.h"

#include <stdlib.h>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace scorewick {
namespace {

constexpr int kMaxThreads = 8;

// One place for a game in hand, reused for the list's games in turn.
struct Slot {
  FedGame fed;
  bool ready = false;
};

// What one thread reads with: the file's bytes, and the game decoded from
// them when it is not handed over.  Reused from game to game, they stay
// in the cache of the core the thread runs on.
struct Reader {
  GameIntake intake;
  Game game;
};

// Reads the file at fed.index as far as its headline, and on when
// options.choose takes it and the team asked for plays; false when it is
// not read on (refused, left or of other teams).
bool ReadChosen(const std::string& path, const FeedOptions& options, Reader& reader, FedGame& fed) {
  GameHeadline headline;
  bool read = false;
  const Status taken = reader.intake.ReadIf(
      path,
      [&](const GameHeadline& game) {
        if (!options.choose(fed.index, game)) {
          fed.left = true;
        } else if (!options.team.empty() && game.home != options.team &&
                   game.visitor != options.team) {
          fed.other_teams = true;
        }
        return !fed.left && !fed.other_teams;
      },
      headline, read);
  if (read) fed.headline = std::move(headline);
  if (!taken) {
    fed.refusal = GameRefusal::Of(taken);
    fed.left = fed.other_teams = false;
  }
  return taken && !fed.left && !fed.other_teams;
}

// Takes in the file at fed.index into the slot (refused, left, other teams,
// or decoded and made).
void TakeIn(const std::string& path, const FeedOptions& options, Reader& reader, Slot& slot) {
  FedGame& fed = slot.fed;
  fed.refusal.reset();
  fed.other_teams = false;
  fed.left = false;
  fed.headline.reset();
  fed.made.clear();
  fed.messages.clear();
  reader.intake.TakePriorFormat(options.prior_format);
  try {
    if (options.choose) {
      if (!ReadChosen(path, options, reader, fed)) return;
    } else {
      if (Status read = reader.intake.ReadFor(path, options.team); !read) {
        fed.refusal = GameRefusal::Of(read);
        return;
      }
      if (reader.intake.other_teams()) {
        fed.other_teams = true;
        return;
      }
    }
    Game& game = options.hand_over ? fed.game : reader.game;
    const Status decoded = reader.intake.Decode(game);
    fed.messages = reader.intake.messages();
    if (!decoded) {
      fed.refusal = GameRefusal::Of(decoded);
    } else if (options.make) {
      options.make(game, fed);
    }
  } catch (const std::exception& e) {
    // Out of memory, most likely: this game is refused, the others go on.
    fed.refusal = GameRefusal{Fault::kNone, path, e.what()};
  }
}

// The shared state of a feed read by worker threads and the caller.  The
// games are begun in list order, each into the slot of its place in the
// ring, once that slot's earlier game has been handed over; the caller
// hands them over in list order and, while the next one is still being
// read, reads a later one itself rather than wait, so that it is never idle
// while there is reading to do (on two cores, one worker and the caller
// share the reading and the caller counts as well).
class Feed {
 public:
  Feed(const std::vector<std::string>& paths, const FeedOptions& options, int readers)
      : paths_(paths),
        options_(options),
        slots_(static_cast<std::size_t>(readers * SlotsPerReader(options))),
        readers_(static_cast<std::size_t>(readers)) {
    for (int t = 1; t < readers; ++t)
      workers_.emplace_back([this, t] { Work(readers_[static_cast<std::size_t>(t)]); });
  }
  ~Feed() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }

  bool Run(const std::function<bool(FedGame&)>& take) {
    for (std::size_t i = 0; i < paths_.size(); ++i) {
      Slot& slot = slots_[i % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        while (!slot.ready) {
          if (std::optional<std::size_t> j = Begin()) {
            lock.unlock();
            Read(*j, readers_[0]);
            lock.lock();
            slots_[*j % slots_.size()].ready = true;
          } else {
            ready_.wait(lock);
          }
        }
      }
      const bool go_on = take(slot.fed);
      {
        std::lock_guard lock(mutex_);
        slot.ready = false;
        handed_ = i + 1;
        if (!go_on) stop_ = true;
      }
      if (go_on) {
        work_.notify_one();
      } else {
        work_.notify_all();
        return false;
      }
    }
    return true;
  }

 private:
  // Games in hand per reader.  A handed-over game is held whole, so three:
  // with fewer, a reader waits on the other thread more often than the
  // processor's caches gain from holding fewer games.  What make drew from
  // a game is small, so eight: the readers run further ahead of the
  // caller and wait on it less.
  static int SlotsPerReader(const FeedOptions& options) { return options.hand_over ? 3 : 8; }

  // The next game to begin, when one may begin now (under the lock).
  std::optional<std::size_t> Begin() {
    if (stop_ || next_ >= paths_.size() || next_ >= handed_ + slots_.size()) return std::nullopt;
    return next_++;
  }

  void Read(std::size_t i, Reader& reader) {
    Slot& slot = slots_[i % slots_.size()];
    slot.fed.index = i;
    TakeIn(paths_[i], options_, reader, slot);
  }

  // A worker thread's loop, reading with its own reader.
  void Work(Reader& reader) {
    for (;;) {
      std::optional<std::size_t> i;
      {
        std::unique_lock lock(mutex_);
        work_.wait(lock, [&] { return stop_ || next_ >= paths_.size() || (i = Begin()); });
        if (!i) return;
      }
      Read(*i, reader);
      {
        std::lock_guard lock(mutex_);
        slots_[*i % slots_.size()].ready = true;
      }
      ready_.notify_one();
    }
  }

  const std::vector<std::string>& paths_;
  const FeedOptions& options_;
  std::vector<Slot> slots_;
  std::vector<Reader> readers_;  // the caller's first
  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable work_;   // a slot was freed, or the feed stops
  std::condition_variable ready_;  // a game is ready
  std::size_t next_ = 0;           // the next game to begin
  std::size_t handed_ = 0;         // games handed over
  bool stop_ = false;
};

}  // namespace

int FeedThreads(int threads) {
  if (threads > 0) return std::min(threads, kMaxThreads);
  int cores = static_cast<int>(std::thread::hardware_concurrency());
  double load = 0;
  if (::getloadavg(&load, 1) == 1) cores -= static_cast<int>(load + 0.5);
  return std::clamp(cores, 1, kMaxThreads);
}

bool FeedGames(const std::vector<std::string>& paths, const FeedOptions& options,
               const std::function<bool(FedGame&)>& take) {
  const int threads = FeedThreads(options.threads);
  if (threads <= 1 || paths.size() <= 1) {
    auto slot = std::make_unique<Slot>();
    auto reader = std::make_unique<Reader>();
    for (std::size_t i = 0; i < paths.size(); ++i) {
      slot->fed.index = i;
      TakeIn(paths[i], options, *reader, *slot);
      if (!take(slot->fed)) return false;
    }
    return true;
  }
  Feed feed(paths, options, threads);
  return feed.Run(take);
}

std::vector<std::optional<GameHeadline>> FeedHeadlines(const std::vector<std::string>& paths,
                                                       int threads) {
  FeedOptions options;
  options.threads = threads;
  options.choose = [](std::size_t, const GameHeadline&) { return false; };
  std::vector<std::optional<GameHeadline>> headlines(paths.size());
  FeedGames(paths, options, [&](FedGame& fed) {
    headlines[fed.index] = std::move(fed.headline);
    return true;
  });
  return headlines;
}

}  // namespace scorewick
