// Counting rules on short hand-stated games; every expected figure is
// worked out from the plays in the comments.  Counting a list of games
// with a progress callback: told before each game, stopped when it says so.
#include "stats/accumulate.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "records/code_classes.h"
#include "records/game_file.h"
#include "stat_books.h"
#include "stats/stat_columns.h"
#include "stats/totals.h"
#include "stats_support.h"
#include "support/stat_cells.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

using sim::testing::kChanges;
using sim::testing::kErrors;
using sim::testing::kWalkOff;
using testing::Batter;
using testing::CompileBook;
using testing::CountGame;
using testing::Fielder;
using testing::Pitcher;

constexpr StatTable kB = StatTable::kBatting, kP = StatTable::kPitching, kF = StatTable::kFielding;

using Row = testing::CellsRow;
using testing::ExpectRows;

// Bottom 1 of kWalkOff: Jo Jett walks on four balls, steals second, goes
// to third on a wild pitch and scores on Kim Kent's sacrifice fly.
TEST(Accumulate, WalkAndSacrificeFly) {
  const Stat s = CountGame(CompileBook(kWalkOff), "Hawks");
  // OBA: (0 + 1 + 0) / (0 + 1 + 0 + 0); the fly is in the denominator:
  // 0 / 1; the totals 1 / (0 + 1 + 0 + 1).
  ExpectRows(s, {{kB, "Jo Jett", "PA 1, BB 1, OAB 0, R 1, SB 1, SB2 1, OBA 1.000"},
                 {kB, "Kim Kent", "PA 1, OAB 0, SF 1, S 0, RBI 1, OBA .000"},
                 {kB, "TEAM TOTALS", "Team , IP 1, OBA .500"}});
  EXPECT_EQ(Batter(s, "Kim Kent").all_sacrifices, 1);

  // The Gulls' pitcher on the same half: 8 pitches (bbbb; b c f and the
  // fly), 3 strikes, 5 balls, the walk, the wild pitch, one out, an
  // earned run, and the steal attempt against him and his catcher.
  // ERA 9 x 1 / (1 / 3); the catcher receives balls and strikes, no fouls.
  const Stat g = CountGame(CompileBook(kWalkOff), "Gulls");
  ExpectRows(g, {{kP, "Ike Ives",
                  "BF 2, PC 8, TS 3, TB 5, BB 1, WP 1, IP 0.33, ER 1, FPB 2, L 1, "
                  "GC 1, ERA 27.00"},
                 {kF, "Ike Ives", "SBA 1", kPosPitcher},
                 {kF, "Hal Hunt", "SBA 1, PCHR 6", kPosCatcher}});
  EXPECT_EQ(Pitcher(g, "Ike Ives").opponent_at_bats, 0);
}

// Top 1 of kWalkOff against Rex Roe: a single (b s f, in play), a
// strikeout (c s s), a double play (b, grounder): 9 pitches, 7 strikes.
TEST(Accumulate, StarterLineAndPutOutsSplit) {
  // 6-4-3: the short stop's assist, the second baseman's put-out after an
  // assist (assisted) and his own throw, the first baseman's assisted
  // put-out; the catcher's strikeout put-out.  Each played the 3 outs.
  const Stat s = CountGame(CompileBook(kWalkOff), "Hawks");
  ExpectRows(s, {{kP, "Rex Roe",
                  "GS 1, GC 1, SHO 1, W 1, BF 3, H 1, 1B 1, SO 1, IP 1.00, PC 9, "
                  "TS 7, TB 2, FPS 1, FPB 2, FPS% 33.3, OBA 0.333"},
                 {kF, "Kim Kent", "PO 0, APO 0, UAPO 0, A 1, TP 1.000", kPosShortStop},
                 {kF, "Olga Orr", "PO 1, APO 1, UAPO 0, A 1, TP 1.000", kPosSecond},
                 {kF, "Lu Lane", "PO 1, APO 1, UAPO 0, A 0, TP 1.000", kPosFirst},
                 {kF, "Mo Moss", "PO 1, APO 1, UAPO 0, A 0, TP 1.000", kPosCatcher},
                 {kF, "TEAM TOTALS", "PO 3, A 2, F% 1.000"}});
  for (const auto& [name, put_outs] :
       {std::pair{"Kim Kent", 0}, {"Olga Orr", 1}, {"Lu Lane", 1}, {"Mo Moss", 1}})
    EXPECT_EQ(Batter(s, name).put_outs, put_outs) << name;  // the batting line's, all positions
  // A caught fly is an unassisted put-out (kErrors: Jo Jett's F8); F% 1 / (1 + 1).
  ExpectRows(CountGame(CompileBook(kErrors), "Hawks"),
             {{kF, "Jo Jett", "UAPO 1", kPosCenterField},
              {kF, "Kim Kent", "E 1, FE 1, F% .500", kPosShortStop}});
}

