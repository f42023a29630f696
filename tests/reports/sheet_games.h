#pragma once
// Short games in the scorebook shorthand for the score sheet tests.

#include <string>

#include "tools/book_games.h"

namespace scorewick::testing {

inline constexpr const char* kSheetHead = R"(
game date=2024-06-01 time=18:05 field="Test Park" attendance=120 duration=1:05
umpires "Una Ump" "Vic Vane"
rules innings=1
)";

// The marks of a handful of turns: a double that comes round on a stolen
// base and an error, a strikeout looking, a walk on five pitches, an
// error, a 6-4-3 double play.
inline constexpr const char* kMarksBook = R"(
top 1
bs 2B8
b SB3 ccc KL
bbsbb BB
s E6 3-H ; The ball went through his legs
b 6-4-3DP
bottom 1
sss K
b 6-3
F8
)";

// The visitors bat around: nine walks, then the top of the order strikes
// out; a pinch hitter comes in for the last three.
inline constexpr const char* kBatAroundBook = R"(
top 1
bbbb BB
bbbb BB
bbbb BB ; Bases loaded
bbbb BB
bbbb BB
bbbb BB
bbbb BB
bbbb BB
bbbb BB
sss K
sss K
PH "Pat Pinch" sss K
M8 "Pat Pinch"
bottom 1
sss K
sss K
sss K ; Game over
)";

// The head above, the shared teams and plays; a book that does not compile
// throws.
inline Game CompileSheetGame(const char* plays) {
  return sim::testing::CompileBook(plays, std::string(kSheetHead) + sim::testing::kTeams);
}

}  // namespace scorewick::testing
