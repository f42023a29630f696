// The install aide component: one folder per handheld user under a
// desktop-sync root, each with its install queue and its Backup folder.

#include "instaide/instaide.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path SyncRoot() {
  if (const char* root = std::getenv("SCOREWICK_SYNC_ROOT"); root && *root) return root;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    return fs::path(data) / "scorewick" / "palm-desktop";
  }
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : ".") / ".local" / "share" / "scorewick" / "palm-desktop";
}

std::vector<std::string> Users() {
  std::vector<std::string> users;
  std::error_code ec;
  for (fs::directory_iterator it(SyncRoot(), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.' || !it->is_directory(type_ec)) continue;
    users.push_back(name);
  }
  std::sort(users.begin(), users.end());
  return users;
}

// A user's folder, only for a name that is one of the root's sub-folders
// (so that a name with "/" or ".." cannot reach elsewhere).
bool UserFolder(const char* user, fs::path& folder) {
  if (user == nullptr) return false;
  const std::vector<std::string> users = Users();
  if (std::find(users.begin(), users.end(), std::string(user)) == users.end()) return false;
  folder = SyncRoot() / user;
  return true;
}

// Copies through a temporary file in the queue, renamed into place whole.
bool CopyIntoQueue(const fs::path& source, const fs::path& queue) {
  static std::atomic<unsigned> counter{0};
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) return false;
  fs::create_directories(queue, ec);
  if (ec) return false;
  const fs::path target = queue / source.filename();
  const fs::path temp = queue / ("." + source.filename().string() + ".part" +
                                 std::to_string(::getpid()) + "-" + std::to_string(counter++));
  if (!fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec)) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace

extern "C" {

int16_t InstallAideUserCount(void) {
  return static_cast<int16_t>(std::min<std::size_t>(Users().size(), 32767));
}

int16_t InstallAideUserName(int32_t index, char* name, int16_t* length) {
  if (name == nullptr || length == nullptr || *length <= 0) return -1;
  const std::vector<std::string> users = Users();
  if (index < 0 || static_cast<std::size_t>(index) >= users.size()) {
    name[0] = '\0';
    *length = 0;
    return -1;
  }
  const std::string& user = users[static_cast<std::size_t>(index)];
  const std::size_t n = std::min<std::size_t>(user.size(), static_cast<std::size_t>(*length) - 1);
  std::memcpy(name, user.data(), n);
  name[n] = '\0';
  *length = static_cast<int16_t>(n);
  return 0;
}

int16_t InstallAideInstallFile(const char* user, const char* path) {
  fs::path folder;
  if (path == nullptr || !UserFolder(user, folder)) return -1;
  return CopyIntoQueue(path, folder / "Install") ? 0 : -1;
}

int16_t InstallAideUserFolder(const char* user, char* folder, int32_t* length) {
  if (folder == nullptr || length == nullptr) return -1;
  fs::path user_folder;
  const std::string text = UserFolder(user, user_folder) ? user_folder.string() : std::string();
  if (text.empty() || *length <= 0 || text.size() >= static_cast<std::size_t>(*length)) {
    if (*length > 0) folder[0] = '\0';
    *length = -1;
    return -1;
  }
  std::error_code ec;
  fs::create_directories(user_folder / "Backup", ec);
  fs::create_directories(user_folder / "Install", ec);
  std::memcpy(folder, text.c_str(), text.size() + 1);
  *length = static_cast<int32_t>(text.size());
  return 0;
}

}  // extern "C"
