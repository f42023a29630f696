#pragma once
// The scorebook: a small text form of a scored game, one line per plate
// appearance in the usual scorer's shorthand (K, BB, 6-3, F8, 1B7, E6,
// SB2, WP ...), compiled into a game record through the Scorer, so that a
// test can state a short game by hand.  The format is described in
// tools/SCOREBOOK.md.

#include <string>

#include "records/game.h"
#include "scoring/league_rules.h"

namespace scorewick::scoring {

struct ScorebookResult {
  bool ok = false;
  std::string error;  // "line 12: ..." when not ok
  scoring::LeagueRules rules;  // the rules the book states
};

// Compiles a scorebook into game (which should be new).  On failure the
// message names the line and what is wrong with it, and game must be
// discarded.
ScorebookResult CompileScorebook(const std::string& text, Game& game);

}  // namespace scorewick::scoring
