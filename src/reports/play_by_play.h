#pragma once
// The game told in words: one sentence per batter following him from the
// plate to wherever his trip ended (the base he was left on, home, or the
// out), half inning by half inning, with the scorer's notes and a totals
// line after each half.

#include <string>
#include <vector>

#include "records/at_bat.h"
#include "records/game.h"

namespace scorewick::reports {

// Width at which the play-by-play and the box score's notes are wrapped.
inline constexpr int kNarrativeWidth = 86;

// The sentence of one at-bat: the batter's name, how he reached, the pinch
// runner who took his place, each base he gained later as a runner (a run
// of bases on one error, wild pitch, passed ball or balk told once, at its
// last base), how he was put out, his RBI, and a period.  Empty when the
// at-bat has neither reached nor out set.  Codes outside the tables add
// nothing (an unknown reach code reads " reached first base").
std::string NarrateAtBat(const AT_BAT& at_bat);

// One half inning of the play-by-play as its parts: the heading ("Gulls -
// Top of the 3rd:"), each batter's sentence and each scorer's note after
// his turn (unwrapped), and the totals line.
struct PlayByPlayHalf {
  struct Entry {
    std::string text;
    bool note = false;  // a scorer's note (then text is his, as he wrote it)
  };
  std::string heading;
  std::vector<Entry> entries;
  std::string totals;
};

// The halves AddPlayByPlay tells, in order.
std::vector<PlayByPlayHalf> PlayByPlayHalves(const Game& game, int innings_shown);

// Adds the play-by-play of the first innings_shown innings (at most 40) to
// lines: for each half that has at-bats, "<team> - Top of the 3rd:", the
// sentences and notes wrapped at kNarrativeWidth, the totals line
// "1 run, 2 hits, 0 errors, 1 LOB." recomputed from the at-bats, and an
// empty line.  Nothing at all when the first top half has no at-bats.
void AddPlayByPlay(std::vector<std::string>& lines, const Game& game, int innings_shown);

}  // namespace scorewick::reports
