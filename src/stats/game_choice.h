#pragma once
// A choice of games as the game chooser keeps it: the games chosen, the
// team whose players are counted and the filters over the games.  A saved
// list of games (records/game_list_file.h) keeps the team and the filters
// as comment lines beginning "#:", which --games-from skips like any other
// comment:
//
//   # Games chosen in Scorewick: one game file a line, from this list's folder
//   #: team Seattle Mariners
//   #: last 10
//   SEA201909290.gam
//
// Keys: "team NAME" or "all-teams", "from DAY", "to DAY" (YYYY-MM-DD),
// "filter-team NAME", "ground home|away", "opponent NAME", "last N".  Names
// are code page 1252, as the games spell them.  A line with an unknown key
// or a value that does not read is skipped, so that a list written by a
// later version still opens.

#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"
#include "stats/game_filter.h"

namespace scorewick {

struct GameChoice {
  std::vector<std::string> games;  // every game chosen, before the filters
  std::string team;                // the team to analyse; empty when none is chosen
  bool all_teams = false;          // "All Teams" is chosen (team is then empty)
  GameFilter filter;
};

// The "#:" lines of the choice's team and filters (nothing for what is not
// set).  A name holding a line break cannot be kept and is left out.
std::string GameChoiceLines(const GameChoice& choice);

// Reads the team and filters from the "#:" lines of a list's text into
// choice (its games are not touched).
void ReadGameChoiceLines(std::string_view text, GameChoice& choice);

// Saves the choice as a list of games at path (atomically), the team and
// filter lines after the list's first comment line.  Fails with the reason.
Status WriteGameChoice(const std::string& path, const GameChoice& choice);

// Reads the list at path: its games (relative ones from the list's folder),
// team and filters.  Fails with the reason when the list cannot be read.
Status ReadGameChoice(const std::string& path, GameChoice& choice);

// What the filters choose, in words for a window's title line: "last 10
// games of Seattle Mariners, home, against Houston Astros, 2019-05-01 to
// 2019-05-31"; empty when no filter is set.  Names in code page 1252.
std::string DescribeFilter(const GameFilter& filter);

}  // namespace scorewick
