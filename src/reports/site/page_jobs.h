#pragma once
// The season's pages are made once every game is counted, from tables no
// page changes: a few hundred pages (a page per player, each with his game
// log and charts) that are made on every core at once and handed to the
// sink in the order they were listed, on the caller's thread, while the
// other threads go on making the pages after them.

#include <functional>
#include <vector>

#include "reports/site/season_site.h"

namespace scorewick::site {

// Makes one or more pages and hands each to the sink it is given.
using PageJob = std::function<void(const SiteSink&)>;

// Runs every job on up to `threads` threads, the caller's among them, and
// hands the pages to sink in job order (within a job, in the order it
// made them), on the caller's thread.  threads below 2 runs them in turn.
void RunPageJobs(const std::vector<PageJob>& jobs, int threads, const SiteSink& sink);

}  // namespace scorewick::site
