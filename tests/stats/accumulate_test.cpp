// Counting rules on short hand-stated games; every expected figure is
// worked out from the plays in the comments.
#include "stats/accumulate.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/codes.h"
#include "stat_books.h"
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
      std::tuple(jo.plate_appearances, jo.walks, jo.at_bats, jo.runs, jo.stolen_bases, jo.sb2),
      std::tuple(1, 1, 0, 1, 1, 1));
  EXPECT_FLOAT_EQ(jo.oba, 1.0f);  // (0 + 1 + 0) / (0 + 1 + 0 + 0)
  const BattingStat& kim = Batter(s, "Kim Kent");
  EXPECT_EQ(std::tuple(kim.plate_appearances, kim.at_bats, kim.sacrifice_flies, kim.all_sacrifices,
                       kim.sacrifices, kim.rbi),
            std::tuple(1, 0, 1, 1, 0, 1));
  EXPECT_FLOAT_EQ(kim.oba, 0.0f);  // the fly is in the denominator: 0 / 1
  const BattingStat& total = s.batting.back();
  EXPECT_EQ(total.name, "TEAM TOTALS");
  EXPECT_EQ(total.team, "");
  EXPECT_EQ(total.innings, 1);
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
  EXPECT_EQ(Fielder(g, "Hal Hunt", kPosCatcher)->steal_attempts, 1);
  EXPECT_EQ(Fielder(g, "Ike Ives", kPosPitcher)->steal_attempts, 1);
  EXPECT_EQ(Fielder(g, "Hal Hunt", kPosCatcher)->pitches_received,
            6);  // balls and strikes, no fouls
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
    EXPECT_EQ(f->put_outs, w.po) << w.name;
    EXPECT_EQ(f->assisted_put_outs, w.apo) << w.name;
    EXPECT_EQ(f->unassisted_put_outs, w.uapo) << w.name;
    EXPECT_EQ(f->assists, w.a) << w.name;
    EXPECT_EQ(f->outs_played, 3) << w.name;
    EXPECT_EQ(Batter(s, w.name).put_outs, w.po) << w.name;
  }
  const FieldingStat& total = s.fielding.back();
  EXPECT_EQ(total.put_outs, 3);
  EXPECT_EQ(total.assists, 2);
  EXPECT_FLOAT_EQ(total.fielding_avg, 1.0f);
  // A caught fly is an unassisted put-out (kErrors: Jo Jett's F8).
  const Stat e = CountGame(CompileBook(kErrors), "Hawks");
  EXPECT_EQ(Fielder(e, "Jo Jett", kPosCenterField)->unassisted_put_outs, 1);
  EXPECT_EQ(Fielder(e, "Kim Kent", kPosShortStop)->errors, 1);
  EXPECT_EQ(Fielder(e, "Kim Kent", kPosShortStop)->fielding_errors, 1);
  EXPECT_NEAR(Fielder(e, "Kim Kent", kPosShortStop)->fielding_avg, 0.5f, 1e-6f);  // 1 / (1 + 1)
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
                       pat.sb2, pat.cs3, pat.steal_attempts),
            std::tuple(kPosPinchRunner, 0, 0, 1, 1, 1, 2));
  EXPECT_FLOAT_EQ(pat.sb_pct, 50.0f);
  EXPECT_EQ(Batter(gulls, "Ann Able").stolen_bases, 0);
  EXPECT_EQ(Batter(gulls, "Di Dunn").so_swinging, 0);
  EXPECT_EQ(Batter(gulls, "Di Dunn").rbi, 2);
  EXPECT_EQ(Pitcher(gulls, "Ike Ives").pko1, 1);
  EXPECT_EQ(Pitcher(gulls, "Ike Ives").pkoa1, 1);
  EXPECT_EQ(Fielder(gulls, "Ike Ives", kPosPitcher)->pko1, 1);
  const FieldingStat* hal = Fielder(gulls, "Hal Hunt", kPosCatcher);
  EXPECT_EQ(hal->pko2, 1);
  EXPECT_EQ(hal->pkoa2, 2);
  EXPECT_EQ(hal->pko1, 0);

  const Stat hawks = CountGame(game, "Hawks");
  EXPECT_EQ(Batter(hawks, "Jo Jett").pko1, 1);
  EXPECT_EQ(Batter(hawks, "Kim Kent").pko2, 1);
  const PitchingStat& rex = Pitcher(hawks, "Rex Roe");
  EXPECT_EQ(rex.strikeouts, 1);  // Bo Baker only: a foul never makes strike three
  EXPECT_EQ(rex.pitch_count, 16);
  EXPECT_EQ(rex.total_strikes, 14);
  EXPECT_EQ(Fielder(hawks, "Mo Moss", kPosCatcher)->cs3, 1);
  EXPECT_EQ(Fielder(hawks, "Mo Moss", kPosCatcher)->steal_attempts, 1);
  EXPECT_EQ(Fielder(hawks, "Ned Nye", kPosThird)->assisted_put_outs, 1);
}

