// The drawing half of the command line registers its commands, and the
// desktop program when it is built, as it is linked in (cli/drawing.h).

#include <CLI/CLI.hpp>

#include "cli/drawing.h"

#ifdef SCOREWICK_CLI_DESKTOP
#include "app/desktop_main.h"
#include "app/scoring_commands.h"
#endif

namespace scorewick::cli {

void AddPrintCommands(CLI::App& app, CommandContext& ctx);
void AddPlotCommands(CLI::App& app, CommandContext& ctx);

namespace {

const bool registered = [] {
  DrawingHalf& half = LinkedDrawing();
  half.commands = {AddPrintCommands, AddPlotCommands};
#ifdef SCOREWICK_CLI_DESKTOP
  half.desktop = [](int argc, char** argv) { return app::RunDesktop(argc, argv); };
  half.scoring_window = [](const std::string& game, const std::string& visitor,
                           const std::string& home) {
    return app::RunScoringWindowAlone(game, visitor, home);
  };
#endif
  return true;
}();

}  // namespace
}  // namespace scorewick::cli
