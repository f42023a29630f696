#pragma once
// Game files for the statistics window tests: a short simulated season
// among the sample teams, and copies of one game under other team names.

#include <string>
#include <vector>

namespace scorewick::testing {

// Plays `count` games among the four sample teams into folder (created
// when missing) and returns their paths, in schedule order.
std::vector<std::string> WriteSampleGames(const std::string& folder, int count, unsigned seed = 11);

// The sample team that plays in every other game of WriteSampleGames.
std::string SampleTeamName();

// Copies the game at source to path with the game list's two team names
// (home, visitors) replaced: what the chooser shows and sorts teams by.
void WriteRetitledGame(const std::string& source, const std::string& path, const std::string& home,
                       const std::string& visitors);

}  // namespace scorewick::testing