// kChanges, top 1: Rex Roe throws two balls to Bo Baker (bats left), Sal
// Stone (throws left) two more: the walk is Sal's; the relief comes at
// 2-0, so the batter stays charged to Rex.  Intentional balls are no
// pitches.
TEST(Accumulate, ReliefInMidCount) {
  const Stat s = CountGame(CompileBook(kChanges), "Hawks");
  const PitchingStat& rex = Pitcher(s, "Rex Roe");
  const PitchingStat& sal = Pitcher(s, "Sal Stone");
  EXPECT_EQ(rex.walks, 1);  // Ann Able's intentional walk
  EXPECT_EQ(rex.pitch_count, 2);
  EXPECT_EQ(rex.total_balls, 2);
  EXPECT_EQ(rex.batters_faced, 2);
  EXPECT_EQ(sal.walks, 1);
  EXPECT_EQ(sal.first_pitch_balls, 3);  // Bo (his first pitch), Pat Pinch hit by the pitch, Ed Eng
  EXPECT_EQ(
      std::tuple(sal.hit_batsmen, sal.strikeouts, sal.outs, sal.batters_faced, sal.games_started),
      std::tuple(1, 2, 3, 5, 0));
  EXPECT_FLOAT_EQ(sal.era, 0.0f);
  const Stat g = CountGame(CompileBook(kChanges), "Gulls");
  EXPECT_EQ(Batter(g, "Pat Pinch").hit_by_pitch, 1);
  EXPECT_EQ(Batter(g, "Pat Pinch").positions[0], kPosPinchHitter);
  EXPECT_EQ(Batter(g, "Flo Fox").so_looking, 1);
}

TEST(Accumulate, StrikeoutByTheRelieverWhoThrewStrikeThree) {
  const Stat s = CountGame(CompileBook(testing::kStrikeoutRelief), "Hawks");
  const PitchingStat& rex = Pitcher(s, "Rex Roe");
  const PitchingStat& sal = Pitcher(s, "Sal Stone");
  EXPECT_EQ(std::tuple(rex.strikeouts, rex.outs, rex.pitch_count, rex.first_pitch_strikes),
            std::tuple(0, 0, 2, 1));
  EXPECT_EQ(sal.strikeouts, 3);
  EXPECT_EQ(sal.outs, 3);
  EXPECT_EQ(sal.pitch_count, 7);
  EXPECT_EQ(sal.first_pitch_strikes, 3);  // c, then s and s to the next two
  EXPECT_EQ(
      Batter(CountGame(CompileBook(testing::kStrikeoutRelief), "Gulls"), "Ann Able").so_looking, 1);
}

// The scorer charges the passed ball of a dropped third strike in the
// error list; the catcher has it once.
TEST(Accumulate, DroppedThirdStrikeOnAPassedBall) {
  const Game game = CompileBook(testing::kDroppedThird);
  const Stat hawks = CountGame(game, "Hawks");
  const PitchingStat& rex = Pitcher(hawks, "Rex Roe");
  EXPECT_EQ(rex.strikeouts, 4);
  EXPECT_EQ(rex.outs, 3);
  EXPECT_EQ(rex.batters_faced, 4);
  const FieldingStat* mo = Fielder(hawks, "Mo Moss", kPosCatcher);
  EXPECT_EQ(mo->passed_balls, 1);
  EXPECT_EQ(Batter(hawks, "Mo Moss").passed_balls, 1);
  const BattingStat& ann = Batter(CountGame(game, "Gulls"), "Ann Able");
  EXPECT_EQ(ann.dts_passed_ball, 1);
  EXPECT_EQ(ann.so_swinging, 1);
  EXPECT_EQ(ann.at_bats, 1);
}

TEST(Accumulate, BattingAndPitchingSplits) {
  const Game game = CompileBook(kChanges);
  // Bo Baker's walk was finished by a left-hander: it counts against
  // left-handers only, Ann Able's walk against right-handers only.
  const Stat vs_right = CountGame(game, "Gulls", false, 2, 0);
  EXPECT_EQ(Batter(vs_right, "Bo Baker").plate_appearances, 0);
  EXPECT_EQ(Batter(vs_right, "Bo Baker").walks, 0);
  EXPECT_EQ(Batter(vs_right, "Ann Able").walks, 1);
  const Stat vs_left = CountGame(game, "Gulls", false, 2, 1);
  EXPECT_EQ(Batter(vs_left, "Bo Baker").walks, 1);
  EXPECT_EQ(Batter(vs_left, "Ann Able").walks, 0);
  EXPECT_EQ(vs_left.batting.back().walks, 1);
  EXPECT_EQ(CountGame(game, "Gulls", false, 2, 2).batting.back().walks, 2);

  // Pitching split: left-handed batters are Bo Baker and Pat Pinch; Ed Eng
  // switch-hits, so against Sal Stone he bats right.
  const Stat right = CountGame(game, "Hawks", false, 0, 2);
  EXPECT_EQ(Pitcher(right, "Sal Stone").walks, 0);
  EXPECT_EQ(Pitcher(right, "Sal Stone").hit_batsmen, 0);
  EXPECT_EQ(Pitcher(right, "Sal Stone").strikeouts, 2);
  EXPECT_EQ(Pitcher(right, "Rex Roe").walks, 1);
  const Stat left = CountGame(game, "Hawks", false, 1, 2);
  EXPECT_EQ(Pitcher(left, "Sal Stone").walks, 1);
  EXPECT_EQ(Pitcher(left, "Sal Stone").hit_batsmen, 1);
  EXPECT_EQ(Pitcher(left, "Sal Stone").strikeouts, 0);
  EXPECT_EQ(Pitcher(left, "Rex Roe").walks, 0);
}

