// scorewick import retrosheet and scorewick export retrosheet: the games
// and teams, or the event, roster and team files, written into the folder
// named (made when missing), each refusal on stderr with its file (and
// line), files already there kept unless --force, the summary on standard
// output, and status 1 when anything was refused or kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    names.insert(e.path().filename().string());
  }
  return names;
}

TEST(ExportCommand, WritesTheFilesAndNamesWhatItRefusedOrKept) {
  TempDir dir;
  const std::string events = interop::testing::BookSeason(
      dir, {"info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F",
            "info,innings,1\ng1 X S8\ng2 K\ng3 K\ng4 K\nh1 K\nh2 K\nh3 K"});
  ASSERT_EQ(RunCli({"import", "retrosheet", events, "-o", dir.Path("games")}).code, 0);
  const std::string first = dir.Path("games/HAW202404010.gam");
  const std::string second = dir.Path("games/HAW202404011.gam");

  CliResult r = RunCli({"export", "retrosheet", first, second, "-o", dir.Path("retro/2024")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "2 games written in 1 event file, 0 refused; 2 roster files and 1 team file written\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(NamesIn(dir.Path("retro/2024")),
            (std::set<std::string>{"2024HAR.EVN", "GUL2024.ROS", "HAR2024.ROS", "TEAM2024"}));

  // Again: every file is there already and kept.
  r = RunCli({"export", "retrosheet", first, second, "-o", dir.Path("retro/2024")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out,
            "0 games written in 0 event files, 2 not written over, 0 refused; 0 roster files and "
            "0 team files written, 4 files kept as they were\n");
  EXPECT_EQ(r.err,
            "scorewick: 2024HAR.EVN: already there (text): kept as it is\n"
            "scorewick: GUL2024.ROS: already there (text): kept as it is\n"
            "scorewick: HAR2024.ROS: already there (text): kept as it is\n"
            "scorewick: TEAM2024: already there (text): kept as it is\n"
            "scorewick: files already there were kept; --force writes over them\n");

  // Forced, with a file that is no game among the games: the others are
  // written and it is named.
  r = RunCliIn(dir.path(), {"export", "retrosheet", "games/HAW202404010.gam", "2024HAW.EVN", "-o",
                            "retro/2024", "--force"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out,
            "1 game written in 1 event file, 1 refused; 2 roster files and 1 team file written\n");
  EXPECT_EQ(r.err, "scorewick: 2024HAW.EVN: not a game file\n");
  std::string written;
  ASSERT_TRUE(ReadWholeTextFile(dir.Path("retro/2024/2024HAR.EVN"), written));
  EXPECT_NE(written.find("id,HAR202404010\n"), std::string::npos);
  EXPECT_EQ(written.find("id,HAR202404011\n"), std::string::npos);

  r = RunCli({"export", "retrosheet", first, "-o", events});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("is not a folder"), std::string::npos);
}

// A link in the folder is a file already there; forced, it is not written
// through to where it leads.
TEST(ExportCommand, ALinkInTheFolderIsNotWrittenThrough) {
  TempDir dir;
  const std::string events =
      interop::testing::BookSeason(dir, {"info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F"});
  ASSERT_EQ(RunCli({"import", "retrosheet", events, "-o", dir.Path("games")}).code, 0);
  std::filesystem::create_directories(dir.Path("retro"));
  std::filesystem::create_symlink("../elsewhere/TEAM2024", dir.Path("retro/TEAM2024"));
  const std::string game = dir.Path("games/HAW202404010.gam");
  CliResult r = RunCli({"export", "retrosheet", game, "-o", dir.Path("retro")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("TEAM2024: already there (a link that leads nowhere): kept as it is"),
            std::string::npos)
      << r.err;
  r = RunCli({"export", "retrosheet", game, "-o", dir.Path("retro"), "--force"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("TEAM2024 is a link to ../elsewhere/TEAM2024, which is not there"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("elsewhere/TEAM2024")));
  EXPECT_TRUE(FileExists(dir.Path("retro/2024HAR.EVN")));
}

}  // namespace
}  // namespace scorewick::testing
