#pragma once
// Short games in the scorebook shorthand whose play-by-play and box scores
// the report tests work out by hand (the teams of tools/book_games.h).

#include "tools/book_games.h"

namespace scorewick::reports::testing {

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

// Nine innings; the home side leads after the top of the 9th and does not
// bat.  A three-run home run and two hit batsmen; a strikeout with the
// runner going from first to third on the wild pitch; a passed ball and a
// balk; a double play; a pinch hitter (who stays in at third) and a pinch
// runner (who stays in in left) in the top of the 5th; the short stop and
// the second baseman trading places; a pinch hitter in the bottom of the
// 7th who stays in at second; a bases-loaded walk; a reliever who gets one
// out.
inline constexpr const char* kNineInnings = R"(
game date=2024-06-08 time=13:00 field="Test Park" attendance=250 duration=2:41
top 1
sss K
6-3
F8
bottom 1
1B7
HBP
HR9
sss K
6-3
F7
top 2
bbbb BB
sss K 1-3(WP)
SF9 3-H
6-3
bottom 2
1B7
b PB c BK 4-3
sss K
F8
top 3
sss K
sss K
sss K
bottom 3
6-3
F8
sss K
top 4
1B7
6-4-3DP
sss K
bottom 4
sss K
sss K
sss K
top 5
PH "Pat Pinch" 1B7
1B8 1-2
PR1 "Sid Swift"
F9
sss K
sss K
M5 "Pat Pinch"
M7 "Sid Swift"
bottom 5
sss K
sss K
sss K
top 6
sss K
6-3
F8
M4 "Ann Able"
M6 "Bo Baker"
bottom 6
sss K
sss K
sss K
top 7
sss K
6-3
F7
bottom 7
sss K
PH "Tom Tide" 1B7
sss K
sss K
M4 "Tom Tide"
top 8
1B7
bbbb BB
HBP
bbbb BB
sss K
F8
sss K
bottom 8
sss K
sss K
P "Ray Relief"
F8
top 9
sss K
sss K
sss K
)";

// A tie in two innings of two outs: a double, a sacrifice bunt, a stolen
// base, an error, a runner caught stealing, and a reliever who comes in
// after the starter's third out.
inline constexpr const char* kTie = R"(
rules innings=2 outs=2
top 1
2B8
SH1-3 2-3
sss K
bottom 1
1B7
b SB2 sss K
E6
b CS3(2-5)
top 2
sss K
P "Sal Stone"
F9
bottom 2
sss K
sss K
)";

using sim::testing::CompileBook;

}  // namespace scorewick::reports::testing
