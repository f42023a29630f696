#include "app/print_commands.h"

#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/print_blanks_dialog.h"
#include "app/print_game_dialog.h"
#include "app/team_edit_dialog.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/path_names.h"
#include "reports/team_export.h"

namespace scorewick::app {

void RunPrintGame(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  FileDialogRequest request;
  request.title = "Select Game To Print";
  request.filter = kGameFileFilter;
  request.default_extension = "gam";
  std::optional<FileChoice> choice = ChooseFileToOpen(session, ui, FileKind::kGame, request);
  if (!choice) return;
  const std::string path = WithExtension(choice->path, "gam");

  Game game;
  const Status loaded = LoadGame(path, game);
  if (!loaded.ok) {
    if (loaded.messages.empty()) {
      ui.ShowMessage("Cannot open " + path, "Load Error", MessageIcon::kExclamation);
    } else {
      ShowAll(ui, loaded.messages);
    }
    return;
  }
  const std::string logos[2] = {LogoPath(game.home, session), LogoPath(game.visitor, session)};
  const std::uint32_t hit_line =
      ResolveColor(session.settings.hit_to_line_color, ClassicSystemColor);
  PrintGameDialog dialog(game, logos, hit_line, ui, &env.window);
  RunModal(dialog);
}

void RunBlankScoreSheets(CommandEnv& env) {
  PrintBlanksDialog dialog(env.services.ui, &env.window);
  RunModal(dialog);
}

}  // namespace scorewick::app
