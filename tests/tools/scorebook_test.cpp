#include "sim/scorebook.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "book_games.h"
#include "records/codes.h"
#include "scoring/consistency.h"
#include "support/packed_fields.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

using testing::kChanges;
using testing::kErrors;
using testing::kTeams;
using testing::kWalkOff;

Game Compile(const std::string& plays) {
  Game game;
  const std::string text = kTeams + plays;
  const ScorebookResult result = CompileScorebook(text, game);
  EXPECT_TRUE(result.ok) << result.error;
  for (const Inconsistency& i : CheckGame(game, result.rules)) ADD_FAILURE() << i.Text();
  return game;
}

const AT_BAT& Box(const Game& g, bool top, int index) {
  return g.innings[0].half(top).at_bats.at(static_cast<std::size_t>(index));
}

std::vector<std::int32_t> Events(const AT_BAT& ab) {
  std::vector<std::int32_t> out;
  for (int i = 0; i <= ab.last_pitch; ++i)
    out.push_back(+ab.pitches[static_cast<std::size_t>(i)].event);
  return out;
}

std::vector<std::string> Chain(const AT_BAT& ab) {
  std::vector<std::string> out;
  for (int i = 0; i < ab.out_credit_count; ++i) {
    const FIELDER_CREDIT& c = ab.out_credits[static_cast<std::size_t>(i)];
    out.push_back(std::to_string(c.position) + ":" + std::to_string(c.credit) + ":" + c.name.str());
  }
  return out;
}

TEST(Scorebook, SingleStrikeoutDoublePlayThenWalkOffSacrificeFly) {
  const Game g = Compile(kWalkOff);
  EXPECT_EQ(Fields(g.header.field.view(), g.header.umpires[1].view(), g.header.year,
                   g.header.start_hour, g.header.attendance, g.header.duration_hours),
            std::tuple("Test Park", "Vic Vane", 2024, 18, 120, 1));

  const AT_BAT& ann = Box(g, true, 0);
  EXPECT_EQ(Events(ann), (std::vector<std::int32_t>{kEventBall, kEventStrike, kEventFoul,
                                                    kEventReached, kEventOut}));
  EXPECT_EQ(Fields(ann.balls, ann.strikes, ann.how_reached, ann.how_out, ann.bases_reached,
                   ann.box_number),
            std::tuple(1, 2, kReachSingle, kOutForced, 1, 2));
  EXPECT_EQ(Chain(ann), (std::vector<std::string>{"6:0:Kim Kent", "4:0:Olga Orr"}));
  EXPECT_EQ(+ann.hit_x, 49);  // three quarters of the way out to the left fielder
  EXPECT_EQ(Fields(ann.hit_y, ann.PitchDetailsInUse(), ann.pitch_details[3].hit,
                   ann.pitch_details[0].pitcher.name.view()),
            std::tuple(63, 4, 1, "Rex Roe"));

  const AT_BAT& bo = Box(g, true, 1);  // he bats left
  EXPECT_EQ(Fields(bo.how_out, bo.strikes, bo.box_number, bo.pitch_details[0].right_handed_batter),
            std::tuple(kOutStrikeSwinging, 3, 1, 0));
  EXPECT_EQ(Chain(bo), (std::vector<std::string>{"2:0:Mo Moss"}));

  const AT_BAT& cy = Box(g, true, 2);
  EXPECT_EQ(Fields(cy.how_out, cy.box_number), std::tuple(kOutGroundDoublePlay, 3));
  EXPECT_EQ(Chain(cy), (std::vector<std::string>{"6:1:Kim Kent", "4:3:Olga Orr", "3:2:Lu Lane"}));
  const HALF_INNING& top = g.innings[0].top;
  EXPECT_EQ(Fields(top.runs, top.hits, top.errors, top.left_on_base), std::tuple(0, 1, 0, 0));

  // Jo walks, steals second, goes to third on a wild pitch and scores on
  // the fly: his box tells the whole trip.
  const AT_BAT& jo = Box(g, false, 0);
  EXPECT_EQ(Events(jo), (std::vector<std::int32_t>{kEventBall, kEventBall, kEventBall, kEventBall,
                                                   kEventReached, kEventAdvance, kEventAdvance,
                                                   kEventAdvance}));
  EXPECT_EQ(Fields(jo.how_reached, jo.balls, jo.advances[0], jo.advances[1], jo.advances[2],
                   jo.bases_reached, jo.scored, jo.earned),
            std::tuple(kReachWalk, 4, kAdvStolenBase, kAdvWildPitch, kAdvBatted, 4, 1, 1));
  // Runner events carry the count of the batter at the plate then, and a
  // copy of the last pitch detail of the runner's own box.
  EXPECT_EQ(Fields(jo.pitches[5].balls_before, jo.pitches[5].strikes_before,
                   jo.pitches[6].strikes_before, jo.pitches[7].detail.pitcher.entered_inning,
                   jo.pitches[7].detail.pitcher.batting_order, jo.pitches[7].detail.valid),
            std::tuple(1, 0, 1, 7, 0, 1));

  const AT_BAT& kim = Box(g, false, 1);
  EXPECT_EQ(Events(kim), (std::vector<std::int32_t>{kEventBall, kEventStrike, kEventFoul, kEventOut,
                                                    kEventRbi}));
  EXPECT_EQ(Fields(kim.how_out, kim.rbi, kim.box_number, kim.hit_x, kim.hit_y),
            std::tuple(kOutSacFly, 1, 1, 83, 16));
  EXPECT_EQ(g.innings[0].bottom.at_bats.size(), 2u);  // the game ended on the fly

  ASSERT_EQ(g.notes.size(), 1u);
  EXPECT_EQ(Fields(g.notes[0].half, g.notes[0].at_bat, g.notes[0].text.view(), g.home_runs,
                   g.visitor_runs, g.winning_pitcher.name.view(), g.losing_pitcher.name.view()),
            std::tuple(0, 1, "Deep fly to the warning track", 1, 0, "Rex Roe", "Ike Ives"));
  EXPECT_TRUE(g.saving_pitcher.name.empty());
  EXPECT_EQ(Fields(g.current_half_is_top, g.current_at_bat, g.batter_due_up), std::tuple(0, 2, 3));
}

