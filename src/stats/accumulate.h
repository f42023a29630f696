#pragma once
// Accumulate: counts games into a Stat's three tables, then closes each
// table with its totals row and computes the derived figures.
//
// The team counted is stat.team_name (opponents = false), or the other
// team of every game that team played (opponents = true); with
// stat.all_teams set every game counts both of its teams, each under its
// own name, and the team name becomes "All Teams" at the end.  A game in
// which the named team did not play contributes nothing.
//
// Splits (stats/split.h): the batting split looks at the pitcher who
// finished the plate appearance; the pitching split at the batter (a
// switch hitter stands against the pitcher's hand).
//
// The caller empties the tables first (Stat::ClearTables).

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "intake/game_intake.h"
#include "records/game.h"
#include "records/local_date.h"
#include "stats/game_filter.h"
#include "stats/split.h"
#include "stats/stat.h"

namespace scorewick {

struct AccumulateReport {
  int games_read = 0;     // games decoded and counted (named team or not)
  int games_of_team = 0;  // of those, the games the named team played (all teams: all)
  // The days of the first and the last of those games, when there are any.
  std::optional<LocalDate> first_day, last_day;
  std::vector<GameRefusal> refusals;  // in list order
  bool cancelled = false;             // the progress callback stopped the counting
  // With an active filter: each game's headline where it could be read
  // (by list place), and how many of those the filters chose.
  std::vector<std::optional<GameHeadline>> headlines;
  std::size_t games_chosen = 0;
};

// Told, before each game, how many games of how many are done; returning
// false stops the counting there (the tables are then incomplete and
// unclosed: the caller throws them away).
using AccumulateProgress = std::function<bool(int done, int total)>;

// Counts every game of games, read on `threads` threads (0: one
// per idle core; records/game_feed.h).  On one thread each game is counted
// into the tables as it is read; on more, each is counted apart on the
// thread that read it and added to the tables in list order
// (stats/game_part.h), so that the tables are the same however many
// threads read.  A file that cannot be read, is not a game, is damaged or
// is in a prior format is not counted at all and is named in the report;
// the rest are counted.  A game of other teams is read only as far as its
// teams.  Never shows or prints anything.
AccumulateReport Accumulate(const std::vector<std::string>& games, Stat& stat, Split pitching_split,
                            Split batting_split, bool opponents,
                            const AccumulateProgress& progress = {}, int threads = 0);

// The team's tables and its opponents' counted together from one reading
// of games: each file is read once.  Either may be null; the team name and
// all_teams flag are those of the first given.  Only the games filter
// leaves are counted (stats/game_filter.h: ChooseByFilter); the others are
// read only as far as their headline and are neither counted nor read.
AccumulateReport AccumulateSides(const std::vector<std::string>& games, Stat* team, Stat* opponents,
                                 Split pitching_split, Split batting_split,
                                 const AccumulateProgress& progress = {}, int threads = 0,
                                 const GameFilter& filter = {});

// The current-game-only form: counts the one open game (as game 1).
void Accumulate(Stat& stat, const Game& current_game, Split pitching_split, Split batting_split,
                bool opponents);

// Counting without the totals, for callers that feed games themselves:
// counts game as game number n (1-based), then FinishTables closes the
// tables.  Accumulate is AccumulateGame over the list, then FinishTables.
void AccumulateGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
                    bool opponents);
void FinishTables(Stat& stat);

}  // namespace scorewick
