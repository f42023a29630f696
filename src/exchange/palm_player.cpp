#include "exchange/palm_player.h"

#include <string>

#include "exchange/palm_fields.h"

namespace scorewick {

using namespace palm;

namespace {

// Reads a roster index: -1 (nobody on the roster) or an index inside the
// roster.  Any other value never comes from a sound stream; it fails the
// reader and gives -1.
std::int32_t ReadRosterIndex(ByteReader& in, const Roster& roster, const char* what) {
  std::size_t at = in.position();
  std::int32_t index = GetSigned(in);
  if (index == -1 || (index >= 0 && index < roster.count())) return index;
  if (in.ok()) {
    in.Fail(std::string(what) + " at byte " + std::to_string(at) + " names roster entry " +
            std::to_string(index) + ", but the roster holds " + std::to_string(roster.count()) +
            " players");
  }
  return -1;
}

}  // namespace

void WritePalmPlayer(ByteWriter& out, const PLAYER& player) {
  PutClosedText(out, player.name);
  PutByte(out, player.uniform_number);
  PutByte(out, player.position);
  PutByte(out, player.batting_order);
  PutByte(out, player.entered_inning);
  PutByte(out, player.entry_value);
  PutChar(out, player.entry_flag);
  PutChar(out, player.active);
  PutByte(out, player.bats);
  PutChar(out, player.throws_right);
}

PLAYER ReadPalmPlayer(ByteReader& in) {
  PLAYER player;
  GetText(in, player.name);
  player.uniform_number = static_cast<std::int16_t>(GetSigned(in));
  player.position = GetSigned(in);
  player.batting_order = GetSigned(in);
  player.entered_inning = GetSigned(in);
  player.entry_value = GetSigned(in);
  player.entry_flag = GetChar(in);
  player.active = GetChar(in);
  player.bats = static_cast<std::uint8_t>(GetUnsigned(in));
  player.throws_right = GetChar(in);
  return player;
}

void WritePlayerReference(ByteWriter& out, const PLAYER& player, const Roster& roster) {
  PutByte(out, roster.IndexOfPlayer(player.name.view()));
  PutByte(out, player.position);
  PutByte(out, player.batting_order);
  PutByte(out, player.entered_inning);
  PutByte(out, player.entry_value);
  PutChar(out, player.entry_flag);
  PutChar(out, player.active);
  PutChar(out, player.bats);
  PutChar(out, player.throws_right);
}

PLAYER ReadPlayerReference(ByteReader& in, const Roster& roster) {
  std::int32_t index = ReadRosterIndex(in, roster, "a player reference");
  PLAYER player;
  if (index < 0) {
    in.Skip(kPalmPlayerReferenceSize - 1);
    return player;
  }
  const PLAYER& listed = roster.player(index);
  player.name = listed.name;
  player.uniform_number = listed.uniform_number;
  player.position = GetSigned(in);
  player.batting_order = GetSigned(in);
  player.entered_inning = GetSigned(in);
  player.entry_value = GetSigned(in);
  player.entry_flag = GetChar(in);
  player.active = GetChar(in);
  player.bats = GetChar(in);
  player.throws_right = GetChar(in);
  return player;
}

void WritePalmFielderCredit(ByteWriter& out, const FIELDER_CREDIT& credit, const Roster& roster) {
  PutByte(out, credit.position);
  PutByte(out, roster.IndexOfPlayer(credit.name.view()));
  PutByte(out, credit.credit);
}

FIELDER_CREDIT ReadPalmFielderCredit(ByteReader& in, const Roster& roster) {
  FIELDER_CREDIT credit;
  credit.position = GetSigned(in);
  std::int32_t index = ReadRosterIndex(in, roster, "a fielder credit");
  if (index >= 0) credit.name = roster.player(index).name;
  credit.credit = GetSigned(in);
  return credit;
}

}  // namespace scorewick
