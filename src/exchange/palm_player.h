#pragma once
// How players travel in the Palm streams.
//
// Palm player record, 34 bytes (roster players, designated hitters and the
// decision pitchers): the name closed at 25 bytes (so at most 24
// characters), then uniform number, position, batting order, entered
// inning and entry value as signed bytes, entry flag and active as
// characters, bats as an unsigned byte, throws right as a character.  The
// key does not travel; a player read back has key 0.
//
// Player reference, 9 bytes (players inside innings and at-bats): the index
// of the first roster player with exactly the same name (-1 when none),
// then position, batting order, entered inning, entry value, entry flag,
// active, bats and throws right, one byte each.  On reading, an index
// inside the roster gives that roster player's name and uniform number
// with the other fields of the reference, key 0; -1 gives a default PLAYER.
//
// Fielder credit, 3 bytes: position, roster index of the name (-1 leaves
// the name empty), credit.
//
// A roster index below -1 or past the roster never comes from a sound
// stream: the readers fail, naming the byte.

#include <cstddef>
#include <string_view>
#include <vector>

#include "exchange/palm_fields.h"
#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/fielder_credit.h"
#include "records/player.h"
#include "records/team.h"

namespace scorewick {

inline constexpr std::size_t kPalmPlayerSize = 34;
inline constexpr std::size_t kPalmPlayerReferenceSize = 9;
inline constexpr std::size_t kPalmFielderCreditSize = 3;

// The names of a roster, looked up for every reference a writer makes.
// Holds views into the roster, which must stay unchanged while it is used.
class RosterNames {
 public:
  explicit RosterNames(const Roster& roster);
  // Index of the first player with exactly this name, or -1.
  int IndexOf(std::string_view name) const;

 private:
  std::vector<std::string_view> names_;  // views into the roster's players
  int empty_index_ = -1;                 // most references are to nobody
};

void WritePalmPlayer(ByteWriter& out, const PLAYER& player);
// Reads into a default PLAYER; fails the reader when the stream ends early.
PLAYER ReadPalmPlayer(ByteReader& in);

void WritePlayerReference(ByteWriter& out, const PLAYER& player, const RosterNames& roster);
void WritePlayerReference(palm::RecordWriter& out, const PLAYER& player, const RosterNames& roster);
PLAYER ReadPlayerReference(ByteReader& in, const Roster& roster);
PLAYER ReadPlayerReference(palm::RecordReader& in, const Roster& roster);

void WritePalmFielderCredit(palm::RecordWriter& out, const FIELDER_CREDIT& credit,
                            const RosterNames& roster);
FIELDER_CREDIT ReadPalmFielderCredit(palm::RecordReader& in, const Roster& roster);

}  // namespace scorewick
