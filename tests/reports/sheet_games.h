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

// A slot held by six players: the lead-off man walks and five pinch
// runners follow one another on first; the last of them stays in at
// shortstop.  In the bottom half a bench man comes into right field for
// the seventh slot and never bats.  The visitors carry a longer bench
// than the shared teams.
inline std::string ManyHoldersTeams() {
  std::string teams = sim::testing::kTeams;
  teams.insert(teams.find("home \"Hawks\""),
               "- \"Ty Trot\" SS 13 R/R\n- \"Uma Urge\" SS 14 R/R\n- \"Val Vim\" SS 15 R/R\n"
               "- \"Wes West\" RF 16 R/R\n");
  return teams;
}
inline constexpr const char* kManyHoldersBook = R"(
top 1
bbbb BB
PR1 "Pat Pinch"
PR1 "Sid Swift"
PR1 "Ty Trot"
PR1 "Uma Urge"
PR1 "Val Vim"
sss K
sss K
sss K
M6 "Val Vim"
bottom 1
D9 "Wes West"
sss K
sss K
sss K
)";

// The head above, the shared teams and plays; a book that does not compile
// throws.
inline Game CompileSheetGame(const char* plays, const std::string& teams = sim::testing::kTeams) {
  return sim::testing::CompileBook(plays, std::string(kSheetHead) + teams);
}

}  // namespace scorewick::testing
