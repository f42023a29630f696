// The game feed: games read on worker threads come back in list order; a
// game of other teams, or one the filters do not choose, is read only as
// far as its teams; the caller can stop the feed.

#include "intake/game_feed.h"

#include <gtest/gtest.h>

#include <atomic>

#include "intake/game_headline.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

class GameFeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths = testing::WriteSampleSeason(dir.Path(""), 8, 3);
    ASSERT_EQ(paths.size(), 8u);
  }

  TempDir dir;
  std::vector<std::string> paths;
};

TEST_F(GameFeedTest, ListOrderWhateverTheThreads) {
  paths.insert(paths.begin() + 3, dir.Path("missing.gam"));
  for (int threads : {1, 3, 8}) {
    std::vector<std::string> seen;
    std::atomic<int> made{0};
    FeedOptions options;
    options.threads = threads;
    options.make = [&](const Game& game, FedGame& fed) {
      ++made;
      fed.made = game.home.team_name.str();
    };
    EXPECT_TRUE(FeedGames(paths, options, [&](FedGame& fed) {
      EXPECT_EQ(fed.index, seen.size());
      seen.push_back(fed.refusal ? "refused " + fed.refusal->file : fed.made);
      return true;
    }));
    ASSERT_EQ(seen.size(), paths.size());
    EXPECT_EQ(seen[3], "refused " + dir.Path("missing.gam"));
    EXPECT_EQ(made, 8);
  }
}

TEST_F(GameFeedTest, OtherTeamsGamesAreLeftAfterTheirTeams) {
  // The first game, of two teams, cut off after its teams: a team that
  // does not play in it never reads that far, and so never finds the cut.
  GameIntake intake;
  Game first;
  ASSERT_TRUE(intake.Take(paths[0], first));
  std::string absent;
  for (const Team& t : sim::SampleTeams()) {
    if (t.team_name.view() != first.home.team_name.view() &&
        t.team_name.view() != first.visitor.team_name.view())
      absent = t.team_name.str();
  }
  std::vector<std::uint8_t> bytes(intake.bytes().begin(), intake.bytes().end());
  bytes.resize(9000);
  ASSERT_TRUE(WriteFileAtomically(paths[0], bytes));

  for (const std::string& team : {std::string(), absent}) {
    FeedOptions options;
    options.threads = 2;
    options.team = team;
    int other = 0, refused = 0;
    FeedGames(paths, options, [&](FedGame& fed) {
      if (fed.index == 0) {
        EXPECT_EQ(fed.refusal.has_value(), team.empty()) << team;
      }
      refused += fed.refusal ? 1 : 0;
      other += fed.other_teams ? 1 : 0;
      if (!fed.refusal && !fed.other_teams && !team.empty()) {
        EXPECT_TRUE(fed.game.home.team_name.view() == team ||
                    fed.game.visitor.team_name.view() == team);
      }
      return true;
    });
    EXPECT_EQ(refused, team.empty() ? 1 : 0);
    EXPECT_EQ(other > 0, !team.empty());
  }
}

// The filters decide from the headline: a game not chosen is read no
// further (so a damage past its teams is never met) yet hands its
// headline over; a chosen one is decoded and its headline is its own.
TEST_F(GameFeedTest, GamesNotChosenAreLeftAfterTheirHeadline) {
  GameIntake intake;
  ASSERT_TRUE(intake.Read(paths[0]));
  std::vector<std::uint8_t> bytes(intake.bytes().begin(), intake.bytes().end());
  bytes.resize(9000);
  ASSERT_TRUE(WriteFileAtomically(paths[0], bytes));
  for (int threads : {1, 3}) {
    FeedOptions options;
    options.threads = threads;
    options.choose = [](std::size_t index, const GameHeadline&) { return index % 2 == 1; };
    int decoded = 0;
    FeedGames(paths, options, [&](FedGame& fed) {
      EXPECT_FALSE(fed.refusal) << fed.index;
      EXPECT_EQ(fed.left, fed.index % 2 == 0) << fed.index;
      EXPECT_TRUE(fed.headline) << fed.index;
      if (fed.left || !fed.headline) return true;
      ++decoded;
      EXPECT_EQ(fed.headline->home, fed.game.home.team_name.str());
      EXPECT_EQ(fed.headline->day, static_cast<int>(fed.game.header.day));
      return true;
    });
    EXPECT_EQ(decoded, 4);
  }
  FeedOptions all;
  all.choose = [](std::size_t, const GameHeadline&) { return true; };
  FeedGames(paths, all, [&](FedGame& fed) {
    EXPECT_EQ(fed.refusal.has_value(), fed.index == 0);
    EXPECT_TRUE(fed.headline && !fed.left);
    return true;
  });
}

TEST_F(GameFeedTest, TheCallerStopsTheFeed) {
  for (int threads : {1, 4}) {
    FeedOptions options;
    options.threads = threads;
    int taken = 0;
    EXPECT_FALSE(FeedGames(paths, options, [&](FedGame&) { return ++taken < 3; }));
    EXPECT_EQ(taken, 3);
  }
}

// The headline a list of games is filtered by: the header's day and start
// time and the two teams, from the file's first bytes or, for rosters too
// long for them, from the whole file.

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
