#include <gtest/gtest.h>

#include <tuple>

#include "records/game.h"
#include "records/local_date.h"
#include "support/full_game.h"
#include "support/packed_fields.h"

namespace scorewick {
namespace {

TEST(GameModel, NewGameDefaults) {
  Game g;
  LocalDate today = Today();
  EXPECT_EQ(Fields(g.header.field.view(), g.header.umpires[3].view(), g.header.year, g.header.month,
                   g.header.creation_year, g.header.start_hour, g.header.duration_hours,
                   g.header.list_names[0].view()),
            std::tuple(" ", " ", today.year, today.month, today.year, 12, 3, ""));
  EXPECT_EQ(std::tuple(g.home.no_personal_info, g.file_path.view(), g.new_game, g.batter_due_up,
                       g.current_half_is_top),
            std::tuple(1, "*.gam", 1, 1, 1));
  EXPECT_EQ(g.winning_pitcher, PLAYER{});
}

TEST(GameModel, LastInningAndRunTotalsFollowTheLineups) {
  Game g;
  g.innings[0].top.runs = 2;
  g.innings[0].bottom.runs = 1;
  g.innings[1].top.runs = 5;  // inning 2 never began: no line-up
  EXPECT_EQ(g.LastInning(), 0);
  EXPECT_EQ(g.ComputeRunTotals(), std::make_pair(1, 2));

  // A top half with a line-up begins the inning even if the bottom never
  // came; its stored runs (0) count.
  g.innings[1].top.offense.push_back(testing::MakePlayer("A", 1, 1, 1));
  g.innings[1].bottom.runs = 0;
  EXPECT_EQ(g.LastInning(), 1);
  EXPECT_EQ(g.ComputeRunTotals(), std::make_pair(1, 7));
  EXPECT_EQ(+g.header.visitor_score, 7);
  EXPECT_EQ(g.visitor_runs, 7);

  g.innings[39].top.offense.push_back(testing::MakePlayer("B", 2, 1, 1));
  EXPECT_EQ(g.LastInning(), 39);
}

TEST(GameModel, AppearanceAndResponsiblePitcher) {
  Game g = testing::MakeFullGame(7, 3);
  const HALF_INNING& top = g.innings[0].top;
  PLAYER bench = testing::MakePlayer("Benchwarmer", 30, 0, 0);
  EXPECT_FALSE(g.PlayerAppeared(bench, 0, true));
  bench.position = 7;
  EXPECT_TRUE(g.PlayerAppeared(bench, 0, true));  // active at a fielding position
  PLAYER inactive = top.at_bats[0].batter;
  inactive.active = 0;
  inactive.position = 0;
  EXPECT_TRUE(g.PlayerAppeared(inactive, 0, true));  // he batted
  PLAYER runner = top.at_bats[1].pinch_runner;
  runner.active = 0;
  EXPECT_TRUE(g.PlayerAppeared(runner, 0, true));
  EXPECT_FALSE(g.PlayerAppeared(runner, 0, false));

  AT_BAT ab = g.innings[6].top.at_bats[0];           // a reliever came in
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab), ab);  // a real pitcher stays
  ab.responsible_pitcher.name.set("Stranger");
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab).responsible_pitcher, ab.pitchers[0].pitcher);
  ab.responsible_pitcher.name.clear();
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab).responsible_pitcher.name.view(), "");

  EXPECT_EQ(ab.PitcherCount(), 2);
  ab.pitchers[1].pitcher.name.clear();
  EXPECT_EQ(ab.PitcherCount(), 1);
  EXPECT_EQ(ab.PitchDetailsInUse(), ab.last_pitch + 1);
}

TEST(GameModel, ReleaseEmptiesEverything) {
  Game g = testing::MakeFullGame(3, 2);
  g.Release();
  EXPECT_EQ(g.home.count(), 0);
  EXPECT_TRUE(g.innings[0].top.at_bats.empty());
  EXPECT_TRUE(g.notes.empty());
  EXPECT_EQ(g.file_path.view(), "*.gam");
  EXPECT_EQ(g.new_game, 1);
}

}  // namespace
}  // namespace scorewick
