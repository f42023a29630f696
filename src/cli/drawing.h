#pragma once
// The half of the command line that draws: the print and plot commands,
// PDF output of box scores and statistics, and the desktop program.  It
// needs Qt, and loading Qt's drawing libraries costs a command more time
// than its work, so the scorewick executable is built without it: a
// command that draws is handed over, with its arguments as typed, to the
// drawing program (kDrawingProgramName) built beside scorewick, which holds
// both halves.  scorewick stays the one command a person types.
//
// The drawing half registers itself (src/cli/drawing/) when it is linked in:
// in the drawing program and in the tests, which draw in their own process.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "records/status.h"

namespace scorewick::cli {

// The program that draws, beside scorewick.
inline constexpr const char* kDrawingProgramName = "scorewick-desktop";

// The commands that draw, listed by --help in this order whichever half
// runs: their names and descriptions are known to both.
struct DrawingCommandName {
  const char* name;
  const char* description;
};
inline constexpr DrawingCommandName kPrintCommand{"print", "Print into a PDF file"};
inline constexpr DrawingCommandName kPlotCommand{"plot",
                                                 "Spray charts and pitch charts over games"};

// The scoring window on a game (with the teams' files of a new one, or
// empty), for `scorewick score GAME --window`: the exit status.
using ScoringWindowEntry = int (*)(const std::string& game, const std::string& visitor,
                                   const std::string& home);

// What the drawing half brings when it is linked in.
struct DrawingHalf {
  std::vector<CommandSetup> commands;  // print and plot
  DesktopEntry desktop = nullptr;
  ScoringWindowEntry scoring_window = nullptr;
};
DrawingHalf& LinkedDrawing();

// Whether this process draws itself (the drawing half is linked in).
bool DrawsHere();

// Adds the commands that draw: the real ones when the drawing half is
// linked in, else stand-ins that hand their whole command line over to the
// drawing program (none when this build has no drawing program).
void AddDrawingCommands(CLI::App& app, CommandContext& ctx);

// The drawing program beside the executable that self names (a symbolic
// link to it, as /proc/self/exe is), as a full path into program.  Fails
// when self cannot be read: the program is then not looked for anywhere
// else, neither in the current folder nor along the PATH.
Status DrawingProgramBeside(const std::string& self, std::filesystem::path& program);

// Runs the drawing program in place of this process with the command line
// as typed (ctx.argv).  Returns only when it cannot: after saying why on
// stderr, with kExitRefused; or, in a build without a drawing program,
// with -1 and nothing said.
int HandOverToDrawing(CommandContext& ctx);

}  // namespace scorewick::cli
