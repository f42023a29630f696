#pragma once
// A game counted apart: its statistics in tables of its own, counted on
// the thread that read the game while other cores read and count other
// games, then added to the season's tables in list order.  Adding the
// parts game by game gives the very tables that counting each game into
// them in turn gives: the same rows in the same order, the same figures.

#include <vector>

#include "records/game.h"
#include "stats/side_counter.h"
#include "stats/split.h"
#include "stats/stat.h"

namespace scorewick {

class GamePart {
 public:
  // Counts game as game number n (1-based) the way AccumulateGame would
  // count it into `like` (its team, all_teams flag and rules).
  void Count(const Stat& like, const Game& game, int n, Split pitching_split, Split batting_split,
             bool opponents);

  // Adds the counted game to the season's tables, which hold every
  // earlier game of the list and no later one.
  void AddTo(Stat& stat) const;

 private:
  Stat part_;
  std::vector<counting::LateCredit> late_;
  int n_ = 0;
};

}  // namespace scorewick
