#include "cli/command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <string_view>

#include "cli/drawing.h"
#include "intake/game_intake.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"

namespace scorewick::cli {
namespace {

// A file whose name begins with '-' reads as an option, and the parser
// then speaks of an unknown option or a missing file.  After such a
// refusal, says how to name the file, when an argument looks like one.
void HintAtDashedFileName(int argc, char** argv, std::ostream& err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") return;  // what follows is named as files already
    if (arg.size() < 2 || arg[0] != '-' || arg.find('=') != std::string_view::npos) continue;
    std::error_code ec;
    if (arg.find('.') != std::string_view::npos || std::filesystem::exists(arg, ec)) {
      err << "scorewick: to name a file that begins with '-', put -- before it (-- "
          << TerminalText(arg) << ")\n";
      return;
    }
  }
}

// Adds the commands to app: only those of the first word when it names a
// command, else every one (for --help, and for the parser to say what is
// wrong).  Setting up every command's options is most of what a short
// command does in its own time, so each does only its own.
void AddCommands(CLI::App& app, std::string_view first_word, CommandContext& ctx) {
  bool named = false;
  for (const CommandEntry& entry : Commands()) named |= first_word == entry.name;
  std::vector<CommandSetup> done;
  for (const CommandEntry& entry : Commands()) {
    if (named && first_word != entry.name) continue;
    if (std::find(done.begin(), done.end(), entry.setup) != done.end()) continue;
    entry.setup(app, ctx);
    done.push_back(entry.setup);
  }
}

}  // namespace

bool Report(const Status& status, CommandContext& ctx) {
  ShowAll(ctx.ui, status.messages);
  if (!status.ok && status.messages.empty())
    ctx.err << "scorewick: " << TerminalText(status.reason) << "\n";
  return status.ok;
}

std::string ForStandardOutput(const CommandContext& ctx, const std::string& content) {
  return ctx.out_is_terminal ? TerminalText(Cp1252ToUtf8(content), true) : content;
}

std::string RecordLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string out;
  out.reserve(size);
  for (const std::string& line : lines) {
    // Most lines are printable ASCII, which stays as it is.
    const bool plain = std::all_of(line.begin(), line.end(),
                                   [](char c) { return c >= 0x20 && c < 0x7f && c != '\\'; });
    out += plain ? line : TerminalText(Cp1252ToUtf8(line));
    out += '\n';
  }
  return out;
}

std::string RecordTextOf(const std::string& typed) {
  const std::string record = Utf8ToCp1252(typed);
  return Cp1252ToUtf8(record) == typed ? record : typed;
}

std::vector<std::string> DistinctGames(const std::vector<std::string>& games, CommandContext& ctx) {
  std::vector<std::pair<std::string, std::string>> repeats;
  std::vector<std::string> kept = DistinctGameFiles(games, &repeats);
  // A list can name a game millions of times: the first few are named,
  // the rest counted.
  constexpr std::size_t kNamed = 10;
  for (std::size_t i = 0; i < repeats.size() && i < kNamed; ++i) {
    ctx.err << "scorewick: " << TerminalText(repeats[i].first) << " is "
            << TerminalText(repeats[i].second) << " again: counted once\n";
  }
  if (repeats.size() > kNamed) {
    ctx.err << "scorewick: and " << repeats.size() - kNamed
            << " more names of games named before: each counted once\n";
  }
  return kept;
}

int RunCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err, std::istream* in) {
  CLI::App app{
      "Scorewick: the PC companion of a handheld baseball and softball scorebook.\n"
      "With no command, starts the desktop program."};
  app.set_version_flag("--version", "scorewick 0.1");
  ConsoleUi ui(err);
  CommandContext ctx{ui, out, err};
  ctx.argc = argc;
  ctx.argv = argv;
  ctx.in = in;
  ctx.out_is_terminal = &out == &std::cout && ::isatty(STDOUT_FILENO) == 1;
  AddCommands(app, argc > 1 ? argv[1] : "", ctx);
  app.require_subcommand(0, 1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end here too, with status 0.
    if (app.exit(e, out, err) == 0) return kExitDone;
    HintAtDashedFileName(argc, argv, err);
    return kExitUsage;
  } catch (const std::filesystem::filesystem_error& e) {
    // Every command asks the file system with error codes; should one call
    // still throw, the person reads what failed instead of the program
    // aborting.
    err << "scorewick: " << TerminalText(e.path1().string()) << ": " << e.code().message() << "\n";
    return kExitRefused;
  }
  if (app.get_subcommands().empty()) {
    if (DesktopEntry desktop = LinkedDrawing().desktop) return desktop(argc, argv);
    if (const int code = HandOverToDrawing(ctx); code >= 0) return code;
    out << app.help();
    return kExitDone;
  }
  return ctx.exit_code;
}

}  // namespace scorewick::cli
