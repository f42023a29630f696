// The scorewick command as a person runs it, each run a process of its own
// (wall-clock time, standard output thrown away), against baselines
// measured in the same run:
//   - start: `scorewick inspect TEAM.tem` against a trivial C program
//     compiled with the benchmarks (target: at most 3x);
//   - the box scores of a whole 1000-game season as text in one run,
//     against reading the same files' bytes (at most 3x), and again into
//     a folder, a file a game (at most 3x), beside writing the same files
//     as the command writes them (each beside its name, one sync, the
//     renames) after reading the games: what the file system asks alone;
//   - one team's statistics over the whole season folder, against reading
//     only that team's game files (at most 2x);
//   - every team's statistics, against reading every file (at most 1.5x);
//   - the last three on every core of the machine, and again on one
//     thread, to show what every core gains.
// Each is run five times and its median taken (unless the command line
// asks otherwise): a run of a few hundred milliseconds on a shared machine
// varies by a third from one to the next.  After the runs, the peak memory
// of each scorewick run is printed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench_season.h"
#include "intake/game_intake.h"
#include "ratio_reporter.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "spawned_run.h"
#include "written_files.h"

namespace {

using scorewick::bench::peak_kb;
using scorewick::bench::Season;
using scorewick::bench::Spawn;

const Season& SeasonGames() { return scorewick::bench::FourTeamSeason(); }

// The season's games as a list file beside them.
const std::string& SeasonList() {
  static const std::string list = [] {
    const std::string path =
        (std::filesystem::path(SeasonGames().paths.front()).parent_path() / "season.txt").string();
    std::ofstream out(path);
    for (const std::string& g : SeasonGames().paths) out << g << '\n';
    return path;
  }();
  return list;
}

// The games the counted team plays in.
const Season& TeamGames() {
  static const Season games = [] {
    Season s;
    s.team = SeasonGames().team;
    scorewick::GameIntake intake;
    for (const std::string& g : SeasonGames().paths) {
      if (intake.ReadFor(g, s.team) && !intake.other_teams()) s.paths.push_back(g);
    }
    return s;
  }();
  return games;
}

const std::string& TeamFile() {
  static const std::string path = [] {
    std::vector<scorewick::Team> teams = scorewick::sim::SampleTeams();
    const std::string folder =
        (std::filesystem::temp_directory_path() / "scorewick-bench-teams").string();
    std::filesystem::create_directories(folder);
    std::string error;
    if (!scorewick::sim::WriteTeams(teams, folder, &error)) std::abort();
    return teams.front().file_path.str();
  }();
  return path;
}

// Every core the machine has, asked for outright: left to itself the
// program reads on the cores that are idle, and in a run of benchmarks the
// load average counts the benchmark's own earlier runs.
const char* EveryCore() {
  static const std::string cores =
      std::to_string(std::max(1u, std::thread::hardware_concurrency()));
  return cores.c_str();
}

void BM_TrivialProgram(benchmark::State& state) {
  for (auto _ : state) Spawn(state, {SCOREWICK_TRIVIAL_PROGRAM}, "trivial");
}
void BM_InspectTeam(benchmark::State& state) {
  for (auto _ : state) Spawn(state, {SCOREWICK_PROGRAM, "inspect", TeamFile()}, "inspect");
}
void BM_ReadSeasonBytes(benchmark::State& state) {
  scorewick::bench::ReadAllBytes(state, SeasonGames());
}
void BM_BoxScoresOfTheSeason(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state, {SCOREWICK_PROGRAM, "box", "--threads", EveryCore(), "--games-from", SeasonList()},
          "box");
  }
}
// The runs that write files each write into a folder of their own, and
// none is removed until every benchmark has run: a file system slows its
// making of files for a while after many were removed, and the runs would
// measure the cleaning up of those before them.
const std::string& FolderBase() {
  static const std::string base = scorewick::bench::EmptyFolder("scorewick-bench-folders");
  return base;
}
std::string NextFolder() {
  static int made = 0;
  return FolderBase() + "/run" + std::to_string(++made);
}

