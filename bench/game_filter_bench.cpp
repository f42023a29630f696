// A filtered statistics query over the 1000-game season against the same
// query unfiltered: the team's last 10 games, and one month of games.  The
// filter reads each game's headline (header and teams) and then only the
// games it leaves are counted; the filter alone is set against reading the
// files' bytes.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "bench_season.h"
#include "intake/game_headline.h"
#include "ratio_reporter.h"
#include "records/calendar_day.h"
#include "stats/accumulate.h"
#include "stats/game_filter.h"

namespace {

using scorewick::GameFilter;
using scorewick::bench::Season;

const Season& FourTeams() { return scorewick::bench::FourTeamSeason(); }

// The season's games the filter leaves (every game for an empty filter).
std::vector<std::string> Filtered(const Season& season, const GameFilter& filter) {
  if (!filter.Active()) return season.paths;
  std::vector<std::optional<scorewick::GameHeadline>> headlines;
  headlines.reserve(season.paths.size());
  for (const std::string& path : season.paths) {
    scorewick::GameHeadline h;
    if (scorewick::ReadGameHeadline(path, h))
      headlines.emplace_back(std::move(h));
    else
      headlines.emplace_back();
  }
  std::vector<std::string> left;
  for (const std::size_t i : scorewick::FilterGames(headlines, filter).kept)
    left.push_back(season.paths[i]);
  return left;
}

void Query(benchmark::State& state, const GameFilter& filter) {
  const Season& season = FourTeams();
  for (auto _ : state) {
    scorewick::Stat stat;
    stat.team_name = season.team;
    const std::vector<std::string> games = Filtered(season, filter);
    const scorewick::AccumulateReport report = scorewick::Accumulate(
        games, stat, scorewick::Split::kAll, scorewick::Split::kAll, false, {}, 0);
    if (!report.refusals.empty()) state.SkipWithError("a game was refused");
    benchmark::DoNotOptimize(stat.batting.data());
    state.counters["games"] = static_cast<double>(games.size());
  }
}

GameFilter LastTen() {
  GameFilter filter;
  filter.team = FourTeams().team;
  filter.last = 10;
  return filter;
}

GameFilter OneMonth() {
  GameFilter filter;
  filter.from = scorewick::ParseCalendarDay("2024-06-01");
  filter.to = scorewick::ParseCalendarDay("2024-06-30");
  return filter;
}

void BM_ReadBytes(benchmark::State& state) { scorewick::bench::ReadAllBytes(state, FourTeams()); }
void BM_Unfiltered(benchmark::State& state) { Query(state, GameFilter{}); }
void BM_LastTen(benchmark::State& state) { Query(state, LastTen()); }
void BM_OneMonth(benchmark::State& state) { Query(state, OneMonth()); }
void BM_FilterAlone(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Filtered(FourTeams(), LastTen()).data());
}
BENCHMARK(BM_ReadBytes)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unfiltered)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LastTen)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneMonth)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterAlone)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_LastTen/real_time", "BM_Unfiltered/real_time"},
                                          {"BM_OneMonth/real_time", "BM_Unfiltered/real_time"},
                                          {"BM_FilterAlone/real_time", "BM_ReadBytes/real_time"}});
}
