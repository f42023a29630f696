// Collecting the spray chart's points and the pitch chart's figures over
// 1000 game files against reading the same games (bytes read and decoded
// into one reused game), and against reading the bytes alone.  The games
// are simulated once into a folder under the temporary folder (the same
// season the statistics benchmark uses) and kept for later runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "stats/pitcher_info.h"
#include "stats/scatter_info.h"

namespace {

constexpr int kGames = 1000;

const std::vector<std::string>& Paths() {
  static const std::vector<std::string> paths = [] {
    const std::vector<scorewick::Team> teams = scorewick::sim::SampleTeams();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "scorewick-bench-season-4";
    std::vector<std::string> list;
    for (int i = 0; i < kGames; ++i)
      list.push_back((folder / scorewick::sim::GameFileName(i)).string());
    if (std::filesystem::exists(folder / "done")) return list;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::string error;
    const auto schedule =
        scorewick::sim::MakeSchedule(teams, kGames, scorewick::sim::LeagueRules{}, 5);
    if (!scorewick::sim::WriteSeason(teams, schedule, folder.string(), &error)) {
      std::fprintf(stderr, "cannot write the season: %s\n", error.c_str());
      std::abort();
    }
    std::ofstream(folder / "done") << "ok\n";
    return list;
  }();
  return paths;
}

void BM_ReadBytes(benchmark::State& state) {
  std::vector<std::uint8_t> buffer;
  for (auto _ : state) {
    for (const std::string& path : Paths()) {
      if (!scorewick::ReadWholeFile(path, buffer, nullptr)) state.SkipWithError("read failed");
      benchmark::DoNotOptimize(buffer.data());
    }
  }
}

void BM_ReadGames(benchmark::State& state) {
  std::vector<std::uint8_t> buffer;
  scorewick::Game game;
  scorewick::UserMessages messages;
  for (auto _ : state) {
    for (const std::string& path : Paths()) {
      scorewick::ReadWholeFile(path, buffer, nullptr);
      if (scorewick::DecodeGameFile(buffer, game, messages, nullptr) !=
          scorewick::GameReadResult::kOk) {
        state.SkipWithError("decode failed");
      }
      benchmark::DoNotOptimize(&game);
    }
  }
}

// What the Scatter Plots window does on opening: read, list the players,
// collect every point.
void BM_SprayPoints(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::ScatterInfo info;
    for (const std::string& path : Paths()) info.AddGame(path);
    if (!info.Load().refusals.empty()) state.SkipWithError("a game was refused");
    state.counters["points"] =
        static_cast<double>(info.on_base_points.size() + info.out_points.size());
  }
}

// What the Pitching Plots window does on opening: read, list the players,
// compute the figures over every pitch.
void BM_PitchFigures(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::PitcherInfo info;
    for (const std::string& path : Paths()) info.AddGame(path);
    if (!info.Load().refusals.empty()) state.SkipWithError("a game was refused");
    state.counters["pitches"] = static_cast<double>(info.Figures().total);
  }
}

BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SprayPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PitchFigures)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  Paths();
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_SprayPoints", "BM_ReadGames"},
                                          {"BM_PitchFigures", "BM_ReadGames"},
                                          {"BM_SprayPoints", "BM_ReadBytes"},
                                          {"BM_PitchFigures", "BM_ReadBytes"}});
}
