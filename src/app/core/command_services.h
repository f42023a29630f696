#pragma once
// What a command of the main window works with: the Ui through which it
// talks to the person, the session it shares with the other commands, and
// the list of Palm users to choose from when there are several (a dialog
// on the desktop, a --user flag on the command line, a script in tests).

#include <functional>

#include "app/core/session.h"
#include "platform/ui.h"

namespace scorewick {
class InstallAide;
}  // namespace scorewick

namespace scorewick::app {

// Returns the chosen user's index, or -1 when none was chosen.
using PalmUserPicker = std::function<int(const InstallAide& aide)>;

struct CommandServices {
  Ui& ui;
  Session& session;
  PalmUserPicker pick_palm_user;
};

}  // namespace scorewick::app
