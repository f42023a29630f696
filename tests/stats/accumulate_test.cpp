// Counting rules on short hand-stated games; every expected figure is
// worked out from the plays in the comments.
#include "stats/accumulate.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/code_classes.h"
#include "stat_books.h"
#include "stats/stat_columns.h"
#include "stats/totals.h"
#include "stats_support.h"

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

// Bottom 1 of kWalkOff: Jo Jett walks on four balls, steals second, goes
// to third on a wild pitch and scores on Kim Kent's sacrifice fly.
TEST(Accumulate, WalkAndSacrificeFly) {
  const Stat s = CountGame(CompileBook(kWalkOff), "Hawks");
  const BattingStat& jo = Batter(s, "Jo Jett");
  EXPECT_EQ(
      std::tuple(jo.plate_appearances, jo.walks, jo.at_bats, jo.runs, jo.stolen_bases, jo.sb[0]),
      std::tuple(1, 1, 0, 1, 1, 1));
  EXPECT_FLOAT_EQ(jo.oba, 1.0f);  // (0 + 1 + 0) / (0 + 1 + 0 + 0)
  const BattingStat& kim = Batter(s, "Kim Kent");
  EXPECT_EQ(std::tuple(kim.plate_appearances, kim.at_bats, kim.sacrifice_flies, kim.all_sacrifices,
                       kim.sacrifices, kim.rbi),
            std::tuple(1, 0, 1, 1, 0, 1));
  EXPECT_FLOAT_EQ(kim.oba, 0.0f);  // the fly is in the denominator: 0 / 1
  const BattingStat& total = s.batting.back();
  EXPECT_EQ(std::tuple(total.name, total.team, total.innings), std::tuple("TEAM TOTALS", "", 1));
  EXPECT_FLOAT_EQ(total.oba, 0.5f);  // 1 / (0 + 1 + 0 + 1)

  // The Gulls' pitcher on the same half: 8 pitches (bbbb; b c f and the
  // fly), 3 strikes, 5 balls, the walk, the wild pitch, one out, an
  // earned run, and the steal attempt against him and his catcher.
  const Stat g = CountGame(CompileBook(kWalkOff), "Gulls");
  const PitchingStat& ike = Pitcher(g, "Ike Ives");
  EXPECT_EQ(std::tuple(ike.batters_faced, ike.opponent_at_bats, ike.pitch_count, ike.total_strikes,
                       ike.total_balls, ike.walks, ike.wild_pitches, ike.outs, ike.earned_runs,
                       ike.first_pitch_balls, ike.losses, ike.complete_games),
            std::tuple(2, 0, 8, 3, 5, 1, 1, 1, 1, 2, 1, 1));
  EXPECT_FLOAT_EQ(ike.era, 27.0f);  // 9 x 1 / (1 / 3)
  EXPECT_EQ(Fielder(g, "Ike Ives", kPosPitcher)->steal_attempts, 1);
  const FieldingStat* hal = Fielder(g, "Hal Hunt", kPosCatcher);
  // pitches received: balls and strikes, no fouls
  EXPECT_EQ(std::tuple(hal->steal_attempts, hal->pitches_received), std::tuple(1, 6));
}

