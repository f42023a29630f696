// Spray chart points and pitch chart figures over short hand-scored games.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "records/codes.h"
#include "stats/pitcher_info.h"
#include "stats/scatter_info.h"
#include "stats_support.h"

namespace scorewick {
namespace {

using testing::CompileBook;

// The first at-bat of the top of the first inning.
AT_BAT& FirstAtBat(Game& game) { return game.innings[0].top.at_bats.at(0); }

void Unlocate(AT_BAT& at_bat) {
  at_bat.hit_x = kNoHitX;
  at_bat.hit_y = kNoHitY;
}

ScatterInfo SprayOf(const Game& game, const std::string& batter = kAllBatters,
                    const std::string& pitcher = kAllPitchers) {
  ScatterInfo info;
  info.TakeGame(game);
  info.FinishLists();
  info.batter_filter = batter;
  info.pitcher_filter = pitcher;
  info.Collect();
  return info;
}

struct SprayCase {
  const char* name;
  const char* play;  // Ann Able's plate appearance, top of the first
  bool unlocated;    // the handheld recorded no location
  std::vector<PlotPoint> on_base;
  std::vector<PlotPoint> outs;
};

TEST(SprayPoints, WhichPlaysPlaceWhichPoint) {
  const SprayCase cases[] = {
      {"single without location", "1B7", true, {}, {}},
      {"strikeout", "sss K", false, {}, {}},
      {"strikeout without location", "sss K", true, {}, {}},
      {"ground out to short without location", "6-3", true, {}, {{66, 72}}},
      {"fly out to right without location", "F9", true, {}, {{128, 41}}},
      {"walk", "bbbb BB", false, {}, {}},
  };
  for (const SprayCase& c : cases) {
    SCOPED_TRACE(c.name);
    Game game = CompileBook(std::string("rules innings=1\ntop 1\n") + c.play + "\n");
    AT_BAT& at_bat = FirstAtBat(game);
    if (c.unlocated) Unlocate(at_bat);
    const ScatterInfo info = SprayOf(game);
    EXPECT_EQ(info.on_base_points, c.on_base);
    EXPECT_EQ(info.out_points, c.outs);
  }
}

TEST(SprayPoints, LocatedBallsKeepTheirRecordedPoint) {
  Game game = CompileBook("rules innings=1\ntop 1\n1B7\n6-3\n");
  AT_BAT& single = FirstAtBat(game);
  single.hit_x = 40;
  single.hit_y = 50;
  AT_BAT& ground_out = game.innings[0].top.at_bats.at(1);
  ground_out.hit_x = 70;
  ground_out.hit_y = 75;
  const ScatterInfo info = SprayOf(game);
  EXPECT_EQ(info.on_base_points, (std::vector<PlotPoint>{{40, 50}}));
  EXPECT_EQ(info.out_points, (std::vector<PlotPoint>{{70, 75}}));
}

TEST(SprayPoints, StrikeoutWithTheCatcherCreditedPlacesNothing) {
  Game game = CompileBook("rules innings=1\ntop 1\nsss K\n");
  AT_BAT& k = FirstAtBat(game);
  Unlocate(k);
  k.out_credit_count = 1;
  k.out_credits[0].position = kPosCatcher;
  k.out_credits[0].name.set("Mo Moss");
  for (std::int32_t how : {kOutStrikeSwinging, kOutStrikeLooking, kOutDroppedThird}) {
    k.how_out = how;
    const ScatterInfo info = SprayOf(game);
    EXPECT_TRUE(info.out_points.empty()) << how;
  }
}

TEST(SprayPoints, FiltersAndPlayerLists) {
  const Game game = CompileBook(
      "rules innings=1\ntop 1\n1B7\nP \"Sal Stone\"\n1B8\nF9\n6-3\nsss K\nbottom 1\n2B7\n6-3\n");
  const ScatterInfo all = SprayOf(game);
  // The bottom half is taken first.
  EXPECT_EQ(all.batters, (std::vector<std::string>{"Jo Jett", "Kim Kent", "Ann Able", "Bo Baker",
                                                   "Cy Cole", "Di Dunn", "Ed Eng", kAllBatters}));
  EXPECT_EQ(all.pitchers,
            (std::vector<std::string>{"Ike Ives", "Rex Roe", "Sal Stone", kAllPitchers}));
  EXPECT_EQ(std::tuple(all.on_base_points.size(), all.out_points.size()), std::tuple(3u, 3u));

  EXPECT_EQ(SprayOf(game, "Bo Baker", "Sal Stone").on_base_points.size(), 1u);
  EXPECT_EQ(SprayOf(game, kAllBatters, "Sal Stone").out_points.size(), 2u);
  // Ann Able never faced Sal Stone.
  const ScatterInfo none = SprayOf(game, "Ann Able", "Sal Stone");
  EXPECT_TRUE(none.on_base_points.empty() && none.out_points.empty());

  // A batter plays for the side at bat, a pitcher for the other; a team's
  // players are listed A to Z.
  const std::string visitors = game.visitor.team_name.str(), home = game.home.team_name.str();
  const auto names_of = [](const NameList& list, const std::string& team) {
    std::vector<std::string> names;
    for (const int i : list.SortedOfTeam(team)) names.push_back(list.names()[i]);
    return names;
  };
  EXPECT_EQ(all.batter_names().Teams(),
            (std::vector<std::string>{std::min(home, visitors), std::max(home, visitors)}));
  EXPECT_EQ(names_of(all.batter_names(), home), (std::vector<std::string>{"Jo Jett", "Kim Kent"}));
  EXPECT_EQ(names_of(all.pitcher_names(), home),
            (std::vector<std::string>{"Rex Roe", "Sal Stone"}));
  EXPECT_EQ(names_of(all.batter_names(), "").front(), "Ann Able");
  // A team with every batter and pitcher: the balls its batters hit.
  ScatterInfo hitters = all;
  hitters.team_filter = home;
  hitters.Collect();
  EXPECT_EQ(std::tuple(hitters.on_base_points.size(), hitters.out_points.size()),
            std::tuple(1u, 1u));
  hitters.batter_filter = "Ann Able";
  hitters.Collect();
  EXPECT_EQ(hitters.on_base_points.size(), 1u);  // a batter chosen is his balls
}

// Balls without a recorded location are spread around their fielder's
// place, each at a place of its own; located balls stay where they fell.
TEST(SprayPoints, BallsWithoutLocationSpreadAroundTheirFielder) {
  std::string plays = "rules innings=2\n";
  for (const char* half : {"top 1", "bottom 1", "top 2", "bottom 2"})
    plays += std::string(half) + "\n6-3\n6-3\n6-3\n";
  Game game = CompileBook(plays);
  for (INNING& inning : game.innings) {
    for (HALF_INNING* half : {&inning.top, &inning.bottom})
      for (AT_BAT& at_bat : half->at_bats) Unlocate(at_bat);
  }
  // The fourth ball taken (the bottom of the first is taken first).
  game.innings[0].top.at_bats.at(0).hit_x = 70;
  game.innings[0].top.at_bats.at(0).hit_y = 75;
  const ScatterInfo info = SprayOf(game);
  ASSERT_EQ(info.out_points.size(), info.ShownOutPoints().size());
  EXPECT_EQ(info.unplaced_outs.size(), info.out_points.size() - 1);
  const std::vector<PlotPoint> shown = info.ShownOutPoints();
  EXPECT_EQ(shown[3], (PlotPoint{70, 75}));
  EXPECT_EQ(shown[0], (PlotPoint{66, 72}));  // the first on the shortstop's place
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i == 3) continue;
    EXPECT_LE(std::hypot(shown[i].x - 66, shown[i].y - 72), 8.0);
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(shown[i], shown[j]) << i << " " << j;
  }
  EXPECT_EQ(info.ShownOutPoints(), shown);
}

