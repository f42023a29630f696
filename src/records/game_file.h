#pragma once
// Game files (.gam).  Format 3.0 (version word 768) is read and written;
// format 2.0 (512) is read and converted (older at-bat records, player
// records without keys); every other version word is refused.
//
//   0    version word
//   4    game header (233 bytes)
//   237  home team, then visiting team (team sequences, no personal info)
//        current inning i32, current at-bat i32, current half is top u8,
//        batter due up i32, winning/saving/losing pitcher (PLAYER each),
//        home and visiting uses-DH bytes (these copies win),
//        80 half-innings (inning 1 top, inning 1 bottom, ...):
//          runs, hits, errors, left on base, at-bat count a, a at-bats,
//          offense count, offense players, defense count, defense players
//        note count k, k notes (309 bytes each)

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/byte_buffer.h"
#include "records/byte_reader.h"
#include "records/game.h"
#include "records/status.h"
#include "records/user_message.h"

namespace scorewick {

inline constexpr std::size_t kOldAtBatSize = 2563;

// Decodes a whole game file held in memory into game.  Messages the person
// should see (a team inside with a bad version word) come with the Status,
// also when it succeeds.  game's arrays are reused, so decoding many files
// into one Game allocates only when a file needs more room than an earlier
// one.  It fails with Fault::kBadVersion for a file that is not a 2.0 or
// 3.0 game (nothing read; the reason names the version word found) or with
// Fault::kDamaged (truncated, impossible counts: the reason and byte say
// where); the game is then released (empty, new).
Status DecodeGameFile(std::span<const std::uint8_t> bytes, Game& game);

// The same, reading at a ByteReader's position.
Status ReadGame(ByteReader& in, Game& game);

// Encodes game as a format 3.0 file into out (replacing its content).
void EncodeGameFile(const Game& game, std::vector<std::uint8_t>& out);

// Loads the game file at path into game (which should be new).  Stores the
// path; on success new_game becomes 0.  On failure the game is left empty
// and new, and the Status carries the message: "Invalid Game File Version
// #" (caption "ERROR") for a file of another version, followed by the file
// and the version word it holds; for a damaged file,
// the file and where it breaks, with that byte.  A file that cannot be
// opened fails with a reason but no message.  A team inside with a bad
// version word adds "Invalid Team File", also to a load that succeeds.
// scratch, when given, holds the file's bytes and keeps its capacity for
// the next load.  No message is shown: many games can be loaded and their
// refusals collected.
Status LoadGame(const std::string& path, Game& game, ByteBuffer* scratch = nullptr);

// Stores the path in the game and writes it as format 3.0, atomically.
// Fails, with the reason, when it cannot be written; a file that was there
// is then left whole.
Status SaveGame(const std::string& path, Game& game);

UserMessage InvalidGameVersionMessage();

// True when bytes are a whole team file (which begins with the same version
// word as a game file).
bool LooksLikeTeamFile(const std::vector<std::uint8_t>& bytes);

// The short header read of the game lists: the 233-byte header and whether
// the file is format 3.0.  Files without a version word begin directly
// with the header.  Empty when the file cannot be opened or is too short.
struct GameListHeader {
  GameHeader header;
  bool current = false;  // format 3.0
};
std::optional<GameListHeader> ReadGameListHeader(const std::string& path);

// The entry a game list shows: "%s\nvs\n%s" with the names kept at 150 and
// 125, followed by prior_format_note (such as "(Prior Version Format)") on
// its own line for a file that is not format 3.0.
std::string GameListEntry(const GameListHeader& entry, const std::string& prior_format_note);

}  // namespace scorewick