TEST(Scorebook, RunsAfterAnErrorThatShouldHaveEndedTheInningAreUnearned) {
  const Game g = Compile(kErrors);
  const AT_BAT& ann = Box(g, true, 0);
  EXPECT_EQ(Fields(ann.how_reached, ann.error_credits[0].name.view(), ann.error_kinds[0],
                   ann.reach_credit_count, ann.how_out),
            std::tuple(kReachError, "Kim Kent", kErrFielding, 1, kOutForced));
  EXPECT_EQ(Chain(ann), (std::vector<std::string>{"4:1:Olga Orr", "6:2:Kim Kent"}));

  const AT_BAT& bo = Box(g, true, 1);
  EXPECT_EQ(Fields(bo.how_reached, bo.how_out, bo.bases_reached, bo.box_number),
            std::tuple(kReachFieldersChoice, kOutPickedOff, 1, 2));
  EXPECT_EQ(Chain(bo), (std::vector<std::string>{"1:1:Rex Roe", "3:2:Lu Lane"}));
  // The pick-off attempt is an entry of the batter's box, with no detail.
  const AT_BAT& cy = Box(g, true, 2);
  EXPECT_EQ(Events(cy), (std::vector<std::int32_t>{kEventBall, kEventStrike, kEventReached,
                                                   kEventAdvance, kEventAdvance}));
  EXPECT_EQ(Fields(cy.how_reached, cy.advances[1], cy.advances[2], cy.scored, cy.earned),
            std::tuple(kReachDouble, kAdvBatted, kAdvBatted, 1, 0));

  const AT_BAT& di = Box(g, true, 3);
  EXPECT_EQ(Events(di),
            (std::vector<std::int32_t>{kEventStrike, kEventReached, kEventRbi, kEventRbi}));
  EXPECT_EQ(Fields(di.rbi, di.scored, di.earned, Box(g, true, 4).box_number),
            std::tuple(2, 1, 0, 3));

  const HALF_INNING& top = g.innings[0].top;
  EXPECT_EQ(Fields(top.runs, top.hits, top.errors, top.left_on_base), std::tuple(2, 2, 1, 0));
  EXPECT_EQ(Fields(g.visitor_runs, g.winning_pitcher.name.view(), g.losing_pitcher.name.view(),
                   Box(g, false, 2).how_out),
            std::tuple(2, "Ike Ives", "Rex Roe", kOutFoul));
}

