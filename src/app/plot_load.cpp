#include "app/plot_load.h"

#include <algorithm>
#include <string>

namespace scorewick::app {

bool AcceptPlotGames(const AccumulateReport& report, BaseStatGameStruct& games, Ui& ui) {
  if (report.refusals.empty()) return true;
  const bool none_left = report.games_read == 0;
  std::string text =
      none_left ? "No game could be read:\n" : "These games could not be read and are left out:\n";
  for (const GameRefusal& refusal : report.refusals) {
    const std::string why = refusal.kind == GameRefusal::Kind::kPriorFormat
                                ? "not in the 3.0 game format"
                                : refusal.reason;
    text += "\n" + refusal.file + (why.empty() ? std::string() : " (" + why + ")");
  }
  ui.ShowMessage(text, "Load Error", MessageIcon::kExclamation);
  const std::vector<std::string> paths = games.file_names();
  games.ClearGames();
  for (const std::string& path : paths) {
    if (std::none_of(report.refusals.begin(), report.refusals.end(),
                     [&](const GameRefusal& r) { return r.file == path; })) {
      games.AddGame(path);
    }
  }
  return !none_left;
}

}  // namespace scorewick::app
