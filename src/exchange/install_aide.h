#pragma once
// The program's side of the install aide (see instaide/instaide.h): the
// library is loaded by name for each command and unloaded when the
// command ends, so nothing stays open between commands.

#include <memory>
#include <optional>
#include <string>

#include "instaide/instaide.h"
#include "records/user_message.h"

namespace scorewick {

// "Cannot Load INSTAIDE.DLL" (caption "Palm DLL Missing or Corrupt"): what
// every Palm command says when the library cannot be loaded.
UserMessage CannotLoadInstallAideMessage();

class InstallAide {
 public:
  // Loads the library: the file $SCOREWICK_INSTAIDE names when that is set
  // (and nothing else), else libinstaide.so beside the running program,
  // else by name through the system's library search.  Null when it cannot
  // be loaded or lacks one of its four functions.
  static std::unique_ptr<InstallAide> Load();

  ~InstallAide();
  InstallAide(const InstallAide&) = delete;
  InstallAide& operator=(const InstallAide&) = delete;

  int UserCount() const;
  // The name of the user at index (0-based); empty when there is none.
  std::string UserName(int index) const;
  // Queues the file for the user's next HotSync; false when the component
  // refused it.
  bool InstallFile(const std::string& user, const std::string& path) const;
  // The user's desktop folder, or nothing when the user has none.
  std::optional<std::string> UserFolder(const std::string& user) const;

 private:
  InstallAide() = default;

  void* handle_ = nullptr;
  decltype(&::InstallAideUserCount) user_count_ = nullptr;
  decltype(&::InstallAideUserName) user_name_ = nullptr;
  decltype(&::InstallAideInstallFile) install_file_ = nullptr;
  decltype(&::InstallAideUserFolder) user_folder_ = nullptr;
};

}  // namespace scorewick
