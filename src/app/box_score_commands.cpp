#include "app/box_score_commands.h"

#include "app/box_game_selection.h"
#include "app/box_score_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "records/game_file.h"

namespace scorewick::app {

void RunBoxScores(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  BoxGameSelection selection(session.folders.For(FileKind::kGame, session.start_folder), ui,
                             &env.window);
  if (RunModal(selection) != QDialog::Accepted || selection.path().empty()) return;
  session.folders.RememberFolder(FileKind::kGame, selection.folder());
  Game game;
  // The loader says what was wrong with a file it could not read.
  if (!Show(ui, LoadGame(selection.path(), game))) return;
  BoxScoreDialog dialog(game, session, ui, &env.window);
  RunModal(dialog);
}

}  // namespace scorewick::app
