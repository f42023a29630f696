#include "exchange/palm_game_stream.h"

#include "exchange/palm_at_bat.h"
#include "exchange/palm_fields.h"
#include "exchange/palm_player.h"

namespace scorewick {

using namespace palm;

namespace {

constexpr std::size_t kPalmGameHeaderSize = 196;
constexpr std::size_t kPalmEmptyHalfSize = 7;
constexpr int kPalmMaxNotes = 0x7FFF;

std::string HalfName(int inning, bool top) {
  return std::string(top ? "the top" : "the bottom") + " of inning " + std::to_string(inning + 1);
}

std::size_t StreamSize(const Game& game) {
  std::size_t size =
      kPalmGameHeaderSize + 2 * kPalmTeamFixedSize +
      kPalmPlayerSize * (game.home.players().size() + game.visitor.players().size()) + 4 +
      3 * kPalmPlayerSize + 2 + 2 + kPalmGameNoteSize * game.notes.size();
  for (const INNING& inning : game.innings) {
    for (const HALF_INNING* half : {&inning.top, &inning.bottom}) {
      size += kPalmEmptyHalfSize + kPalmAtBatSize * half->at_bats.size() +
              kPalmPlayerReferenceSize * (half->offense.size() + half->defense.size());
    }
  }
  return size;
}

void WriteHalf(ByteWriter& out, const HALF_INNING& half, const RosterNames& batting,
               const RosterNames& fielding) {
  PutByte(out, half.runs);
  PutByte(out, half.hits);
  PutByte(out, half.errors);
  PutByte(out, half.left_on_base);
  PutByte(out, static_cast<std::int64_t>(half.at_bats.size()));
  for (const AT_BAT& ab : half.at_bats) WritePalmAtBat(out, ab, batting, fielding);
  PutByte(out, static_cast<std::int64_t>(half.offense.size()));
  for (const PLAYER& p : half.offense) WritePlayerReference(out, p, batting);
  PutByte(out, static_cast<std::int64_t>(half.defense.size()));
  for (const PLAYER& p : half.defense) WritePlayerReference(out, p, fielding);
}

// Reads a one-byte count of records of record_size bytes; -1 (and the
// reader failed) when it is negative or the stream cannot hold that many.
std::int32_t ReadCount(ByteReader& in, std::size_t record_size, const char* what,
                       const std::string& where) {
  const std::size_t at = in.position();
  std::int32_t count = GetSigned(in);
  if (!in.ok()) return -1;
  if (count < 0) {
    in.Fail(std::string("the ") + what + " of " + where + " at byte " + std::to_string(at) +
            " is negative (" + std::to_string(count) + ")");
    return -1;
  }
  if (static_cast<std::size_t>(count) * record_size > in.remaining()) {
    in.Fail(std::string("the ") + what + " of " + where + " at byte " + std::to_string(at) +
            " is " + std::to_string(count) + ", but the stream ends before they do");
    return -1;
  }
  return count;
}

void ReadLineup(ByteReader& in, std::vector<PLAYER>& lineup, const Roster& roster, const char* what,
                const std::string& where) {
  std::int32_t count = ReadCount(in, kPalmPlayerReferenceSize, what, where);
  if (count < 0) return;
  lineup.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count && in.ok(); ++i)
    lineup.push_back(ReadPlayerReference(in, roster));
}

void ReadHalf(ByteReader& in, HALF_INNING& half, const Roster& batting, const Roster& fielding,
              const std::string& where) {
  half.runs = GetSigned(in);
  half.hits = GetSigned(in);
  half.errors = GetSigned(in);
  half.left_on_base = GetSigned(in);
  std::int32_t count = ReadCount(in, kPalmAtBatSize, "at-bat count", where);
  if (count < 0) return;
  half.at_bats.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count && in.ok(); ++i) {
    half.at_bats.push_back(ReadPalmAtBat(in, batting, fielding));
  }
  ReadLineup(in, half.offense, batting, "offense count", where);
  ReadLineup(in, half.defense, fielding, "defense count", where);
}

}  // namespace

UserMessage NotPalmGameMessage() {
  return {"Not a Palm Game", "Load Error", MessageIcon::kExclamation};
}

UserMessage PalmGameVersionMessage() {
  return {"Palm Game Version Number is Incorrect", "Load Error", MessageIcon::kExclamation};
}

Status CheckPalmGame(const Game& game) {
  for (const Team* team : {&game.home, &game.visitor}) {
    if (Status fits = CheckPalmTeam(*team); !fits) return fits;
  }
  for (int i = 0; i < kInnings; ++i) {
    for (bool top : {true, false}) {
      const HALF_INNING& half = game.innings[static_cast<std::size_t>(i)].half(top);
      const std::size_t largest =
          std::max({half.at_bats.size(), half.offense.size(), half.defense.size()});
      if (largest > static_cast<std::size_t>(kPalmMaxCount)) {
        return Status::Failed({}, "In " + HalfName(i, top) + " there are " +
                                      std::to_string(largest) +
                                      " at-bats or line-up entries; a Palm game holds at most " +
                                      std::to_string(kPalmMaxCount) + " in a half-inning.");
      }
    }
  }
  if (game.notes.size() > static_cast<std::size_t>(kPalmMaxNotes)) {
    return Status::Failed({}, "The game has " + std::to_string(game.notes.size()) +
                                  " notes; a Palm game holds at most " +
                                  std::to_string(kPalmMaxNotes) + ".");
  }
  return {};
}

