#include "app/stats_commands.h"

#include "app/core/stat_rules_of.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/stats_window.h"

namespace scorewick::app {

StatsDialogRunner& StatsDialogRun() {
  static StatsDialogRunner run = [](QDialog& dialog) { return dialog.exec(); };
  return run;
}

void RunTeamStats(CommandEnv& env) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  Stat chosen(StatRulesOf(session.settings));
  GameChooserDialog chooser(chosen, session.folders.For(FileKind::kGame, session.start_folder), ui,
                            &env.window);
  if (StatsDialogRun()(chooser) != QDialog::Accepted) return;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  StatsWindow window(chosen, session, ui, &env.window);
  if (!window.Open()) return;
  StatsDialogRun()(window);
}

}  // namespace scorewick::app
