#include "records/game_list_file.h"

#include <filesystem>
#include <string_view>

#include "records/file_io.h"

namespace scorewick {
namespace {

std::string_view Trimmed(std::string_view line) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
}

}  // namespace

bool ParseGameList(std::string_view text, const std::string& folder,
                   std::vector<std::string>& paths, std::string* error) {
  // A list saved by a Windows editor may begin with a byte-order mark.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::filesystem::path base(folder);
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.find('\0') != std::string_view::npos) {
      if (error) {
        *error = "line " + std::to_string(number) +
                 " holds a NUL byte: this is not a list of game files";
      }
      return false;
    }
    if (line.empty() || line.front() == '#') continue;
    const std::filesystem::path path(line);
    paths.push_back(base.empty() || path.is_absolute() ? path.string() : (base / path).string());
  }
  return true;
}

bool ReadGameList(const std::string& path, std::vector<std::string>& paths, std::string* error) {
  std::string text;
  if (!ReadWholeTextFile(path, text, error)) return false;
  std::string why;
  if (!ParseGameList(text, std::filesystem::path(path).parent_path().string(), paths, &why)) {
    if (error) *error = path + ": " + why;
    return false;
  }
  return true;
}

bool GameListText(const std::vector<std::string>& paths, const std::string& list_path,
                  std::string& text, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path folder = fs::absolute(fs::path(list_path), ec).parent_path().lexically_normal();
  text = "# Games chosen in Scorewick: one game file a line, from this list's folder\n";
  for (const std::string& path : paths) {
    const fs::path game = fs::absolute(fs::path(path), ec).lexically_normal();
    const fs::path relative = game.lexically_relative(folder);
    std::string line = game.string();
    if (!relative.empty() && *relative.begin() != "..") line = relative.string();
    if (line.empty() || line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos ||
        line.back() == ' ' || line.back() == '\t') {
      if (error) *error = "the name \"" + path + "\" cannot be kept in a list";
      return false;
    }
    if (line.front() == '#' || Trimmed(line).size() != line.size()) line = "./" + line;
    text += line + '\n';
  }
  return true;
}

bool WriteGameList(const std::string& list_path, const std::vector<std::string>& paths,
                   std::string* error) {
  std::string text;
  if (!GameListText(paths, list_path, text, error)) return false;
  return WriteTextFileAtomically(list_path, text, error);
}

}  // namespace scorewick
