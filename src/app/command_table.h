#pragma once
// The main window's command table: one row per command number, naming the
// handler that runs it.  Menu items and their tool bar twins have rows of
// their own that name the same handler.  A row without a handler is a
// feature not yet built: its menu item and button are shown disabled.
//
// Each feature keeps its handlers in a file of its own and fills its rows
// here; nothing else links the window to the work.

#include <span>

#include "app/core/command_services.h"

namespace scorewick::app {

class MainWindow;

struct CommandEnv {
  MainWindow& window;
  CommandServices services;
};

using CommandHandler = void (*)(CommandEnv& env);

struct CommandRow {
  int command;
  CommandHandler handler;  // null: not built yet, shown disabled
  bool enabled() const { return handler != nullptr; }
};

std::span<const CommandRow> CommandTable();
// The row of a command number, or null.
const CommandRow* FindCommand(int command);

}  // namespace scorewick::app
