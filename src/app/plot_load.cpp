#include "app/plot_load.h"

#include <string>

#include "app/core/refused_games.h"

namespace scorewick::app {

bool AcceptPlotGames(const AccumulateReport& report, BaseStatGameStruct& games, Ui& ui) {
  if (report.refusals.empty()) return true;
  const bool none_left = report.games_read == 0;
  ui.ShowMessage(RefusedGamesText(report.refusals, none_left), "Load Error",
                 MessageIcon::kExclamation);
  const std::vector<std::string> kept = WithoutRefused(games.file_names(), report.refusals);
  games.ClearGames();
  for (const std::string& path : kept) games.AddGame(path);
  return !none_left;
}

}  // namespace scorewick::app
