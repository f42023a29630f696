#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/command.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::RunCli;
using RunResult = scorewick::testing::CliResult;

class CliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return dir_.Path(name); }
  TempDir dir_;
};

TEST_F(CliTest, InspectsTeamAndGameAndConvertsBetweenForms) {
  Team team = testing::HomeTeam();
  ASSERT_TRUE(SaveTeam(Path("hawks.tem"), team));
  RunResult r = RunCli({"inspect", Path("hawks.tem")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  for (const char* shown : {"Harbor Hawks", "Ann Cole", "Pitcher"}) {
    EXPECT_NE(r.out.find(shown), std::string::npos) << shown;
  }

  r = RunCli({"convert", Path("hawks.tem"), Path("hawks.csv")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  r = RunCli({"inspect", Path("hawks.csv")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  EXPECT_NE(r.out.find("Harbor Hawks manager"), std::string::npos);

  Game game;
  game.visitor = team;
  game.innings[0].top.runs = 2;
  game.innings[0].top.offense.push_back(team.player(0));
  ASSERT_TRUE(SaveGame(Path("opener.gam"), game));
  r = RunCli({"inspect", Path("opener.gam")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  EXPECT_NE(r.out.find("Harbor Hawks"), std::string::npos);
}

TEST_F(CliTest, RecordTextsArePrintedInUtf8) {
  Team team = testing::HomeTeam();
  team.AddPlayer(testing::MakePlayer("Jos\xE9 N\xFA\xF1"
                                     "ez",
                                     12, 6, 0),
                 PLAYER_INFO{});
  ASSERT_TRUE(SaveTeam(Path("hawks.tem"), team));
  const RunResult r = RunCli({"inspect", Path("hawks.tem")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  // Columns line up by character: the name column is 24 characters wide.
  EXPECT_NE(r.out.find("12  José Núñez               Short Stop"), std::string::npos) << r.out;
}

TEST_F(CliTest, ACommaSeparatedTeamIsRefusedNamingTheFaultyLine) {
  ASSERT_TRUE(WriteTextFileAtomically(
      Path("broken.csv"), "Hawks\nManager,A,Coach,B\n#,Name,Pos,BO,Bats,Throws,Key\n7,,SS,1\n",
      nullptr));
  const RunResult r = RunCli({"inspect", Path("broken.csv")});
  EXPECT_EQ(r.code, kExitRefused);
  EXPECT_EQ(r.err, "Error: Invalid CSV Format\n\n  " + Path("broken.csv") +
                       ": line 4 has no player name\n");
}

TEST_F(CliTest, AMissingInputWritesNothingAndNoArgumentsIsUsage) {
  RunResult r = RunCli({"convert", Path("missing.tem"), Path("out.tem")});
  EXPECT_EQ(r.code, kExitRefused);
  EXPECT_FALSE(std::filesystem::exists(Path("out.tem")));

  r = RunCli({"inspect"});
  EXPECT_EQ(r.code, kExitUsage);
}

}  // namespace
}  // namespace scorewick::cli
