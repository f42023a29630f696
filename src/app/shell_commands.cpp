#include "app/shell_commands.h"

#include <QPrintDialog>
#include <QUrl>
#include <filesystem>

#include "app/about_dialog.h"
#include "app/app_printer.h"
#include "app/core/session.h"
#include "app/help_page_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/options_dialog.h"
#include "records/file_io.h"
#include "stats/workload_rules.h"

namespace scorewick::app {
namespace {

void OpenManual(CommandEnv& env, const QString& anchor) {
  const std::string path = ProgramFile(env.services.session, kHelpManual);
  if (!FileExists(path)) {
    env.services.ui.ShowMessage("The help manual is not installed: " + path, "Help",
                                MessageIcon::kExclamation);
    return;
  }
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  if (!anchor.isEmpty()) url.setFragment(anchor);
  if (env.window.OpenUrl(url)) return;
  // No browser could be started: the manual in a window of our own.
  HelpPageDialog page(path, "Help", anchor, &env.window);
  RunModal(page);
}

}  // namespace

void RunPrinterSetup(CommandEnv& env) {
  QPrintDialog dialog(&ApplicationPrinter(), &env.window);
  dialog.setWindowTitle("Printer Setup");
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  dialog.exec();
}

// Closing the last window ends the program's event loop.
void RunExit(CommandEnv& env) { env.window.close(); }

void RunOptions(CommandEnv& env) {
  OptionsDialog dialog(env.services.session.settings, env.services.ui, &env.window);
  dialog.workload_rules_file =
      (std::filesystem::path(env.services.session.start_folder) / kWorkloadRulesFileName).string();
  dialog.exec();
}

void RunHelpIndex(CommandEnv& env) { OpenManual(env, QString()); }

void RunHelpTopic(CommandEnv& env) { OpenManual(env, kHelpTopicAnchor); }

void RunAbout(CommandEnv& env) {
  AboutDialog dialog(&env.window);
  dialog.exec();
}

}  // namespace scorewick::app
