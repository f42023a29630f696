#pragma once
// The records inside a Palm game stream: at-bats, their pitch details and
// pitches, and game notes.  Players in them travel as references into the
// roster of the team they belong to: "batting" names the team at the
// plate, "fielding" the team in the field.
//
// At-bat, 1012 bytes:
//   0    three pitcher slots: reference (fielding), last pitch (signed)
//   30   the first 15 of the 25 pitch details (19 bytes each)
//   315  responsible pitcher (fielding), 324 batter, 333 pinch runner
//        (batting): references
//   342  strikes, balls, reached, how reached
//   346  bases reached, RBI, out, how out
//   350  scored, earned; 352 box number, out credit count
//   354  ten out credits; 384 reach credit count; 385 ten reach credits
//   415  four error credits, 427 four error kinds, 431 four error bases
//   435  four second error credits, 447 four second error kinds
//   451  three advances; 454 hit x, 455 hit y (unsigned); 456 last pitch
//   457  25 pitches (22 bytes each)
//   1007 tail value 1, 1008 tail flag (read as 0 or 1), 1009 tail value 2,
//   1010 tail value 3 (16-bit big-endian)
// One-byte fields are signed unless marked; flags are characters.
//
// Pitch detail, 19 bytes: pitch type, pitcher (reference, fielding),
// location x and y (unsigned), speed (whole number, low 8 bits, read
// signed), hit, strike, valid, right-handed batter, strike type and ball
// type (unsigned).
//
// Pitch, 22 bytes: event, balls before, strikes before, then its detail.
//
// Game note, 78 bytes: inning, at-bat (unsigned), half, then the first 75
// bytes of the text, the last of them sent as zero (74 characters travel).

#include <cstddef>

#include "exchange/palm_player.h"
#include "records/at_bat.h"
#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/game_note.h"
#include "records/team.h"

namespace scorewick {

inline constexpr std::size_t kPalmAtBatSize = 1012;
inline constexpr std::size_t kPalmPitchDataSize = 19;
inline constexpr std::size_t kPalmPitchSize = 22;
inline constexpr std::size_t kPalmGameNoteSize = 78;
inline constexpr int kPalmPitchDetails = 15;      // of the 25 an at-bat holds
inline constexpr std::size_t kPalmNoteText = 75;  // bytes of the text sent, terminator included

void WritePalmAtBat(ByteWriter& out, const AT_BAT& at_bat, const RosterNames& batting,
                    const RosterNames& fielding);
// Reads into a new AT_BAT: pitch details 16 to 25 keep its defaults.  A
// stream that ends inside the at-bat, or a reference past a roster, fails
// the reader.
AT_BAT ReadPalmAtBat(ByteReader& in, const Roster& batting, const Roster& fielding);

void WritePalmGameNote(ByteWriter& out, const GAME_NOTE& note);
GAME_NOTE ReadPalmGameNote(ByteReader& in);

}  // namespace scorewick
