#include "exchange/palm_player.h"

#include <string>

namespace scorewick {

using namespace palm;

namespace {

// Reads a roster index: -1 (nobody on the roster) or an index inside the
// roster.  Any other value never comes from a sound stream; it fails the
// record and gives -1.
std::int32_t ReadRosterIndex(RecordReader& in, const Roster& roster, const char* what) {
  std::size_t at = in.offset();
  std::int32_t index = in.Signed();
  if (index == -1 || (index >= 0 && index < roster.count())) return index;
  in.Fail(std::string(what) + " at byte " + std::to_string(at) + " names roster entry " +
          std::to_string(index) + ", but the roster holds " + std::to_string(roster.count()) +
          " players");
  return -1;
}

}  // namespace

RosterNames::RosterNames(const Roster& roster) {
  names_.reserve(roster.players().size());
  for (const PLAYER& p : roster.players()) names_.push_back(p.name.view());
  for (std::size_t i = 0; i < names_.size() && empty_index_ < 0; ++i) {
    if (names_[i].empty()) empty_index_ = static_cast<int>(i);
  }
}

int RosterNames::IndexOf(std::string_view name) const {
  if (name.empty()) return empty_index_;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == name) return static_cast<int>(i);
  }
  return -1;
}

void WritePalmPlayer(ByteWriter& out, const PLAYER& player) {
  PutClosedText(out, player.name);
  RecordWriter r(out.Append(kPalmPlayerSize - 25));
  r.Byte(player.uniform_number);
  r.Byte(player.position);
  r.Byte(player.batting_order);
  r.Byte(player.entered_inning);
  r.Byte(player.entry_value);
  r.Char(player.entry_flag);
  r.Char(player.active);
  r.Byte(player.bats);
  r.Char(player.throws_right);
}

PLAYER ReadPalmPlayer(ByteReader& in) {
  PLAYER player;
  GetText(in, player.name);
  const std::uint8_t* p = in.Take(kPalmPlayerSize - 25, "a Palm player record");
  if (!p) return player;
  RecordReader r(p, 0);
  player.uniform_number = static_cast<std::int16_t>(r.Signed());
  player.position = r.Signed();
  player.batting_order = r.Signed();
  player.entered_inning = r.Signed();
  player.entry_value = r.Signed();
  player.entry_flag = r.Char();
  player.active = r.Char();
  player.bats = static_cast<std::uint8_t>(r.Unsigned());
  player.throws_right = r.Char();
  return player;
}

void WritePlayerReference(RecordWriter& out, const PLAYER& player, const RosterNames& roster) {
  out.Byte(roster.IndexOf(player.name.view()));
  out.Byte(player.position);
  out.Byte(player.batting_order);
  out.Byte(player.entered_inning);
  out.Byte(player.entry_value);
  out.Char(player.entry_flag);
  out.Char(player.active);
  out.Char(player.bats);
  out.Char(player.throws_right);
}

void WritePlayerReference(ByteWriter& out, const PLAYER& player, const RosterNames& roster) {
  RecordWriter r(out.Append(kPalmPlayerReferenceSize));
  WritePlayerReference(r, player, roster);
}

PLAYER ReadPlayerReference(RecordReader& in, const Roster& roster) {
  std::int32_t index = ReadRosterIndex(in, roster, "a player reference");
  PLAYER player;
  if (index < 0) {
    in.Skip(kPalmPlayerReferenceSize - 1);
    return player;
  }
  const PLAYER& listed = roster.player(index);
  player.name = listed.name;
  player.uniform_number = listed.uniform_number;
  player.position = in.Signed();
  player.batting_order = in.Signed();
  player.entered_inning = in.Signed();
  player.entry_value = in.Signed();
  player.entry_flag = in.Char();
  player.active = in.Char();
  player.bats = in.Char();
  player.throws_right = in.Char();
  return player;
}

PLAYER ReadPlayerReference(ByteReader& in, const Roster& roster) {
  const std::size_t at = in.position();
  const std::uint8_t* p = in.Take(kPalmPlayerReferenceSize, "a player reference");
  if (!p) return PLAYER{};
  RecordReader r(p, at);
  PLAYER player = ReadPlayerReference(r, roster);
  if (!r.error().empty()) in.Fail(r.error());
  return player;
}

void WritePalmFielderCredit(RecordWriter& out, const FIELDER_CREDIT& credit,
                            const RosterNames& roster) {
  out.Byte(credit.position);
  out.Byte(roster.IndexOf(credit.name.view()));
  out.Byte(credit.credit);
}

FIELDER_CREDIT ReadPalmFielderCredit(RecordReader& in, const Roster& roster) {
  FIELDER_CREDIT credit;
  credit.position = in.Signed();
  std::int32_t index = ReadRosterIndex(in, roster, "a fielder credit");
  if (index >= 0) credit.name = roster.player(index).name;
  credit.credit = in.Signed();
  return credit;
}

}  // namespace scorewick
