#pragma once
// One statistics query: the games, whose players (one team or every team),
// the league rules and the splits in; the team's tables, its opponents' and
// the two together out, with the report of the games left out.  The
// Statistics window, the stats command and the box score all count through
// it, so that a figure is the same wherever it is shown.

#include <string>
#include <vector>

#include "records/game.h"
#include "stats/accumulate.h"
#include "stats/game_choice.h"
#include "stats/split.h"
#include "stats/stat.h"
#include "stats/stat_rules.h"
#include "stats/stat_view.h"

namespace scorewick {

// Which tables a query counts: only those a caller shows are counted.
enum class StatSides {
  kTeam,       // the team (every team with all_teams)
  kOpponents,  // the team's opponents
  kBoth,       // the team and its opponents from one reading of the games,
               // and the two together (not with all_teams: the team only)
};

// The sides a view needs: kBoth for the combined view.
StatSides SidesOf(StatView view);

struct StatQuery {
  // The game files (counted in this order), the team (as the games spell
  // it, code page 1252) or every team, and the filters over the games.
  GameChoice chosen;
  // Instead of the files: the one game in memory, counted as game 1 (the
  // box score's counting of a game it holds).
  const Game* game = nullptr;
  StatRules rules;
  Split batting_split = Split::kAll;   // against the pitcher's hand
  Split pitching_split = Split::kAll;  // against the batter's hand
  StatSides sides = StatSides::kBoth;
  int threads = 0;              // reading threads, 0: one per core
  AccumulateProgress progress;  // may stop the count (report.cancelled)
};

struct StatResult {
  Stat team;       // empty unless counted
  Stat opponents;  // empty unless counted
  // The opponents' players, then the team's, then "TOTALS", under the
  // team's name; empty unless both sides were counted.
  Stat combined;
  AccumulateReport report;  // games read, the team's games, the refusals

  // The table a view shows.
  Stat& Of(StatView view);
  // The first game refused for being in a prior format (which refuses a
  // whole run), or null.
  const GameRefusal* PriorFormatRefusal() const;
};

// Counts the query's games: each file read once, on query.threads threads,
// counted in list order so the tables are the same however many threads
// read.  Games that cannot be read are left out and named in the report.
// When the progress callback stops the count, report.cancelled is set and
// the tables are incomplete.  Never shows or prints anything.
StatResult RunStatQuery(const StatQuery& query);

}  // namespace scorewick
