#include "app/stats_commands.h"

#include "app/core/stat_rules_of.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/stats_window.h"

namespace scorewick::app {
namespace {

// The game chooser, opening on the games, team and filters chosen last.
bool ChooseStatGames(Session& session, Ui& ui, QWidget* parent, GameChoice& chosen,
                     std::string& filters) {
  GameChooserDialog chooser(ChooserVariant::kStatistics,
                            session.folders.For(FileKind::kGame, session.start_folder), ui, parent);
  chooser.UseSession(session);
  if (RunModal(chooser) != QDialog::Accepted) return false;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  chosen = chooser.chosen();
  filters = session.last_choice ? DescribeFilter(session.last_choice->filter) : std::string();
  return true;
}

}  // namespace

void RunTeamStats(CommandEnv& env) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  GameChoice chosen;
  std::string filters;
  if (!ChooseStatGames(session, ui, &env.window, chosen, filters)) return;
  StatsWindow window(chosen, StatRulesOf(session.settings), session, ui, &env.window);
  window.SetFiltersText(filters);
  window.game_chooser = [&session, &ui, &window](GameChoice& next, std::string& next_filters) {
    return ChooseStatGames(session, ui, &window, next, next_filters);
  };
  if (!window.Open()) return;
  RunModal(window);
}

}  // namespace scorewick::app
