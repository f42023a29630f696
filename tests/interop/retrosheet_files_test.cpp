// Importing event files from a folder: the team and roster files beside
// them, a game refused while the others of its file are written, files
// already there, and stopping half-way.

#include <gtest/gtest.h>

#include "interop/retrosheet_import.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "retro_book.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::interop::testing {
namespace {

using scorewick::testing::ReadText;

const std::string kWholeGame = "info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F";

TEST(RetrosheetFiles, AGameRefusedLeavesTheOthersWritten) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame, "g1 X S8.2-H", kWholeGame});
  const std::string out = dir.Path("games");
  std::filesystem::create_directory(out);
  const ImportSummary summary = ImportRetrosheet({{events}, out, false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "2024HAW.EVN, line 58 (game HAW202404011): the runner \"2-H\" of \"S8.2-H\": nobody "
            "is on second base");
  EXPECT_EQ(summary.Line(), "2 games written, 1 refused; 2 team files written");
  EXPECT_FALSE(FileExists(out + "/HAW202404011.gam"));
  Game game;
  ASSERT_TRUE(LoadGame(out + "/HAW202404012.gam", game));
  EXPECT_EQ(game.home.team_name.str(), "Harbor Hawks");
  EXPECT_EQ(game.header.list_names[1].str(), "Gull Bay Gulls");
  EXPECT_EQ(+game.header.attendance, 812);
  EXPECT_EQ(+game.header.start_hour, 19);
  EXPECT_EQ(game.header.field.str(), "HAW01");
  Team gulls;
  ASSERT_TRUE(LoadTeam(out + "/GUL.tem", gulls));
  ASSERT_EQ(gulls.count(), 13);
  EXPECT_EQ(gulls.player(4).name.str(), "Ed Elm");
  EXPECT_EQ(gulls.player(4).bats, 2);  // both sides
  EXPECT_EQ(gulls.player(2).throws_right, 0);
}

TEST(RetrosheetFiles, FilesAlreadyThereAreKeptUnlessForced) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  const std::string out = dir.path().string();
  EXPECT_EQ(ImportRetrosheet({{events}, out, false}).Line(),
            "1 game written, 0 refused; 2 team files written");
  const ImportSummary again = ImportRetrosheet({{events}, out, false});
  EXPECT_EQ(again.Line(),
            "0 games written, 1 kept as they were, 0 refused; 0 team files written, 2 already "
            "there unchanged");
  ASSERT_EQ(again.refusals.size(), 1u);
  EXPECT_EQ(again.refusals[0].reason,
            "HAW202404010.gam is already there (a game file): kept as it is");
  EXPECT_TRUE(again.refusals[0].kept);
  WriteBookFile(dir.Path("HAW.tem"), "a note of mine");
  EXPECT_EQ(ImportRetrosheet({{events}, out, false}).Line(),
            "0 games written, 1 kept as they were, 0 refused; 0 team files written, 1 already "
            "there unchanged, 1 kept as they were");
  const ImportSummary forced = ImportRetrosheet({{events}, out, true});
  EXPECT_EQ(forced.Line(),
            "1 game written, 0 refused; 1 team file written, 1 already there unchanged");
}

TEST(RetrosheetFiles, MissingOrDamagedRosterFiles) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  std::filesystem::remove(dir.Path("haw2024.ros"));
  ImportSummary summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "2024HAW.EVN, line 10 (game HAW202404010): the roster file HAW2024.ROS is not beside "
            "the event file");
  WriteBookFile(dir.Path("HAW2024.ROS"), "h1,Able,Ann,R,X,HAW,CF\n");
  summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].reason, "HAW2024.ROS, line 1: throws is L or R, not \"X\"");
  std::filesystem::remove(dir.Path("TEAM2024"));
  summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  EXPECT_EQ(summary.refusals[0].reason,
            "the team file TEAM2024 is not beside the event file: it names the clubs");
}

// A name longer than the records hold is cut to fit, and said (a notice,
// no refusal: the game is written).
TEST(RetrosheetFiles, ANameCutToFitIsSaid) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  std::string roster = ReadText(dir.Path("GUL2024.ROS"));
  roster.replace(roster.find("Maple,Mo"), 8, "Maplewood-Featherstone,Montgomery");
  WriteBookFile(dir.Path("GUL2024.ROS"), roster);
  std::filesystem::create_directory(dir.Path("out"));
  const ImportSummary summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  EXPECT_EQ(summary.Line(), "1 game written, 0 refused; 2 team files written");
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_TRUE(summary.refusals[0].note);
  EXPECT_EQ(summary.refusals[0].Text(),
            "GUL2024.ROS: the name \"Montgomery Maplewood-Featherstone\" is cut to its first 24 "
            "characters");
  Team gulls;
  ASSERT_TRUE(LoadTeam(dir.Path("out/GUL.tem"), gulls));
  EXPECT_EQ(gulls.player(12).name.str(), "Montgomery Maplewood-Fea");
}

TEST(RetrosheetFiles, StoppingBetweenGamesKeepsWhatWasWritten) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame, kWholeGame, kWholeGame});
  std::vector<int> told;
  const ImportSummary summary =
      ImportRetrosheet({{events}, dir.path().string(), false}, [&](int done, int total) {
        told.push_back(done * 10 + total);
        return done < 1;
      });
  EXPECT_TRUE(summary.cancelled);
  EXPECT_EQ(told, (std::vector<int>{3, 13}));
  EXPECT_EQ(summary.games_written.size(), 1u);
  Game game;
  EXPECT_TRUE(LoadGame(dir.Path("HAW202404010.gam"), game));
  EXPECT_FALSE(FileExists(dir.Path("HAW202404011.gam")));
  EXPECT_EQ(PlannedImportFiles({events}),
            (std::vector<std::string>{"HAW202404010.gam", "GUL.tem", "HAW.tem", "HAW202404011.gam",
                                      "HAW202404012.gam"}));
}

TEST(RetrosheetFiles, FilesThatAreNoEventFiles) {
  TempDir dir;
  WriteBookFile(dir.Path("notes.txt"), "my notes\nabout the game\n");
  WriteBookFile(dir.Path("binary.EVN"), std::string("\x01\x02\x03\x00\x05", 5));
  const ImportSummary summary =
      ImportRetrosheet({{dir.Path("notes.txt"), dir.Path("binary.EVN"), dir.Path("gone.EVN")},
                        dir.path().string(),
                        false});
  ASSERT_EQ(summary.refusals.size(), 3u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "notes.txt, line 1: no game here: an event file is a series of games, each beginning "
            "with an id record (id,SEA201903280)");
  EXPECT_EQ(summary.refusals[1].line, 1);
  EXPECT_EQ(summary.refusals[2].file, "gone.EVN");
  EXPECT_EQ(summary.Line(), "0 games written, 0 refused; 0 team files written");
}

}  // namespace
}  // namespace scorewick::interop::testing
