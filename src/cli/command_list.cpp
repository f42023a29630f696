// The list of the command line's commands.  Adding a command: write its
// file with a function void AddName(CLI::App&, CommandContext&) that adds
// the subcommand, and name that function in one line of SCOREWICK_COMMANDS
// below (a command that draws goes into the drawing half's list instead,
// src/cli/drawing/drawing_half.cpp).  Commands that share a first word
// ("palm users", "palm export") find their group with SubcommandGroup,
// whichever file comes first.

#include <CLI/CLI.hpp>

#include "cli/command.h"
#include "cli/drawing.h"

// One line per command file, in the order --help lists them; the commands
// that draw come last.
#define SCOREWICK_COMMANDS(X)       \
  X(AddInspectCommand, "inspect")   \
  X(AddConvertCommand, "convert")   \
  X(AddPalmLinkCommands, "palm")    \
  X(AddPalmCommands, "palm")        \
  X(AddPpcCommands, "ppc")          \
  X(AddTeamCommands, "team")        \
  X(AddImportCommands, "import")    \
  X(AddExportCommands, "export")    \
  X(AddScoreCommand, "score")       \
  X(AddBookCommand, "book")         \
  X(AddStatsCommand, "stats")       \
  X(AddLogCommand, "log")           \
  X(AddWorkloadCommand, "workload") \
  X(AddBoxCommand, "box")           \
  X(AddSiteCommand, "site")

namespace scorewick::cli {

#define SCOREWICK_DECLARE_COMMAND(setup, name) void setup(CLI::App& app, CommandContext& ctx);
SCOREWICK_COMMANDS(SCOREWICK_DECLARE_COMMAND)

const std::vector<CommandEntry>& Commands() {
#define SCOREWICK_LIST_COMMAND(setup, name) {name, setup},
  static const std::vector<CommandEntry> commands = {
      SCOREWICK_COMMANDS(SCOREWICK_LIST_COMMAND){kPrintCommand.name, AddDrawingCommands},
      {kPlotCommand.name, AddDrawingCommands}};
  return commands;
}

}  // namespace scorewick::cli
