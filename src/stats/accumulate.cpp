#include "stats/accumulate.h"

#include <string_view>

#include "records/game_feed.h"
#include "stats/side_counter.h"

namespace scorewick {

using counting::SideCounter;

void AccumulateGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
                    bool opponents) {
  if (stat.all_teams) {
    for (bool home : {true, false}) {
      stat.team_name = (home ? game.home : game.visitor).team_name.str();
      SideCounter(stat, game, n, pitching_split, batting_split, home).Count();
    }
    return;
  }
  const std::string_view team = stat.team_name;
  bool named_home;
  if (game.home.team_name.view() == team)
    named_home = true;
  else if (game.visitor.team_name.view() == team)
    named_home = false;
  else
    return;
  SideCounter(stat, game, n, pitching_split, batting_split, opponents ? !named_home : named_home)
      .Count();
}

AccumulateReport AccumulateSides(Stat* team, Stat* opponents, Split pitching_split,
                                 Split batting_split, const AccumulateProgress& progress,
                                 int threads) {
  AccumulateReport report;
  const Stat& list = team ? *team : *opponents;
  FeedOptions options;
  options.threads = threads;
  if (!list.all_teams) options.team = list.team_name;
  const int total = list.game_count();
  const bool done = FeedGames(list.file_names(), options, [&](FedGame& fed) {
    if (progress && !progress(static_cast<int>(fed.index), total)) {
      report.cancelled = true;
      return false;
    }
    if (fed.refusal) {
      report.refusals.push_back(std::move(*fed.refusal));
      return true;
    }
    ++report.games_read;
    if (fed.other_teams) return true;
    ++report.games_of_team;
    const int n = static_cast<int>(fed.index) + 1;
    if (team) AccumulateGame(*team, fed.game, n, pitching_split, batting_split, false);
    if (opponents) AccumulateGame(*opponents, fed.game, n, pitching_split, batting_split, true);
    return true;
  });
  if (!done) return report;
  if (team) FinishTables(*team);
  if (opponents) FinishTables(*opponents);
  return report;
}

AccumulateReport Accumulate(Stat& stat, Split pitching_split, Split batting_split, bool opponents,
                            const AccumulateProgress& progress, int threads) {
  return AccumulateSides(opponents ? nullptr : &stat, opponents ? &stat : nullptr, pitching_split,
                         batting_split, progress, threads);
}

void Accumulate(Stat& stat, const Game& current_game, Split pitching_split, Split batting_split,
                bool opponents) {
  AccumulateGame(stat, current_game, 1, pitching_split, batting_split, opponents);
  FinishTables(stat);
}

}  // namespace scorewick