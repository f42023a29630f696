#include "records/game_file.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/codes.h"
#include "records/file_io.h"
#include "records/le_bytes.h"
#include "records/record_codec.h"
#include "records/team_file.h"

namespace scorewick {
namespace {

constexpr std::size_t kOldCreditSize = 29;  // position and name, no credit

// The out credit a converted 2.0 record gets for entry k of a chain of n
// fielders: the last fielder made the put-out (or the assist when nobody
// was out), the others assisted; on double and triple plays the fielders
// who both took a throw and threw on get put-out-and-assist, and a lone
// fielder took all the outs himself.
std::int32_t ConvertedOutCredit(int k, int n, const AT_BAT& ab) {
  const bool double_play = ab.how_out == kOutDoublePlay || ab.how_out == kOutGroundDoublePlay;
  const bool triple_play = ab.how_out == kOutTriplePlay;
  if (k == n - 1) {
    std::int32_t credit = ab.out ? kCreditPutOut : kCreditAssist;
    if (k == 0 && double_play) credit = kCreditTwoPutOuts;
    if (k == 0 && triple_play) credit = kCreditThreePutOuts;
    return credit;
  }
  if (k == n - 2) return double_play ? kCreditPutOutAndAssist : kCreditAssist;
  if (k == n - 3) return triple_play ? kCreditPutOutAndAssist : kCreditAssist;
  return kCreditAssist;
}

bool DecodeOldCredit(const std::uint8_t* p, FIELDER_CREDIT& out) {
  out.position = le::LoadI32(p);
  std::memcpy(out.name.bytes.data(), p + 4, out.name.bytes.size());
  out.credit = 0;
  return out.name.terminated();
}

// A 2563-byte at-bat of format 2.0, converted into a new AT_BAT.
bool DecodeOldAtBat(const std::uint8_t* p, AT_BAT& ab) {
  using le::LoadI32;
  ab = AT_BAT{};
  bool ok = true;
  for (int i = 0; i < kMaxPitchersPerAtBat; ++i)
    ok &= DecodePitcherSlot(p + 53 * i, ab.pitchers[i], true);
  ok &= DecodePlayer(p + 1884, ab.responsible_pitcher, true);
  ok &= DecodePlayer(p + 1933, ab.batter, true);
  ok &= DecodePlayer(p + 1982, ab.pinch_runner, true);
  ab.strikes = LoadI32(p + 2031);
  ab.balls = LoadI32(p + 2035);
  ab.reached = p[2043];
  ab.how_reached = LoadI32(p + 2044);
  ab.bases_reached = LoadI32(p + 2048);
  ab.rbi = LoadI32(p + 2052);
  ab.out = p[2056];
  ab.how_out = LoadI32(p + 2057);
  ab.scored = p[2061];
  ab.earned = p[2062];
  ab.box_number = LoadI32(p + 2063);
  ab.out_credit_count = LoadI32(p + 2067);
  for (int k = 0; k < 4; ++k)
    ok &= DecodeOldCredit(p + 2071 + kOldCreditSize * k, ab.out_credits[k]);
  for (int k = 0; k < 4; ++k) {
    if (k < ab.out_credit_count)
      ab.out_credits[k].credit = ConvertedOutCredit(k, ab.out_credit_count, ab);
  }
  ab.reach_credit_count = LoadI32(p + 2187);
  for (int k = 0; k < 4; ++k)
    ok &= DecodeOldCredit(p + 2191 + kOldCreditSize * k, ab.reach_credits[k]);
  for (int k = 0; k < 4; ++k)
    ok &= DecodeOldCredit(p + 2307 + kOldCreditSize * k, ab.error_credits[k]);
  for (int i = 0; i < 3; ++i) ab.advances[i] = LoadI32(p + 2439 + 4 * i);
  ab.hit_x = LoadI32(p + 2451);
  ab.hit_y = LoadI32(p + 2455);
  ab.last_pitch = LoadI32(p + 2459);
  for (int i = 0; i < kMaxPitches; ++i) ab.pitches[i].event = LoadI32(p + 2463 + 4 * i);
  return ok;
}

std::string HalfName(int inning, bool top) {
  return std::string(top ? "top" : "bottom") + " of inning " + std::to_string(inning + 1);
}

void ReadLineup(ByteReader& in, std::vector<PLAYER>& lineup, bool keyless, const char* what) {
  std::int32_t count = in.Count(kPlayerSize, what, true);
  if (count < 0) return;
  ReadPlayers(in, static_cast<std::size_t>(count), lineup, keyless);
}

void ReadHalf(ByteReader& in, HALF_INNING& half, bool old_format, int inning, bool top) {
  half.runs = in.I32();
  half.hits = in.I32();
  half.errors = in.I32();
  half.left_on_base = in.I32();
  const std::size_t record_size = old_format ? kOldAtBatSize : kAtBatSize;
  std::int32_t count = in.Count(record_size, "at-bat count", true);
  if (count < 0) return;
  const std::size_t at = in.position();
  bool terminated = true;
  if (old_format) {
    half.at_bats.resize(static_cast<std::size_t>(count));
    for (AT_BAT& ab : half.at_bats) {
      const std::uint8_t* p = in.Take(record_size, "an at-bat");
      if (!p) return;
      terminated &= DecodeOldAtBat(p, ab);
    }
  } else {
    // The at-bats are stored as they lie in memory (byte-packed, no
    // padding): one block, copied straight into place, none of them first
    // cleared to be overwritten.
    const std::uint8_t* p = in.Take(record_size * static_cast<std::size_t>(count), "the at-bats");
    if (!p) return;
    static_assert(std::is_trivially_copyable_v<AT_BAT> && alignof(AT_BAT) == 1);
    const auto* first = reinterpret_cast<const AT_BAT*>(p);
    // A game object read into again and again grows its halves as a
    // resize would (doubling), not to each half's exact length in turn.
    // The old at-bats are not moved into the new room: they are replaced.
    const auto wanted = static_cast<std::size_t>(count);
    if (wanted > half.at_bats.capacity()) {
      const std::size_t room = std::max(wanted, 2 * half.at_bats.capacity());
      half.at_bats.clear();
      half.at_bats.reserve(room);
    }
    half.at_bats.assign(first, first + count);
    for (const AT_BAT& ab : half.at_bats) terminated &= AtBatTextsTerminated(ab);
  }
  if (!terminated) {
    in.Fail("an at-bat of the " + HalfName(inning, top) + " (from byte " + std::to_string(at) +
            ") has a name without terminator");
    return;
  }
  ReadLineup(in, half.offense, old_format, "offense line-up count");
  ReadLineup(in, half.defense, old_format, "defense line-up count");
}

void WriteHalf(ByteWriter& out, const HALF_INNING& half) {
  out.I32(half.runs);
  out.I32(half.hits);
  out.I32(half.errors);
  out.I32(half.left_on_base);
  out.I32(static_cast<std::int32_t>(half.at_bats.size()));
  if (!half.at_bats.empty()) {
    out.Bytes(half.at_bats.data(), kAtBatSize * half.at_bats.size());
  }
  out.I32(static_cast<std::int32_t>(half.offense.size()));
  out.Bytes(half.offense.data(), kPlayerSize * half.offense.size());
  out.I32(static_cast<std::int32_t>(half.defense.size()));
  out.Bytes(half.defense.data(), kPlayerSize * half.defense.size());
}

// A new team as a game holds it: no personal information, roster empty
// (its arrays keep their capacity).
void ResetTeam(Team& team) {
  Team fresh;
  fresh.no_personal_info = 1;
  team = std::move(fresh);
}

// After a refused file: the game is empty and new, and nothing half-read
// stays behind for the next use of this object.
void ResetAfterFailure(Game& game) {
  PathText path = game.file_path;
  game.Release();
  ResetTeam(game.home);
  ResetTeam(game.visitor);
  game.header = GameHeader{};
  game.winning_pitcher = game.saving_pitcher = game.losing_pitcher = PLAYER{};
  game.file_path = path;
}

// Reads one of the two teams; a team with a bad version word stays empty
// and reading goes on with the next field.
bool ReadGameTeam(ByteReader& in, Team& team, UserMessages& messages) {
  Status read = ReadTeam(in, team);
  messages.insert(messages.end(), read.messages.begin(), read.messages.end());
  return read.fault != Fault::kDamaged;
}

std::size_t EncodedSize(const Game& game) {
  std::size_t size = 4 + kGameHeaderSize + 2 * kTeamPlayersOffset +
                     kPlayerSize * (game.home.players().size() + game.visitor.players().size()) +
                     13 + 3 * kPlayerSize + 2 + 4 + kGameNoteSize * game.notes.size();
  for (const INNING& inning : game.innings) {
    for (const HALF_INNING* half : {&inning.top, &inning.bottom}) {
      size += 28 + kAtBatSize * half->at_bats.size() +
              kPlayerSize * (half->offense.size() + half->defense.size());
    }
  }
  return size;
}

}  // namespace

bool LooksLikeTeamFile(const std::vector<std::uint8_t>& bytes) {
  Team team;
  return IsWholeTeamFile(bytes) && DecodeTeamFile(bytes, team).ok;
}

UserMessage InvalidGameVersionMessage() {
  return {"Invalid Game File Version #", "ERROR", MessageIcon::kError};
}

Status DecodeGameFile(std::span<const std::uint8_t> bytes, Game& game) {
  ByteReader in(bytes);
  return ReadGame(in, game);
}

Status ReadGame(ByteReader& in, Game& game) {
  std::int32_t version = in.I32();
  if (!in.ok() || (version != kVersion2 && version != kVersion3)) {
    ResetAfterFailure(game);
    if (!in.ok()) {
      return Status::Broken(Fault::kDamaged, "the file is too short to hold a version word",
                            static_cast<std::int64_t>(in.failed_at()));
    }
    return Status::Broken(Fault::kBadVersion, "the version word is " + std::to_string(version) +
                                                  ", not 512 or 768 as in a game file");
  }
  Status status;
  UserMessages& messages = status.messages;
  const bool old_format = version == kVersion2;

  const std::uint8_t* header = in.Take(kGameHeaderSize, "the game header");
  if (header && !DecodeGameHeader(header, game.header))
    in.Fail("a text of the game header has no terminator");
  if (in.ok()) {
    // Both teams start from scratch: one whose version word is refused stays
    // a new team, whatever the game object held before.
    ResetTeam(game.home);
    ResetTeam(game.visitor);
    if (ReadGameTeam(in, game.home, messages)) ReadGameTeam(in, game.visitor, messages);
  }
  game.current_inning = in.I32();
  game.current_at_bat = in.I32();
  game.current_half_is_top = in.U8();
  game.batter_due_up = in.I32();
  ReadPlayer(in, game.winning_pitcher, old_format);
  ReadPlayer(in, game.saving_pitcher, old_format);
  ReadPlayer(in, game.losing_pitcher, old_format);
  game.home.uses_designated_hitter = in.U8();
  game.visitor.uses_designated_hitter = in.U8();
  for (int i = 0; i < kInnings && in.ok(); ++i) {
    ReadHalf(in, game.innings[i].top, old_format, i, true);
    ReadHalf(in, game.innings[i].bottom, old_format, i, false);
  }
  std::int32_t notes = in.Count(kGameNoteSize, "note count", true);
  if (notes >= 0) {
    game.notes.resize(static_cast<std::size_t>(notes));
    for (GAME_NOTE& note : game.notes) {
      const std::uint8_t* p = in.Take(kGameNoteSize, "a note");
      if (p && !DecodeGameNote(p, note)) in.Fail("a note has a text without terminator");
    }
  }
  // Bytes after the last note are left alone: the handheld may pad its
  // files, and nothing of the game lies there.
  if (!in.ok()) {
    ResetAfterFailure(game);
    Status damaged =
        Status::Broken(Fault::kDamaged, in.error(), static_cast<std::int64_t>(in.failed_at()));
    damaged.messages = std::move(messages);
    return damaged;
  }
  game.new_game = 0;
  return status;
}

void EncodeGameFile(const Game& game, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  bytes.reserve(EncodedSize(game));
  ByteWriter out(bytes);
  out.I32(kVersion3);
  EncodeGameHeader(out.Append(kGameHeaderSize), game.header);
  WriteTeam(out, game.home, false);
  WriteTeam(out, game.visitor, false);
  out.I32(game.current_inning);
  out.I32(game.current_at_bat);
  out.U8(game.current_half_is_top);
  out.I32(game.batter_due_up);
  WritePlayer(out, game.winning_pitcher);
  WritePlayer(out, game.saving_pitcher);
  WritePlayer(out, game.losing_pitcher);
  out.U8(game.home.uses_designated_hitter);
  out.U8(game.visitor.uses_designated_hitter);
  for (const INNING& inning : game.innings) {
    WriteHalf(out, inning.top);
    WriteHalf(out, inning.bottom);
  }
  out.I32(static_cast<std::int32_t>(game.notes.size()));
  for (const GAME_NOTE& note : game.notes) EncodeGameNote(out.Append(kGameNoteSize), note);
}

Status LoadGame(const std::string& path, Game& game, ByteBuffer* scratch) {
  game.file_path.set(path);
  // One read of the whole file, then one copy per block of records: fewer
  // system calls than reading the blocks into place one by one.
  ByteBuffer local;
  ByteBuffer& bytes = scratch ? *scratch : local;
  if (Status read = ReadWholeFile(path, bytes); !read) {
    ResetAfterFailure(game);
    return read;
  }
  Status status = DecodeGameFile(bytes, game);
  game.file_path.set(path);
  if (status) return status;
  const std::string error = std::move(status.reason);
  status.file = path;
  if (status.fault == Fault::kBadVersion) {
    UserMessage refused = InvalidGameVersionMessage();
    refused.text += "\n\n" + path + ": " + error;
    status.messages.push_back(refused);
    status.reason = path + ": " + error;
  } else if (LooksLikeTeamFile(std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) {
    // Team files begin with the same version word as games; what the
    // game reader made of its teams is beside the point.
    const std::string what = "this is a team file, not a game file";
    status.messages.clear();
    status.messages.push_back(
        {"The game file " + path + " was not loaded:\n" + what, "ERROR", MessageIcon::kError});
    status.reason = path + ": " + what;
    status.byte = -1;
  } else {
    status.messages.push_back(
        {"The game file " + path + " is damaged and was not loaded:\n" + error, "ERROR",
         MessageIcon::kError});
    status.reason = path + ": " + error;
  }
  game.home_runs = game.visitor_runs = 0;
  game.current_inning = 0;
  game.current_at_bat = 0;
  game.current_half_is_top = 1;
  game.batter_due_up = 1;
  return status;
}

Status SaveGame(const std::string& path, Game& game) {
  game.file_path.set(path);
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(game, bytes);
  return WriteFileAtomically(path, bytes);
}

std::optional<GameListHeader> ReadGameListHeader(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFilePrefix(path, 4 + kGameHeaderSize, bytes)) return std::nullopt;
  GameListHeader entry;
  std::size_t at = 0;
  if (bytes.size() >= 4 && le::LoadI32(bytes.data()) == kVersion3) {
    entry.current = true;
    at = 4;
  }
  if (bytes.size() < at + kGameHeaderSize) return std::nullopt;
  DecodeGameHeader(bytes.data() + at, entry.header);
  return entry;
}

std::string GameListEntry(const GameListHeader& entry, const std::string& prior_format_note) {
  std::string text = entry.header.list_names[1].str() + "\nvs\n" + entry.header.list_names[0].str();
  if (!entry.current) text += "\n" + prior_format_note;
  return text;
}

}  // namespace scorewick
