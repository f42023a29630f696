#include "app/site_commands.h"

#include <QApplication>
#include <QUrl>
#include <filesystem>

#include "app/core/stat_rules_of.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/site_publish_dialog.h"
#include "records/cp1252.h"
#include "reports/site/site_folder.h"
#include "reports/site/site_publish.h"
#include "stats/qualifiers.h"
#include "stats/stat_layout.h"

namespace scorewick::app {
namespace {

constexpr const char* kCaption = "Publish Season Website";

}  // namespace

void RunPublishSite(CommandEnv& env) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  WorkloadRules workload;
  const std::string rules_file =
      (std::filesystem::path(session.start_folder) / std::string(kWorkloadRulesFileName)).string();
  if (const Status loaded = LoadWorkloadRules(rules_file, true, workload); !loaded) {
    ui.ShowMessage(loaded.reason + "\n\nMend the rules in Options > Pitch Count Rules.", kCaption,
                   MessageIcon::kExclamation);
    return;
  }
  GameChooserDialog chooser(ChooserVariant::kStatistics,
                            session.folders.For(FileKind::kGame, session.start_folder), ui,
                            &env.window);
  chooser.UseSession(session);
  if (RunModal(chooser) != QDialog::Accepted) return;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  const GameChoice& chosen = chooser.chosen();

  SitePublishDialog dialog(
      QString::fromStdString(chosen.all_teams ? "League" : Cp1252ToUtf8(chosen.team)), &env.window);
  if (RunModal(dialog) != QDialog::Accepted) return;
  const std::optional<std::string> folder =
      ui.BrowseFolder("Choose the Folder of the Website",
                      session.folders.For(FileKind::kExport, session.start_folder));
  if (!folder) return;
  if (site::KindOfFolder(*folder) == site::FolderKind::kOther &&
      !ui.AskYesNo(*folder +
                       " holds files that were not published here before.\n\nPublish the website "
                       "into it anyway? (Those files are kept.)",
                   kCaption, MessageIcon::kQuestion)) {
    return;
  }
  session.folders.RememberFolder(FileKind::kExport, *folder);

  site::SiteRequest request;
  request.games = chosen.games;
  request.team = chosen.team;
  request.all_teams = chosen.all_teams;
  request.title = Utf8ToCp1252(dialog.title().toStdString());
  request.names = dialog.full_names() ? site::NameMode::kFull : site::NameMode::kInitials;
  request.rules = StatRulesOf(session.settings);
  for (int t = 0; t < kStatTableCount; ++t)
    request.layouts[t] = LoadLayout(session.start_folder, static_cast<StatTable>(t));
  request.qualifiers = LoadQualifiers(session.start_folder);
  request.workload = workload;

  QApplication::setOverrideCursor(Qt::WaitCursor);
  const site::PublishSummary summary = site::PublishSite(request, *folder);
  QApplication::restoreOverrideCursor();

  std::string text = summary.published ? summary.Line(*folder) + "." : "Nothing was published.";
  for (const GameRefusal& refusal : summary.report.refusals) text += "\n" + RefusalLine(refusal);
  for (const std::string& error : summary.errors) text += "\n" + error;
  if (!summary.published || !summary.errors.empty() || !summary.report.refusals.empty()) {
    ui.ShowMessage(text, kCaption, MessageIcon::kExclamation);
  }
  if (!summary.published) return;
  const std::string index = (std::filesystem::path(*folder) / "index.html").string();
  if (!env.window.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(index)))) {
    ui.ShowMessage(text + "\n\nNo web browser could be started to show " + index, kCaption,
                   MessageIcon::kInformation);
  }
}

}  // namespace scorewick::app
