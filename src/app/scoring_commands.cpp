#include "app/scoring_commands.h"

#include <QApplication>
#include <filesystem>

#include "app/core/season_lines.h"
#include "app/core/stat_rules_of.h"
#include "app/main_window.h"
#include "app/new_game_dialog.h"
#include "app/pictures.h"
#include "app/print_commands.h"
#include "app/scoring_window.h"
#include "platform/qt/qt_ui.h"
#include "records/file_io.h"
#include "scoring/kept_book.h"
#include "scoring/new_game_book.h"

namespace scorewick::app {

namespace {

// The season lines of both teams' batters over the games last chosen.
void ShowSeasons(ScoringWindow& window, const Session& session) {
  // The teams as the book names them (before the first pitch the game
  // record holds none yet).
  const scoring::LiveBook::LineUps teams = window.kept().book().Listed();
  window.SetSeasonLines(SeasonLines(session.folders.last_game_list(),
                                    {teams.names[0], teams.names[1]}, window.kept().game_path(),
                                    StatRulesOf(session.settings)));
}

}  // namespace

bool OpenScoringWindow(QWidget* parent, Session& session, Ui& ui, const std::string& game_path,
                       const std::vector<std::string>& new_game) {
  auto* window = new ScoringWindow(game_path, session, ui, parent);
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (!window->Open(new_game)) {
    delete window;
    return false;
  }
  ShowSeasons(*window, session);
  window->show();
  window->activateWindow();
  return true;
}

void RunNewGame(CommandEnv& env) {
  NewGameDialog dialog(env.services.session, env.services.ui, &env.window);
  if (dialog.exec() != QDialog::Accepted) return;
  OpenScoringWindow(&env.window, env.services.session, env.services.ui, dialog.game_path(),
                    scoring::NewGameBook(dialog.game()));
}

void RunContinueScoring(CommandEnv& env) {
  FileDialogRequest request;
  request.title = "Continue Scoring a Game";
  request.filter = kGameFileFilter;
  const auto chosen =
      ChooseFileToOpen(env.services.session, env.services.ui, FileKind::kGame, request);
  if (!chosen) return;
  OpenScoringWindow(&env.window, env.services.session, env.services.ui, chosen->path);
}

bool ScoringUnfinished(const std::string& game_path) {
  const std::string book_path = scoring::BookPathOf(game_path);
  std::vector<std::string> entries;
  if (!FileExists(book_path) || !scoring::ReadBookFile(book_path, entries)) return false;
  scoring::LiveBook book;
  return book.Load(entries) && !book.Over();
}

void OfferUnfinishedGame(QWidget* parent, Session& session, Ui& ui) {
  const std::string game = session.folders.last_scored_game();
  if (game.empty() || !ScoringUnfinished(game)) return;
  if (!ui.AskYesNo("The game " + std::filesystem::path(game).filename().string() +
                       " was left unfinished. Go on scoring it?",
                   kScoringCaption, MessageIcon::kQuestion)) {
    return;
  }
  OpenScoringWindow(parent, session, ui, game);
}

int RunScoringWindowAlone(const std::string& game_path, const std::string& visitor,
                          const std::string& home) {
  int argc = 1;
  char name[] = "scorewick";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationName("Brixley Scorewick");
  QApplication::setWindowIcon(QIcon(BaseballPicture(64)));
  std::error_code ec;
  Session session =
      StartSession(std::filesystem::current_path(ec).string(), RunningProgramFolder(), 1280, 800);
  QtUi ui;
  std::vector<std::string> new_game;
  std::string path = game_path;
  if (!visitor.empty() && !home.empty() && !scoring::KeptBook(game_path).Begun()) {
    NewGameDialog dialog(session, ui);
    if (!dialog.LoadTeamFile(0, visitor) || !dialog.LoadTeamFile(1, home)) return 1;
    dialog.game_file()->setText(QString::fromStdString(game_path));
    if (dialog.exec() != QDialog::Accepted) return 1;
    path = dialog.game_path();
    new_game = scoring::NewGameBook(dialog.game());
  }
  ScoringWindow window(path, session, ui);
  ui.set_parent(&window);
  if (!window.Open(new_game)) return 1;
  ShowSeasons(window, session);
  window.show();
  window.entry_line()->setFocus();
  return QApplication::exec() == 0 ? 0 : 1;
}

}  // namespace scorewick::app
