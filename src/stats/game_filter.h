#pragma once
// Filters over a list of games, as a coach asks the day before a game: the
// games between two dates, a team's home or away games, its games against
// one opponent, its last N games.  The filter looks only at each game's
// headline (records/game_headline.h): the day and start time its header
// keeps and its two teams, so that a season of thousands is chosen from
// without decoding a game.

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "intake/game_feed.h"
#include "intake/game_headline.h"
#include "records/local_date.h"

namespace scorewick {

enum class Ground { kAny, kHome, kAway };

struct GameFilter {
  std::optional<LocalDate> from;  // games on or after this day
  std::optional<LocalDate> to;    // games on or before this day
  // The team whose home or away games, games against the opponent and last
  // N games are chosen (code page 1252, as the games spell it).
  std::string team;
  Ground ground = Ground::kAny;
  // Games against this team: with a team named, games of the team against
  // it; without, every game it plays.
  std::string opponent;
  int last = 0;  // the team's last N games by day and start time; 0 for all

  // Whether any filter is set (a team alone leaves the team's games).
  bool Active() const;
  // Whether a filter is set that needs the team named: home, away, last N.
  bool NeedsTeam() const { return ground != Ground::kAny || last > 0; }
  // Whether only the team's own games can pass.
  bool OfTeam() const { return !team.empty(); }
  // Whether the first day is after the last, which leaves no game.
  bool DaysReversed() const { return from && to && *from > *to; }
  // Whether the game passes every filter but the last N.
  bool Passes(const GameHeadline& game) const;
};

// What the filter leaves of games (nothing stands for a game whose
// headline could not be read).
struct FilteredGames {
  // The indexes of the games left, in list order.  A game whose headline
  // could not be read is left in, for the reader that follows to name it.
  std::vector<std::size_t> kept;
  std::size_t matched = 0;  // of them, games read that pass every filter
};

// Applies every filter of filter to games: the dates, home or away, the
// opponent, and then the last N of what is left (by day and start time; of
// two games alike, the later in the list is the later game).
FilteredGames FilterGames(const std::vector<std::optional<GameHeadline>>& games,
                          const GameFilter& filter);

// Lets the feed read on only the games filter leaves (options.choose), each
// decided from its headline on the thread that read it; nothing changes
// without an active filter.  The last N are known only once every game's
// day is: for them the heads of the games are read first, by a feed of
// their own.
void ChooseByFilter(const std::vector<std::string>& games, const GameFilter& filter,
                    FeedOptions& options);

// Keeps the headline of a game the feed read under ChooseByFilter, at its
// place in headlines (sized for the list), counting it in chosen unless
// the filter left it.  Nothing for a game whose headline was not read.
void NoteChosenHeadline(FedGame& fed, std::vector<std::optional<GameHeadline>>& headlines,
                        std::size_t& chosen);

// The team names the games hold, in the order first met.
std::vector<std::string> TeamsOfGames(const std::vector<std::optional<GameHeadline>>& games);
// The names of team's opponents in the games (every team, when team is
// empty), in the order first met.
std::vector<std::string> OpponentsOf(const std::vector<std::optional<GameHeadline>>& games,
                                     const std::string& team);

}  // namespace scorewick
