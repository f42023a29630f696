#include "cli/drawing/gui_application.h"

#include <cstdio>
#include <cstdlib>

namespace scorewick::cli {
namespace {

// Qt's notes about its own run-time folders are no news to the person who
// asked for a PDF file; everything else goes on to stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietMessages);
  static int argc = 1;
  static char name[] = "scorewick";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace scorewick::cli