// kRunning: Pat Pinch runs for Ann Able, steals second and is caught
// stealing third (2-5); Di Dunn fouls three times with two strikes and
// homers; in the bottom Ike Ives picks Jo Jett off first (1-3) and Hal
// Hunt, after an attempt, picks Kim Kent off second (2-6).
TEST(Accumulate, PinchRunnerStealsAndPickOffs) {
  const Game game = CompileBook(testing::kRunning);
  const Stat gulls = CountGame(game, "Gulls");
  ExpectRows(gulls, {{kB, "Pat Pinch", "PA 0, OAB 0, SB 1, SB2 1, CS3 1, SBA 2, SB% 50.0"},
                     {kB, "Ann Able", "SB 0"},
                     {kB, "Di Dunn", "SOS 0, RBI 2"},
                     {kP, "Ike Ives", "PKO1 1, PKOA1 1"},
                     {kF, "Ike Ives", "PKO1 1", kPosPitcher},
                     {kF, "Hal Hunt", "PKO2 1, PKOA2 2, PKO1 0", kPosCatcher}});
  EXPECT_EQ(Batter(gulls, "Pat Pinch").positions[0], kPosPinchRunner);
  // One strikeout, Bo Baker's: a foul never makes strike three.
  ExpectRows(CountGame(game, "Hawks"), {{kB, "Jo Jett", "PKO1 1"},
                                        {kB, "Kim Kent", "PKO2 1"},
                                        {kP, "Rex Roe", "SO 1, PC 16, TS 14"},
                                        {kF, "Mo Moss", "CS3 1, SBA 1", kPosCatcher},
                                        {kF, "Ned Nye", "APO 1", kPosThird}});
}

// kCaughtStealingSafe: a runner caught stealing is charged with it even
// when an error saves him, and whether or not he advances after it; the
// box score's caught stealing (attempts less steals) follows.
TEST(Accumulate, CaughtStealingSafeOnAnErrorIsCaughtStealing) {
  const Game game = CompileBook(testing::kCaughtStealingSafe);
  ExpectRows(CountGame(game, "Gulls"),
             {{kB, "Ann Able", "CS2 1, SBA 1, SB 0, R 1"}, {kB, "Bo Baker", "CS2 1, SBA 1, SB 0"}});
  ExpectRows(CountGame(game, "Hawks"), {{kF, "Kim Kent", "E 1", kPosShortStop}});
}

// kChanges, top 1: Rex Roe throws two balls to Bo Baker (bats left), Sal
// Stone (throws left) two more: the relief comes at 2-0, so the walk and
// the batter stay charged to Rex.  Intentional balls are no pitches.
TEST(Accumulate, ReliefInMidCount) {
  // Rex's walks: Ann Able's intentional one and Bo's.  Sal's first-pitch
  // balls: Bo (his first pitch), Pat Pinch hit by the pitch, Ed Eng.
  ExpectRows(CountGame(CompileBook(kChanges), "Hawks"),
             {{kP, "Rex Roe", "BB 2, PC 2, TB 2, BF 2"},
              {kP, "Sal Stone", "BB 0, FPB 3, HB 1, SO 2, IP 1.00, BF 5, GS 0, ERA 0.00"}});
  const Stat g = CountGame(CompileBook(kChanges), "Gulls");
  ExpectRows(g, {{kB, "Pat Pinch", "HBP 1"}, {kB, "Flo Fox", "SOL 1"}});
  EXPECT_EQ(Batter(g, "Pat Pinch").positions[0], kPosPinchHitter);
}

