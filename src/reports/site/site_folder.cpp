#include "reports/site/site_folder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "records/output_guard.h"

namespace scorewick::site {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kListHead = "scorewick site 1";

// A path from the folder that stays in it: relative, no "..", no empty part.
bool InsideFolder(const std::string& path) {
  if (path.empty() || path.front() == '/' || path.back() == '/') return false;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part(path.data() + start, end - start);
    if (part.empty() || part == "." || part == ".." || part.find('\\') != std::string_view::npos)
      return false;
    start = end + 1;
  }
  return true;
}

std::string ListPath(const std::string& folder) {
  return (fs::path(folder) / std::string(kSiteListName)).string();
}

}  // namespace

FolderKind KindOfFolder(const std::string& folder) {
  std::error_code ec;
  if (!fs::exists(folder, ec)) return FolderKind::kEmpty;
  if (FileExists(ListPath(folder))) return FolderKind::kOurSite;
  return fs::is_directory(folder, ec) && fs::is_empty(folder, ec) ? FolderKind::kEmpty
                                                                  : FolderKind::kOther;
}

std::uint64_t TextHash(std::string_view text) {
  // Eight bytes a step: a site of a season is a hundred megabytes of text.
  std::uint64_t h = 1469598103934665603ULL ^ text.size();
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    h = (h ^ word) * 0x9E3779B97F4A7C15ULL;
    h ^= h >> 29;
  }
  for (; i < text.size(); ++i) h = (h ^ static_cast<unsigned char>(text[i])) * 1099511628211ULL;
  return h;
}

SiteFolder::SiteFolder(std::string folder) : folder_(std::move(folder)) {
  std::string list;
  if (!ReadWholeTextFile(ListPath(folder_), list)) return;
  list_read_ = list;
  std::istringstream in(list);
  std::string line;
  if (!std::getline(in, line) || line != kListHead) return;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Entry e;
    std::string path;
    fields >> std::hex >> e.hash >> std::dec >> e.size;
    if (!fields || fields.get() != ' ' || !std::getline(fields, path)) continue;
    if (InsideFolder(path)) before_[path] = e;
  }
}

Status SiteFolder::FolderFor(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  const std::string sub = path.substr(0, slash);
  if (folders_ready_.count(sub)) return {};
  const fs::path where = fs::path(folder_) / sub;
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(where, ec);
  if (fs::is_symlink(status)) {
    return Status::Failed(
        {}, where.string() + " is a link: a link in " + folder_ + " is not followed out of it");
  }
  if (!fs::exists(status)) fs::create_directories(where, ec);
  if (!fs::is_directory(fs::symlink_status(where, ec))) {
    return Status::Failed(
        {}, "cannot make the folder " + where.string() + (ec ? ": " + ec.message() : ""));
  }
  folders_ready_.insert(sub);
  return {};
}

Status SiteFolder::Add(const std::string& path, std::string_view text) {
  if (!InsideFolder(path))
    return Status::Failed({}, path + " is not a name inside the site's folder");
  if (Status ready = FolderFor(path); !ready) return ready;
  const std::string target = (fs::path(folder_) / path).string();
  if (Status place = CheckOutputPlace(target, folder_); !place) {
    place.file.clear();
    return place;
  }
  const Entry entry{TextHash(text), static_cast<std::int64_t>(text.size())};
  now_[path] = entry;
  const auto before = before_.find(path);
  if (before != before_.end() && before->second.hash == entry.hash &&
      before->second.size == entry.size && FileLength(target) == entry.size) {
    ++unchanged_;
    return {};
  }
  Status added = batch_.Add(target, TextBytes(text));
  if (!added) {
    now_.erase(path);
    return added;
  }
  ++written_;
  return {};
}

Status SiteFolder::Finish(std::vector<Status>* failed) {
  if (batch_.size() > 0) {
    if (Status committed = batch_.Commit(failed); !committed) return committed;
  }
  for (const auto& [path, entry] : before_) {
    if (now_.count(path)) continue;
    const fs::path target = fs::path(folder_) / path;
    std::error_code ec;
    // Only a file it wrote, in a folder of the site's own (never through a link).
    if (!FolderFor(path) || !fs::is_regular_file(fs::symlink_status(target, ec))) continue;
    if (fs::remove(target, ec)) ++removed_;
  }
  std::string list(kListHead);
  list += '\n';
  char hex[17];
  for (const auto& [path, entry] : now_) {
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(entry.hash));
    list += std::string(hex) + " " + std::to_string(entry.size) + " " + path + "\n";
  }
  before_ = now_;
  if (list == list_read_) return {};  // a run that changed nothing
  list_read_ = list;
  return WriteTextFileAtomically(ListPath(folder_), list);
}

}  // namespace scorewick::site
