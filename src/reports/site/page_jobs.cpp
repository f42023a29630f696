#include "reports/site/page_jobs.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace scorewick::site {

void RunPageJobs(const std::vector<PageJob>& jobs, int threads, const SiteSink& sink) {
  if (threads < 2 || jobs.size() < 2) {
    for (const PageJob& job : jobs) job(sink);
    return;
  }
  using Pages = std::vector<std::pair<std::string, std::string>>;
  std::vector<Pages> made(jobs.size());
  std::vector<char> done(jobs.size(), 0);
  std::size_t next = 0;  // the first job no thread has taken
  std::mutex mutex;
  std::condition_variable finished;
  // Takes the next job and makes its pages; false when every job is taken.
  const auto work_once = [&](std::unique_lock<std::mutex>& lock) {
    if (next == jobs.size()) return false;
    const std::size_t i = next++;
    lock.unlock();
    Pages pages;
    jobs[i]([&pages](const std::string& path, const std::string& text) {
      pages.emplace_back(path, text);
    });
    lock.lock();
    made[i] = std::move(pages);
    done[i] = 1;
    finished.notify_all();
    return true;
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads && static_cast<std::size_t>(t) < jobs.size(); ++t) {
    helpers.emplace_back([&] {
      std::unique_lock<std::mutex> lock(mutex);
      while (work_once(lock)) {
      }
    });
  }
  std::unique_lock<std::mutex> lock(mutex);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    // The caller makes pages too while the one it is to hand over next is
    // still being made elsewhere.
    while (!done[i]) {
      if (!work_once(lock)) finished.wait(lock, [&] { return done[i] != 0; });
    }
    Pages pages = std::move(made[i]);
    lock.unlock();
    for (const auto& [path, text] : pages) sink(path, text);
    lock.lock();
  }
  lock.unlock();
  for (std::thread& h : helpers) h.join();
}

}  // namespace scorewick::site
