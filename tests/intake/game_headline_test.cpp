// The headline a list of games is filtered by: the header's day and start
// time and the two teams, from the file's first bytes or, for rosters too
// long for them, from the whole file.

#include "intake/game_headline.h"

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

TEST(GameHeadline, DayStartAndTeams) {
  TempDir dir;
  for (const int players : {12, 400}) {  // 400 players run past the first 8 KB
    Game game;
    game.header.year = 2024;
    game.header.month = 5;
    game.header.day = 4;
    game.header.start_hour = 15;
    game.header.start_minute = 5;
    game.home = testing::MakeTeam("Hawks", players);
    game.visitor = testing::MakeTeam("Bats", 9);
    const std::string path = dir.Path("g" + std::to_string(players) + ".gam");
    ASSERT_TRUE(SaveGame(path, game).ok);
    GameHeadline read;
    ASSERT_TRUE(ReadGameHeadline(path, read)) << players;
    EXPECT_EQ(std::tie(read.year, read.month, read.day, read.hour, read.minute),
              std::make_tuple(2024, 5, 4, 15, 5));
    EXPECT_EQ(read.home, "Hawks");
    EXPECT_EQ(read.visitor, "Bats");
  }
}

TEST(GameHeadline, WhatIsNoGameIsRefusedWithItsReason) {
  TempDir dir;
  Team team = testing::MakeTeam("Hawks", 9);
  ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), team).ok);
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("text.gam"), "hello"));
  Game game;
  ASSERT_TRUE(SaveGame(dir.Path("cut.gam"), game).ok);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("cut.gam"), bytes));
  bytes.resize(300);  // inside the home team
  ASSERT_TRUE(WriteFileAtomically(dir.Path("cut.gam"), bytes));
  for (const char* name : {"t.tem", "text.gam", "cut.gam", "none.gam"}) {
    GameHeadline read;
    const Status refused = ReadGameHeadline(dir.Path(name), read);
    EXPECT_FALSE(refused) << name;
    EXPECT_FALSE(refused.reason.empty()) << name;
  }
}

}  // namespace
}  // namespace scorewick
