// A player's game log and a team's pitcher workload over the 1000 game
// files of the four-team season, against reading the same files' bytes
// (wall-clock time: the games are read on worker threads).  The log with
// his team named reads other teams' games only as far as their teams; the
// log without a team looks for him in every game.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_season.h"
#include "intake/game_feed.h"
#include "ratio_reporter.h"
#include "stats/game_log.h"
#include "stats/pitcher_workload.h"

namespace {

using scorewick::bench::Season;

const Season& FourTeams() { return scorewick::bench::FourTeamSeason(); }

// The second sample team's first player, who plays for that team only.
std::string Player() { return scorewick::sim::SampleTeams()[1].player(0).name.str(); }

void Feed(benchmark::State& state, const std::string& team,
          const std::function<void(const scorewick::Game&, std::size_t)>& take) {
  scorewick::FeedOptions options;
  options.team = team;
  scorewick::FeedGames(FourTeams().paths, options, [&](scorewick::FedGame& fed) {
    if (fed.refusal) state.SkipWithError("a game was refused");
    if (!fed.refusal && !fed.other_teams) take(fed.game, fed.index);
    return true;
  });
}

void Log(benchmark::State& state, bool team_named) {
  const std::string player = Player();
  for (auto _ : state) {
    scorewick::GameLogCounter counter(player, team_named ? FourTeams().team : "", {});
    Feed(state, team_named ? FourTeams().team : "",
         [&](const scorewick::Game& game, std::size_t i) { counter.Count(game, "", i); });
    const scorewick::GameLog log = counter.Finish();
    if (log.games.empty()) state.SkipWithError("no game in the log");
    state.counters["games"] = static_cast<double>(log.games.size());
  }
}

void BM_ReadBytes(benchmark::State& state) { scorewick::bench::ReadAllBytes(state, FourTeams()); }
void BM_GameLogOfTeam(benchmark::State& state) { Log(state, true); }
void BM_GameLogAnyTeam(benchmark::State& state) { Log(state, false); }
void BM_Workload(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::WorkloadCounter counter(FourTeams().team, {});
    Feed(state, FourTeams().team,
         [&](const scorewick::Game& game, std::size_t i) { counter.Count(game, i); });
    const scorewick::Workload w = counter.Finish(scorewick::DefaultWorkloadRules(), {2100, 1, 1});
    state.counters["outings"] = static_cast<double>(w.outings.size());
  }
}
BENCHMARK(BM_ReadBytes)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GameLogOfTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GameLogAnyTeam)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Workload)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  FourTeams();
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_GameLogOfTeam/real_time", "BM_ReadBytes/real_time"},
                                          {"BM_GameLogAnyTeam/real_time", "BM_ReadBytes/real_time"},
                                          {"BM_Workload/real_time", "BM_ReadBytes/real_time"}});
}
