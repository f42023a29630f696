#include "app/core/pocket_pc_partners.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "records/file_io.h"

namespace scorewick::app {
namespace {

constexpr std::size_t kMaxPartnersBytes = std::size_t{1} << 20;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameKey(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool HoldsControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

}  // namespace

std::string PartnersFilePath() {
  if (const char* path = std::getenv("SCOREWICK_PARTNERS"); path && *path) return path;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    config = std::filesystem::path(home && *home ? home : ".") / ".config";
  }
  return (config / "scorewick" / "partners").string();
}

std::vector<PocketPcPartner> ParsePartners(std::string_view text) {
  std::vector<PocketPcPartner> partners;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      partners.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}, {}, {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || partners.empty()) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string value(Trim(line.substr(equals + 1)));
    if (SameKey(key, "DisplayName")) {
      partners.back().display_name = value;
    } else if (SameKey(key, "SyncFolder") && !value.empty()) {
      PocketPcPartner& partner = partners.back();
      if (HoldsControlCharacter(value)) {
        partner.sync_folder.reset();
        partner.refusal =
            "the SyncFolder of [" + partner.key + "] holds a control character and is not used";
      } else {
        partner.sync_folder = value;
        partner.refusal.clear();
      }
    }
  }
  return partners;
}

std::optional<std::vector<PocketPcPartner>> ReadPartners(const std::string& path,
                                                         std::string* error) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) {
    if (error) *error = "no partners file at " + path;
    return std::nullopt;
  }
  if (std::filesystem::is_regular_file(status) &&
      std::filesystem::file_size(path, ec) > kMaxPartnersBytes && !ec) {
    if (error) *error = path + " is larger than 1 MB and was not read";
    return std::nullopt;
  }
  std::string text;
  if (Status read = ReadWholeTextFile(path, text, kMaxPartnersBytes); !read) {
    if (error) *error = read.reason;
    return std::nullopt;
  }
  return ParsePartners(text);
}

std::optional<std::string> FindSyncFilesFolder(Ui& ui, bool exporting,
                                               const std::string& partners_path, bool* declined) {
  std::string error;
  const auto partners = ReadPartners(partners_path, &error);
  // A partners file that is there but cannot be read is said, so that the
  // person learns why no device was found; a missing one is the usual case
  // of a machine never paired.
  std::error_code ec;
  if (!partners && std::filesystem::exists(partners_path, ec)) {
    ui.ShowMessage(error, "Cannot find path to Synchronize Files", MessageIcon::kExclamation);
  }
  if (!partners || partners->empty()) return std::nullopt;
  const PocketPcPartner* chosen = nullptr;
  const std::size_t count = partners->size();
  if (count == 1) {
    chosen = &partners->front();
  } else {
    for (std::size_t i = 0; i < count && chosen == nullptr; ++i) {
      const PocketPcPartner& device = (*partners)[i];
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
