#include "cli/drawing.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <vector>

#include "platform/terminal_text.h"

namespace scorewick::cli {
namespace {

// A command that draws, as scorewick lists it without the drawing half:
// everything after its name is the drawing program's to read, --help too.
void AddStandIn(CLI::App& app, const DrawingCommandName& command, CommandContext& ctx) {
  CLI::App* cmd = app.add_subcommand(command.name, command.description);
  cmd->set_help_flag();
  cmd->prefix_command();
  cmd->allow_extras();
  cmd->callback([&ctx] { ctx.exit_code = HandOverToDrawing(ctx); });
}

}  // namespace

Status DrawingProgramBeside(const std::string& self, std::filesystem::path& program) {
  std::error_code ec;
  const std::filesystem::path linked = std::filesystem::read_symlink(self, ec);
  if (ec || !linked.is_absolute()) {
    return Status::Failed(self, "the folder of this program cannot be told (" + self + ": " +
                                    (ec ? ec.message() : std::string("not a full path")) + ")");
  }
  program = linked.parent_path() / kDrawingProgramName;
  return {};
}

DrawingHalf& LinkedDrawing() {
  static DrawingHalf half;
  return half;
}

bool DrawsHere() { return !LinkedDrawing().commands.empty(); }

void AddDrawingCommands(CLI::App& app, CommandContext& ctx) {
  if (DrawsHere()) {
    for (CommandSetup setup : LinkedDrawing().commands) setup(app, ctx);
    return;
  }
#ifdef SCOREWICK_DRAWING_PROGRAM
  AddStandIn(app, kPrintCommand, ctx);
  AddStandIn(app, kPlotCommand, ctx);
#endif
}

int HandOverToDrawing(CommandContext& ctx) {
#ifdef SCOREWICK_DRAWING_PROGRAM
  // The drawing program never hands over again: it would only start itself.
  if (DrawsHere() || ctx.argv == nullptr) return -1;
  std::filesystem::path program;
  if (const Status found = DrawingProgramBeside("/proc/self/exe", program); !found) {
    ctx.err << "scorewick: cannot start " << kDrawingProgramName
            << ", which draws and prints: " << TerminalText(found.reason) << "\n";
    return kExitRefused;
  }
  ctx.out.flush();
  std::cout.flush();
  std::cerr.flush();
  std::vector<char*> argv(ctx.argv, ctx.argv + ctx.argc);
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ctx.err << "scorewick: cannot start " << TerminalText(program.string())
          << ", which draws and prints: " << std::strerror(errno) << "\n";
  return kExitRefused;
#else
  (void)ctx;
  return -1;
#endif
}

}  // namespace scorewick::cli
