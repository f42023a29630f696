// scorewick import retrosheet: the games and teams written into the folder
// named (made when missing), each refusal on stderr with its file and line,
// the summary on standard output, and status 1 when anything was refused.

#include <gtest/gtest.h>

#include "interop/retro_book.h"
#include "records/file_io.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::testing {
namespace {

TEST(ImportCommand, WritesTheGamesAndNamesTheRefusals) {
  TempDir dir;
  const std::string events = interop::testing::BookSeason(
      dir, {"info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F", "g1 X S8\ng2 K\ng3 Z9"});
  CliResult r = RunCli({"import", "retrosheet", events, "-o", dir.Path("out/2024")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "1 game written, 1 refused; 2 team files written\n");
  EXPECT_EQ(r.err,
            "scorewick: 2024HAW.EVN, line 60 (game HAW202404011): cannot read the play \"Z9\"\n");
  EXPECT_TRUE(FileExists(dir.Path("out/2024/HAW202404010.gam")));
  EXPECT_TRUE(FileExists(dir.Path("out/2024/GUL.tem")));

  r = RunCliIn(dir.path(), {"import", "retrosheet", "2024HAW.EVN", "-o", "out/2024", "--force"});
  EXPECT_EQ(r.out, "1 game written, 1 refused; 0 team files written, 2 already there unchanged\n");
  r = RunCli({"import", "retrosheet", events, "-o", events});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("is not a folder"), std::string::npos);
}

}  // namespace
}  // namespace scorewick::testing
