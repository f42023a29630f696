#include "app/core/season_lines.h"

#include <cstdio>
#include <filesystem>

#include "records/game_list_file.h"
#include "stats/accumulate.h"
#include "stats/stat.h"

namespace scorewick::app {

std::map<std::string, std::string> SeasonLines(const std::string& list_path,
                                               const std::vector<std::string>& teams,
                                               const std::string& game_scored,
                                               const StatRules& rules) {
  std::map<std::string, std::string> lines;
  std::vector<std::string> paths;
  if (list_path.empty() || !ReadGameList(list_path, paths)) return lines;
  std::error_code ec;
  const std::filesystem::path scored = std::filesystem::weakly_canonical(game_scored, ec);
  for (const std::string& team : teams) {
    Stat stat(rules);
    stat.team_name = team;
    std::vector<std::string> games;
    for (const std::string& path : paths) {
      if (std::filesystem::weakly_canonical(path, ec) != scored) games.push_back(path);
    }
    if (games.empty()) continue;
    static_cast<void>(Accumulate(games, stat, Split::kAll, Split::kAll, false));
    for (const BattingStat& b : stat.batting) {
      if (b.plate_appearances == 0) continue;
      char average[16];
      const int thousandths = b.at_bats > 0 ? (b.hits * 1000 + b.at_bats / 2) / b.at_bats : 0;
      std::snprintf(average, sizeof average, "%d.%03d", thousandths / 1000, thousandths % 1000);
      std::string avg = average;
      if (avg[0] == '0') avg.erase(0, 1);  // .312, as a batting average is written
      lines[b.name] = "AVG " + avg + ", " + std::to_string(b.home_runs) + " HR, " +
                      std::to_string(b.rbi) + " RBI in " + std::to_string(b.games) + " G";
    }
  }
  return lines;
}

}  // namespace scorewick::app
