#pragma once
// The first lines of the book of a game about to be scored: when and where
// it is played, its umpires, the league's rules, both teams with their
// rosters on the bench, and the starting line-ups when they are chosen
// before the first pitch (else they are typed next, the visitors' first).

#include <string>
#include <vector>

#include "records/team.h"
#include "scoring/league_rules.h"

namespace scorewick::scoring {

struct Starter {
  std::string name;  // a player of the team's roster (record text)
  int position = 0;  // 1..9, the short fielder 10, the designated hitter 11
};

struct StartingLineUp {
  std::vector<Starter> batters;  // in batting order
  // The pitcher who does not bat (the side uses a designated hitter);
  // empty when the pitcher is among the batters.
  std::string pitcher;
};

struct NewGame {
  int year = 0, month = 0, day = 0;
  int hour = -1, minute = 0;  // hour -1: no starting time
  std::string field;
  std::vector<std::string> umpires;  // at most four
  LeagueRules rules;
  Team visitor, home;
  // Chosen before the game; left empty, they are typed as book lines.
  StartingLineUp visitor_line_up, home_line_up;
};

// Whether a starting line-up can take the field; fails saying why not:
// every position 1 to 9 filled once, no player twice, a designated hitter
// only with a pitcher who does not bat, every name on the roster.
Status CheckLineUp(const StartingLineUp& line_up, const Team& team);

// The header lines of the book.  A name is written in quotes, which a
// name cannot hold (a quote in it becomes an apostrophe).
std::vector<std::string> NewGameBook(const NewGame& game);

}  // namespace scorewick::scoring
