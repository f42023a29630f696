#pragma once
// Short games in the scorebook shorthand whose play-by-play and box scores
// the report tests work out by hand, and the compiler that turns them into
// game records.

#include <gtest/gtest.h>

#include <string>

#include "records/game.h"
#include "sim/scorebook.h"

namespace scorewick::reports::testing {

inline constexpr const char* kBoxTeams = R"(
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

// Two innings: runners batted and walked round, a bases-loaded walk; then
// a dropped third strike with the batter going to third on the wild pitch,
// a hit batsman, a passed ball, a balk and a three-run home run.  The home
// side leads after the top of the 2nd and does not bat again.
inline constexpr const char* kTwoInnings = R"(
game date=2024-06-01 time=18:05 field="Test Park" attendance=120 duration=1:05
rules innings=2
top 1
bsf 1B7
bb 1B8 1-3
bbbb BB
bbbb BB
css K
F8
6-3
bottom 1
ss KWP B-3(WP)
HBP
b PB c BK s s K
bbbb BB
HR7
ccc KL
P4
top 2
sss K
6-3
F9
)";

inline Game CompileBook(const char* plays) {
  Game game;
  const sim::ScorebookResult result =
      sim::CompileScorebook(std::string(kBoxTeams) + plays, game);
  EXPECT_TRUE(result.ok) << result.error;
  return game;
}

}  // namespace scorewick::reports::testing
