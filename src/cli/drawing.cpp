#include "cli/drawing.h"

#include <unistd.h>

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

std::filesystem::path DrawingProgramBeside(const std::string& self, std::string* why) {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink(self, ec);
  if (ec || !program.is_absolute()) {
    *why = "the folder of this program cannot be told (" + self + ": " +
           (ec ? ec.message() : std::string("not a full path")) + ")";
    return {};
  }
  return program.parent_path() / kDrawingProgramName;
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
  std::string why;
  const std::filesystem::path program = DrawingProgramBeside("/proc/self/exe", &why);
  if (program.empty()) {
    ctx.err << "scorewick: cannot start " << kDrawingProgramName
            << ", which draws and prints: " << TerminalText(why) << "\n";
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
