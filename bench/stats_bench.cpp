// Counting statistics over 1000 game files against reading the same
// files' bytes into one reused buffer: one team of a four-team season,
// and every team of a 30-team league, read on every core and on one (wall-clock
// time: the games are read on worker threads).  The games are simulated once into
// a folder under the temporary folder and kept for later runs.  After the
// runs, the peak memory of the counting alone is printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench_season.h"
#include "ratio_reporter.h"
#include "stats/accumulate.h"

namespace {

using scorewick::bench::DecodeAll;
using scorewick::bench::ReadAllBytes;
using scorewick::bench::Season;

const Season& FourTeams() { return scorewick::bench::FourTeamSeason(); }
const Season& League() {
  static const Season s = scorewick::bench::MakeSeason("scorewick-bench-season-30", 30);
  return s;
}

void Count(benchmark::State& state, const Season& season, bool all_teams, int threads = 0) {
  for (auto _ : state) {
    scorewick::Stat stat;
    stat.team_name = season.team;
    stat.all_teams = all_teams;
    const scorewick::AccumulateReport report = scorewick::Accumulate(
        season.paths, stat, scorewick::Split::kAll, scorewick::Split::kAll, false, {}, threads);
    if (!report.refusals.empty()) state.SkipWithError("a game was refused");
    benchmark::DoNotOptimize(stat.batting.data());
    state.counters["rows"] = static_cast<double>(stat.batting.size());
  }
}

void BM_ReadBytesOneTeam(benchmark::State& state) { ReadAllBytes(state, FourTeams()); }
void BM_DecodeOneTeam(benchmark::State& state) { DecodeAll(state, FourTeams()); }
void BM_AccumulateOneTeam(benchmark::State& state) { Count(state, FourTeams(), false); }
void BM_ReadBytesLeague(benchmark::State& state) { ReadAllBytes(state, League()); }
void BM_AccumulateAllTeams(benchmark::State& state) { Count(state, League(), true); }
void BM_AccumulateAllTeamsOneThread(benchmark::State& state) { Count(state, League(), true, 1); }
BENCHMARK(BM_ReadBytesOneTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOneTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccumulateOneTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesLeague)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccumulateAllTeams)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccumulateAllTeamsOneThread)->UseRealTime()->Unit(benchmark::kMillisecond);

// The peak resident memory of a process that only counts the league.
long PeakCountingMemoryKb() {
  std::ofstream("/proc/self/clear_refs") << "5";  // resets the high-water mark
  scorewick::Stat stat;
  stat.all_teams = true;
  scorewick::Accumulate(League().paths, stat, scorewick::Split::kAll, scorewick::Split::kAll,
                        false);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  FourTeams();
  League();
  const int status = scorewick::bench::RunWithRatios(
      argc, argv,
      {{"BM_DecodeOneTeam/real_time", "BM_ReadBytesOneTeam/real_time"},
       {"BM_AccumulateOneTeam/real_time", "BM_ReadBytesOneTeam/real_time"},
       {"BM_AccumulateAllTeams/real_time", "BM_ReadBytesLeague/real_time"},
       {"BM_AccumulateAllTeamsOneThread/real_time", "BM_ReadBytesLeague/real_time"}});
  std::printf("peak resident memory while counting the league: %.1f MB\n",
              PeakCountingMemoryKb() / 1024.0);
  return status;
}
