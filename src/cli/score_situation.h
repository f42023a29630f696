#pragma once
// What the live scorer answers after every word: the situation of the game
// in a few lines (the inning and half, outs, count, runners, the batter
// with his line of the day, the pitcher with his pitch count and what the
// pitch-count rules say of it, and the score), and the help of its words.

#include <string>

#include "scoring/live_book.h"
#include "stats/workload_rules.h"

namespace scorewick::cli {

// Record texts (code page 1252), ending in a line feed.
std::string Situation(const scoring::LiveBook& book, const WorkloadRules& workload);

// The words and commands of the live scorer, briefly (UTF-8).
std::string ScoringHelp();

}  // namespace scorewick::cli
