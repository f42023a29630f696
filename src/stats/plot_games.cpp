#include "stats/plot_games.h"

#include "intake/game_feed.h"

namespace scorewick {

AccumulateReport ForEachPlotGame(const std::vector<std::string>& games,
                                 const std::function<void(const Game&)>& use,
                                 const GameFilter& filter) {
  AccumulateReport report;
  FeedOptions options;
  ChooseByFilter(games, filter, options);
  if (options.choose) report.headlines.resize(games.size());
  FeedGames(games, options, [&](FedGame& fed) {
    NoteChosenHeadline(fed, report.headlines, report.games_chosen);
    if (fed.left) return true;
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