// kRelief: Rex Roe gives up a home run to the first batter and leaves
// without an out; Ray Relief takes over from Ike Ives after one out of the
// bottom first and pitches into the third, giving up a home run.
TEST(Accumulate, EraWithoutOutsAndLeaguePitchingRules) {
  const Game game = CompileBook(testing::kRelief);
  const PitchingStat& rex = Pitcher(CountGame(game, "Hawks"), "Rex Roe");
  EXPECT_EQ(rex.earned_runs, 1);
  EXPECT_EQ(rex.outs, 0);
  EXPECT_FLOAT_EQ(rex.era, 0.0f);

  const Stat plain = CountGame(game, "Gulls");
  EXPECT_EQ(Pitcher(plain, "Ray Relief").outs, 8);
  EXPECT_FLOAT_EQ(Pitcher(plain, "Ray Relief").era, 3.375f);  // 9 x 1 / (8 / 3)
  StatRules ll;
  ll.ll_pitching_rules = true;
  const Stat league = CountGame(game, "Gulls", false, 2, 2, ll);
  EXPECT_EQ(Pitcher(league, "Ray Relief").innings_pitched_in, 3);
  EXPECT_EQ(Pitcher(league, "Ray Relief").outs, 9);
  EXPECT_FLOAT_EQ(Pitcher(league, "Ray Relief").era, 3.0f);
  EXPECT_EQ(Pitcher(league, "Ike Ives").outs, 3);  // one inning pitched in
  EXPECT_EQ(league.pitching.back().outs, 9);       // the totals keep the outs counted
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
  EXPECT_EQ(combined.batting.back().name, "TOTALS");
  EXPECT_EQ(combined.batting.size(), opponents.batting.size() + team.batting.size() - 1);
  EXPECT_EQ(combined.batting.back().plate_appearances, 5);
  EXPECT_EQ(combined.batting.back().innings, 2);
  EXPECT_EQ(combined.pitching.back().batters_faced, 5);
  EXPECT_EQ(combined.fielding.back().put_outs, 4);
  EXPECT_EQ(combined.pitching.back().name, "TOTALS");

  Stat all;
  all.all_teams = true;
  Accumulate(all, game, 2, 2, false);
  EXPECT_EQ(all.team_name, "All Teams");
  EXPECT_EQ(Batter(all, "Jo Jett").team, "Hawks");
  EXPECT_EQ(Batter(all, "Ann Able").team, "Gulls");
  EXPECT_EQ(all.batting.back().plate_appearances, 5);
  EXPECT_EQ(all.pitching.back().batters_faced, 5);

  // A game the named team did not play changes nobody.
  Stat other;
  other.team_name = "Owls";
  Accumulate(other, game, 2, 2, false);
  EXPECT_EQ(other.batting.size(), 1u);
  EXPECT_EQ(other.batting.back().games, 0);
}

// A sacrifice fly that ends in a double play is a sacrifice fly: no
// official at-bat, for the batter and for the pitcher.
TEST(Accumulate, SacrificeFlyDoublePlay) {
  Game game = CompileBook(kWalkOff);
  AT_BAT& kim = game.innings[0].bottom.at_bats[1];
  ASSERT_EQ(kim.how_out, kOutSacFly);
  kim.how_out = kOutSacFlyDP;
  const Stat s = CountGame(game, "Hawks");
  EXPECT_EQ(Batter(s, "Kim Kent").at_bats, 0);
  EXPECT_EQ(Batter(s, "Kim Kent").sacrifice_flies, 1);
  EXPECT_EQ(Batter(s, "Kim Kent").sac_fly_dp, 1);
  EXPECT_EQ(Batter(s, "Kim Kent").all_sacrifices, 1);
  EXPECT_EQ(Pitcher(CountGame(game, "Gulls"), "Ike Ives").opponent_at_bats, 0);
}

}  // namespace
}  // namespace scorewick
