// The box score of one simulated nine-inning game from its file (load, the
// two teams counted by the statistics engine, every line built) against
// loading the game alone.  The target is at most twice the load.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/box_score.h"
#include "sim/sample_teams.h"
#include "sim/simulator.h"

namespace {

const std::string& GamePath() {
  static const std::string path = [] {
    const std::vector<scorewick::Team> teams = scorewick::sim::SampleTeams();
    scorewick::Game game;
    std::string error;
    if (!scorewick::sim::SimulateGame(teams[0], teams[1], scorewick::sim::GameSetup{}, game,
                                      &error))
      std::abort();
    std::string p = (std::filesystem::temp_directory_path() / "scorewick-bench-box.gam").string();
    if (!scorewick::SaveGame(p, game)) std::abort();
    const scorewick::reports::BoxScore box =
        scorewick::reports::MakeBoxScore(game, scorewick::StatRules{});
    std::printf("game file: %lld bytes, %zu box score lines\n",
                static_cast<long long>(scorewick::FileLength(p)), box.lines().size());
    return p;
  }();
  return path;
}

void BM_LoadGame(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::Game game;
    if (!scorewick::LoadGame(GamePath(), game).ok) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(&game);
  }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

void BM_BoxScore(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::Game game;
    if (!scorewick::LoadGame(GamePath(), game).ok) state.SkipWithError("load failed");
    const scorewick::reports::BoxScore box =
        scorewick::reports::MakeBoxScore(game, scorewick::StatRules{});
    benchmark::DoNotOptimize(box.lines().data());
  }
}
BENCHMARK(BM_BoxScore)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(argc, argv, {{"BM_BoxScore", "BM_LoadGame"}});
}
