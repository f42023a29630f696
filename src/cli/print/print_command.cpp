// scorewick print roster TEAM --pdf OUT
// scorewick print addresses TEAM --pdf OUT
//
// Prints the roster (or the players' address list) of a team into a PDF
// file, without a display: the drawing needs only Qt's offscreen platform.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli/command.h"
#include "cli/subcommand_group.h"
#include "records/team_file.h"
#include "reports/print/phone_out.h"
#include "reports/print/print_team.h"
#include "reports/print/printout.h"

namespace scorewick::cli {
namespace {

struct Request {
  std::string team;
  std::string pdf;
};

// Qt's notes about its own run-time folders are no news to the person who
// asked for a PDF file; everything else goes on to stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// Fonts and pages need a QGuiApplication; a command line needs no screen,
// so one that does not say otherwise draws offscreen.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietMessages);
  static int argc = 1;
  static char name[] = "scorewick";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int Print(const Request& r, bool addresses, CommandContext& ctx) {
  Team team;
  if (!Report(LoadTeam(r.team, team), ctx)) return kExitRefused;
  auto app = EnsureGuiApplication();
  std::unique_ptr<print::Printout> printout;
  if (addresses) {
    printout = std::make_unique<print::TPhoneOut>(team);
  } else {
    printout = std::make_unique<print::TPrintTeam>(team);
  }
  std::string error;
  if (!print::PrintToPdf(*printout, r.pdf, &error)) {
    ctx.err << "scorewick: cannot write " << r.pdf << ": " << error << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

void AddPrint(CLI::App& group, const char* name, const char* description, bool addresses,
              CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = group.add_subcommand(name, description);
  cmd->add_option("TEAM", r->team, "team file (.tem) or comma-separated team (.csv)")
      ->required()
      ->check(CLI::ExistingFile);
  cmd->add_option("--pdf", r->pdf, "PDF file to write")->required();
  cmd->callback([&ctx, r, addresses] { ctx.exit_code = Print(*r, addresses, ctx); });
}

}  // namespace

void AddPrintCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* print = SubcommandGroup(app, "print", "Print into a PDF file");
  AddPrint(*print, "roster", "Print a team's roster", false, ctx);
  AddPrint(*print, "addresses", "Print a team's address list", true, ctx);
}

}  // namespace scorewick::cli
