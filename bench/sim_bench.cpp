// Generating and writing a season of 1000 simulated games, against writing
// 1000 files of the same sizes with no simulation (the same atomic writes).
// The target is well under 10 seconds for the season on a 2-core machine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "ratio_reporter.h"
#include "records/file_io.h"
#include "sim/sample_teams.h"
#include "sim/season.h"

namespace {

namespace fs = std::filesystem;
constexpr int kGames = 1000;

fs::path Folder(const char* name) {
  fs::path dir = fs::temp_directory_path() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::vector<std::uintmax_t>& FileSizes() {
  static std::vector<std::uintmax_t> sizes;
  return sizes;
}

void BM_GenerateAndWrite1000Games(benchmark::State& state) {
  const std::vector<scorewick::Team> teams = scorewick::sim::SampleTeams();
  const auto schedule =
      scorewick::sim::MakeSchedule(teams, kGames, scorewick::scoring::LeagueRules{}, 7);
  const fs::path dir = Folder("scorewick-sim-bench-games");
  std::string error;
  for (auto _ : state) {
    if (!scorewick::sim::WriteSeason(teams, schedule, dir.string(), &error))
      state.SkipWithError(error.c_str());
  }
  FileSizes().clear();
  std::uintmax_t total = 0;
  for (int i = 0; i < kGames; ++i) {
    FileSizes().push_back(fs::file_size(dir / scorewick::sim::GameFileName(i)));
    total += FileSizes().back();
  }
  state.counters["MB"] = static_cast<double>(total) / 1e6;
  std::printf("1000 games: %.1f MB\n", static_cast<double>(total) / 1e6);
  fs::remove_all(dir);
}
BENCHMARK(BM_GenerateAndWrite1000Games)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_Write1000FilesOfTheSameSizes(benchmark::State& state) {
  const fs::path dir = Folder("scorewick-sim-bench-plain");
  std::vector<std::uint8_t> bytes;
  std::string error;
  for (auto _ : state) {
    for (int i = 0; i < kGames; ++i) {
      const std::size_t size = i < static_cast<int>(FileSizes().size())
                                   ? FileSizes()[static_cast<std::size_t>(i)]
                                   : 100000;
      bytes.assign(size, static_cast<std::uint8_t>(i));
      const std::string path = (dir / scorewick::sim::GameFileName(i)).string();
      if (const scorewick::Status s = scorewick::WriteFileAtomically(path, bytes); !s)
        state.SkipWithError(s.reason.c_str());
    }
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_Write1000FilesOfTheSameSizes)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(
      argc, argv,
      {{"BM_GenerateAndWrite1000Games/iterations:1/real_time",
        "BM_Write1000FilesOfTheSameSizes/iterations:1/real_time"}});
}
