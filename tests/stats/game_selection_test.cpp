// The chooser's rules: adding, removing, the team list and OK.
#include "stats/game_selection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/game_list_file.h"
#include "stats/game_choice.h"
#include "stats/game_filter.h"
#include "stats/game_line.h"
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

// Filters over a season's games: dates, home and away, the opponent, and a
// team's last N games with two games on one day listed out of time order;
// and the line a list shows for a game.

using Indexes = std::vector<std::size_t>;

std::optional<GameHeadline> HeadlineOf(int month, int day, int hour, int minute, const char* home,
                                       const char* visitor) {
  return GameHeadline{2024, month, day, hour, minute, home, visitor};
}

// The Hawks' season, with one game of two other teams and one file that
// could not be read.  On 4 May the afternoon game is listed before the
// morning one.
const std::vector<std::optional<GameHeadline>> kSeason = {
    HeadlineOf(4, 6, 13, 0, "Hawks", "Owls"),   // 0
    HeadlineOf(4, 13, 13, 0, "Owls", "Hawks"),  // 1
    HeadlineOf(5, 4, 15, 0, "Bats", "Hawks"),   // 2: the second game of the day
    HeadlineOf(5, 4, 10, 0, "Hawks", "Bats"),   // 3: the first
    HeadlineOf(6, 1, 18, 30, "Owls", "Bats"),   // 4
    HeadlineOf(6, 15, 12, 0, "Bats", "Hawks"),  // 5
    std::nullopt,                               // 6: kept for the reader to name
};

GameFilter Dates(const char* from, const char* to) {
  GameFilter f;
  if (*from) f.from = ParseCalendarDay(from);
  if (*to) f.to = ParseCalendarDay(to);
  return f;
}

GameFilter Hawks(Ground ground, const char* opponent = "", int last = 0) {
  GameFilter f;
  f.team = "Hawks";
  f.ground = ground;
  f.opponent = opponent;
  f.last = last;
  return f;
}

TEST(GameFilter, LeavesTheGamesAsked) {
  struct Case {
    const char* what;
    GameFilter filter;
    Indexes kept;  // with the unread game 6 always
  };
  GameFilter owls;
  owls.opponent = "Owls";
  GameFilter late = Dates("2024-07-01", "");
  const Case cases[] = {
      {"no filter", GameFilter{}, {0, 1, 2, 3, 4, 5, 6}},
      {"a team alone: its games", Hawks(Ground::kAny), {0, 1, 2, 3, 5, 6}},
      {"from, inclusive", Dates("2024-05-04", ""), {2, 3, 4, 5, 6}},
      {"to, inclusive", Dates("", "2024-05-04"), {0, 1, 2, 3, 6}},
      {"one day", Dates("2024-05-04", "2024-05-04"), {2, 3, 6}},
      {"a month", Dates("2024-06-01", "2024-06-30"), {4, 5, 6}},
      {"home", Hawks(Ground::kHome), {0, 3, 6}},
      {"away", Hawks(Ground::kAway), {1, 2, 5, 6}},
      {"the team's opponent", Hawks(Ground::kAny, "Bats"), {2, 3, 5, 6}},
      {"an opponent away", Hawks(Ground::kAway, "Bats"), {2, 5, 6}},
      {"any game of a team", owls, {0, 1, 4, 6}},
      {"last 1", Hawks(Ground::kAny, "", 1), {5, 6}},
      {"last 2: the later game of the day", Hawks(Ground::kAny, "", 2), {2, 5, 6}},
      {"last 3: both games of the day", Hawks(Ground::kAny, "", 3), {2, 3, 5, 6}},
      {"last 10 of 5", Hawks(Ground::kAny, "", 10), {0, 1, 2, 3, 5, 6}},
      {"last 1 at home", Hawks(Ground::kHome, "", 1), {3, 6}},
      {"last 2 against the Bats", Hawks(Ground::kAny, "Bats", 2), {2, 5, 6}},
      {"nothing left", late, {6}},
  };
  for (const Case& c : cases) {
    const FilteredGames left = FilterGames(kSeason, c.filter);
    EXPECT_EQ(left.kept, c.kept) << c.what;
    EXPECT_EQ(left.matched, c.kept.size() - 1) << c.what;
  }
}

TEST(GameFilter, LastTakesTheLaterListedOfTwoGamesAlike) {
  const std::vector<std::optional<GameHeadline>> twins = {HeadlineOf(5, 4, 10, 0, "Hawks", "Bats"),
                                                          HeadlineOf(5, 4, 10, 0, "Bats", "Hawks")};
  EXPECT_EQ(FilterGames(twins, Hawks(Ground::kAny, "", 1)).kept, Indexes({1}));
}

TEST(GameFilter, NamesThere) {
  EXPECT_EQ(TeamsOfGames(kSeason), (std::vector<std::string>{"Hawks", "Owls", "Bats"}));
  EXPECT_EQ(OpponentsOf(kSeason, "Bats"), (std::vector<std::string>{"Hawks", "Owls"}));
  EXPECT_TRUE(OpponentsOf(kSeason, "Moles").empty());
}

TEST(GameFilter, DatesOnlyAsYearMonthDay) {
  EXPECT_EQ(ParseCalendarDay("2024-05-03"), (LocalDate{2024, 5, 3}));
  EXPECT_EQ(ParseCalendarDay("2024-02-29"), (LocalDate{2024, 2, 29}));
  EXPECT_EQ(ParseCalendarDay("2000-02-29"), (LocalDate{2000, 2, 29}));
  EXPECT_EQ(CalendarDayText(LocalDate{2024, 5, 3}), "2024-05-03");
  for (const char* bad :
       {"2024-5-3", "05/03/2024", "20240503", "2024-05-03 ", "2024-13-01", "2024-00-10",
        "2024-04-31", "2023-02-29", "1900-02-29", "+024-05-03", "2024-05-3x", ""}) {
    EXPECT_FALSE(ParseCalendarDay(bad)) << bad;
  }
}

// A game as the lists show it: the visitors first with their runs, none
// while the game has no run yet.
TEST(GameLine, DateVisitorsAtHomeAndTheScore) {
  GameHeadline game = *HeadlineOf(9, 29, 13, 10, "Seattle Mariners", "Oakland Athletics");
  EXPECT_EQ(GameLineText(game), "2024-09-29  Oakland Athletics at Seattle Mariners");
  game.visitor_runs = 3;
  game.home_runs = 0;
  EXPECT_EQ(GameLineText(game), "2024-09-29  Oakland Athletics 3 at Seattle Mariners 0");
}

}  // namespace
}  // namespace scorewick
