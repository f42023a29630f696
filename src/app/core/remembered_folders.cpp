#include "app/core/remembered_folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "records/file_io.h"
#include "records/key_value_lines.h"

namespace scorewick::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGameListKey = "game-list";
constexpr const char* kScoredGameKey = "scored-game";
constexpr std::size_t kMaxFoldersBytes = 64 * 1024;
constexpr const char* kKeys[kFileKindCount] = {
    "team", "game", "export", "pdf", "palm-database", "palm-install", "logo", "event-file"};

std::string PathIn(const std::string& start_folder) {
  return (fs::path(start_folder) / kFoldersFileName).string();
}

}  // namespace

std::string RememberedFolders::For(FileKind kind, const std::string& fallback) const {
  const std::string& folder = folders_[static_cast<int>(kind)];
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec) ? folder : fallback;
}

void RememberedFolders::Remember(FileKind kind, const std::string& chosen_file) {
  if (!chosen_file.empty()) RememberFolder(kind, fs::path(chosen_file).parent_path().string());
}

namespace {

// path made absolute into *kept; a line break would split the file's line:
// such a path is not kept.
void Keep(const std::string& path, std::string* kept) {
  std::error_code ec;
  const std::string absolute = fs::absolute(path.empty() ? "." : path, ec).string();
  if (!ec && absolute.find_first_of("\r\n") == std::string::npos) *kept = absolute;
}

}  // namespace

void RememberedFolders::RememberFolder(FileKind kind, const std::string& folder) {
  Keep(folder, &folders_[static_cast<int>(kind)]);
}

void RememberedFolders::RememberGameList(const std::string& list) {
  if (!list.empty()) Keep(list, &last_game_list_);
}

void RememberedFolders::RememberScoredGame(const std::string& game) {
  if (!game.empty()) Keep(game, &last_scored_game_);
}

std::string RememberedFolders::Text() const {
  std::string text;
  for (int k = 0; k < kFileKindCount; ++k) {
    if (!folders_[k].empty()) text += std::string(kKeys[k]) + "=" + folders_[k] + "\n";
  }
  if (!last_game_list_.empty()) text += std::string(kGameListKey) + "=" + last_game_list_ + "\n";
  if (!last_scored_game_.empty())
    text += std::string(kScoredGameKey) + "=" + last_scored_game_ + "\n";
  return text;
}

RememberedFolders RememberedFolders::Parse(std::string_view text) {
  RememberedFolders folders;
  ForEachKeyValue(text, [&](std::string_view key, std::string_view value) {
    for (int k = 0; k < kFileKindCount; ++k) {
      if (key == kKeys[k]) folders.folders_[k] = value;
    }
    if (key == kGameListKey) folders.last_game_list_ = value;
    if (key == kScoredGameKey) folders.last_scored_game_ = value;
  });
  return folders;
}

RememberedFolders LoadRememberedFolders(const std::string& start_folder) {
  std::string text;
  const std::string path = PathIn(start_folder);
  if (!FileExists(path) || !ReadWholeTextFile(path, text, kMaxFoldersBytes)) return {};
  return RememberedFolders::Parse(text);
}

Status SaveRememberedFolders(const std::string& start_folder, const RememberedFolders& folders) {
  const std::string path = PathIn(start_folder);
  if (folders.Text().empty() && !FileExists(path)) return {};
  Status saved = WriteTextFileAtomically(path, folders.Text(), FileAccess::kOwnerOnly);
  if (saved) return saved;
  return Status::Refused(
      path,
      {"The folders of this run's file dialogs could not be kept.\n\n" + saved.reason, "Scorewick",
       MessageIcon::kExclamation},
      saved.reason);
}

}  // namespace scorewick::app
