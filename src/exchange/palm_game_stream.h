#pragma once
// The Palm game stream: a scored game as the handheld keeps it, both
// teams included so that every player reference has its roster.
//
//   0    tag "gam" and a zero byte, 4 version 512 (16-bit big-endian)
//   6    field, 31 four umpires, 131 and 156 the two list names (25 each)
//   181  home score, visitor score (signed bytes)
//   183  year (16-bit), 185 day, month, start minute, start hour,
//        duration minutes, duration hours (signed bytes)
//   191  creation year (16-bit), 193 extra value (byte), 194 attendance (16-bit)
//   196  home team stream, then visiting team stream
//        current inning, current at-bat (bytes), current half is top
//        (character), batter due up (byte), winning, saving and losing
//        pitcher (Palm player records), home and visiting uses-DH
//        (characters; these copies win)
//        80 half-innings, inning 1 top, inning 1 bottom, ...:
//          runs, hits, errors, left on base, at-bat count a (signed bytes),
//          a at-bats, offense count and references into the batting team,
//          defense count and references into the fielding team
//        note count k (16-bit), k notes
//
// In the top half the visitors bat and the home team fields.  A game with
// no players and nothing scored is 1172 bytes.  Reserved values, new game,
// home and visitor runs and the teams' file paths stay behind; on reading
// they have the values of a new Game.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exchange/palm_team_stream.h"
#include "records/game.h"
#include "records/status.h"
#include "records/user_message.h"

namespace scorewick {

// Whether game can travel in the Palm form; fails, saying why, for a
// roster over 127 players, a half-inning with more than 127 at-bats or
// line-up entries, more than 32767 notes.  None fits its count.
Status CheckPalmGame(const Game& game);

// The game's stream, replacing stream's content.  Fails, with the reason
// and stream empty, when CheckPalmGame fails.
Status WritePalmGameStream(const Game& game, std::vector<std::uint8_t>& stream);

// Decodes a game stream into game, which starts as a new Game keeping only
// its file path.  A wrong tag fails with Fault::kWrongTag and "Not a Palm
// Game", a wrong version with Fault::kBadVersion and "Palm Game Version
// Number is Incorrect" (caption "Load Error"); a team inside with a wrong
// tag or version fails the game as ReadPalmTeamStream fails.  A damaged
// stream (ending inside a record, a negative count, a reference past a
// roster) fails with Fault::kDamaged, the reason saying where.  On any
// failure the game is released (empty, new).  A stream that ends before
// the note count gives a game without notes.
Status ReadPalmGameStream(std::span<const std::uint8_t> stream, Game& game);

UserMessage NotPalmGameMessage();
UserMessage PalmGameVersionMessage();

}  // namespace scorewick
