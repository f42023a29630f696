#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

#include "records/codes.h"
#include "records/game_file.h"
#include "scoring/consistency.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

// Every fifth game is softball: seven innings, tie-breaker runners.
GameSetup SetupForSeed(int seed) {
  GameSetup setup;
  if (seed % 5 == 3) {
    setup.rules.softball = true;
    setup.rules.innings = 7;
    setup.rules.tie_breaker = true;
  }
  setup.seed = static_cast<std::uint64_t>(seed);
  setup.home_rotation = seed;
  setup.visitor_rotation = seed / 3;
  return setup;
}

bool Play(int seed, Game& game, std::string* error) {
  static const std::vector<Team> teams = SampleTeams();
  const int home = seed % 4;
  const int visitor = (home + 1 + (seed / 4) % 3) % 4;
  return SimulateGame(teams[static_cast<std::size_t>(home)],
                      teams[static_cast<std::size_t>(visitor)], SetupForSeed(seed), game, error);
}

// The nearest fielder (by where fielders stand on the field picture) to a
// point.
int NearestFielder(int x, int y) {
  static const int kX[10] = {0, 83, 83, 106, 97, 58, 66, 37, 83, 128};
  static const int kY[10] = {0, 90, 124, 83, 68, 85, 72, 44, 16, 41};
  int best = 1;
  double best_d = 1e9;
  for (int f = 1; f <= 9; ++f) {
    const double d = std::hypot(x - kX[f], y - kY[f]);
    if (d < best_d) {
      best_d = d;
      best = f;
    }
  }
  return best;
}

struct Tally {
  int games = 0, runs = 0, strikeouts = 0, walks = 0, homers = 0, errors = 0, extra = 0,
      home_idle = 0;
  std::set<int> reach, outs, advances, events;
  int three_pitchers = 0, pinch_hitters = 0, notes = 0, misplaced = 0, batted_outs = 0;
};

void Count(const Game& g, const LeagueRules& rules, Tally& t) {
  ++t.games;
  t.notes += static_cast<int>(g.notes.size());
  const int last = g.LastInning();
  if (last >= rules.innings) ++t.extra;
  if (g.innings[static_cast<std::size_t>(last)].bottom.offense.empty()) ++t.home_idle;
  for (const INNING& in : g.innings) {
    for (const HALF_INNING* h : {&in.top, &in.bottom}) {
      t.runs += h->runs;
      t.errors += h->errors;
      for (const PLAYER& p : h->offense) t.pinch_hitters += p.position == kPosPinchHitter ? 1 : 0;
      for (const AT_BAT& ab : h->at_bats) {
        if (ab.reached) t.reach.insert(+ab.how_reached);
        if (ab.out) t.outs.insert(+ab.how_out);
        for (int s = 0; s < 3; ++s) t.advances.insert(+ab.advances[s]);
        for (int i = 0; i <= ab.last_pitch; ++i)
          t.events.insert(+ab.pitches[static_cast<std::size_t>(i)].event);
        t.strikeouts +=
            ab.out && (ab.how_out == kOutStrikeSwinging || ab.how_out == kOutStrikeLooking);
        t.walks += ab.reached && ab.how_reached == kReachWalk;
        t.homers += ab.reached && ab.how_reached == kReachHomeRun;
        t.three_pitchers += ab.PitcherCount() == 3;
        // A batted-ball out is placed where the fielder who handled it stands.
        if (ab.out && !ab.reached && ab.bases_reached == 0 && ab.HasHitLocation() &&
            ab.out_credit_count > 0) {
          ++t.batted_outs;
          if (NearestFielder(ab.hit_x, ab.hit_y) != ab.out_credits[0].position) ++t.misplaced;
        }
      }
    }
  }
}