// The box scores of the season as files, written once by the command.
const scorewick::bench::WrittenFiles& BoxFiles() {
  static const scorewick::bench::WrittenFiles files = [] {
    const std::string folder = NextFolder();
    const std::string command = std::string(SCOREWICK_PROGRAM) + " box --games-from " +
                                SeasonList() + " --out-dir " + folder + " > /dev/null";
    if (std::system(command.c_str()) != 0) std::abort();
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      written.push_back(entry.path().string());
    }
    std::sort(written.begin(), written.end());
    return scorewick::bench::ReadWritten(written);
  }();
  return files;
}

void BM_BoxScoresIntoFolder(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state,
          {SCOREWICK_PROGRAM, "box", "--threads", EveryCore(), "--games-from", SeasonList(),
           "--out-dir", NextFolder()},
          "box into a folder");
  }
}
void BM_ReadSeasonWriteBoxFiles(benchmark::State& state) {
  scorewick::ByteBuffer buffer;
  for (auto _ : state) {
    if (!scorewick::bench::ReadEveryFile(state, SeasonGames(), buffer)) return;
    const std::string folder = NextFolder();
    std::filesystem::create_directory(folder);
    if (!scorewick::bench::WriteDurably(BoxFiles(), folder)) state.SkipWithError("write failed");
  }
}
void BM_ReadTeamBytes(benchmark::State& state) {
  scorewick::bench::ReadAllBytes(state, TeamGames());
}
void BM_TeamStatsOfTheSeason(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state,
          {SCOREWICK_PROGRAM, "stats", "--threads", EveryCore(), "--team", SeasonGames().team,
           "--games-from", SeasonList()},
          "team stats");
  }
  state.counters["team games"] = static_cast<double>(TeamGames().paths.size());
}
void BM_AllTeamsStatsOfTheSeason(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state,
          {SCOREWICK_PROGRAM, "stats", "--threads", EveryCore(), "--all-teams", "--games-from",
           SeasonList()},
          "all-teams stats");
  }
}
// The same three on one thread: what reading on every core gains.
void BM_BoxScoresOneThread(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state, {SCOREWICK_PROGRAM, "box", "--threads", "1", "--games-from", SeasonList()}, "box");
  }
}
void BM_TeamStatsOneThread(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(state,
          {SCOREWICK_PROGRAM, "stats", "--threads", "1", "--team", SeasonGames().team,
           "--games-from", SeasonList()},
          "team stats");
  }
}
void BM_AllTeamsStatsOneThread(benchmark::State& state) {
  for (auto _ : state) {
    Spawn(
        state,
        {SCOREWICK_PROGRAM, "stats", "--threads", "1", "--all-teams", "--games-from", SeasonList()},
        "all-teams stats");
  }
}

BENCHMARK(BM_TrivialProgram)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSeasonBytes)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxScoresOfTheSeason)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxScoresIntoFolder)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSeasonWriteBoxFiles)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTeamBytes)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamStatsOfTheSeason)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllTeamsStatsOfTheSeason)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxScoresOneThread)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamStatsOneThread)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllTeamsStatsOneThread)->UseRealTime()->Unit(benchmark::kMillisecond);

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
  SeasonList();
  TeamGames();
  TeamFile();
  BoxFiles();
  const int status =
      scorewick::bench::RunWithRatios(argc, argv,
                                      {{"BM_InspectTeam", "BM_TrivialProgram"},
                                       {"BM_BoxScoresOfTheSeason", "BM_ReadSeasonBytes"},
                                       {"BM_BoxScoresIntoFolder", "BM_ReadSeasonBytes"},
                                       {"BM_BoxScoresIntoFolder", "BM_ReadSeasonWriteBoxFiles"},
                                       {"BM_TeamStatsOfTheSeason", "BM_ReadTeamBytes"},
                                       {"BM_AllTeamsStatsOfTheSeason", "BM_ReadSeasonBytes"},
                                       {"BM_BoxScoresOneThread", "BM_ReadSeasonBytes"},
                                       {"BM_TeamStatsOneThread", "BM_ReadTeamBytes"},
                                       {"BM_AllTeamsStatsOneThread", "BM_ReadSeasonBytes"}});
  for (const auto& [name, kb] : peak_kb)
    std::printf("peak resident memory of %s: %.1f MB\n", name.c_str(), kb / 1024.0);
  std::error_code ec;
  std::filesystem::remove_all(FolderBase(), ec);
  return status;
}
