#include "stats/plot_games.h"

#include "intake/game_feed.h"

namespace scorewick {

AccumulateReport ForEachPlotGame(const std::vector<std::string>& games,
                                 const std::function<void(const Game&)>& use) {
  AccumulateReport report;
  FeedGames(games, FeedOptions{}, [&](FedGame& fed) {
    if (fed.refusal) {
      report.refusals.push_back(std::move(*fed.refusal));
      return true;
    }
    ++report.games_read;
    ++report.games_of_team;
    use(fed.game);
    return true;
  });
  return report;
}

}  // namespace scorewick