TEST(Scorebook, SubstitutionsEnterTheLineUpHistories) {
  const Game g = Compile(kChanges);
  const AT_BAT& ann = Box(g, true, 0);
  // Home on a passed ball: unearned.
  EXPECT_EQ(Fields(ann.how_reached, ann.pitch_details[3].ball_type, ann.scored, ann.earned),
            std::tuple(kReachIntentionalWalk, kBallIntentional, 1, 0));
  EXPECT_EQ(Fields(ann.advances[0], ann.advances[1], ann.advances[2],
                   ann.error_credits[3].name.view(), ann.error_kinds[3]),
            std::tuple(kAdvForcedByWalk, kAdvAwarded, kAdvPassedBall, "Mo Moss", kErrPassedBall));

  // A reliever in the middle of the count takes the second slot; the walk
  // stays with the pitcher who fell behind.
  const AT_BAT& bo = Box(g, true, 1);
  EXPECT_EQ(Fields(bo.pitchers[0].pitcher.name.view(), bo.pitchers[0].last_pitch,
                   bo.pitchers[1].pitcher.name.view(), bo.pitchers[1].last_pitch,
                   bo.pitch_details[2].pitcher.name.view(), bo.responsible_pitcher.name.view()),
            std::tuple("Rex Roe", 1, "Sal Stone", -1, "Sal Stone", "Rex Roe"));

  const AT_BAT& pat = Box(g, true, 2);
  EXPECT_EQ(Fields(pat.batter.name.view(), pat.batter.position, pat.how_reached,
                   pat.pitch_details[0].strike),
            std::tuple("Pat Pinch", kPosPinchHitter, kReachHitByPitch, 0));
  EXPECT_EQ(+pat.bases_reached, 3);  // left on third

  const HALF_INNING& top = g.innings[0].top;
  ASSERT_EQ(top.offense.size(), 10u);
  const PLAYER& cy = top.offense[2];
  const PLAYER& ph = top.offense[9];
  EXPECT_EQ(Fields(cy.name.view(), cy.active), std::tuple("Cy Cole", 0));
  EXPECT_EQ(Fields(ph.name.view(), ph.batting_order, ph.entered_inning, ph.entry_value,
                   ph.entry_flag, ph.active),
            std::tuple("Pat Pinch", 3, 1, 2, 1, 1));
  ASSERT_EQ(top.defense.size(), 10u);
  EXPECT_EQ(Fields(top.defense[0].name.view(), top.defense[0].active, top.defense[9].name.view(),
                   top.defense[9].entry_value, top.runs, top.hits),
            std::tuple("Rex Roe", 0, "Sal Stone", 1, 2, 1));
  // A passed ball is no error.
  EXPECT_EQ(Fields(top.errors, top.left_on_base, Box(g, true, 4).rbi, g.losing_pitcher.name.view()),
            std::tuple(0, 2, 1, "Rex Roe"));
  ASSERT_EQ(g.notes.size(), 1u);
  EXPECT_EQ(g.notes[0].at_bat, 2);
  // The pinch hitter stays in to play centre field.
  const HALF_INNING& bottom = g.innings[0].bottom;
  // His entry value is kept from when he came in.
  EXPECT_EQ(Fields(bottom.defense[7].name.view(), bottom.defense[7].batting_order,
                   bottom.defense[7].entry_value),
            std::tuple("Pat Pinch", 3, 2));
}

struct BadBook {
  const char* plays;
  const char* message;
};

// A book that cannot make a game names the line and the trouble.
TEST(Scorebook, RefusesBooksThatCannotMakeAGame) {
  const BadBook cases[] = {
      {"top 1\nK\n", "line 28: a strikeout needs strike 3"},
      {"top 1\nbsf 1B7 2-H\n", "line 28: nobody is on base 2"},
      {"top 1\nbsf Q7\n", "line 28: cannot read the result \"Q7\""},
      {"top 1\nF8\nF8\nbottom 1\n", "line 30: the half before has 2 outs, not 3"},
      {"bottom 1\n", "line 27: expected the top of the 1st"},
      {"top 1\nPH \"Nobody\" F8\n", "line 28: Nobody is not on the roster of Gulls"},
      {"top 1\nPH \"Nobody F8\n", "line 28: a quoted text has no closing quote"},
      {"top 1\nbsf\n", "line 28: the plate appearance has no result"},
      {"rules innings=0\n", "line 27: innings per game must be 1 to 30"},
      {"rules innings=1\ntop 1\nHR7\nF8\nF8\nF8\nbottom 1\nF8\nF8\nF8\ntop 2\n",
       "line 37: the game is already over"},
  };
  for (const BadBook& c : cases) {
    Game game;
    const ScorebookResult r = CompileScorebook(std::string(kTeams) + c.plays, game);
    EXPECT_FALSE(r.ok) << c.plays;
    EXPECT_EQ(r.error, c.message) << c.plays;
  }
  Game game;
  const ScorebookResult r = CompileScorebook("visitors \"A\"\n1 \"X\" QQ\n", game);
  EXPECT_EQ(r.error, "line 2: unknown position \"QQ\"");
}

}  // namespace
}  // namespace scorewick::sim
