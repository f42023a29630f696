#pragma once
// What the benchmarks of a command that writes many files measure against:
// the same files' bytes written again.  They are taken from one run of the
// command done beforehand, in a folder of their own.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "records/file_io.h"

namespace scorewick::bench {

// An empty folder under the temporary folder.
inline std::string EmptyFolder(const char* name) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

// Files as their names and bytes.
struct WrittenFiles {
  std::vector<std::string> names;
  std::vector<std::vector<std::uint8_t>> bytes;
  std::size_t total = 0;
};

inline WrittenFiles ReadWritten(const std::vector<std::string>& paths) {
  WrittenFiles files;
  for (const std::string& p : paths) {
    files.names.push_back(std::filesystem::path(p).filename().string());
    files.bytes.emplace_back();
    if (!ReadWholeFile(p, files.bytes.back())) std::printf("cannot read %s\n", p.c_str());
    files.total += files.bytes.back().size();
  }
  return files;
}

// Writes the files again into folder as the commands do: each beside its
// name, one sync, then the renames.  False when any step fails.
inline bool WriteDurably(const WrittenFiles& files, const std::string& folder) {
  FileBatch batch;
  for (std::size_t i = 0; i < files.names.size(); ++i) {
    if (!batch.Add(folder + "/" + files.names[i], files.bytes[i])) return false;
  }
  return static_cast<bool>(batch.Commit());
}

}  // namespace scorewick::bench
