#pragma once
// Byte layouts of the fixed records shared by team files, game files and
// the handheld: each Encode writes exactly the record's size at p, each
// Decode reads exactly that many bytes from p.  Decoders return false when
// a text field has no terminator (the record is damaged); the fields are
// filled all the same.
//
// The Read/Write forms work on a ByteReader/ByteWriter: a Read fails the
// reader (with the byte offset) when the bytes run out or a text is
// damaged.

#include <cstdint>
#include <vector>

#include "records/at_bat.h"
#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/game.h"
#include "records/game_note.h"
#include "records/player.h"
#include "records/player_info.h"

namespace scorewick {

// keyless: an older player record whose bytes 27..28 carry no key; the
// key is read as 0.
bool DecodePlayer(const std::uint8_t* p, PLAYER& out, bool keyless = false);
void EncodePlayer(std::uint8_t* p, const PLAYER& in);
bool DecodePlayerInfo(const std::uint8_t* p, PLAYER_INFO& out);
void EncodePlayerInfo(std::uint8_t* p, const PLAYER_INFO& in);
void EncodePitchData(std::uint8_t* p, const PITCH_DATA& in);
bool DecodePitch(const std::uint8_t* p, PITCH& out);
void EncodePitch(std::uint8_t* p, const PITCH& in);
void EncodeFielderCredit(std::uint8_t* p, const FIELDER_CREDIT& in);
bool DecodePitcherSlot(const std::uint8_t* p, PITCHER_SLOT& out, bool keyless = false);
bool DecodeAtBat(const std::uint8_t* p, AT_BAT& out);
// True when every text field of the at-bat holds a terminator.
bool AtBatTextsTerminated(const AT_BAT& ab);
void EncodeAtBat(std::uint8_t* p, const AT_BAT& in);
bool DecodeGameNote(const std::uint8_t* p, GAME_NOTE& out);
void EncodeGameNote(std::uint8_t* p, const GAME_NOTE& in);
bool DecodeGameHeader(const std::uint8_t* p, GameHeader& out);
void EncodeGameHeader(std::uint8_t* p, const GameHeader& in);

void ReadPlayer(ByteReader& in, PLAYER& out, bool keyless = false);
// Reads count players stored one after another into out (resized to
// count), as one block.
void ReadPlayers(ByteReader& in, std::size_t count, std::vector<PLAYER>& out, bool keyless = false);
void WritePlayer(ByteWriter& out, const PLAYER& in);

}  // namespace scorewick
