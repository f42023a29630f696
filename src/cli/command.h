#pragma once
// The subcommands of the scorewick executable.  Each command lives in its
// own file and registers itself with a static RegisterCommand object, so
// that adding a command touches no other file.
//
// Exit status: 0 done, 1 the input was refused (or the work failed),
// 2 usage.  Messages go to stderr, through the console Ui.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "platform/console_ui.h"

namespace scorewick::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct CommandContext {
  ConsoleUi& ui;
  std::ostream& out;
  std::ostream& err;
  int exit_code = kExitDone;
};

// Adds one or more subcommands to app; their callbacks set ctx.exit_code.
using CommandSetup = std::function<void(CLI::App& app, CommandContext& ctx)>;

std::vector<CommandSetup>& RegisteredCommands();
// Set up after every other command: those that add subcommands to a group
// another file may create (see subcommand_group.h).
std::vector<CommandSetup>& LateRegisteredCommands();

struct RegisterCommand {
  explicit RegisterCommand(CommandSetup setup, bool after_others = false) {
    (after_others ? LateRegisteredCommands() : RegisteredCommands()).push_back(std::move(setup));
  }
};

// What runs when no subcommand is given: the desktop program when it is
// built in, else the help text.  Set by the desktop's own registration.
using DesktopEntry = std::function<int(int argc, char** argv)>;
DesktopEntry& DesktopEntryPoint();

// Runs the command line; used by main and by tests.
int RunCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace scorewick::cli