Status WritePalmGameStream(const Game& game, std::vector<std::uint8_t>& stream) {
  stream.clear();
  if (Status fits = CheckPalmGame(game); !fits) return fits;
  stream.reserve(StreamSize(game));
  ByteWriter out(stream);
  const GameHeader& h = game.header;
  PutTag(out, "gam");
  PutNumber(out, kPalmStreamVersion);
  PutText(out, h.field);
  for (const NameText& umpire : h.umpires) PutText(out, umpire);
  for (const NameText& name : h.list_names) PutText(out, name);
  PutByte(out, h.home_score);
  PutByte(out, h.visitor_score);
  PutNumber(out, h.year);
  PutByte(out, h.day);
  PutByte(out, h.month);
  PutByte(out, h.start_minute);
  PutByte(out, h.start_hour);
  PutByte(out, h.duration_minutes);
  PutByte(out, h.duration_hours);
  PutNumber(out, h.creation_year);
  PutByte(out, h.extra_value);
  PutNumber(out, h.attendance);

  // Both rosters fit: CheckPalmGame checked them.
  for (const Team* team : {&game.home, &game.visitor}) {
    if (Status written = WritePalmTeamStream(*team, out); !written) {
      stream.clear();
      return written;
    }
  }
  PutByte(out, game.current_inning);
  PutByte(out, game.current_at_bat);
  PutChar(out, game.current_half_is_top);
  PutByte(out, game.batter_due_up);
  WritePalmPlayer(out, game.winning_pitcher);
  WritePalmPlayer(out, game.saving_pitcher);
  WritePalmPlayer(out, game.losing_pitcher);
  PutChar(out, game.home.uses_designated_hitter);
  PutChar(out, game.visitor.uses_designated_hitter);

  const RosterNames home(game.home), visitor(game.visitor);
  for (const INNING& inning : game.innings) {
    WriteHalf(out, inning.top, visitor, home);
    WriteHalf(out, inning.bottom, home, visitor);
  }
  PutNumber(out, static_cast<std::int64_t>(game.notes.size()));
  for (const GAME_NOTE& note : game.notes) WritePalmGameNote(out, note);
  return {};
}

Status ReadPalmGameStream(std::span<const std::uint8_t> stream, Game& game) {
  const PathText path = game.file_path;
  game = Game();
  game.file_path = path;
  auto refuse = [&](Status status) {
    game.Release();
    game.file_path = path;
    return status;
  };

  ByteReader in(stream);
  if (!GetTag(in, "gam")) return refuse(StreamRefused(Fault::kWrongTag, NotPalmGameMessage()));
  std::int32_t version = GetNumber(in);
  if (!in.ok()) return refuse(StreamDamaged(in));
  if (version != kPalmStreamVersion) {
    return refuse(StreamRefused(Fault::kBadVersion, PalmGameVersionMessage()));
  }

  GameHeader& h = game.header;
  GetText(in, h.field);
  for (NameText& umpire : h.umpires) GetText(in, umpire);
  for (NameText& name : h.list_names) GetText(in, name);
  h.home_score = GetSigned(in);
  h.visitor_score = GetSigned(in);
  h.year = GetNumber(in);
  h.day = static_cast<std::uint8_t>(GetSigned(in));
  h.month = static_cast<std::uint8_t>(GetSigned(in));
  h.start_minute = GetSigned(in);
  h.start_hour = GetSigned(in);
  h.duration_minutes = GetSigned(in);
  h.duration_hours = GetSigned(in);
  h.creation_year = GetNumber(in);
  h.extra_value = GetSigned(in);
  h.attendance = GetNumber(in);
  if (!in.ok()) return refuse(StreamDamaged(in));

  // The teams come first: every later player reference points into them.
  // A team that is not a version 512 team stream (its message comes with
  // the refusal) leaves nothing later in the stream where it belongs, so
  // the game stops there.
  for (Team* team : {&game.home, &game.visitor}) {
    if (Status read = ReadPalmTeamStream(in, *team); !read) return refuse(std::move(read));
  }
  game.current_inning = GetSigned(in);
  game.current_at_bat = GetSigned(in);
  game.current_half_is_top = GetChar(in);
  game.batter_due_up = GetSigned(in);
  game.winning_pitcher = ReadPalmPlayer(in);
  game.saving_pitcher = ReadPalmPlayer(in);
  game.losing_pitcher = ReadPalmPlayer(in);
  game.home.uses_designated_hitter = GetChar(in);
  game.visitor.uses_designated_hitter = GetChar(in);

  for (int i = 0; i < kInnings && in.ok(); ++i) {
    INNING& inning = game.innings[static_cast<std::size_t>(i)];
    ReadHalf(in, inning.top, game.visitor, game.home, HalfName(i, true));
    ReadHalf(in, inning.bottom, game.home, game.visitor, HalfName(i, false));
  }
  if (!in.ok()) return refuse(StreamDamaged(in));

  if (in.remaining() > 0) {
    const std::size_t at = in.position();
    std::int32_t count = GetNumber(in);
    if (count > 0) {
      if (static_cast<std::size_t>(count) * kPalmGameNoteSize > in.remaining()) {
        in.Fail("the note count at byte " + std::to_string(at) + " is " + std::to_string(count) +
                ", but the stream ends before the notes do");
      } else {
        game.notes.reserve(static_cast<std::size_t>(count));
        for (std::int32_t k = 0; k < count; ++k) game.notes.push_back(ReadPalmGameNote(in));
      }
    }
    if (!in.ok()) return refuse(StreamDamaged(in));
  }
  return {};
}

}  // namespace scorewick
