#pragma once
// The subcommands of the scorewick executable.  Each command file defines
// one function that adds its subcommands to the application; the list of
// those functions is in command_list.cpp.
//
// Exit status: 0 done, 1 the input was refused (or the work failed),
// 2 usage.  Messages go to stderr, through the console Ui; text from the
// records is converted to UTF-8 before it is printed.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console_ui.h"
#include "records/status.h"

// The parser is declared ahead: only the sources that build options
// include CLI11, which every source including it compiles whole.
namespace CLI {
class App;
}  // namespace CLI

namespace scorewick::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct CommandContext {
  ConsoleUi& ui;
  std::ostream& out;
  std::ostream& err;
  int exit_code = kExitDone;
  bool out_is_terminal = false;  // out is standard output, shown on a terminal
  // The command line as typed, for a command handed over to the drawing
  // program (cli/drawing.h).
  int argc = 0;
  char** argv = nullptr;
  std::istream* in = nullptr;  // standard input (a list of games), when not std::cin
  // The files the command has read by itself (lists of games, rules), which
  // its outputs may not replace (cli/output_check.h).
  std::vector<std::string> files_read = {};
};

// Adds one or more subcommands to app; their callbacks set ctx.exit_code.
using CommandSetup = void (*)(CLI::App& app, CommandContext& ctx);

// A command's first word and the function that adds it (one word may have
// several: "palm users" and "palm export" live in different files).
struct CommandEntry {
  const char* name;
  CommandSetup setup;
};
// Every command, in the order --help lists them (command_list.cpp).
const std::vector<CommandEntry>& Commands();

// What runs when no subcommand is given: the desktop program, held by the
// drawing half (cli/drawing.h).
using DesktopEntry = int (*)(int argc, char** argv);

// Prints what a reader or writer handed back: its messages as "caption:
// text", or, for a failure without one, "scorewick: <reason>".  Returns
// status.ok.
bool Report(const Status& status, CommandContext& ctx);

// A file's content (CSV, HTML) written to standard output: as it is when
// the output goes to a file or a pipe; when a terminal shows it, converted
// from code page 1252 to UTF-8 with control characters escaped (line feeds
// kept).  Text meant for reading is always escaped with RecordLines instead.
std::string ForStandardOutput(const CommandContext& ctx, const std::string& content);

// Lines of a report built from record texts (code page 1252), as the
// terminal shows them: each converted to UTF-8 and escaped on its own, so
// that a name holding a line feed cannot split a row; each ends in a line
// feed.
std::string RecordLines(const std::vector<std::string>& lines);

// A name typed on the command line (UTF-8) as the records spell it (code
// page 1252); a text that is not UTF-8 is taken as already in the code
// page.
std::string RecordTextOf(const std::string& typed);

// The game files given, each file once: a file named again (under any
// name) is said on stderr (the first ten by name, the others counted) and
// left out.
std::vector<std::string> DistinctGames(const std::vector<std::string>& games, CommandContext& ctx);

// Runs the command line; used by main and by tests (which may give what
// standard input holds as in).
int RunCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   std::istream* in = nullptr);

}  // namespace scorewick::cli
