// scorewick log and scorewick workload as a person runs them: the report
// on short scored games, and each refusal with what it names.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/file_io.h"
#include "records/game_file.h"
#include "support/book_games.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::CliResult;
using scorewick::testing::RunCli;

// Two games of the scorebook teams, a day apart, in files of dir.
class PlayerReportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* days[] = {"2024-06-01", "2024-06-02"};
    for (int i = 0; i < 2; ++i) {
      std::string book = sim::testing::kWalkOff;
      book.replace(book.find("2024-06-01"), 10, days[i]);
      Game game = sim::testing::CompileBook(book);
      games.push_back(dir.Path("g" + std::to_string(i) + ".gam"));
      ASSERT_TRUE(SaveGame(games.back(), game).ok);
    }
  }
  CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, games.begin(), games.end());
    return RunCli(args);
  }
  TempDir dir;
  std::vector<std::string> games;
};

TEST_F(PlayerReportsTest, LogAndWorkloadOfTheGames) {
  // Ike Ives loses both 1-0 (8 pitches each); as a batter he did not come up.
  CliResult r = Run({"log", "--player", "Ike Ives", "--format", "csv"});
  ASSERT_EQ(r.code, 0) << r.err;
  // His pitching only: no batting columns for a pitcher who did not bat.
  EXPECT_NE(r.out.find("Date,Time,Opponent,Result,Pitching IP,"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Batting"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2024-06-01,18:05,at Hawks,L 0-1,0.33,0,1,1,1,0,0,8,L\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Totals,,2 games,0-2,"), std::string::npos) << r.out;

  r = Run({"workload", "--team", "Gulls", "--as-of", "2024-06-03"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Ike Ives  2024-06-02          8  2024-06-03      Yes"), std::string::npos)
      << r.out;
}

TEST_F(PlayerReportsTest, RefusalsSayWhatIsThere) {
  const std::string rules = dir.Path("rules.txt");
  ASSERT_TRUE(WriteTextFileAtomically(rules, "1-20 0\n30-40 1\n"));
  const struct {
    std::vector<std::string> args;
    const char* says;
  } refused[] = {
      {{"log", "--player", "Nobody"}, "no player \"Nobody\" in these games; they hold: Ann Able, "},
      {{"log", "--player", "Ike Ives", "--team", "Owls"},
       "no team \"Owls\" in these games; they hold: Gulls, Hawks\n"},
      {{"workload", "--team", "Owls"}, "no team \"Owls\" in these games; they hold: Gulls, Hawks"},
      {{"workload", "--team", "Gulls", "--as-of", "6/3/2024"},
       "--as-of 6/3/2024 is not a date: write it as YYYY-MM-DD"},
      {{"workload", "--team", "Gulls", "--rules", rules},
       "rules.txt: line 2, \"30-40 1\": the ranges must follow on: this one should start at 21"},
      {{"workload", "--team", "Gulls", "--rules", dir.Path("none.txt")}, "none.txt"},
  };
  for (const auto& [args, says] : refused) {
    const CliResult r = Run(args);
    EXPECT_EQ(r.code, 1) << args[0] << " " << args[2];
    EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace scorewick::cli
