// The printed box score of `scorewick box --format pdf`: the box score's
// lines through the text printout, with the trailer naming the game.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/box_pdf.h"
#include "reports/print/list_box_out.h"
#include "reports/print/printout.h"

namespace scorewick::cli {
namespace {

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

bool PrintBox(const std::vector<std::string>& lines, const std::string& title, const Game& game,
              const std::string& pdf, std::string* error) {
  // Fonts and pages need a QGuiApplication, but no screen.
  std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance() == nullptr) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "scorewick";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  print::TListBoxOut printout(lines, title);
  printout.SetGameTrailer(game);
  return print::PrintToPdf(printout, pdf, error);
}

const bool registered = [] {
  BoxPdfPrinter() = PrintBox;
  return true;
}();

}  // namespace
}  // namespace scorewick::cli
