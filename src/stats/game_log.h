#pragma once
// A player's game log: his line in each game he appeared in, counted game
// by game with the statistics engine (stats/side_of_game.h), so that the
// log's totals are the statistics table's line for him over the same games.

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "records/calendar_day.h"
#include "records/game.h"
#include "stats/stat.h"

namespace scorewick {

struct GameLogEntry {
  std::string file;  // the game file
  LocalDate day;
  int start_hour = 0;
  int start_minute = 0;
  std::string team;      // the team he played for
  std::string opponent;  // the other team
  bool home = false;     // his team was the home side
  long long runs_for = 0;
  long long runs_against = 0;
  BattingStat batting;    // his batting and running line of the game
  bool pitched = false;   // he pitched in it (then pitching holds his line)
  PitchingStat pitching;  // his pitching line, decision included

  // 'W', 'L' or 'T' from his team's side.
  char Result() const;
};

struct GameLog {
  std::string player;
  std::string team;                 // the team asked for, or the one team he played for
  StatRules rules;                  // outs per inning for IP
  std::vector<GameLogEntry> games;  // by date, then start time, then list order
  BattingStat batting_total;        // the sums of the lines
  bool pitched = false;             // he pitched in one game at least
  PitchingStat pitching_total;
};

// "W", "L", "S" or "": the pitcher's decision in one game.
std::string_view Decision(const PitchingStat& line);

// IP as the pitching table shows it: outs / outs per inning, two decimals.
std::string InningsPitchedText(const PitchingStat& line, const StatRules& rules);

// The log of a player from his lines of the games, each with its place in
// the list (which orders games of one day and start time): the games in
// date and start-time order, with the totals.  team is the log's team.
GameLog AssembleGameLog(std::string player, std::string team, const StatRules& rules,
                        std::vector<std::pair<std::size_t, GameLogEntry>> entries);

// The line of a game for a player of a side counted alone (CountSideAlone
// of stats/side_of_game.h), without his figures: the game's day and time,
// the teams and the score from that side.
GameLogEntry SideEntry(const Game& game, bool home, const std::string& file);

// Counts games for one player, one game at a time, as they are read.
class GameLogCounter {
 public:
  // team empty: the player on whichever team he appears for.
  GameLogCounter(std::string player, std::string team, const StatRules& rules);

  // Looks for the player in the game (on the named team's side, if any)
  // and, when he appeared, keeps his lines of it.  order is the game's
  // place in the list, which orders games of one day and start time.
  void Count(const Game& game, const std::string& file, std::size_t order);

  // Whether the named team played in a game counted so far (always true
  // with no team named).
  bool team_seen() const { return team_.empty() || team_seen_; }
  // The players on the rosters of the named team (every team with none):
  // for the message that names who is there when the player is not.
  const std::set<std::string>& players() const { return players_; }
  // The teams the player appeared for.
  const std::set<std::string>& teams_of_player() const { return teams_of_player_; }

  // The log: the games in date and start-time order, with the totals.
  GameLog Finish();

 private:
  void CountSide(const Game& game, bool home, const std::string& file, std::size_t order);

  std::string player_;
  std::string team_;
  StatRules rules_;
  Stat stat_;
  bool team_seen_ = false;
  std::set<std::string> players_;
  std::set<std::string> teams_of_player_;
  std::vector<std::pair<std::size_t, GameLogEntry>> entries_;
};

}  // namespace scorewick
