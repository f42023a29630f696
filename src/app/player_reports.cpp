#include "app/player_reports.h"

#include <QProgressDialog>
#include <filesystem>
#include <functional>

#include "app/core/refused_games.h"
#include "app/core/stat_rules_of.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/report_window.h"
#include "intake/game_feed.h"
#include "records/local_date.h"
#include "reports/game_log_table.h"
#include "reports/print/cp1252_text.h"
#include "reports/workload_tables.h"
#include "stats/game_log.h"
#include "stats/pitcher_workload.h"

namespace scorewick::app {
namespace {

using TakeGame = std::function<void(const Game&, const std::string& file, std::size_t index)>;

// Reads the games of team (every game's teams are looked at first) with a
// progress dialog, handing each to take in list order.  Games that could
// not be read are named in one message.  False when the person cancelled.
bool ReadGames(const std::vector<std::string>& games, const std::string& team, const QString& title,
               Ui& ui, QWidget* parent, const TakeGame& take) {
  const int total = static_cast<int>(games.size());
  QProgressDialog progress("Reading the games ...", "Cancel", 0, std::max(total, 1), parent);
  progress.setWindowTitle(title);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  FeedOptions options;
  options.team = team;
  std::vector<GameRefusal> refusals;
  const bool done = FeedGames(games, options, [&](FedGame& fed) {
    if (fed.index % 8 == 0) progress.setValue(static_cast<int>(fed.index));
    if (progress.wasCanceled()) return false;
    if (fed.refusal) {
      refusals.push_back(std::move(*fed.refusal));
    } else if (!fed.other_teams) {
      take(fed.game, games[fed.index], fed.index);
    }
    return true;
  });
  if (!done) return false;
  progress.setValue(std::max(total, 1));
  if (!refusals.empty()) {
    ui.ShowMessage(RefusedGamesText(refusals, refusals.size() >= games.size()), "Load Error",
                   MessageIcon::kExclamation);
  }
  return true;
}

}  // namespace

void OpenGameLog(const std::vector<std::string>& games, const std::string& player,
                 const std::string& team, const StatRules& rules, Session& session, Ui& ui,
                 QWidget* parent) {
  GameLogCounter counter(player, team, rules);
  if (!ReadGames(games, team, "Game Log", ui, parent,
                 [&](const Game& game, const std::string& file, std::size_t index) {
                   counter.Count(game, file, index);
                 })) {
    return;
  }
  ReportWindow window({reports::GameLogTable(counter.Finish())}, player + " Game Log",
                      "Game Log: " + print::FromCp1252(player), session, ui, parent);
  RunModal(window);
}

void RunPitcherWorkload(CommandEnv& env) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  WorkloadRules rules;
  const std::string rules_file =
      (std::filesystem::path(session.start_folder) / kWorkloadRulesFileName).string();
  if (const Status loaded = LoadWorkloadRules(rules_file, true, rules); !loaded) {
    ui.ShowMessage(loaded.reason + "\n\nMend the rules in Options > Pitch Count Rules.",
                   "Pitcher Workload", MessageIcon::kExclamation);
    return;
  }
  GameChooserDialog chooser(ChooserVariant::kStatistics,
                            session.folders.For(FileKind::kGame, session.start_folder), ui,
                            &env.window);
  chooser.UseSession(session);
  chooser.AskAsOf();
  if (RunModal(chooser) != QDialog::Accepted) return;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  const GameChoice& chosen = chooser.chosen();
  if (chosen.all_teams) {
    ui.ShowMessage("Choose one team: the workload is that of a team's pitchers.",
                   "Pitcher Workload", MessageIcon::kInformation);
    return;
  }
  WorkloadCounter counter(chosen.team, StatRulesOf(session.settings));
  if (!ReadGames(chosen.games, chosen.team, "Pitcher Workload", ui, &env.window,
                 [&](const Game& game, const std::string&, std::size_t index) {
                   counter.Count(game, index);
                 })) {
    return;
  }
  const LocalDate as_of = chooser.as_of();
  ReportWindow window(reports::WorkloadTables(counter.Finish(rules, as_of)), "Pitcher Workload",
                      "Pitcher Workload: " + print::FromCp1252(chosen.team), session, ui,
                      &env.window);
  window.AddDayBox("&As of", as_of, [&counter, &rules](const LocalDate& day) {
    return reports::WorkloadTables(counter.Finish(rules, day));
  });
  RunModal(window);
}

}  // namespace scorewick::app
