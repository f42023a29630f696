#pragma once
// Which paired Pocket PC's synchronised-files folder a transfer uses: the
// only device, or the one the person accepts when asked in turn
// (exchange/pocket_pc_partners.h reads the devices).

#include <optional>
#include <string>

#include "platform/ui.h"

namespace scorewick::app {

// Chooses a paired device and returns its synchronised-files folder: the
// only device without a question, else each in turn is offered ("Export
// file to this device : NAME ?" or "Import file from ...") until one is
// accepted.  Nothing when the file is missing, lists no device, every
// device was declined (then *declined is set, when given) or the chosen
// one has no folder (a refused folder, or a partners file that is there
// but cannot be read, is shown first, so that the person learns what to
// mend).
std::optional<std::string> FindSyncFilesFolder(Ui& ui, bool exporting,
                                               const std::string& partners_path,
                                               bool* declined = nullptr);
std::optional<std::string> FindSyncFilesFolder(Ui& ui, bool exporting, bool* declined = nullptr);

// The message every Pocket PC command shows when no folder was found.
void ShowNoSyncFolderMessage(Ui& ui);

}  // namespace scorewick::app
