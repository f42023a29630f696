// Filters over a season's games: dates, home and away, the opponent, and a
// team's last N games with two games on one day listed out of time order;
// and the line a list shows for a game.

#include "stats/game_filter.h"

#include <gtest/gtest.h>

#include "records/calendar_day.h"
#include "stats/game_line.h"

namespace scorewick {
namespace {

using Indexes = std::vector<std::size_t>;

std::optional<GameHeadline> Game(int month, int day, int hour, int minute, const char* home,
                                 const char* visitor) {
  return GameHeadline{2024, month, day, hour, minute, home, visitor};
}

// The Hawks' season, with one game of two other teams and one file that
// could not be read.  On 4 May the afternoon game is listed before the
// morning one.
const std::vector<std::optional<GameHeadline>> kSeason = {
    Game(4, 6, 13, 0, "Hawks", "Owls"),   // 0
    Game(4, 13, 13, 0, "Owls", "Hawks"),  // 1
    Game(5, 4, 15, 0, "Bats", "Hawks"),   // 2: the second game of the day
    Game(5, 4, 10, 0, "Hawks", "Bats"),   // 3: the first
    Game(6, 1, 18, 30, "Owls", "Bats"),   // 4
    Game(6, 15, 12, 0, "Bats", "Hawks"),  // 5
    std::nullopt,                         // 6: kept for the reader to name
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
  const std::vector<std::optional<GameHeadline>> twins = {Game(5, 4, 10, 0, "Hawks", "Bats"),
                                                          Game(5, 4, 10, 0, "Bats", "Hawks")};
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
  GameHeadline game = *Game(9, 29, 13, 10, "Seattle Mariners", "Oakland Athletics");
  EXPECT_EQ(GameLineText(game), "2024-09-29  Oakland Athletics at Seattle Mariners");
  game.visitor_runs = 3;
  game.home_runs = 0;
  EXPECT_EQ(GameLineText(game), "2024-09-29  Oakland Athletics 3 at Seattle Mariners 0");
}

}  // namespace
}  // namespace scorewick
