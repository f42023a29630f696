#include "cli/command.h"

#include <ostream>

namespace scorewick::cli {

bool Report(const Status& status, CommandContext& ctx) {
  ShowAll(ctx.ui, status.messages);
  if (!status.ok && status.messages.empty()) ctx.err << "scorewick: " << status.reason << "\n";
  return status.ok;
}

int RunCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Scorewick: the PC companion of a handheld baseball and softball scorebook.\n"
      "With no command, starts the desktop program."};
  app.set_version_flag("--version", "scorewick 0.1");
  ConsoleUi ui(err);
  CommandContext ctx{ui, out, err};
  for (CommandSetup setup : Commands()) setup(app, ctx);
  app.require_subcommand(0, 1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end here too, with status 0.
    return app.exit(e, out, err) == 0 ? kExitDone : kExitUsage;
  }
  if (app.get_subcommands().empty()) {
    if (DesktopEntry desktop = DesktopEntryPoint()) return desktop(argc, argv);
    out << app.help();
    return kExitDone;
  }
  return ctx.exit_code;
}

}  // namespace scorewick::cli