TEST(SprayShares, SplitsByDirectionAndDepth) {
  ScatterInfo info;
  info.on_base_points = {{37, 44}, {83, 16}, {128, 41}};  // left, centre, right fielders
  info.out_points = {{66, 72}};                           // shortstop
  const SprayShares s = ComputeSprayShares(info);
  // Quarters are exact in binary: the shares compare equal.
  EXPECT_EQ(std::tuple(s.total, s.left, s.centre, s.right, s.infield, s.outfield),
            std::tuple(4, 50.0, 25.0, 25.0, 25.0, 75.0));
  EXPECT_EQ(ComputeSprayShares(ScatterInfo{}).total, 0);
}

// Rex Roe strikes Ann Able out after a ball and throws Bo Baker a ball
// before his single; Sal Stone then walks Cy Cole.
constexpr const char* kPitchGame =
    "rules innings=1\ntop 1\nbcss K\nb 1B7\nP \"Sal Stone\"\nbbbb BB\n";

PitcherInfo PitchesOf(const Game& game) {
  PitcherInfo info;
  info.TakeGame(game);
  info.FinishLists();
  return info;
}

TEST(PitchChart, KindsFiltersAndFigures) {
  Game game = CompileBook(kPitchGame);
  // Mark Bo Baker's second pitch as the hit, with its strike flag left set.
  PITCH_DATA& hit = game.innings[0].top.at_bats.at(1).pitch_details[1];
  ASSERT_TRUE(hit.valid);
  hit.hit = 1;
  hit.strike = 1;
  hit.pitch_type = kPitchSlider;
  hit.speed = 70.0f;
  PitcherInfo info = PitchesOf(game);
  ASSERT_EQ(info.pitches().size(), 10u);
  EXPECT_EQ(info.pitchers, (std::vector<std::string>{"Rex Roe", "Sal Stone", kAllPitchers}));
  const std::string home = game.home.team_name.str(), visitors = game.visitor.team_name.str();

  struct Case {
    const char* name;
    std::function<void(PitcherInfo&)> choose;
    int total, strikes, balls, hits;
  };
  const Case cases[] = {
      {"all", [](PitcherInfo&) {}, 10, 3, 6, 1},
      {"strikes hidden", [](PitcherInfo& i) { i.show[0] = false; }, 7, 0, 6, 1},
      {"one pitcher", [](PitcherInfo& i) { i.pitcher_filter = "Sal Stone"; }, 4, 0, 4, 0},
      {"one batter", [](PitcherInfo& i) { i.batter_filter = "Bo Baker"; }, 2, 0, 1, 1},
      {"one type", [](PitcherInfo& i) { i.type_filter = kPitchSlider; }, 1, 0, 0, 1},
      {"a type never thrown", [](PitcherInfo& i) { i.type_filter = kPitchKnuckleBall; }, 0, 0, 0,
       0},
      // A team with every player chosen: its pitchers' pitches (the home
      // side pitches the top half); a pitcher chosen is his pitches.
      {"the home side", [&](PitcherInfo& i) { i.team_filter = home; }, 10, 3, 6, 1},
      {"the visitors", [&](PitcherInfo& i) { i.team_filter = visitors; }, 0, 0, 0, 0},
      {"the visitors and a pitcher",
       [&](PitcherInfo& i) {
         i.team_filter = visitors;
         i.pitcher_filter = "Sal Stone";
       },
       4, 0, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PitcherInfo chosen = info;
    c.choose(chosen);
    const PitchFigures f = chosen.Figures();
    EXPECT_EQ(f.total, c.total);
    EXPECT_EQ(f.counts, (std::array<int, 3>{c.strikes, c.balls, c.hits}));
    if (c.total == 0) {
      EXPECT_EQ(f.average_speed, 0);
      EXPECT_EQ(FigureText(f.strike_percent), " 0.00");
      continue;
    }
    EXPECT_DOUBLE_EQ(f.strike_percent + f.ball_percent + f.hit_percent, 100);
    EXPECT_DOUBLE_EQ(f.strike_percent, 100.0 * c.strikes / c.total);
  }
}

TEST(PitchChart, SummaryLinesAndZoneThirds) {
  Game game = CompileBook(kPitchGame);
  PitcherInfo info = PitchesOf(game);
  info.show[1] = info.show[2] = false;  // the strikes, all at the zone's middle
  PitchFigures f = info.Figures();
  EXPECT_EQ(
      PitchSummaryLine(info, f),
      "For All Pitches, 3 pitches, 80.00 avg speed, 100.00% strikes,  0.00% balls,  0.00% hits.");
  EXPECT_EQ(ZoneThirdsLine(f), "Zone thirds: high 0.0%, middle 100.0%, low 0.0%; outside 0.0%");
  info.type_filter = kPitchCurveBall;
  EXPECT_EQ(PitchSummaryLine(info, info.Figures()),
            "For CurveBall pitches, 0 pitches,  0.00 avg speed,  0.00% strikes,  0.00% balls,  "
            "0.00% hits.");

  const struct {
    PlotPoint at;
    int third;
  } thirds[] = {{{59, 62}, 0},  {{59, 83}, 0},  {{59, 84}, 1},   {{59, 94}, 1}, {{59, 126}, 2},
                {{34, 94}, -1}, {{84, 94}, -1}, {{59, 127}, -1}, {{20, 94}, -1}};
  for (const auto& t : thirds) EXPECT_EQ(ZoneThird(t.at), t.third) << t.at.x << "," << t.at.y;

  // A speed the file holds as not-a-number or infinite was never measured:
  // the average is of the pitches that were timed.
  for (const float odd : {std::nanf(""), HUGE_VALF}) {
    Game untimed = CompileBook(kPitchGame);
    untimed.innings[0].top.at_bats[0].pitch_details[0].speed = odd;
    PitcherInfo some = PitchesOf(untimed);
    some.show[1] = some.show[2] = false;
    const std::string line = PitchSummaryLine(some, some.Figures());
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    EXPECT_NE(line.find("3 pitches, 80.00 avg speed"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace scorewick