TEST(Accumulate, StrikeoutByTheRelieverWhoThrewStrikeThree) {
  const Game game = CompileBook(testing::kStrikeoutRelief);
  // Sal's first-pitch strikes: c, then s and s to the next two.
  ExpectRows(CountGame(game, "Hawks"), {{kP, "Rex Roe", "SO 0, IP 0.00, PC 2, FPS 1"},
                                        {kP, "Sal Stone", "SO 3, IP 1.00, PC 7, FPS 3"}});
  ExpectRows(CountGame(game, "Gulls"), {{kB, "Ann Able", "SOL 1"}});
}

// The scorer charges the passed ball of a dropped third strike in the
// error list; the catcher has it once.
TEST(Accumulate, DroppedThirdStrikeOnAPassedBall) {
  const Game game = CompileBook(testing::kDroppedThird);
  const Stat hawks = CountGame(game, "Hawks");
  ExpectRows(hawks, {{kP, "Rex Roe", "SO 4, IP 1.00, BF 4"}, {kF, "Mo Moss", "PB 1", kPosCatcher}});
  EXPECT_EQ(Batter(hawks, "Mo Moss").passed_balls, 1);
  ExpectRows(CountGame(game, "Gulls"), {{kB, "Ann Able", "DTSPB 1, SOS 1, OAB 1"}});
}

TEST(Accumulate, BattingAndPitchingSplits) {
  const Game game = CompileBook(kChanges);
  // Bo Baker's walk was finished by a left-hander: it counts against
  // left-handers only, Ann Able's walk against right-handers only.
  ExpectRows(CountGame(game, "Gulls", false, Split::kAll, Split::kRight),
             {{kB, "Bo Baker", "PA 0, BB 0"}, {kB, "Ann Able", "BB 1"}});
  ExpectRows(CountGame(game, "Gulls", false, Split::kAll, Split::kLeft),
             {{kB, "Bo Baker", "BB 1"}, {kB, "Ann Able", "BB 0"}, {kB, "TEAM TOTALS", "BB 1"}});
  ExpectRows(CountGame(game, "Gulls"), {{kB, "TEAM TOTALS", "BB 2"}});

  // Pitching split: left-handed batters are Bo Baker and Pat Pinch; Ed Eng
  // switch-hits, so against Sal Stone he bats right.
  // Sal Stone's walks, hit batsmen, strikeouts and batters faced, and Rex
  // Roe's walks and batters faced: Bo Baker's walk is charged to Rex, who
  // left with the count against him, and so counts against Rex among
  // left-handed batters.
  ExpectRows(CountGame(game, "Hawks", false, Split::kRight, Split::kAll),  // right-handers
             {{kP, "Sal Stone", "BB 0, HB 0, SO 2, BF 4"}, {kP, "Rex Roe", "BB 1, BF 1"}});
  ExpectRows(CountGame(game, "Hawks", false, Split::kLeft, Split::kAll),  // left-handers
             {{kP, "Sal Stone", "BB 0, HB 1, SO 0, BF 1"}, {kP, "Rex Roe", "BB 1, BF 1"}});
}

// kRelief: Rex Roe gives up a home run to the first batter and leaves
// without an out; Ray Relief takes over from Ike Ives after one out of the
// bottom first and pitches into the third, giving up a home run.
TEST(Accumulate, EraWithoutOutsAndLeaguePitchingRules) {
  const Game game = CompileBook(testing::kRelief);
  ExpectRows(CountGame(game, "Hawks"), {{kP, "Rex Roe", "ER 1, IP 0.00, ERA 0.00"}});

  const Stat plain = CountGame(game, "Gulls");
  EXPECT_EQ(Pitcher(plain, "Ray Relief").outs, 8);
  EXPECT_FLOAT_EQ(Pitcher(plain, "Ray Relief").era, 3.375f);  // 9 x 1 / (8 / 3)
  StatRules ll;
  ll.ll_pitching_rules = true;
  const Stat league = CountGame(game, "Gulls", false, Split::kAll, Split::kAll, ll);
  EXPECT_EQ(std::tuple(Pitcher(league, "Ray Relief").innings_pitched_in,
                       Pitcher(league, "Ray Relief").outs),
            std::tuple(3, 9));
  EXPECT_FLOAT_EQ(Pitcher(league, "Ray Relief").era, 3.0f);
  EXPECT_EQ(Pitcher(league, "Ike Ives").outs, 3);  // one inning pitched in
  EXPECT_EQ(league.pitching.back().outs, 9);       // the totals keep the outs counted
}

