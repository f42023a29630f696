#pragma once
// The season's leaders: the best few players at batting average, home
// runs, runs batted in, OPS, ERA, strikeouts and WHIP.  The rates count
// only players who qualify: the qualifiers the statistics use (a least
// number of plate appearances, of innings pitched) when they are set, else
// 3.1 plate appearances and one inning pitched for each game his team
// played, so that a player with one hit in one at-bat leads no one.

#include <string>
#include <string_view>
#include <vector>

#include "stats/qualifiers.h"
#include "stats/stat.h"
#include "stats/stat_columns.h"

namespace scorewick::site {

struct Leader {
  std::string team;
  std::string name;
  std::string value;  // as the statistics tables show it, trimmed
};

struct LeaderBoard {
  StatTable table = StatTable::kBatting;
  std::string key;        // "Avg"
  std::string name;       // "Batting average"
  std::string qualifier;  // "at least 3.1 plate appearances a team game", or empty
  std::vector<Leader> leaders;
};

// The column of the table with the key ("Avg"), or -1.
int ColumnOf(StatTable table, std::string_view key);

// The boards over the teams' tables (one Stat per team, totals rows
// included), at most count players each; ties keep the order of the teams
// and their rows.
std::vector<LeaderBoard> Leaders(const std::vector<const Stat*>& teams,
                                 const Qualifiers& qualifiers, std::size_t count = 5);

}  // namespace scorewick::site