// Top 1 of kWalkOff against Rex Roe: a single (b s f, in play), a
// strikeout (c s s), a double play (b, grounder): 9 pitches, 7 strikes.
TEST(Accumulate, StarterLineAndPutOutsSplit) {
  const Stat s = CountGame(CompileBook(kWalkOff), "Hawks");
  const PitchingStat& rex = Pitcher(s, "Rex Roe");
  EXPECT_EQ(std::tuple(rex.games_started, rex.complete_games, rex.shutouts, rex.wins,
                       rex.batters_faced, rex.hits, rex.singles, rex.strikeouts, rex.outs,
                       rex.pitch_count, rex.total_strikes, rex.total_balls, rex.first_pitch_strikes,
                       rex.first_pitch_balls),
            std::tuple(1, 1, 1, 1, 3, 1, 1, 1, 3, 9, 7, 2, 1, 2));
  EXPECT_NEAR(rex.fps_pct, 33.333f, 0.001f);
  EXPECT_NEAR(rex.oba, 0.3333f, 0.0001f);
  // 6-4-3: the short stop's assist, the second baseman's put-out after an
  // assist (assisted) and his own throw, the first baseman's assisted
  // put-out; the catcher's strikeout put-out.
  struct Want {
    const char* name;
    int position, po, apo, uapo, a;
  };
  for (const Want& w :
       {Want{"Kim Kent", kPosShortStop, 0, 0, 0, 1}, Want{"Olga Orr", kPosSecond, 1, 1, 0, 1},
        Want{"Lu Lane", kPosFirst, 1, 1, 0, 0}, Want{"Mo Moss", kPosCatcher, 1, 1, 0, 0}}) {
    const FieldingStat* f = Fielder(s, w.name, w.position);
    ASSERT_NE(f, nullptr) << w.name;
    EXPECT_EQ(std::tuple(f->put_outs, f->assisted_put_outs, f->unassisted_put_outs, f->assists,
                         f->outs_played, Batter(s, w.name).put_outs),
              std::tuple(w.po, w.apo, w.uapo, w.a, 3, w.po))
        << w.name;
  }
  const FieldingStat& total = s.fielding.back();
  EXPECT_EQ(std::tuple(total.put_outs, total.assists), std::tuple(3, 2));
  EXPECT_FLOAT_EQ(total.fielding_avg, 1.0f);
  // A caught fly is an unassisted put-out (kErrors: Jo Jett's F8).
  const Stat e = CountGame(CompileBook(kErrors), "Hawks");
  EXPECT_EQ(Fielder(e, "Jo Jett", kPosCenterField)->unassisted_put_outs, 1);
  const FieldingStat* kim = Fielder(e, "Kim Kent", kPosShortStop);
  EXPECT_EQ(std::tuple(kim->errors, kim->fielding_errors), std::tuple(1, 1));
  EXPECT_NEAR(kim->fielding_avg, 0.5f, 1e-6f);  // 1 / (1 + 1)
}

// kRunning: Pat Pinch runs for Ann Able, steals second and is caught
// stealing third (2-5); Di Dunn fouls three times with two strikes and
// homers; in the bottom Ike Ives picks Jo Jett off first (1-3) and Hal
// Hunt, after an attempt, picks Kim Kent off second (2-6).
TEST(Accumulate, PinchRunnerStealsAndPickOffs) {
  const Game game = CompileBook(testing::kRunning);
  const Stat gulls = CountGame(game, "Gulls");
  const BattingStat& pat = Batter(gulls, "Pat Pinch");
  EXPECT_EQ(std::tuple(pat.positions[0], pat.plate_appearances, pat.at_bats, pat.stolen_bases,
                       pat.sb[0], pat.cs[1], pat.steal_attempts),
            std::tuple(kPosPinchRunner, 0, 0, 1, 1, 1, 2));
  EXPECT_FLOAT_EQ(pat.sb_pct, 50.0f);
  EXPECT_EQ(Batter(gulls, "Ann Able").stolen_bases, 0);
  EXPECT_EQ(std::tuple(Batter(gulls, "Di Dunn").so_swinging, Batter(gulls, "Di Dunn").rbi),
            std::tuple(0, 2));
  const PitchingStat& ike = Pitcher(gulls, "Ike Ives");
  EXPECT_EQ(std::tuple(ike.pko[0], ike.pkoa[0], Fielder(gulls, "Ike Ives", kPosPitcher)->pko[0]),
            std::tuple(1, 1, 1));
  const FieldingStat* hal = Fielder(gulls, "Hal Hunt", kPosCatcher);
  EXPECT_EQ(std::tuple(hal->pko[1], hal->pkoa[1], hal->pko[0]), std::tuple(1, 2, 0));

  const Stat hawks = CountGame(game, "Hawks");
  EXPECT_EQ(std::tuple(Batter(hawks, "Jo Jett").pko[0], Batter(hawks, "Kim Kent").pko[1]),
            std::tuple(1, 1));
  const PitchingStat& rex = Pitcher(hawks, "Rex Roe");
  // One strikeout, Bo Baker's: a foul never makes strike three.
  EXPECT_EQ(std::tuple(rex.strikeouts, rex.pitch_count, rex.total_strikes), std::tuple(1, 16, 14));
  const FieldingStat* mo = Fielder(hawks, "Mo Moss", kPosCatcher);
  EXPECT_EQ(std::tuple(mo->cs[1], mo->steal_attempts), std::tuple(1, 1));
  EXPECT_EQ(Fielder(hawks, "Ned Nye", kPosThird)->assisted_put_outs, 1);
}