// Figures a damaged file stores beyond what a play can hold are held to it:
// a plate appearance drives in at most four runs, and the sums stay true.
TEST(Accumulate, HugeStoredFiguresDoNotOverflowTheSums) {
  Game game = CompileBook(kWalkOff);
  for (AT_BAT& ab : game.innings[0].bottom.at_bats) ab.rbi = 2147483647;
  for (INNING& inning : game.innings) inning.top.runs = inning.bottom.runs = 2147483647;
  const Stat s = CountGame(game, "Hawks");
  EXPECT_EQ(s.batting.back().rbi, 8);  // two plate appearances
}

TEST(Accumulate, DesignatedHitterHasNoFieldingRow) {
  const Stat s = CountGame(CompileBook(testing::kDhGame, testing::kDhTeams), "Hawks");
  EXPECT_EQ(Batter(s, "Dee Hitt").games, 1);  // in the line-up, never at bat
  EXPECT_EQ(Batter(s, "Dee Hitt").positions[0], kPosDesignatedHitter);
  for (const FieldingStat& f : s.fielding) {
    EXPECT_NE(f.name, "Dee Hitt");
    EXPECT_TRUE(IsFieldingPosition(f.position) || f.name == "TEAM TOTALS");
  }
  EXPECT_NE(Fielder(s, "Rex Roe", kPosPitcher), nullptr);
}

TEST(Accumulate, OpponentsCombinedAndAllTeams) {
  const Game game = CompileBook(kWalkOff);
  const Stat team = CountGame(game, "Hawks");
  const Stat opponents = CountGame(game, "Hawks", true);
  ExpectRows(opponents, {{kB, "Ann Able", "Team Gulls"}, {kB, "TEAM TOTALS", "OAB 3"}});
  EXPECT_EQ(Pitcher(opponents, "Ike Ives").batters_faced, team.batting.back().plate_appearances);

  Stat combined;
  Combine(opponents, combined);
  Combine(team, combined);
  EXPECT_EQ(combined.batting.front().name, "Ann Able");
  EXPECT_EQ(combined.batting.size(), opponents.batting.size() + team.batting.size() - 1);
  EXPECT_EQ(std::tuple(combined.batting.back().name, combined.pitching.back().name,
                       combined.batting.back().plate_appearances, combined.batting.back().innings,
                       combined.pitching.back().batters_faced, combined.fielding.back().put_outs),
            std::tuple("TOTALS", "TOTALS", 5, 2, 5, 4));

  Stat all;
  all.all_teams = true;
  Accumulate(all, game, Split::kAll, Split::kAll, false);
  EXPECT_EQ(all.team_name, "All Teams");
  ExpectRows(all, {{kB, "Jo Jett", "Team Hawks"},
                   {kB, "Ann Able", "Team Gulls"},
                   {kB, "TEAM TOTALS", "PA 5"},
                   {kP, "TEAM TOTALS", "BF 5"}});

  // A game the named team did not play changes nobody.
  Stat other;
  other.team_name = "Owls";
  Accumulate(other, game, Split::kAll, Split::kAll, false);
  EXPECT_EQ(other.batting.size(), 1u);
  EXPECT_EQ(other.batting.back().games, 0);
}

