#pragma once
// Short games in the scorebook shorthand for the statistics tests, each
// with the figures it is meant to show worked out by hand in its test.

#include <string>

#include "tools/book_games.h"

namespace scorewick::testing {

// Steals and caught stealing by a pinch runner, a foul third strike that
// is no strikeout, and pick-offs by the pitcher and by the catcher.
inline constexpr const char* kRunning = R"(
rules innings=1
top 1
bsf 1B7
PR1 "Pat Pinch" b SB2 s CS3(2-5) ss K
1B8
ssfff HR7
6-3
M6 "Pat Pinch"
bottom 1
1B9
c PO1(1-3) b 2B7
CPA2 b PO2(2-6) c F8
)";

// Two runners caught stealing second but safe on an error: Ann Able goes
// on and scores on Bo Baker's single, Bo stays where the error left him.
inline constexpr const char* kCaughtStealingSafe = R"(
rules innings=1
top 1
1B7
CS2(E6) b 1B8 2-H
b CS2(E4) sss K
sss K
sss K
bottom 1
sss K
sss K
sss K
)";

// A run off the starter before anyone is out, then a reliever; the
// league's pitching rules count innings pitched in.
inline constexpr const char* kRelief = R"(
rules innings=3
top 1
HR7
P "Sal Stone"
sss K
sss K
sss K
bottom 1
sss K
P "Ray Relief"
sss K
sss K
top 2
sss K
sss K
sss K
bottom 2
HR7
sss K
sss K
sss K
top 3
sss K
sss K
sss K
bottom 3
sss K
sss K
sss K
)";

// Sal Stone relieves Rex Roe with two strikes on Ann Able and throws
// strike three.
inline constexpr const char* kStrikeoutRelief = R"(
rules innings=1
top 1
ss P "Sal Stone" c KL
sss K
sss K
bottom 1
sss K
sss K
sss K
)";

// A dropped third strike on a passed ball: the batter reaches first.
inline constexpr const char* kDroppedThird = R"(
rules innings=1
top 1
cs KPB
sss K
sss K
sss K
bottom 1
sss K
sss K
sss K
)";

// The scorebook teams with a catcher on the Hawks' bench.
inline const std::string kCatcherTeams =
    std::string(sim::testing::kTeams) + "- \"Cal Catch\" C 32 R/R\n";

// Cal Catch takes over behind the plate between the first two batters,
// with no change of catcher in any pitch sequence: he catches every pitch
// from the second batter on.
inline constexpr const char* kCatcherChange = R"(
rules innings=1
top 1
bs 6-3
D2 "Cal Catch"
bbs F8
sss K
bottom 1
sss K
sss K
sss K
)";

// The scorebook teams, but the home side bats a designated hitter for its
// pitcher (and has no bench).
inline const std::string kDhTeams = [] {
  const std::string teams = sim::testing::kTeams;
  return teams.substr(0, teams.find("9 \"Rex Roe\"")) +
         "9 \"Dee Hitt\" DH 31 R/R\nP \"Rex Roe\" P 29 R/R\n";
}();

inline constexpr const char* kDhGame = R"(
rules innings=1
top 1
F8
6-3
sss K
bottom 1
F9
sss K
sss K
)";

// For the rate columns: a home run, a walk, a strikeout, a double, a
// sacrifice fly and a strikeout off Rex Roe (16 pitches, 2 runs); then a
// single off Ike Ives, who leaves without an out, and three strikeouts by
// Ray Relief.  Gus Gray, Hal Hunt, Ike Ives and Ray Relief never come to
// bat.
inline constexpr const char* kRates = R"(
rules innings=1
top 1
b HR7
bbbb BB
sss K
c 2B8 1-3
b SF9 3-H
sss K
bottom 1
b 1B7
P "Ray Relief"
sss K
sss K
sss K
)";

}  // namespace scorewick::testing
