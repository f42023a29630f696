#pragma once
// The shell's own commands: printer set-up, exit, options, the help
// manual and the About box.

#include "app/command_table.h"

namespace scorewick::app {

void RunPrinterSetup(CommandEnv& env);
// Closes the main window when it agrees to close, which ends the program.
void RunExit(CommandEnv& env);
void RunOptions(CommandEnv& env);
// The manual at its contents, and at its page on copying files by hand.
void RunHelpIndex(CommandEnv& env);
void RunHelpTopic(CommandEnv& env);
void RunAbout(CommandEnv& env);

// The manual's path (help/index.html from the start folder, else beside
// the program) and its anchor for the page on copying files by hand.
inline constexpr const char* kHelpManual = "help/index.html";
inline constexpr const char* kHelpTopicAnchor = "topic120";

}  // namespace scorewick::app
