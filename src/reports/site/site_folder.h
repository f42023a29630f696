#pragma once
// A website's folder: the files of a site written into it, and beside them
// the list of what was written (".scorewick-site": each file's path, size
// and a hash of its text), so that publishing again rewrites only the
// files whose text changed and removes the files it wrote before that the
// site no longer has (the page of a game no longer chosen).  A file it did
// not write is never removed.  The files are made durable together at the
// end (records/file_io.h, FileBatch): a crash leaves each old or new and
// whole.  Nothing is written through a link that leads out of the folder.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_io.h"
#include "records/status.h"

namespace scorewick::site {

inline constexpr std::string_view kSiteListName = ".scorewick-site";

// What a folder holds, for the output check: nothing (or it is not there),
// a site this program wrote (its list is there), or something else.
enum class FolderKind { kEmpty, kOurSite, kOther };
FolderKind KindOfFolder(const std::string& folder);

// A 64-bit hash of a file's text, to tell a changed page from the last run's.
std::uint64_t TextHash(std::string_view text);

class SiteFolder {
 public:
  // Reads the list of the site written there before, if any.  The folder
  // is made when missing.
  explicit SiteFolder(std::string folder);

  // Takes one file of the site (path from the folder, '/' between
  // folders): written when it is new or its text differs from the last
  // run's, else left as it is.  Fails (nothing added) when the path would
  // lead out of the folder or the file cannot be written there.
  Status Add(const std::string& path, std::string_view text);

  // Removes the files of the last run that were not added, makes the
  // written files durable and writes the list.  Fails as FileBatch::Commit
  // does (each file that failed in *failed), or when the list cannot be
  // written.
  Status Finish(std::vector<Status>* failed = nullptr);

  int written() const { return written_; }
  int unchanged() const { return unchanged_; }
  int removed() const { return removed_; }

 private:
  struct Entry {
    std::uint64_t hash = 0;
    std::int64_t size = 0;
  };
  // Whether the folder of path (inside the site) is there and a folder of
  // its own, made when missing; fails saying why not.
  Status FolderFor(const std::string& path);

  std::string folder_;
  std::string list_read_;  // the list as it stands on the disk
  std::map<std::string, Entry> before_;
  std::map<std::string, Entry> now_;
  std::set<std::string> folders_ready_;
  FileBatch batch_;
  int written_ = 0;
  int unchanged_ = 0;
  int removed_ = 0;
};

}  // namespace scorewick::site
