#pragma once
// The Hawks' spring: five dated games for the tests of the filters and the
// lists that show games by day.

#include <filesystem>
#include <string>
#include <vector>

#include "records/game_file.h"

namespace scorewick::testing {

struct SpringGame {
  const char* file;
  int month, day, hour, minute;
  const char* home;
  const char* visitor;
};

// On 4 May the afternoon game is listed before the morning one; the last
// game, of two other teams, is not yet under way.
inline constexpr SpringGame kSpring[] = {
    {"g1", 4, 6, 13, 0, "Hawks", "Owls"}, {"g2", 4, 13, 13, 0, "Owls", "Hawks"},
    {"g3", 5, 4, 15, 0, "Bats", "Hawks"}, {"g4", 5, 4, 10, 0, "Hawks", "Bats"},
    {"g5", 6, 1, 18, 30, "Owls", "Bats"},
};

// Copies the game at source into folder (made when missing) as g1.gam to
// g5.gam, dated and named as kSpring says, a played game's score the
// visitors' 3 to the day of the month; returns their paths in that order,
// none when they cannot be written.
inline std::vector<std::string> WriteSpringGames(const std::string& source,
                                                 const std::string& folder) {
  Game game;
  if (!LoadGame(source, game).ok) return {};
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  for (const SpringGame& d : kSpring) {
    game.header.year = 2024;
    game.header.month = static_cast<std::uint8_t>(d.month);
    game.header.day = static_cast<std::uint8_t>(d.day);
    game.header.start_hour = d.hour;
    game.header.start_minute = d.minute;
    game.home.team_name.set(d.home);
    game.visitor.team_name.set(d.visitor);
    game.header.list_names[0].set(d.home);
    game.header.list_names[1].set(d.visitor);
    const bool played = d.month < 6;
    game.header.visitor_score = played ? 3 : 0;
    game.header.home_score = played ? d.day : 0;
    paths.push_back((std::filesystem::path(folder) / (std::string(d.file) + ".gam")).string());
    if (!SaveGame(paths.back(), game).ok) return {};
  }
  return paths;
}

}  // namespace scorewick::testing
