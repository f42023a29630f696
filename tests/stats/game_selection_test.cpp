// The chooser's rules: adding, removing, the team list and OK.
#include "stats/game_selection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/game_list_file.h"
#include "stats/game_choice.h"
#include "stats_support.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

class GameSelectionTest : public ::testing::Test {
 protected:
  std::string Save(const std::string& name, const std::string& home, const std::string& visitors) {
    Game game = testing::CompileBook(sim::testing::kWalkOff);
    game.header.list_names[0].set(home);
    game.header.list_names[1].set(visitors);
    const std::string path = dir.Path(name);
    EXPECT_TRUE(SaveGame(path, game));
    return path;
  }
  TempDir dir;
};

TEST_F(GameSelectionTest, AddRemoveAndTeams) {
  GameSelection s;
  const std::string ab1 = Save("ab1.gam", "Hawks", "Gulls");
  const std::string ab2 = Save("ab2.gam", "Gulls", "Hawks");
  const std::string ac = Save("ac.gam", "Hawks", "Owls");
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAlreadyChosen);
  // The same game under another name is the same game.
  std::filesystem::create_symlink(ab1, dir.Path("link.gam"));
  std::filesystem::create_hard_link(ab1, dir.Path("hard.gam"));
  for (const char* again : {"link.gam", "hard.gam", "./ab1.gam"}) {
    EXPECT_EQ(s.Add(dir.Path(again)), GameSelection::AddResult::kAlreadyChosen) << again;
  }
  // A file that is no game is not chosen.
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("notes.gam"), std::string(300, 'n')));
  EXPECT_EQ(s.Add(dir.Path("notes.gam")), GameSelection::AddResult::kUnreadable);
  EXPECT_EQ(s.Add(ab2), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.Add(ac), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.games().size(), 3u);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls", "Owls"}));
  s.Remove(2);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls"}));
  s.Remove(0);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls"}));

  // Taken off, a game can be chosen again.
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAdded);

  GameSelection same;
  same.Add(Save("same.gam", "Hawks", "Hawks"));
  EXPECT_EQ(same.teams(), (std::vector<std::string>{"All Teams", "Hawks"}));
}

TEST_F(GameSelectionTest, PriorFormatAndPreview) {
  const std::string path = Save("old.gam", "Hawks", "Gulls");
  EXPECT_EQ(GamePreview(path), "Gulls\nvs\nHawks");
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  bytes.erase(bytes.begin(), bytes.begin() + 4);  // no version word: the header starts the file
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  EXPECT_EQ(GamePreview(path), "Gulls\nvs\nHawks\n(Prior Version Format)");
  GameSelection s;
  UserMessage message;
  EXPECT_EQ(s.Add(path, &message), GameSelection::AddResult::kPriorFormat);
  EXPECT_EQ(message.caption, "Incompatible Game Format");
  EXPECT_EQ(message.text,
            path + "\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)");
  EXPECT_TRUE(s.games().empty());
  EXPECT_EQ(s.Add(dir.Path("missing.gam")), GameSelection::AddResult::kUnreadable);
}

TEST_F(GameSelectionTest, Finish) {
  GameSelection s;
  GameChoice stat;
  UserMessage message;
  EXPECT_EQ(s.Finish(-1, stat, &message), GameSelection::FinishResult::kNoGame);
  EXPECT_EQ(message.caption, "No Game Selected");
  EXPECT_EQ(message.text, "Must Select at least one Game to Analyze");
  s.Add(Save("a.gam", "All Teams", "Gulls"));  // a team literally named "All Teams"
  EXPECT_EQ(s.Finish(-1, stat, &message), GameSelection::FinishResult::kNoTeam);
  EXPECT_EQ(message.text, "You Must Choose a Team Name or \"All Teams\"");
  ASSERT_EQ(s.teams().size(), 3u);
  EXPECT_EQ(s.Finish(0, stat), GameSelection::FinishResult::kOk);
  EXPECT_TRUE(stat.all_teams);
  EXPECT_EQ(stat.games.size(), 1u);
  EXPECT_EQ(s.Finish(1, stat), GameSelection::FinishResult::kOk);
  EXPECT_FALSE(stat.all_teams);
  EXPECT_EQ(stat.team, "All Teams");
  EXPECT_EQ(stat.games.size(), 1u);
}

// The chooser's team and filters kept in a list of games: they come back as
// they were saved, and the list still reads as the same games where only
// the games are read (--games-from).

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
