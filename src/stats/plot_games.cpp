#include "stats/plot_games.h"

#include "records/game_intake.h"

namespace scorewick {

AccumulateReport ForEachPlotGame(const BaseStatGameStruct& games,
                                 const std::function<void(const Game&)>& use) {
  AccumulateReport report;
  Game game;
  GameIntake intake;
  for (const std::string& path : games.file_names()) {
    if (auto refused = intake.Take(path, game)) {
      report.refusals.push_back(std::move(*refused));
      continue;
    }
    ++report.games_read;
    ++report.games_of_team;
    use(game);
  }
  return report;
}

}  // namespace scorewick
