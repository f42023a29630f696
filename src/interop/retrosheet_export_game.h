#pragma once
// One game of ours written as a game of a Retrosheet event file: its id
// and info records (date, start time, park, umpires, attendance, length,
// decisions), the starting line-ups, every play with its count and pitches
// (balls, strikes, fouls, balls in play, the pitcher's and the catcher's
// throws to the bases), its fielders, errors, the runners' advances with
// their reasons, unearned runs marked (UR) and runs batted in marked
// wherever they are, hit locations from the spray chart's points, every
// substitution (an NP play before each), the scorer's notes as comments,
// and the earned runs of every pitcher as data records.
//
// The game's boxes are read back into the order things happened: each
// runner's entry names the moment of the game it was made at (the box at
// the plate and its last entry then, records/pitcher_charges.h), and the
// line-ups name the box at which each player came in.  An older game
// whose runners' entries do not name their moment has them read as made
// on the next play of his box's turn at the plate or after.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interop/name_index.h"
#include "records/game.h"
#include "records/status.h"

namespace scorewick::interop {

// The ids of one side's players by their names: filled once a game, then
// looked up at every line that names a player.  The names are views of
// the game's own records, which outlive the writing of it; a list kept
// from game to game takes no new memory once it is long enough.
class NameIds {
 public:
  void clear() {
    ids_.clear();
    index_.Reset(0);
  }
  // Gives name its id, unless it has one already (the first given holds).
  void Add(std::string_view name, std::string id);
  // Indexes what was added for finding; call after the last Add.
  void Seal();
  // The id of name, or nothing.
  const std::string* Find(std::string_view name) const;

 private:
  std::vector<std::pair<std::string_view, std::string>> ids_;  // as added
  NameIndex index_;  // positions in ids_, a name once: the first added
};

// The names the files give the game's clubs and players.
struct ExportNames {
  std::string home_code;
  std::string visitor_code;
  // Player name (code page 1252) -> id, for each side.
  NameIds home_ids;
  NameIds visitor_ids;

  // Empty again, the lists keeping their room for the next game.
  void clear() {
    home_code.clear();
    visitor_code.clear();
    home_ids.clear();
    visitor_ids.clear();
  }
};

struct ExportedGame {
  std::string text;  // the game's records, a line feed after each (UTF-8)
  // What the game holds that the format cannot carry, or carries only in
  // the nearest way, in words for the person ("the pitches' types, speeds
  // and locations").
  std::vector<std::string> lost;
};

// Writes game as records under the id given (SEA201903280).  A failure,
// with the reason, for a game the format cannot hold (more than nine
// batters, a fielder at a tenth position) or whose boxes do not tell a
// game that can be written (a runner who comes from nowhere); nothing is
// kept of it then.
Status ExportRetrosheetGame(const Game& game, const std::string& id, int game_number,
                            const ExportNames& names, ExportedGame& out);

// The code of a hit location nearest to a point of the spray charts'
// field picture ("78XD", "5F"); empty for the point that means none.
std::string NearestHitLocation(int x, int y);

}  // namespace scorewick::interop
