#pragma once
// The batters' season so far, shown beside their line of the day while a
// game is scored: each batter of the given teams over the games of a list
// (the list last chosen in the game chooser), as "AVG .312, 4 HR, 17 RBI in
// 21 G".  The game being scored is left out: its line is the day's.

#include <map>
#include <string>
#include <vector>

#include "stats/stat_rules.h"

namespace scorewick::app {

// By batter's name (record text); empty when the list cannot be read or
// holds no game of the teams.
std::map<std::string, std::string> SeasonLines(const std::string& list_path,
                                               const std::vector<std::string>& teams,
                                               const std::string& game_scored,
                                               const StatRules& rules);

}  // namespace scorewick::app
