#pragma once
// The desktop program: what `scorewick` runs when no subcommand is given.

namespace scorewick::app {

// Shows the splash for at least three seconds, builds the main window from
// the settings of the current folder (the start folder), runs until the
// window closes, and saves the settings.  Returns the exit status.
int RunDesktop(int argc, char** argv);

}  // namespace scorewick::app