// Every game the simulator makes passes the consistency checks, on 5000
// seeds; together they use every code a game can hold, at believable
// rates.
TEST(Simulator, FiveThousandGamesAreConsistentAndUseEveryCode) {
  Tally t;
  for (int seed = 1; seed <= 5000; ++seed) {
    Game game;
    std::string error;
    ASSERT_TRUE(Play(seed, game, &error)) << "seed " << seed << ": " << error;
    const LeagueRules rules = SetupForSeed(seed).rules;
    const auto found = CheckGame(game, rules);
    if (!found.empty()) {
      std::string text;
      for (std::size_t i = 0; i < found.size() && i < 6; ++i) text += found[i].Text() + "\n";
      FAIL() << "seed " << seed << ":\n" << text;
    }
    Count(game, rules, t);
  }
  // Code 0 of each list means "nothing recorded"; 8 and 9 are the
  // handheld's out-count corrections, which no play makes.
  for (int code = 1; code < kReachResultCount; ++code)
    EXPECT_TRUE(t.reach.count(code)) << "reach " << code;
  for (int code = 1; code < kOutTypeCount; ++code)
    EXPECT_TRUE(t.outs.count(code)) << "out " << code;
  for (int code = 1; code < kAdvanceTypeCount; ++code)
    EXPECT_TRUE(t.advances.count(code)) << "advance " << code;
  for (int code = 1; code < kPitchEventCount; ++code) {
    if (code != kEventOutNumberUp && code != kEventOutNumberDown) {
      EXPECT_TRUE(t.events.count(code)) << "event " << code;
    }
  }
  // Rates per team and game, within believable bounds.
  const struct {
    const char* what;
    int count;
    double low, high;
  } rates[] = {{"runs", t.runs, 2.5, 6.0},
               {"strikeouts", t.strikeouts, 4.0, 11.0},
               {"walks", t.walks, 2.0, 5.0},
               {"home runs", t.homers, 0.3, 2.0},
               {"errors", t.errors, 0.2, 1.2}};
  for (const auto& r : rates) {
    const double rate = r.count / (2.0 * t.games);
    EXPECT_TRUE(rate > r.low && rate < r.high) << r.what << " " << rate;
  }
  EXPECT_GT(t.extra, t.games / 40);
  EXPECT_LT(t.extra, t.games / 5);
  EXPECT_GT(t.home_idle, t.games / 5);  // a home side ahead does not bat in the last inning
  EXPECT_GT(t.three_pitchers, 0);
  EXPECT_GT(t.pinch_hitters, t.games / 4);
  EXPECT_GT(t.notes, t.games);
  EXPECT_EQ(t.misplaced, 0) << "of " << t.batted_outs;
}

TEST(Simulator, TheSameSeedGivesTheSameBytes) {
  std::vector<std::uint8_t> first, again, other;
  for (int seed : {11, 11, 12}) {
    Game game;
    std::string error;
    ASSERT_TRUE(Play(seed, game, &error)) << error;
    EncodeGameFile(game, seed == 12 ? other : first.empty() ? first : again);
  }
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
}

TEST(Simulator, AGeneratedGameSurvivesSaveAndLoad) {
  for (int seed : {3, 21, 104}) {
    Game game;
    std::string error;
    ASSERT_TRUE(Play(seed, game, &error)) << error;
    std::vector<std::uint8_t> bytes;
    EncodeGameFile(game, bytes);
    Game loaded;
    UserMessages messages;
    ASSERT_EQ(testing::Told(DecodeGameFile(bytes, loaded), messages, &error), Fault::kNone)
        << error;
    // The loader leaves these to the caller: the path, the new-game flag,
    // and the totals that are recomputed on demand.
    loaded.new_game = game.new_game;
    loaded.file_path = game.file_path;
    loaded.ComputeRunTotals();
    EXPECT_TRUE(loaded == game) << "seed " << seed;
    EXPECT_TRUE(CheckGame(loaded, SetupForSeed(seed).rules).empty());
  }
}

TEST(Simulator, ARosterThatCannotFieldASideIsRefused) {
  std::vector<Team> teams = SampleTeams();
  Team thin = teams[1];
  while (thin.count() > 8) thin.RemovePlayer(0);
  Game game;
  std::string error;
  EXPECT_FALSE(SimulateGame(teams[0], thin, GameSetup{}, game, &error));
  EXPECT_EQ(error,
            "Bramble Creek Otters cannot field a side: it needs a pitcher and 8 other players, "
            "and has 7 pitchers and 1 other");
}

// The teams' personal information reaching their files is the site's
// privacy test's premise; here the schedule and the games' team files.
TEST(Simulator, TheSampleSeasonIsFourTeamsAndTwentyFourGames) {
  const TempDir temp;
  const std::filesystem::path dir = temp.path();
  std::vector<Team> teams = SampleTeams();
  std::string error;
  ASSERT_TRUE(WriteTeams(teams, dir.string(), &error)) << error;
  const auto schedule = MakeSchedule(teams, 24, LeagueRules{}, 2024);
  ASSERT_EQ(schedule.size(), 24u);
  ASSERT_TRUE(WriteSeason(teams, schedule, dir.string(), &error)) << error;
  std::map<int, int> games_per_team;
  for (const ScheduledGame& g : schedule) {
    ++games_per_team[g.home];
    ++games_per_team[g.visitor];
  }
  for (const auto& [team, n] : games_per_team) EXPECT_EQ(n, 12) << team;
  Game game;
  ASSERT_TRUE(LoadGame((dir / GameFileName(23)).string(), game));
  EXPECT_TRUE(CheckGame(game, LeagueRules{}).empty());
  EXPECT_EQ(game.home.file_path.view(), (dir / TeamFileName(game.home)).string());
}

}  // namespace
}  // namespace scorewick::sim
