#include "app/core/refused_games.h"

#include <unordered_set>

namespace scorewick::app {

std::string ListedLines(const std::vector<std::string>& lines, std::size_t most) {
  std::string text;
  const std::size_t shown = lines.size() > most ? most : lines.size();
  for (std::size_t i = 0; i < shown; ++i) text += (i == 0 ? "" : "\n") + lines[i];
  if (shown < lines.size()) text += "\n... and " + std::to_string(lines.size() - shown) + " more";
  return text;
}

std::string RefusedGamesText(const std::vector<GameRefusal>& refusals, bool none_left) {
  std::vector<std::string> lines;
  lines.reserve(refusals.size());
  for (const GameRefusal& refusal : refusals) lines.push_back(RefusalLine(refusal));
  return std::string(none_left ? "No game could be read:\n"
                               : "These games could not be read and are left out:\n") +
         "\n" + ListedLines(lines);
}

std::vector<std::string> WithoutRefused(const std::vector<std::string>& paths,
                                        const std::vector<GameRefusal>& refusals) {
  std::unordered_set<std::string> refused;
  for (const GameRefusal& refusal : refusals) refused.insert(refusal.file);
  std::vector<std::string> kept;
  for (const std::string& path : paths) {
    if (refused.count(path) == 0) kept.push_back(path);
  }
  return kept;
}

}  // namespace scorewick::app