// kCaughtStealingSafe: a runner caught stealing is charged with it even
// when an error saves him, and whether or not he advances after it; the
// box score's caught stealing (attempts less steals) follows.
TEST(Accumulate, CaughtStealingSafeOnAnErrorIsCaughtStealing) {
  const Stat gulls = CountGame(CompileBook(testing::kCaughtStealingSafe), "Gulls");
  for (const char* name : {"Ann Able", "Bo Baker"}) {
    const BattingStat& b = Batter(gulls, name);
    EXPECT_EQ(std::tuple(b.cs[0], b.steal_attempts, b.stolen_bases), std::tuple(1, 1, 0)) << name;
  }
  EXPECT_EQ(Batter(gulls, "Ann Able").runs, 1);
  const Stat hawks = CountGame(CompileBook(testing::kCaughtStealingSafe), "Hawks");
  EXPECT_EQ(Fielder(hawks, "Kim Kent", kPosShortStop)->errors, 1);
}

// kChanges, top 1: Rex Roe throws two balls to Bo Baker (bats left), Sal
// Stone (throws left) two more: the walk is Sal's; the relief comes at
// 2-0, so the batter stays charged to Rex.  Intentional balls are no
// pitches.
TEST(Accumulate, ReliefInMidCount) {
  const Stat s = CountGame(CompileBook(kChanges), "Hawks");
  const PitchingStat& rex = Pitcher(s, "Rex Roe");
  const PitchingStat& sal = Pitcher(s, "Sal Stone");
  // Rex's walk is Ann Able's intentional one.
  EXPECT_EQ(std::tuple(rex.walks, rex.pitch_count, rex.total_balls, rex.batters_faced),
            std::tuple(1, 2, 2, 2));
  // Sal's first-pitch balls: Bo (his first pitch), Pat Pinch hit by the
  // pitch, Ed Eng.
  EXPECT_EQ(std::tuple(sal.walks, sal.first_pitch_balls, sal.hit_batsmen, sal.strikeouts, sal.outs,
                       sal.batters_faced, sal.games_started),
            std::tuple(1, 3, 1, 2, 3, 5, 0));
  EXPECT_FLOAT_EQ(sal.era, 0.0f);
  const Stat g = CountGame(CompileBook(kChanges), "Gulls");
  EXPECT_EQ(std::tuple(Batter(g, "Pat Pinch").hit_by_pitch, Batter(g, "Pat Pinch").positions[0]),
            std::tuple(1, kPosPinchHitter));
  EXPECT_EQ(Batter(g, "Flo Fox").so_looking, 1);
}

TEST(Accumulate, StrikeoutByTheRelieverWhoThrewStrikeThree) {
  const Stat s = CountGame(CompileBook(testing::kStrikeoutRelief), "Hawks");
  const PitchingStat& rex = Pitcher(s, "Rex Roe");
  const PitchingStat& sal = Pitcher(s, "Sal Stone");
  EXPECT_EQ(std::tuple(rex.strikeouts, rex.outs, rex.pitch_count, rex.first_pitch_strikes),
            std::tuple(0, 0, 2, 1));
  // First-pitch strikes: c, then s and s to the next two.
  EXPECT_EQ(std::tuple(sal.strikeouts, sal.outs, sal.pitch_count, sal.first_pitch_strikes),
            std::tuple(3, 3, 7, 3));
  EXPECT_EQ(
      Batter(CountGame(CompileBook(testing::kStrikeoutRelief), "Gulls"), "Ann Able").so_looking, 1);
}

// The scorer charges the passed ball of a dropped third strike in the
// error list; the catcher has it once.
TEST(Accumulate, DroppedThirdStrikeOnAPassedBall) {
  const Game game = CompileBook(testing::kDroppedThird);
  const Stat hawks = CountGame(game, "Hawks");
  const PitchingStat& rex = Pitcher(hawks, "Rex Roe");
  EXPECT_EQ(std::tuple(rex.strikeouts, rex.outs, rex.batters_faced), std::tuple(4, 3, 4));
  EXPECT_EQ(std::tuple(Fielder(hawks, "Mo Moss", kPosCatcher)->passed_balls,
                       Batter(hawks, "Mo Moss").passed_balls),
            std::tuple(1, 1));
  // A copy: the count is gone after this line.
  const BattingStat ann = Batter(CountGame(game, "Gulls"), "Ann Able");
  EXPECT_EQ(std::tuple(ann.dts_passed_ball, ann.so_swinging, ann.at_bats), std::tuple(1, 1, 1));
}

