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

Status ParseGameList(std::string_view text, const std::string& folder,
                     std::vector<std::string>& paths) {
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
      Status refused =
          Status::Failed({}, "line " + std::to_string(number) +
                                 " holds a NUL byte: this is not a list of game files");
      refused.line = number;
      return refused;
    }
    if (line.empty() || line.front() == '#') continue;
    const std::filesystem::path path(line);
    paths.push_back(base.empty() || path.is_absolute() ? path.string() : (base / path).string());
  }
  return {};
}

Status ReadGameList(const std::string& path, std::vector<std::string>& paths) {
  std::string text;
  if (Status read = ReadWholeTextFile(path, text); !read) return read;
  Status parsed = ParseGameList(text, std::filesystem::path(path).parent_path().string(), paths);
  if (!parsed) {
    parsed.file = path;
    parsed.reason = path + ": " + parsed.reason;
  }
  return parsed;
}

Status GameListText(const std::vector<std::string>& paths, const std::string& list_path,
                    std::string& text) {
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
      return Status::Failed(list_path, "the name \"" + path + "\" cannot be kept in a list");
    }
    if (line.front() == '#' || Trimmed(line).size() != line.size()) line = "./" + line;
    text += line + '\n';
  }
  return {};
}

Status WriteGameList(const std::string& list_path, const std::vector<std::string>& paths) {
  std::string text;
  if (Status listed = GameListText(paths, list_path, text); !listed) return listed;
  return WriteTextFileAtomically(list_path, text);
}

}  // namespace scorewick
