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

  // "2019SEA.EVA, line 57 (game SEA201903280): nobody is on second base"
  std::string Text() const;
};

// Told before each game: the games done so far and the whole count.
// Returning false stops the reading there.
using ImportProgress = std::function<bool(int done, int total)>;

// A game as it is handed on.  The game record is reused for the next game:
// whoever keeps it copies it.
struct ScoredGame {
  Game& game;
  const GameOrigin& origin;
  const Club& home;
  const Club& visitor;
  const std::string& event_file;
};

// Takes a scored game; returns why it could not (the game then counts as
// refused), or empty text.
using GameSink = std::function<std::string(const ScoredGame&)>;

struct GamesRead {
  int games_taken = 0;
  int games_refused = 0;
  std::vector<ImportRefusal> refusals;  // games and files that could not be read
  bool cancelled = false;
};

GamesRead ReadRetrosheetGames(const std::vector<std::string>& event_files, const GameSink& take,
                              const ImportProgress& progress = {});

// A club code fit to name a file: letters and digits, at most eight.
bool IsClubCode(std::string_view code);

}  // namespace scorewick::interop
