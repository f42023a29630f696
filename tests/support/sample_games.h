#pragma once
// A short season of the sample teams as game files, for the suites that
// read many games.

#include <filesystem>
#include <string>
#include <vector>

#include "scoring/league_rules.h"
#include "sim/sample_teams.h"
#include "sim/season.h"

namespace scorewick::testing {

// Plays `count` games among the four sample teams into folder (made when
// missing), their team files first when asked, and returns the games'
// paths in schedule order; none when the season cannot be written.
inline std::vector<std::string> WriteSampleSeason(const std::string& folder, int count,
                                                  std::uint64_t seed = 11, bool teams_too = false) {
  std::filesystem::create_directories(folder);
  std::vector<Team> teams = sim::SampleTeams();
  std::string error;
  if (teams_too && !sim::WriteTeams(teams, folder, &error)) return {};
  if (!sim::WriteSeason(teams, sim::MakeSchedule(teams, count, scoring::LeagueRules{}, seed),
                        folder, &error)) {
    return {};
  }
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back((std::filesystem::path(folder) / sim::GameFileName(i)).string());
  }
  return paths;
}

}  // namespace scorewick::testing
