#pragma once
// Short games in the scorebook shorthand for the score sheet tests.

#include <stdexcept>
#include <string>

#include "records/game.h"
#include "sim/scorebook.h"

namespace scorewick::testing {

inline constexpr const char* kSheetTeams = R"(
game date=2024-06-01 time=18:05 field="Test Park" attendance=120 duration=1:05
umpires "Una Ump" "Vic Vane"
rules innings=1
visitors "Gulls"
1 "Ann Able" SS 1 R/R
2 "Bo Baker" 2B 2 L/R
3 "Cy Cole" CF 3 R/R
4 "Di Dunn" 1B 4 R/R
5 "Ed Eng" 3B 5 S/R
6 "Flo Fox" LF 6 R/R
7 "Gus Gray" RF 7 R/R
8 "Hal Hunt" C 8 R/R
9 "Ike Ives" P 9 R/L
- "Pat Pinch" 3B 10 L/R
home "Hawks"
1 "Jo Jett" CF 21 R/R
2 "Kim Kent" SS 22 R/R
3 "Lu Lane" 1B 23 L/L
4 "Mo Moss" C 24 R/R
5 "Ned Nye" 3B 25 R/R
6 "Olga Orr" 2B 26 R/R
7 "Pia Pond" LF 27 R/R
8 "Quin Quay" RF 28 R/R
9 "Rex Roe" P 29 R/R
- "Sal Stone" P 30 L/L
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

// The teams above with plays; a book that does not compile throws (and so
// fails the test that asked for it).
inline Game CompileSheetGame(const char* plays) {
  Game game;
  const sim::ScorebookResult result =
      sim::CompileScorebook(std::string(kSheetTeams) + plays, game);
  if (!result.ok) throw std::runtime_error(result.error);
  return game;
}

}  // namespace scorewick::testing
