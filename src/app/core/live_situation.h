#pragma once
// What the live scorer answers after every word: the situation of the game
// in a few lines (the inning and half, outs, count, runners, the batter
// with his line of the day, the pitcher with his pitch count and what the
// pitch-count rules say of it, and the score), and the help of its words.

#include <string>
#include <string_view>

#include "scoring/live_book.h"
#include "stats/workload_rules.h"

namespace scorewick::app {

// "1 for 2, BB, 2 RBI": a batter's line of the day so far (record text).
std::string LineOfTheDay(const Game& game, bool home, std::string_view name);
// "Rex Roe, 52 pitches (2 days of rest; 33 more to the day's most of 85)":
// the pitcher with what the pitch-count rules say of his pitches so far.
std::string PitcherLine(const scoring::Scorer& s, const PLAYER& pitcher,
                        const WorkloadRules& rules);

// Record texts (code page 1252), ending in a line feed.
std::string Situation(const scoring::LiveBook& book, const WorkloadRules& workload);

// The words and commands of the live scorer, briefly (UTF-8).
std::string ScoringHelp();

}  // namespace scorewick::app
