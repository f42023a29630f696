#pragma once
// Reading the games of Retrosheet event files: each game of each file is
// scored into a game record (with the clubs of the team and roster files
// beside its event file) and handed on, one at a time; a game that cannot
// be recorded is refused with its file, line and reason, and the others
// are still read.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "interop/retrosheet_game.h"

namespace scorewick::interop {

// No event, roster or team file comes near this; a larger file is not one.
inline constexpr std::size_t kMaxRetrosheetFile = std::size_t{16} << 20;

struct ImportRefusal {
  std::string file;  // the file at fault: an event file, or a file being written
  int line = 0;      // 0 when no line is at fault
  std::string game;  // the game's id, when the refusal is a game's
  std::string reason;
  bool kept = false;  // not a fault: a file already there was left as it was
  bool note = false;  // not a fault: what the game's import read past or approximated
  // A refused game's clubs, by code ("SEA"), as far as they were read.
  std::string home;
  std::string visitor;

  // "2019SEA.EVA, line 57 (game SEA201903280): nobody is on second base"
  std::string Text() const;
};

// The games refused (not those kept or noted), club by club: each club
// named by a refused game, A to Z, with the ids of its refused games, home
// and away, in the order met.  A game whose home club was not read yet is
// the club of its id's first three letters ("SEA201903280": SEA).
struct ClubRefusals {
  std::string club;
  std::vector<std::string> games;

  bool operator==(const ClubRefusals&) const = default;
};
std::vector<ClubRefusals> RefusedGamesByClub(const std::vector<ImportRefusal>& refusals);

// Told before each game: the games done so far and the whole count.
// Returning false stops the reading there.
using ImportProgress = std::function<bool(int done, int total)>;

// A game as it is handed on.  The game record is reused for the next game:
// whoever keeps it copies it.  What the taker has to say about other files
// (a team file it could not write) goes to notes, in order.
struct ScoredGame {
  Game& game;
  const GameOrigin& origin;
  const Club& home;
  const Club& visitor;
  const std::string& event_file;
  std::vector<ImportRefusal>& notes;
};

// What became of a game handed on: taken, kept out because a file of it
// was already there (refused, and kept), or refused with the reason.
struct Taken {
  Status status;
  bool kept = false;
};
using GameSink = std::function<Taken(const ScoredGame&)>;

struct GamesRead {
  int games_taken = 0;
  int games_kept = 0;                   // not taken: already there
  int games_refused = 0;                // could not be recorded or taken
  int games_noted = 0;                  // taken, with notes of what was approximated
  std::vector<ImportRefusal> refusals;  // games and files, and the notes, in the order met
  bool cancelled = false;
};

GamesRead ReadRetrosheetGames(const std::vector<std::string>& event_files, const GameSink& take,
                              const ImportProgress& progress = {});

// A club code fit to name a file: letters and digits, at most eight.
bool IsClubCode(std::string_view code);

}  // namespace scorewick::interop
