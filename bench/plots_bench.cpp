// Collecting the spray chart's points and the pitch chart's figures over
// 1000 game files against reading the same games (bytes read and decoded
// into one reused game), and against reading the bytes alone.  The games
// are simulated once into a folder under the temporary folder (the same
// season the statistics benchmark uses) and kept for later runs.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_season.h"
#include "ratio_reporter.h"
#include "stats/pitcher_info.h"
#include "stats/scatter_info.h"

namespace {

const std::vector<std::string>& Paths() { return scorewick::bench::FourTeamSeason().paths; }

void BM_ReadBytes(benchmark::State& state) {
  scorewick::bench::ReadAllBytes(state, scorewick::bench::FourTeamSeason());
}
void BM_ReadGames(benchmark::State& state) {
  scorewick::bench::DecodeAll(state, scorewick::bench::FourTeamSeason());
}

// What the Scatter Plots window does on opening: read, list the players,
// collect every point.
void BM_SprayPoints(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::ScatterInfo info;
    info.games = Paths();
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
    info.games = Paths();
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
