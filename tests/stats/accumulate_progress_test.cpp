// Counting a list of games with a progress callback: told before each
// game, and stopped when it says so.
#include <gtest/gtest.h>

#include "records/game_file.h"
#include "stats_support.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

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
