#include "records/game_feed.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace scorewick {
namespace {

constexpr int kMaxThreads = 8;

// One place for a game in hand, reused for the list's games in turn.
struct Slot {
  GameIntake intake;
  FedGame fed;
  bool ready = false;
};

// Takes in the file at fed.index into the slot (refused, other teams, or
// decoded and made).
void TakeIn(const std::string& path, const FeedOptions& options, Slot& slot) {
  FedGame& fed = slot.fed;
  fed.refusal.reset();
  fed.other_teams = false;
  fed.made.clear();
  fed.messages.clear();
  slot.intake.TakePriorFormat(options.prior_format);
  try {
    fed.refusal = slot.intake.ReadFor(path, options.team);
    if (fed.refusal) return;
    if (slot.intake.other_teams()) {
      fed.other_teams = true;
      return;
    }
    fed.refusal = slot.intake.Decode(fed.game);
    fed.messages = slot.intake.messages();
    if (!fed.refusal && options.make) options.make(fed);
  } catch (const std::exception& e) {
    // Out of memory, most likely: this game is refused, the others go on.
    fed.refusal = GameRefusal{GameRefusal::Kind::kUnreadable, path, e.what()};
  }
}

// The shared state of a feed run on worker threads.
class Feed {
 public:
  Feed(const std::vector<std::string>& paths, const FeedOptions& options, int threads)
      : paths_(paths), options_(options), slots_(static_cast<std::size_t>(threads + 1)) {
    for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { Work(); });
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
        ready_.wait(lock, [&] { return slot.ready; });
      }
      const bool go_on = take(slot.fed);
      {
        std::lock_guard lock(mutex_);
        slot.ready = false;
        handed_ = i + 1;
        if (!go_on) stop_ = true;
      }
      work_.notify_all();
      if (!go_on) return false;
    }
    return true;
  }

 private:
  void Work() {
    for (;;) {
      std::size_t i;
      {
        std::unique_lock lock(mutex_);
        // A game is begun only when its slot's earlier game has been handed over.
        work_.wait(lock, [&] {
          return stop_ || next_ >= paths_.size() || next_ < handed_ + slots_.size();
        });
        if (stop_ || next_ >= paths_.size()) return;
        i = next_++;
      }
      Slot& slot = slots_[i % slots_.size()];
      slot.fed.index = i;
      TakeIn(paths_[i], options_, slot);
      {
        std::lock_guard lock(mutex_);
        slot.ready = true;
      }
      ready_.notify_one();
    }
  }

  const std::vector<std::string>& paths_;
  const FeedOptions& options_;
  std::vector<Slot> slots_;
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
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxThreads);
}

bool FeedGames(const std::vector<std::string>& paths, const FeedOptions& options,
               const std::function<bool(FedGame&)>& take) {
  const int threads = FeedThreads(options.threads);
  if (threads <= 1 || paths.size() <= 1) {
    auto slot = std::make_unique<Slot>();
    for (std::size_t i = 0; i < paths.size(); ++i) {
      slot->fed.index = i;
      TakeIn(paths[i], options, *slot);
      if (!take(slot->fed)) return false;
    }
    return true;
  }
  Feed feed(paths, options, threads);
  return feed.Run(take);
}

}  // namespace scorewick
