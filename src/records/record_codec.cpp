#include "records/record_codec.h"

#include <bit>
#include <cstring>
#include <type_traits>

namespace scorewick {
namespace {

// The records are laid out as stored, and stored little-endian: moving one
// between memory and a file is a copy.
static_assert(std::endian::native == std::endian::little,
              "the packed records hold little-endian fields as stored");
static_assert(std::is_trivially_copyable_v<AT_BAT> && std::is_trivially_copyable_v<GameHeader> &&
              std::is_trivially_copyable_v<PLAYER_INFO> && std::is_trivially_copyable_v<GAME_NOTE>);

// True when a text field holds a terminator.  Writers zero-fill behind the
// text, so the last byte settles nearly every field without a scan.
template <std::size_t N>
bool Terminated(const FixedText<N>& text) {
  return text.bytes[N - 1] == '\0' || std::memchr(text.bytes.data(), 0, N) != nullptr;
}

template <typename Record>
void Load(const std::uint8_t* p, Record& out) {
  std::memcpy(static_cast<void*>(&out), p, sizeof(Record));
}

template <typename Record>
void Store(std::uint8_t* p, const Record& in) {
  std::memcpy(p, static_cast<const void*>(&in), sizeof(Record));
}

bool PlayerTerminated(const PLAYER& p) { return Terminated(p.name); }

bool CreditsTerminated(const FIELDER_CREDIT* credits, int count) {
  bool ok = true;
  for (int i = 0; i < count; ++i) ok &= Terminated(credits[i].name);
  return ok;
}

}  // namespace

bool DecodePlayer(const std::uint8_t* p, PLAYER& out, bool keyless) {
  Load(p, out);
  if (keyless) out.key = 0;
  return PlayerTerminated(out);
}

void EncodePlayer(std::uint8_t* p, const PLAYER& in) { Store(p, in); }

bool DecodePlayerInfo(const std::uint8_t* p, PLAYER_INFO& out) {
  Load(p, out);
  return Terminated(out.phone) & Terminated(out.address) & Terminated(out.city) &
         Terminated(out.state) & Terminated(out.zip) & Terminated(out.email) & Terminated(out.note);
}

void EncodePlayerInfo(std::uint8_t* p, const PLAYER_INFO& in) { Store(p, in); }

void EncodePitchData(std::uint8_t* p, const PITCH_DATA& in) { Store(p, in); }

bool DecodePitch(const std::uint8_t* p, PITCH& out) {
  Load(p, out);
  return PlayerTerminated(out.detail.pitcher);
}

void EncodePitch(std::uint8_t* p, const PITCH& in) { Store(p, in); }

void EncodeFielderCredit(std::uint8_t* p, const FIELDER_CREDIT& in) { Store(p, in); }

bool DecodePitcherSlot(const std::uint8_t* p, PITCHER_SLOT& out, bool keyless) {
  Load(p, out);
  if (keyless) out.pitcher.key = 0;
  return PlayerTerminated(out.pitcher);
}

bool AtBatTextsTerminated(const AT_BAT& ab) {
  // Fast path: the last byte of every text field is zero (as zero-filling
  // writers leave it); only when one is not do the fields get scanned.
  unsigned last = 0;
  auto last_of_player = [&](const PLAYER& p) {
    last |= static_cast<unsigned char>(p.name.bytes[24]);
  };
  last_of_player(ab.responsible_pitcher);
  last_of_player(ab.batter);
  last_of_player(ab.pinch_runner);
  for (const PITCHER_SLOT& s : ab.pitchers) last_of_player(s.pitcher);
  for (const PITCH_DATA& d : ab.pitch_details) last_of_player(d.pitcher);
  for (const PITCH& p : ab.pitches) last_of_player(p.detail.pitcher);
  for (const auto* list : {ab.out_credits.data(), ab.reach_credits.data()}) {
    for (int i = 0; i < kMaxCredits; ++i)
      last |= static_cast<unsigned char>(list[i].name.bytes[24]);
  }
  for (const auto* list : {ab.error_credits.data(), ab.second_error_credits.data()}) {
    for (int i = 0; i < kBases; ++i) last |= static_cast<unsigned char>(list[i].name.bytes[24]);
  }
  if (last == 0) return true;

  bool ok = PlayerTerminated(ab.responsible_pitcher) & PlayerTerminated(ab.batter) &
            PlayerTerminated(ab.pinch_runner);
  for (const PITCHER_SLOT& s : ab.pitchers) ok &= PlayerTerminated(s.pitcher);
  for (const PITCH_DATA& d : ab.pitch_details) ok &= PlayerTerminated(d.pitcher);
  for (const PITCH& p : ab.pitches) ok &= PlayerTerminated(p.detail.pitcher);
  ok &= CreditsTerminated(ab.out_credits.data(), kMaxCredits);
  ok &= CreditsTerminated(ab.reach_credits.data(), kMaxCredits);
  ok &= CreditsTerminated(ab.error_credits.data(), kBases);
  ok &= CreditsTerminated(ab.second_error_credits.data(), kBases);
  return ok;
}

bool DecodeAtBat(const std::uint8_t* p, AT_BAT& out) {
  Load(p, out);
  return AtBatTextsTerminated(out);
}

void EncodeAtBat(std::uint8_t* p, const AT_BAT& in) { Store(p, in); }

bool DecodeGameNote(const std::uint8_t* p, GAME_NOTE& out) {
  Load(p, out);
  return Terminated(out.text);
}

void EncodeGameNote(std::uint8_t* p, const GAME_NOTE& in) { Store(p, in); }

bool DecodeGameHeader(const std::uint8_t* p, GameHeader& out) {
  Load(p, out);
  bool ok = Terminated(out.field);
  for (const NameText& u : out.umpires) ok &= Terminated(u);
  for (const NameText& n : out.list_names) ok &= Terminated(n);
  return ok;
}

void EncodeGameHeader(std::uint8_t* p, const GameHeader& in) { Store(p, in); }

void ReadPlayer(ByteReader& in, PLAYER& out, bool keyless) {
  std::size_t at = in.position();
  const std::uint8_t* p = in.Take(kPlayerSize, "a player record");
  if (!p) return;
  if (!DecodePlayer(p, out, keyless)) {
    in.Fail("the player name at byte " + std::to_string(at) + " has no terminator");
  }
}

void ReadPlayers(ByteReader& in, std::size_t count, std::vector<PLAYER>& out, bool keyless) {
  std::size_t at = in.position();
  const std::uint8_t* p = in.Take(kPlayerSize * count, "the player records");
  if (!p) return;
  // Stored as they lie in memory: copied straight into place, none of them
  // first cleared to be overwritten.
  static_assert(std::is_trivially_copyable_v<PLAYER> && alignof(PLAYER) == 1);
  const auto* first = reinterpret_cast<const PLAYER*>(p);
  out.assign(first, first + count);
  bool ok = true;
  for (PLAYER& player : out) {
    if (keyless) player.key = 0;
    ok &= PlayerTerminated(player);
  }
  if (!ok) in.Fail("a player name from byte " + std::to_string(at) + " has no terminator");
}

void WritePlayer(ByteWriter& out, const PLAYER& in) { EncodePlayer(out.Append(kPlayerSize), in); }

}  // namespace scorewick
