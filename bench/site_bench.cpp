// The season website published by the scorewick command, each run a
// process of its own (wall-clock time), against the box scores of the same
// games as HTML pages into a folder in one run, measured in the same run
// (target: at most 2x):
//   - a first publishing of every team's site into a new folder;
//   - publishing again into the folder of a run before with one game more,
//     which rewrites only the pages that changed;
//   - publishing again with nothing changed.
// The season is the simulated 1000 games of four teams (bench_season.h).
// A coach's own case is measured too: one team's 162-game season published
// against the box scores of those games (--team over the season's first
// 324 games, of which each team plays half).  Each is run five times and
// its median taken.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench_season.h"
#include "ratio_reporter.h"
#include "spawned_run.h"

namespace {

namespace fs = std::filesystem;
using scorewick::bench::peak_kb;
using scorewick::bench::Spawn;

const scorewick::bench::Season& SeasonGames() { return scorewick::bench::FourTeamSeason(); }

// A list of the season's games beside them, with or without the last.
std::string SeasonList(bool with_last) {
  const std::vector<std::string>& paths = SeasonGames().paths;
  const fs::path path =
      fs::path(paths.front()).parent_path() / (with_last ? "site-all.txt" : "site-less-one.txt");
  std::ofstream out(path);
  for (std::size_t i = 0; i + (with_last ? 0 : 1) < paths.size(); ++i) out << paths[i] << '\n';
  return path.string();
}

// A list of the season's first 324 games: a 162-game season of each team.
std::string TeamSeasonList() {
  const std::vector<std::string>& paths = SeasonGames().paths;
  const fs::path path = fs::path(paths.front()).parent_path() / "site-team.txt";
  std::ofstream out(path);
  for (std::size_t i = 0; i < 324 && i < paths.size(); ++i) out << paths[i] << '\n';
  return path.string();
}

constexpr const char* kTeam = "Ashford Millers";

std::string Scratch(const char* name) {
  return (fs::temp_directory_path() / (std::string("scorewick-bench-") + name)).string();
}

void BM_BoxScorePages(benchmark::State& state) {
  const std::string list = SeasonList(true), out = Scratch("box-pages");
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    Spawn(state,
          {SCOREWICK_PROGRAM, "box", "--format", "html", "--out-dir", out, "--games-from", list},
          "box pages");
  }
}

void BM_SiteFirstPublishing(benchmark::State& state) {
  const std::string list = SeasonList(true), out = Scratch("site-first");
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    Spawn(state, {SCOREWICK_PROGRAM, "site", "--all-teams", "-o", out, "--games-from", list},
          "site");
  }
}

void BM_SiteAfterOneGame(benchmark::State& state) {
  const std::string less = SeasonList(false), all = SeasonList(true), out = Scratch("site-again");
  for (auto _ : state) {
    state.PauseTiming();
    Spawn(state, {SCOREWICK_PROGRAM, "site", "--all-teams", "-o", out, "--games-from", less},
          "site");
    state.ResumeTiming();
    Spawn(state, {SCOREWICK_PROGRAM, "site", "--all-teams", "-o", out, "--games-from", all},
          "site");
  }
}

void BM_SiteUnchanged(benchmark::State& state) {
  const std::string all = SeasonList(true), out = Scratch("site-same");
  Spawn(state, {SCOREWICK_PROGRAM, "site", "--all-teams", "-o", out, "--games-from", all}, "site");
  for (auto _ : state) {
    Spawn(state, {SCOREWICK_PROGRAM, "site", "--all-teams", "-o", out, "--games-from", all},
          "site");
  }
}

void BM_TeamBoxScorePages(benchmark::State& state) {
  const std::string list = TeamSeasonList(), out = Scratch("team-box-pages");
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    Spawn(state,
          {SCOREWICK_PROGRAM, "box", "--format", "html", "--team", kTeam, "--out-dir", out,
           "--games-from", list},
          "team box pages");
  }
}

void BM_TeamSiteFirstPublishing(benchmark::State& state) {
  const std::string list = TeamSeasonList(), out = Scratch("team-site");
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    Spawn(state, {SCOREWICK_PROGRAM, "site", "--team", kTeam, "-o", out, "--games-from", list},
          "team site");
  }
}

BENCHMARK(BM_BoxScorePages)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SiteFirstPublishing)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SiteAfterOneGame)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SiteUnchanged)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamBoxScorePages)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamSiteFirstPublishing)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  if (std::none_of(args.begin(), args.end(), [](const char* a) {
        return std::string_view(a).starts_with("--benchmark_repetitions");
      })) {
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
  }
  argc = static_cast<int>(args.size());
  args.push_back(nullptr);
  argv = args.data();
  SeasonGames();
  const int status =
      scorewick::bench::RunWithRatios(argc, argv,
                                      {{"BM_SiteFirstPublishing", "BM_BoxScorePages"},
                                       {"BM_SiteAfterOneGame", "BM_BoxScorePages"},
                                       {"BM_SiteUnchanged", "BM_BoxScorePages"},
                                       {"BM_TeamSiteFirstPublishing", "BM_TeamBoxScorePages"}});
  for (const auto& [name, kb] : peak_kb)
    std::printf("peak resident memory of %s: %.1f MB\n", name.c_str(), kb / 1024.0);
  return status;
}
