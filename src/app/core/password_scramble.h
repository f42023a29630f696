#pragma once
// The settings file keeps the upload password under a symmetric character
// substitution: a fixed table of 52 disjoint pairs of characters, each
// character standing for the other of its pair.  Characters in no pair
// stay as they are.  Applying it twice gives the text back, so the same
// routine scrambles before writing and unscrambles after reading.
//
// The table has no blank or control character in it, so that a scrambled
// one-word password stays one word on its line.

#include <string>

namespace scorewick::app {

inline constexpr int kScramblePairCount = 52;
struct ScramblePair {
  char first;
  char second;
};
extern const ScramblePair kScrambleTable[kScramblePairCount];

// Replaces each character of text, in place, by its partner.
void ScramblePassword(std::string& text);

}  // namespace scorewick::app
