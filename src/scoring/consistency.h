#pragma once
// Consistency checks any scored game can be run through: the things that
// must agree in a game record however it was made.
//
// - each half's stored runs, hits, errors and left on base equal what its
//   boxes add up to (the half-inning totals of the box score);
// - every half but the game's last has exactly "outs per inning" outs, the
//   last at most that many, and the out numbers (box numbers) of a half run
//   1, 2, 3 ..;
// - each pitch sequence agrees with itself: the count before every pitch,
//   the final count, one reach entry when the batter reached and one out
//   entry when he was out, a strikeout on the last strike and a walk on the
//   last ball, pitch details in step with the pitches, and the detail copy
//   every entry carries;
// - every runner's bases agree with his reach and advance entries and with
//   his advance codes, and the runners left on base stand on different
//   bases;
// - the pitchers of a box fill its slots from the front and their last
//   pitches lie in order;
// - every name in a box (batter, runner, pitchers, fielders) and in the
//   line-ups is on the roster of its team, and so are the decision pitchers;
// - the score kept in the header is the sum of the halves.

#include <string>
#include <vector>

#include "records/game.h"
#include "scoring/league_rules.h"

namespace scorewick::scoring {

// One finding, with where it is ("top 3, box 2: ...").
struct Inconsistency {
  int inning = 0;  // 0-based; -1 for the game as a whole
  bool top = true;
  int at_bat = -1;  // -1 for the half as a whole
  std::string what;

  std::string Text() const;
};

// Every inconsistency found in game under rules (empty when none).
std::vector<Inconsistency> CheckGame(const Game& game, const LeagueRules& rules);

}  // namespace scorewick::scoring
