// The filters of the commands that take many games: which games --from,
// --to, --home, --away, --opponent and --last leave, the same figures as
// naming those games alone, and the refusals of bad filters.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/sample_games.h"
#include "support/spring_games.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::CliResult;
using scorewick::testing::RunCli;
using Names = std::set<std::string>;

class GameFiltersTest : public ::testing::Test {
 protected:
  // The Hawks' spring: on 4 May the afternoon game is listed first.
  void SetUp() override {
    const std::string source = testing::WriteSampleSeason(dir.Path("source"), 1, 5).at(0);
    games = testing::WriteSpringGames(source, dir.Path(""));
    ASSERT_EQ(games.size(), 5u);
  }

  CliResult Run(std::vector<std::string> args, std::vector<std::string> with = {}) {
    if (with.empty()) with = games;
    args.insert(args.begin() + (args[0] == "plot" ? 2 : 1), with.begin(), with.end());
    return RunCli(args);
  }

  // The games a box score run with filters writes, by file name.
  Names BoxedGames(std::vector<std::string> filters) {
    const std::string out = dir.Path("boxes" + std::to_string(++runs));
    filters.insert(filters.begin(), {"box", "--format", "csv", "--out-dir", out});
    const CliResult r = Run(filters);
    EXPECT_EQ(r.code, 0) << r.err;
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(out))
      names.insert(entry.path().stem().string());
    return names;
  }

  TempDir dir;
  std::vector<std::string> games;
  int runs = 0;
};

TEST_F(GameFiltersTest, LeaveTheGamesAsked) {
  struct Case {
    std::vector<std::string> filters;
    Names left;
  };
  // Each option reaches the filter once; what the filter leaves is its own
  // table's (stats' game filter test).
  const Case cases[] = {
      {{"--to", "2024-05-04", "--from", "2024-04-13"}, {"g2", "g3", "g4"}},
      {{"--team", "Owls"}, {"g1", "g2", "g5"}},  // the team alone chooses its games
      {{"--team", "Hawks", "--home"}, {"g1", "g4"}},
      {{"--team", "Hawks", "--away", "--to", "2024-04-30"}, {"g2"}},
      {{"--opponent", "Owls"}, {"g1", "g2", "g5"}},
      {{"--team", "Hawks", "--last", "1"}, {"g3"}},  // 15:00 after 10:00 on one day
  };
  for (const Case& c : cases) EXPECT_EQ(BoxedGames(c.filters), c.left) << c.filters[1];
}

// Filtered figures are those of the games left, named alone.
TEST_F(GameFiltersTest, FiguresAreThoseOfTheGamesLeft) {
  const CliResult filtered = Run({"stats", "--team", "Hawks", "--home", "--format", "text"});
  const CliResult named =
      Run({"stats", "--team", "Hawks", "--format", "text"}, {games[0], games[3]});
  ASSERT_EQ(filtered.code, 0) << filtered.err;
  EXPECT_EQ(filtered.out, named.out);
  const CliResult spray = Run({"plot", "spray", "--points", "--team", "Hawks", "--last", "2"});
  ASSERT_EQ(spray.code, 0) << spray.err;
  EXPECT_EQ(spray.out, Run({"plot", "spray", "--points"}, {games[2], games[3]}).out);
}

TEST_F(GameFiltersTest, BadFiltersAreRefusedSayingWhy) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* says;
  };
  const Case cases[] = {
      {{"box", "--from", "2024/05/04"}, 2, "YYYY-MM-DD"},
      {{"box", "--to", "2024-02-30"}, 2, "YYYY-MM-DD"},
      {{"box", "--from", "2024-06-01", "--to", "2024-05-01"}, 2, "after"},
      {{"box", "--home"}, 2, "--team"},
      {{"stats", "--all-teams", "--last", "3"}, 2, "--team"},
      {{"box", "--home", "--away", "--team", "Hawks"}, 2, "excludes"},
      {{"box", "--team", "Moles"}, 1, "Hawks, Owls and Bats"},
      {{"box", "--team", "Hawks", "--opponent", "Moles"}, 1, "opponents there: Owls and Bats"},
      {{"stats", "--team", "Hawks", "--from", "2025-01-01"}, 1, "leave none of the 5 games"},
  };
  for (const Case& c : cases) {
    const CliResult r = Run(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1] << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

}  // namespace
}  // namespace scorewick::cli
