#include "app/core/sync_folder_choice.h"

#include <filesystem>
#include <vector>

#include "exchange/pocket_pc_partners.h"

namespace scorewick::app {

std::optional<std::string> FindSyncFilesFolder(Ui& ui, bool exporting,
                                               const std::string& partners_path, bool* declined) {
  std::vector<PocketPcPartner> partners;
  const Status read = ReadPartners(partners_path, partners);
  // A partners file that is there but cannot be read is said, so that the
  // person learns why no device was found; a missing one is the usual case
  // of a machine never paired.
  std::error_code ec;
  if (!read && std::filesystem::exists(partners_path, ec)) {
    ui.ShowMessage(read.reason, "Cannot find path to Synchronize Files", MessageIcon::kExclamation);
  }
  if (!read || partners.empty()) return std::nullopt;
  const PocketPcPartner* chosen = nullptr;
  const std::size_t count = partners.size();
  if (count == 1) {
    chosen = &partners.front();
  } else {
    for (std::size_t i = 0; i < count && chosen == nullptr; ++i) {
      const PocketPcPartner& device = partners[i];
      const std::string question = std::string(exporting ? "Export file to" : "Import file from") +
                                   " this device : " + device.display_name + " ?\n(" +
                                   std::to_string(i + 1) + " of " + std::to_string(count) +
                                   " found)";
      if (ui.AskYesNo(question, "Select Device", MessageIcon::kQuestion)) chosen = &device;
    }
    if (declined) *declined = chosen == nullptr;
  }
  if (chosen != nullptr && !chosen->refusal.empty()) {
    ui.ShowMessage(chosen->refusal, "Cannot find path to Synchronize Files",
                   MessageIcon::kExclamation);
  }
  if (chosen == nullptr || !chosen->sync_folder) return std::nullopt;
  return chosen->sync_folder;
}

std::optional<std::string> FindSyncFilesFolder(Ui& ui, bool exporting, bool* declined) {
  return FindSyncFilesFolder(ui, exporting, PartnersFilePath(), declined);
}

void ShowNoSyncFolderMessage(Ui& ui) {
  ui.ShowMessage(
      "Make sure Active Sync \"Synchronize Files\" Option is enabled or see Help File for other "
      "ways to copy files to and from your device.",
      "Cannot find path to Synchronize Files", MessageIcon::kExclamation);
}

}  // namespace scorewick::app
