#include "app/stats_commands.h"

#include "app/core/stat_rules_of.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/stats_window.h"

namespace scorewick::app {

void RunTeamStats(CommandEnv& env) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  Stat chosen(StatRulesOf(session.settings));
  GameChooserDialog chooser(chosen, session.folders.For(FileKind::kGame, session.start_folder), ui,
                            &env.window);
  chooser.UseSession(session);
  if (RunModal(chooser) != QDialog::Accepted) return;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  StatsWindow window(chosen, session, ui, &env.window);
  if (!window.Open()) return;
  RunModal(window);
}

}  // namespace scorewick::app
