#pragma once
// Short games written by hand in the scorebook shorthand, shared by the
// scorebook, statistics and report tests, and the compiler that turns them
// into game records.

#include <stdexcept>
#include <string>

#include "records/game.h"
#include "sim/scorebook.h"

namespace scorewick::sim::testing {

// Two nine-man teams with their benches; the games below are one inning
// long.
inline constexpr const char* kTeams = R"(
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
- "Ray Relief" P 11 R/R
- "Sid Swift" LF 12 R/R
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
- "Tom Tide" 2B 31 R/R
)";

// A single, a strikeout and a double play; then a walk that comes round
// on a steal, a wild pitch and a sacrifice fly to win it.
inline constexpr const char* kWalkOff = R"(
game date=2024-06-01 time=18:05 field="Test Park" attendance=120 duration=1:05
umpires "Una Ump" "Vic Vane"
rules innings=1
top 1
bsf 1B7
css K
b 6-4-3DP
bottom 1
bbbb BB
b SB2 c WP f SF8 3-H ; Deep fly to the warning track
)";

// An error, a fielder's choice, a pick-off, a double and a two-run home
// run: runs that would not have scored without the error are unearned.
inline constexpr const char* kErrors = R"(
rules innings=1
top 1
E6
FC4 1X2(4-6)
b PO1(1-3) s 2B8
s HR9
F8
bottom 1
P4
L6
FF2
)";

// An intentional walk, a pitching change in the middle of a count, a
// pinch hitter hit by a pitch, a passed ball, a strikeout, a single.
inline constexpr const char* kChanges = R"(
rules innings=1
top 1
iiii IBB
bb P "Sal Stone" bb BB
PH "Pat Pinch" HBP ; Pat Pinch batted for Cy Cole
c PB s s K
bsf 1B9 3-H 2-3
ccc KL
6-3
M8 "Pat Pinch"
bottom 1
sss K
ccs K
sss K
)";

// The game of teams followed by plays; a book that does not compile throws,
// naming the line (and so fails the test that asked for it).
inline Game CompileBook(const std::string& plays, const std::string& teams = kTeams) {
  Game game;
  const ScorebookResult result = CompileScorebook(teams + plays, game);
  if (!result.ok) throw std::runtime_error("scorebook: " + result.error);
  return game;
}

}  // namespace scorewick::sim::testing
