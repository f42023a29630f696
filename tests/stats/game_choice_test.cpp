// The chooser's team and filters kept in a list of games: they come back as
// they were saved, and the list still reads as the same games where only
// the games are read (--games-from).
#include "stats/game_choice.h"

#include <gtest/gtest.h>

#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/game_list_file.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

GameChoice Chosen(const TempDir& dir) {
  GameChoice choice;
  choice.games = {dir.Path("SEA201909290.gam"), dir.Path("sub/SEA201909280.gam"),
                  "/elsewhere/HOU.gam"};
  choice.team =
      "\xC9quipe Montr\xE9"
      "al";  // code page 1252
  choice.filter.from = ParseCalendarDay("2019-05-01");
  choice.filter.to = ParseCalendarDay("2019-09-30");
  choice.filter.team = "Seattle Mariners";
  choice.filter.ground = Ground::kAway;
  choice.filter.opponent = "Houston Astros";
  choice.filter.last = 10;
  return choice;
}

TEST(GameChoice, ASavedListKeepsTeamAndFiltersAndStaysAListOfGames) {
  TempDir dir;
  const std::string path = dir.Path("sea-at-hou.txt");
  const GameChoice saved = Chosen(dir);
  ASSERT_TRUE(WriteGameChoice(path, saved));

  GameChoice read;
  ASSERT_TRUE(ReadGameChoice(path, read));
  EXPECT_EQ(read.games, saved.games);
  EXPECT_EQ(read.team, saved.team);
  EXPECT_FALSE(read.all_teams);
  EXPECT_EQ(read.filter.from, saved.filter.from);
  EXPECT_EQ(read.filter.to, saved.filter.to);
  EXPECT_EQ(read.filter.team, saved.filter.team);
  EXPECT_EQ(read.filter.ground, saved.filter.ground);
  EXPECT_EQ(read.filter.opponent, saved.filter.opponent);
  EXPECT_EQ(read.filter.last, saved.filter.last);

  std::vector<std::string> listed;
  ASSERT_TRUE(ReadGameList(path, listed));
  EXPECT_EQ(listed, saved.games);
}

TEST(GameChoice, AllTeamsAndNoFiltersKeepOnlyTheGames) {
  GameChoice choice;
  choice.all_teams = true;
  EXPECT_EQ(GameChoiceLines(choice), "#: all-teams\n");
  choice.all_teams = false;
  EXPECT_EQ(GameChoiceLines(choice), "");
}

TEST(GameChoice, LinesThatDoNotReadAreSkipped) {
  GameChoice choice;
  ReadGameChoiceLines(
      "#: team Hawks\r\n#: last ten\n#: last -3\n#: ground north\n#: from 2019-02-30\n"
      "#: colour blue\n# team Owls\n#:team Bats\n#: to 2019-06-01\n",
      choice);
  EXPECT_EQ(choice.team, "Hawks");
  EXPECT_EQ(choice.filter.last, 0);
  EXPECT_EQ(choice.filter.ground, Ground::kAny);
  EXPECT_FALSE(choice.filter.from);
  EXPECT_EQ(choice.filter.to, ParseCalendarDay("2019-06-01"));
}

TEST(GameChoice, DescribesTheFilters) {
  TempDir dir;
  EXPECT_EQ(DescribeFilter(GameFilter{}), "");
  EXPECT_EQ(DescribeFilter(Chosen(dir).filter),
            "last 10 games of Seattle Mariners, away, against Houston Astros, "
            "2019-05-01 to 2019-09-30");
  GameFilter from;
  from.from = ParseCalendarDay("2019-09-01");
  from.team = "Hawks";
  EXPECT_EQ(DescribeFilter(from), "games of Hawks, from 2019-09-01");
}

}  // namespace
}  // namespace scorewick
