#include "records/path_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace scorewick {
namespace {

std::filesystem::path PathOf(std::string_view path) { return std::filesystem::path(path); }

}  // namespace

std::string FolderOf(std::string_view path) { return PathOf(path).parent_path().string(); }

std::string FileNameOf(std::string_view path) { return PathOf(path).filename().string(); }

std::string ExtensionOf(std::string_view path) {
  std::string ext = PathOf(path).extension().string();
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

bool FileNameHasDot(std::string_view path) {
  return FileNameOf(path).find('.') != std::string::npos;
}

std::string WithExtension(std::string_view path, std::string_view extension) {
  std::string out(path);
  if (!FileNameHasDot(path)) out += "." + std::string(extension);
  return out;
}

std::string FileNameWithExtension(std::string_view path, std::string_view extension) {
  return PathOf(path).stem().string() + "." + std::string(extension);
}

}  // namespace scorewick
