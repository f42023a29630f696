// Built into the command line when the desktop program is: running
// scorewick without a subcommand starts the desktop.

#include "app/desktop_main.h"
#include "cli/command.h"

namespace scorewick::cli {
namespace {

const bool registered = [] {
  DesktopEntryPoint() = [](int argc, char** argv) { return app::RunDesktop(argc, argv); };
  return true;
}();

}  // namespace
}  // namespace scorewick::cli