// The Hawks over kWalkOff against the Gulls and again against the Owls:
// their opponents are eighteen players of whom none played both games, and
// made one out in the field in each (the sacrifice fly).  The totals rows
// count the side's games and its outs in the field, not the busiest
// player's.
TEST(Accumulate, TeamTotalsCountTheSidesGamesAndOutsInTheField) {
  std::string owls = sim::testing::kTeams;
  owls.replace(owls.find("\"Gulls\""), 7, "\"Owls\"");
  const Game games[2] = {CompileBook(kWalkOff), CompileBook(kWalkOff, owls)};
  Stat team, opponents;
  team.team_name = opponents.team_name = "Hawks";
  for (int n = 1; n <= 2; ++n) {
    AccumulateGame(team, games[n - 1], n, Split::kAll, Split::kAll, false);
    AccumulateGame(opponents, games[n - 1], n, Split::kAll, Split::kAll, true);
  }
  FinishTables(team);
  FinishTables(opponents);
  // TP in innings: the opponents' 2 outs, the Hawks' three a game in the
  // top half, together 8 outs of 3.
  ExpectRows(opponents, {{kB, "TEAM TOTALS", "GP 2"},
                         {kB, "Ann Able", "GP 1"},
                         {kF, "TEAM TOTALS", "GP 2, TP 0.667"}});
  ExpectRows(team, {{kB, "TEAM TOTALS", "GP 2"}, {kF, "TEAM TOTALS", "GP 2, TP 2.000"}});
  Stat combined;
  Combine(opponents, combined);
  Combine(team, combined);
  ExpectRows(combined, {{kB, "TOTALS", "GP 2"}, {kF, "TOTALS", "GP 2, TP 2.667"}});
}

// kCatcherChange: Mo Moss catches Ann Able's two pitches (b s, then the
// grounder, which no catcher receives); Cal Catch comes in before Bo Baker
// and catches the six pitches of the next two batters, and the two outs.
TEST(Accumulate, ACatcherWhoComesInBeforeABatterCatchesAllOfHisTurn) {
  const Stat s = CountGame(CompileBook(testing::kCatcherChange, testing::kCatcherTeams), "Hawks");
  const FieldingStat* mo = Fielder(s, "Mo Moss", kPosCatcher);
  const FieldingStat* cal = Fielder(s, "Cal Catch", kPosCatcher);
  ASSERT_TRUE(mo != nullptr && cal != nullptr);
  EXPECT_EQ(std::tuple(mo->pitches_received, mo->outs_played), std::tuple(2, 1));
  EXPECT_EQ(std::tuple(cal->pitches_received, cal->outs_played, cal->put_outs),
            std::tuple(6, 2, 1));
}

// A sacrifice fly that ends in a double play is a sacrifice fly: no
// official at-bat, for the batter and for the pitcher.
TEST(Accumulate, SacrificeFlyDoublePlay) {
  Game game = CompileBook(kWalkOff);
  AT_BAT& kim = game.innings[0].bottom.at_bats[1];
  ASSERT_EQ(+kim.how_out, kOutSacFly);
  kim.how_out = kOutSacFlyDP;
  const Stat s = CountGame(game, "Hawks");
  const BattingStat& batter = Batter(s, "Kim Kent");
  EXPECT_EQ(
      std::tuple(batter.at_bats, batter.sacrifice_flies, batter.sac_fly_dp, batter.all_sacrifices),
      std::tuple(0, 1, 1, 1));
  EXPECT_EQ(Pitcher(CountGame(game, "Gulls"), "Ike Ives").opponent_at_bats, 0);
}

TEST(AccumulateProgress, ToldBeforeEachGameAndStoppedOnRequest) {
  TempDir dir;
  Game game = testing::CompileBook(sim::testing::kWalkOff);
  Stat stat;
  stat.team_name = "Hawks";
  std::vector<std::string> games;
  for (int i = 0; i < 3; ++i) {
    const std::string path = dir.Path("g" + std::to_string(i) + ".gam");
    ASSERT_TRUE(SaveGame(path, game));
    games.push_back(path);
  }
  std::vector<std::pair<int, int>> told;
  const AccumulateReport all =
      Accumulate(games, stat, Split::kAll, Split::kAll, false, [&](int done, int total) {
        told.emplace_back(done, total);
        return true;
      });
  EXPECT_FALSE(all.cancelled);
  EXPECT_EQ(all.games_read, 3);
  EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
  EXPECT_EQ(stat.batting.back().name, std::string(kTeamTotalsName));

  Stat stopped;
  stopped.team_name = "Hawks";
  const AccumulateReport part = Accumulate(games, stopped, Split::kAll, Split::kAll, false,
                                           [](int done, int) { return done < 2; });
  EXPECT_TRUE(part.cancelled);
  EXPECT_EQ(part.games_read, 2);
  for (const BattingStat& row : stopped.batting) EXPECT_NE(row.name, std::string(kTeamTotalsName));
}

}  // namespace
}  // namespace scorewick