TEST(Accumulate, BattingAndPitchingSplits) {
  const Game game = CompileBook(kChanges);
  // Bo Baker's walk was finished by a left-hander: it counts against
  // left-handers only, Ann Able's walk against right-handers only.
  const Stat vs_right = CountGame(game, "Gulls", false, Split::kAll, Split::kRight);
  EXPECT_EQ(std::tuple(Batter(vs_right, "Bo Baker").plate_appearances,
                       Batter(vs_right, "Bo Baker").walks, Batter(vs_right, "Ann Able").walks),
            std::tuple(0, 0, 1));
  const Stat vs_left = CountGame(game, "Gulls", false, Split::kAll, Split::kLeft);
  EXPECT_EQ(std::tuple(Batter(vs_left, "Bo Baker").walks, Batter(vs_left, "Ann Able").walks,
                       vs_left.batting.back().walks),
            std::tuple(1, 0, 1));
  EXPECT_EQ(CountGame(game, "Gulls", false, Split::kAll, Split::kAll).batting.back().walks, 2);

  // Pitching split: left-handed batters are Bo Baker and Pat Pinch; Ed Eng
  // switch-hits, so against Sal Stone he bats right.
  // Sal Stone's walks, hit batsmen, strikeouts and batters faced, and Rex
  // Roe's walks and batters faced: Bo Baker's walk is charged to Rex, who
  // faced him first, and so counts against Rex among left-handed batters.
  auto split = [&](Split side) {
    const Stat s = CountGame(game, "Hawks", false, side, Split::kAll);
    const PitchingStat& sal = Pitcher(s, "Sal Stone");
    const PitchingStat& rex = Pitcher(s, "Rex Roe");
    return std::tuple(sal.walks, sal.hit_batsmen, sal.strikeouts, sal.batters_faced, rex.walks,
                      rex.batters_faced);
  };
  EXPECT_EQ(split(Split::kRight), std::tuple(0, 0, 2, 4, 1, 1));  // against right-handers
  EXPECT_EQ(split(Split::kLeft), std::tuple(1, 1, 0, 1, 0, 1));   // against left-handers
}

// kRelief: Rex Roe gives up a home run to the first batter and leaves
// without an out; Ray Relief takes over from Ike Ives after one out of the
// bottom first and pitches into the third, giving up a home run.
TEST(Accumulate, EraWithoutOutsAndLeaguePitchingRules) {
  const Game game = CompileBook(testing::kRelief);
  const PitchingStat rex = Pitcher(CountGame(game, "Hawks"), "Rex Roe");  // a copy, as above
  EXPECT_EQ(std::tuple(rex.earned_runs, rex.outs), std::tuple(1, 0));
  EXPECT_FLOAT_EQ(rex.era, 0.0f);

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
  EXPECT_EQ(Batter(opponents, "Ann Able").team, "Gulls");
  EXPECT_EQ(opponents.batting.back().at_bats, 3);
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
  EXPECT_EQ(std::tuple(Batter(all, "Jo Jett").team, Batter(all, "Ann Able").team,
                       all.batting.back().plate_appearances, all.pitching.back().batters_faced),
            std::tuple("Hawks", "Gulls", 5, 5));

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
  const auto totals = [](const Stat& s) {
    return std::tuple(s.batting.back().games, s.fielding.back().games,
                      s.fielding.back().outs_played);
  };
  EXPECT_EQ(totals(opponents), std::tuple(2, 2, 2));
  EXPECT_EQ(Batter(opponents, "Ann Able").games, 1);
  EXPECT_EQ(totals(team), std::tuple(2, 2, 6));  // three outs a game in the top half
  Stat combined;
  Combine(opponents, combined);
  Combine(team, combined);
  EXPECT_EQ(totals(combined), std::tuple(2, 2, 8));
  EXPECT_EQ(
      CellText(combined, StatTable::kFielding, static_cast<int>(combined.fielding.size()) - 1, 4),
      "2.667");  // TP: 8 outs of 3
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

}  // namespace
}  // namespace scorewick
