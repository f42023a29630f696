// The list of the command line's commands.  Adding a command: write its
// file with a function void AddName(CLI::App&, CommandContext&) that adds
// the subcommand, and name that function in one line of SCOREWICK_COMMANDS
// below.  Commands that share a first word ("palm users", "palm export")
// find their group with SubcommandGroup, whichever file comes first.

#include "cli/command.h"

#ifdef SCOREWICK_CLI_DESKTOP
#include "app/desktop_main.h"
#endif

// Commands built only with the drawing layer (PDF output).
#ifdef SCOREWICK_CLI_PRINT
#define SCOREWICK_PRINT_COMMANDS(X) X(AddPrintCommands) X(AddPlotCommands)
#else
#define SCOREWICK_PRINT_COMMANDS(X)
#endif

// One line per command file, in the order --help lists them.
#define SCOREWICK_COMMANDS(X) \
  X(AddInspectCommand)        \
  X(AddConvertCommand)        \
  X(AddPalmLinkCommands)      \
  X(AddPalmCommands)          \
  X(AddPpcCommands)           \
  X(AddTeamCommands)          \
  X(AddImportCommands)        \
  X(AddStatsCommand)          \
  X(AddBoxCommand)            \
  SCOREWICK_PRINT_COMMANDS(X)

namespace scorewick::cli {

#define SCOREWICK_DECLARE_COMMAND(name) void name(CLI::App& app, CommandContext& ctx);
SCOREWICK_COMMANDS(SCOREWICK_DECLARE_COMMAND)

const std::vector<CommandSetup>& Commands() {
#define SCOREWICK_LIST_COMMAND(name) name,
  static const std::vector<CommandSetup> commands = {SCOREWICK_COMMANDS(SCOREWICK_LIST_COMMAND)};
  return commands;
}

DesktopEntry DesktopEntryPoint() {
#ifdef SCOREWICK_CLI_DESKTOP
  return [](int argc, char** argv) { return app::RunDesktop(argc, argv); };
#else
  return nullptr;
#endif
}

}  // namespace scorewick::cli
