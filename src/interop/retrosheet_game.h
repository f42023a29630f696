#pragma once
// One game of a Retrosheet event file, scored into a game record through
// the Scorer, play by play, as the handheld would have recorded it: the
// starting line-ups, every pitch of every turn at the plate, the batter's
// result with its fielders, the runners' advances and outs, errors,
// substitutions, earned runs and runs batted in, and the game's date, time,
// park, umpires, attendance, length and decisions from its info records.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "interop/retrosheet_records.h"
#include "records/game.h"
#include "records/status.h"
#include "records/team.h"

namespace scorewick::interop {

// A club as the games need it: its team (from the team and roster files)
// and the name each player id was given on it.
struct Club {
  std::string code;
  Team team;
  std::map<std::string, std::string, std::less<>> names;
  std::string roster_file;  // the file name, for messages ("SEA2019.ROS")
};

// Finds the club of a code in a season; refused, with the reason in words
// a person can act on, when its files are missing or cannot be read.
using ClubFinder = std::function<Status(std::string_view code, int season, const Club*& club)>;

// Why a game of an event file could not be built, and where (apart from a
// game file's refusal, records/game_intake.h, which names a file).
struct EventRefusal {
  int line = 0;  // the line at fault, 0 when none is
  std::string reason;
};

// What the import of a game read past or recorded in the nearest way the
// game file allows: a modifier or pitch it does not know, a count that
// disagrees with its pitches, a pinch hitter who came in during a count,
// a game called before its last out.
struct ImportNote {
  int line = 0;  // the line it concerns, 0 for the whole game
  std::string text;
};

// What a game became: its id (the game file is named after it) and its
// clubs' codes.
struct GameOrigin {
  std::string id;
  std::string home;
  std::string visitor;
};

// Scores the records of one game (from its `id` to the next) into game,
// which should be new; what was read past or approximated is added to
// notes, in the order of the lines.  False, with the line and the reason,
// when the game cannot be recorded (a play it cannot read, a runner who is
// not on base, a player who is not on the roster, a game cut short); game
// must then be discarded.
bool BuildRetrosheetGame(const std::vector<RetroRecord>& records, const ClubFinder& clubs,
                         Game& game, GameOrigin& origin, EventRefusal& refusal,
                         std::vector<ImportNote>& notes);

}  // namespace scorewick::interop
