#pragma once
// The link to the Palm desktop software: choosing a handheld user, queuing
// files for the user's next HotSync, and the install commands.

#include <memory>
#include <optional>
#include <string>

#include "app/core/command_services.h"
#include "exchange/install_aide.h"

namespace scorewick::app {

// A chosen Palm user with the loaded library (unloaded when it goes).
struct PalmUserChoice {
  std::unique_ptr<InstallAide> aide;  // null when the library is missing
  std::optional<std::string> user;    // empty when nobody was chosen
};

// Loads the library and chooses a user: none when the library cannot be
// loaded ("Cannot Load INSTAIDE.DLL") or when there are no users
// (no_user_text under "No Users Found"); the only user without asking; the
// picker when there are several.
PalmUserChoice ChoosePalmUser(CommandServices& services, const std::string& no_user_text);

// Whether path names a file the handheld can take: a Palm database or
// application (.pdb, .prc, .pqa, any case).
bool IsPalmInstallable(const std::string& path);
// Queues path for the chosen user's next HotSync and says so.  Returns true
// when the file is in the queue.  Any file but a Palm database or
// application is refused with a message naming it, before a user is asked.
bool InstallFileToPalm(CommandServices& services, const std::string& path);

// Queues path for the user of choice (which has one) and says so; false,
// with a message, when the desktop software would not take it.
bool QueueForHotSync(CommandServices& services, const PalmUserChoice& choice,
                     const std::string& path);

// The "should be available" message's file name: the part of the path
// after its last folder separator.
std::string InstalledFileName(const std::string& path);

inline constexpr const char* kCompanionCaption = "Scorewick Companion";

// Palm > Install > Scorewick Companion: Scorewick.prc from the start
// folder, or one the person looks for (after a question that names the
// path tried).
void RunInstallCompanion(CommandServices& services);
// Palm > Install > Other: any Palm database or application.
void RunInstallOther(CommandServices& services);

}  // namespace scorewick::app
