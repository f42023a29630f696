#include "exchange/install_aide.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace scorewick {

UserMessage CannotLoadInstallAideMessage() {
  return {"Cannot Load INSTAIDE.DLL", "Palm DLL Missing or Corrupt", MessageIcon::kInformation};
}
namespace {

void* OpenLibrary() {
  if (const char* path = std::getenv("SCOREWICK_INSTAIDE"); path && *path) {
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
  }
  // Beside the program, when its folder can be told: never a library of
  // the current folder standing in for the program's own.
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && self.is_absolute()) {
    const std::string beside = (self.parent_path() / INSTAIDE_LIBRARY_NAME).string();
    if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
  }
  return dlopen(INSTAIDE_LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
}

template <typename F>
bool Find(void* handle, const char* name, F& function) {
  function = reinterpret_cast<F>(dlsym(handle, name));
  return function != nullptr;
}

}  // namespace

std::unique_ptr<InstallAide> InstallAide::Load() {
  void* handle = OpenLibrary();
  if (handle == nullptr) return nullptr;
  std::unique_ptr<InstallAide> aide(new InstallAide());
  aide->handle_ = handle;
  if (!Find(handle, "InstallAideUserCount", aide->user_count_) ||
      !Find(handle, "InstallAideUserName", aide->user_name_) ||
      !Find(handle, "InstallAideInstallFile", aide->install_file_) ||
      !Find(handle, "InstallAideUserFolder", aide->user_folder_)) {
    return nullptr;  // the destructor unloads it
  }
  return aide;
}

InstallAide::~InstallAide() {
  if (handle_ != nullptr) dlclose(handle_);
}

int InstallAide::UserCount() const { return user_count_(); }

std::string InstallAide::UserName(int index) const {
  // A user is a folder, and a folder name may be 255 bytes long: the
  // buffer holds that and its terminator.
  char name[256] = {};
  std::int16_t length = sizeof name;
  user_name_(index, name, &length);
  name[sizeof name - 1] = '\0';
  return std::string(name, std::strlen(name));
}

bool InstallAide::InstallFile(const std::string& user, const std::string& path) const {
  return install_file_(user.c_str(), path.c_str()) == 0;
}

std::optional<std::string> InstallAide::UserFolder(const std::string& user) const {
  char folder[4097] = {};
  std::int32_t length = 4096;
  user_folder_(user.c_str(), folder, &length);
  if (length < 0) return std::nullopt;
  folder[4096] = '\0';
  return std::string(folder);
}

}  // namespace scorewick
