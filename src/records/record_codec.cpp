#include "records/record_codec.h"

#include <cstring>

#include "records/le_bytes.h"

namespace scorewick {
namespace {

using le::LoadF32;
using le::LoadI16;
using le::LoadI32;
using le::StoreF32;
using le::StoreI16;
using le::StoreI32;

template <std::size_t N>
bool LoadText(const std::uint8_t* p, FixedText<N>& out) {
  std::memcpy(out.bytes.data(), p, N);
  return out.terminated();
}

template <std::size_t N>
void StoreText(std::uint8_t* p, const FixedText<N>& in) {
  std::memcpy(p, in.bytes.data(), N);
}

}  // namespace

bool DecodePlayer(const std::uint8_t* p, PLAYER& out, bool keyless) {
  bool ok = LoadText(p, out.name);
  out.uniform_number = LoadI16(p + 25);
  out.key = keyless ? 0 : LoadI16(p + 27);
  out.position = LoadI32(p + 29);
  out.batting_order = LoadI32(p + 33);
  out.entered_inning = LoadI32(p + 37);
  out.entry_value = LoadI32(p + 41);
  out.entry_flag = p[45];
  out.active = p[46];
  out.bats = p[47];
  out.throws_right = p[48];
  return ok;
}

void EncodePlayer(std::uint8_t* p, const PLAYER& in) {
  StoreText(p, in.name);
  StoreI16(p + 25, in.uniform_number);
  StoreI16(p + 27, in.key);
  StoreI32(p + 29, in.position);
  StoreI32(p + 33, in.batting_order);
  StoreI32(p + 37, in.entered_inning);
  StoreI32(p + 41, in.entry_value);
  p[45] = in.entry_flag;
  p[46] = in.active;
  p[47] = in.bats;
  p[48] = in.throws_right;
}

bool DecodePlayerInfo(const std::uint8_t* p, PLAYER_INFO& out) {
  bool ok = LoadText(p, out.phone);
  ok &= LoadText(p + 25, out.address);
  ok &= LoadText(p + 125, out.city);
  ok &= LoadText(p + 165, out.state);
  ok &= LoadText(p + 205, out.zip);
  out.birth_year = LoadI32(p + 225);
  out.birth_day = p[229];
  out.birth_month = p[230];
  ok &= LoadText(p + 231, out.email);
  ok &= LoadText(p + 281, out.note);
  return ok;
}

void EncodePlayerInfo(std::uint8_t* p, const PLAYER_INFO& in) {
  StoreText(p, in.phone);
  StoreText(p + 25, in.address);
  StoreText(p + 125, in.city);
  StoreText(p + 165, in.state);
  StoreText(p + 205, in.zip);
  StoreI32(p + 225, in.birth_year);
  p[229] = in.birth_day;
  p[230] = in.birth_month;
  StoreText(p + 231, in.email);
  StoreText(p + 281, in.note);
}

bool DecodePitchData(const std::uint8_t* p, PITCH_DATA& out) {
  out.pitch_type = LoadI32(p);
  bool ok = DecodePlayer(p + 4, out.pitcher);
  out.location_x = LoadI32(p + 53);
  out.location_y = LoadI32(p + 57);
  out.speed = LoadF32(p + 61);
  out.hit = p[65];
  out.strike = p[66];
  out.valid = p[67];
  out.right_handed_batter = p[68];
  out.strike_type = LoadI32(p + 69);
  out.ball_type = LoadI32(p + 73);
  return ok;
}

void EncodePitchData(std::uint8_t* p, const PITCH_DATA& in) {
  StoreI32(p, in.pitch_type);
  EncodePlayer(p + 4, in.pitcher);
  StoreI32(p + 53, in.location_x);
  StoreI32(p + 57, in.location_y);
  StoreF32(p + 61, in.speed);
  p[65] = in.hit;
  p[66] = in.strike;
  p[67] = in.valid;
  p[68] = in.right_handed_batter;
  StoreI32(p + 69, in.strike_type);
  StoreI32(p + 73, in.ball_type);
}

bool DecodePitch(const std::uint8_t* p, PITCH& out) {
  out.event = LoadI32(p);
  out.balls_before = LoadI16(p + 4);
  out.strikes_before = LoadI16(p + 6);
  return DecodePitchData(p + 8, out.detail);
}

void EncodePitch(std::uint8_t* p, const PITCH& in) {
  StoreI32(p, in.event);
  StoreI16(p + 4, in.balls_before);
  StoreI16(p + 6, in.strikes_before);
  EncodePitchData(p + 8, in.detail);
}

bool DecodeFielderCredit(const std::uint8_t* p, FIELDER_CREDIT& out) {
  out.position = LoadI32(p);
  bool ok = LoadText(p + 4, out.name);
  out.credit = LoadI32(p + 29);
  return ok;
}

void EncodeFielderCredit(std::uint8_t* p, const FIELDER_CREDIT& in) {
  StoreI32(p, in.position);
  StoreText(p + 4, in.name);
  StoreI32(p + 29, in.credit);
}

bool DecodePitcherSlot(const std::uint8_t* p, PITCHER_SLOT& out, bool keyless) {
  bool ok = DecodePlayer(p, out.pitcher, keyless);
  out.last_pitch = LoadI32(p + 49);
  return ok;
}

void EncodePitcherSlot(std::uint8_t* p, const PITCHER_SLOT& in) {
  EncodePlayer(p, in.pitcher);
  StoreI32(p + 49, in.last_pitch);
}

bool DecodeAtBat(const std::uint8_t* p, AT_BAT& out) {
  bool ok = true;
  for (int i = 0; i < kMaxPitchersPerAtBat; ++i) ok &= DecodePitcherSlot(p + 53 * i, out.pitchers[i]);
  for (int i = 0; i < kMaxPitches; ++i) ok &= DecodePitchData(p + 159 + 77 * i, out.pitch_details[i]);
  ok &= DecodePlayer(p + 2084, out.responsible_pitcher);
  ok &= DecodePlayer(p + 2133, out.batter);
  ok &= DecodePlayer(p + 2182, out.pinch_runner);
  out.strikes = LoadI32(p + 2231);
  out.balls = LoadI32(p + 2235);
  out.reached = p[2239];
  out.how_reached = LoadI32(p + 2240);
  out.bases_reached = LoadI32(p + 2244);
  out.rbi = LoadI32(p + 2248);
  out.out = p[2252];
  out.how_out = LoadI32(p + 2253);
  out.scored = p[2257];
  out.earned = p[2258];
  out.box_number = LoadI32(p + 2259);
  out.out_credit_count = LoadI32(p + 2263);
  for (int i = 0; i < kMaxCredits; ++i) ok &= DecodeFielderCredit(p + 2267 + 33 * i, out.out_credits[i]);
  out.reach_credit_count = LoadI32(p + 2597);
  for (int i = 0; i < kMaxCredits; ++i) ok &= DecodeFielderCredit(p + 2601 + 33 * i, out.reach_credits[i]);
  for (int i = 0; i < kBases; ++i) ok &= DecodeFielderCredit(p + 2931 + 33 * i, out.error_credits[i]);
  for (int i = 0; i < kBases; ++i) out.error_kinds[i] = LoadI32(p + 3063 + 4 * i);
  for (int i = 0; i < kBases; ++i) out.error_bases[i] = LoadI32(p + 3079 + 4 * i);
  for (int i = 0; i < kBases; ++i) {
    ok &= DecodeFielderCredit(p + 3095 + 33 * i, out.second_error_credits[i]);
  }
  for (int i = 0; i < kBases; ++i) out.second_error_kinds[i] = LoadI32(p + 3227 + 4 * i);
  for (int i = 0; i < 3; ++i) out.advances[i] = LoadI32(p + 3243 + 4 * i);
  out.hit_x = LoadI32(p + 3255);
  out.hit_y = LoadI32(p + 3259);
  out.last_pitch = LoadI32(p + 3263);
  for (int i = 0; i < kMaxPitches; ++i) ok &= DecodePitch(p + 3267 + 85 * i, out.pitches[i]);
  out.tail_value1 = LoadI32(p + 5392);
  out.tail_flag = p[5396];
  out.tail_value2 = LoadI32(p + 5397);
  out.tail_value3 = LoadI32(p + 5401);
  return ok;
}

void EncodeAtBat(std::uint8_t* p, const AT_BAT& in) {
  for (int i = 0; i < kMaxPitchersPerAtBat; ++i) EncodePitcherSlot(p + 53 * i, in.pitchers[i]);
  for (int i = 0; i < kMaxPitches; ++i) EncodePitchData(p + 159 + 77 * i, in.pitch_details[i]);
  EncodePlayer(p + 2084, in.responsible_pitcher);
  EncodePlayer(p + 2133, in.batter);
  EncodePlayer(p + 2182, in.pinch_runner);
  StoreI32(p + 2231, in.strikes);
  StoreI32(p + 2235, in.balls);
  p[2239] = in.reached;
  StoreI32(p + 2240, in.how_reached);
  StoreI32(p + 2244, in.bases_reached);
  StoreI32(p + 2248, in.rbi);
  p[2252] = in.out;
  StoreI32(p + 2253, in.how_out);
  p[2257] = in.scored;
  p[2258] = in.earned;
  StoreI32(p + 2259, in.box_number);
  StoreI32(p + 2263, in.out_credit_count);
  for (int i = 0; i < kMaxCredits; ++i) EncodeFielderCredit(p + 2267 + 33 * i, in.out_credits[i]);
  StoreI32(p + 2597, in.reach_credit_count);
  for (int i = 0; i < kMaxCredits; ++i) EncodeFielderCredit(p + 2601 + 33 * i, in.reach_credits[i]);
  for (int i = 0; i < kBases; ++i) EncodeFielderCredit(p + 2931 + 33 * i, in.error_credits[i]);
  for (int i = 0; i < kBases; ++i) StoreI32(p + 3063 + 4 * i, in.error_kinds[i]);
  for (int i = 0; i < kBases; ++i) StoreI32(p + 3079 + 4 * i, in.error_bases[i]);
  for (int i = 0; i < kBases; ++i) EncodeFielderCredit(p + 3095 + 33 * i, in.second_error_credits[i]);
  for (int i = 0; i < kBases; ++i) StoreI32(p + 3227 + 4 * i, in.second_error_kinds[i]);
  for (int i = 0; i < 3; ++i) StoreI32(p + 3243 + 4 * i, in.advances[i]);
  StoreI32(p + 3255, in.hit_x);
  StoreI32(p + 3259, in.hit_y);
  StoreI32(p + 3263, in.last_pitch);
  for (int i = 0; i < kMaxPitches; ++i) EncodePitch(p + 3267 + 85 * i, in.pitches[i]);
  StoreI32(p + 5392, in.tail_value1);
  p[5396] = in.tail_flag;
  StoreI32(p + 5397, in.tail_value2);
  StoreI32(p + 5401, in.tail_value3);
}

bool DecodeGameNote(const std::uint8_t* p, GAME_NOTE& out) {
  out.inning = LoadI32(p);
  out.at_bat = LoadI32(p + 4);
  out.half = p[8];
  return LoadText(p + 9, out.text);
}

void EncodeGameNote(std::uint8_t* p, const GAME_NOTE& in) {
  StoreI32(p, in.inning);
  StoreI32(p + 4, in.at_bat);
  p[8] = in.half;
  StoreText(p + 9, in.text);
}

bool DecodeGameHeader(const std::uint8_t* p, GameHeader& out) {
  bool ok = LoadText(p, out.field);
  for (int i = 0; i < 4; ++i) ok &= LoadText(p + 25 + 25 * i, out.umpires[i]);
  for (int i = 0; i < 2; ++i) ok &= LoadText(p + 125 + 25 * i, out.list_names[i]);
  out.home_score = LoadI32(p + 175);
  out.visitor_score = LoadI32(p + 179);
  out.year = LoadI32(p + 183);
  out.day = p[187];
  out.month = p[188];
  out.start_minute = LoadI32(p + 189);
  out.start_hour = LoadI32(p + 193);
  out.reserved_a = {LoadI32(p + 197), LoadI32(p + 201)};
  out.duration_minutes = LoadI32(p + 205);
  out.duration_hours = LoadI32(p + 209);
  out.reserved_b = {LoadI32(p + 213), LoadI32(p + 217)};
  out.creation_year = LoadI32(p + 221);
  out.extra_value = LoadI32(p + 225);
  out.attendance = LoadI32(p + 229);
  return ok;
}

void EncodeGameHeader(std::uint8_t* p, const GameHeader& in) {
  StoreText(p, in.field);
  for (int i = 0; i < 4; ++i) StoreText(p + 25 + 25 * i, in.umpires[i]);
  for (int i = 0; i < 2; ++i) StoreText(p + 125 + 25 * i, in.list_names[i]);
  StoreI32(p + 175, in.home_score);
  StoreI32(p + 179, in.visitor_score);
  StoreI32(p + 183, in.year);
  p[187] = in.day;
  p[188] = in.month;
  StoreI32(p + 189, in.start_minute);
  StoreI32(p + 193, in.start_hour);
  StoreI32(p + 197, in.reserved_a[0]);
  StoreI32(p + 201, in.reserved_a[1]);
  StoreI32(p + 205, in.duration_minutes);
  StoreI32(p + 209, in.duration_hours);
  StoreI32(p + 213, in.reserved_b[0]);
  StoreI32(p + 217, in.reserved_b[1]);
  StoreI32(p + 221, in.creation_year);
  StoreI32(p + 225, in.extra_value);
  StoreI32(p + 229, in.attendance);
}

void ReadPlayer(ByteReader& in, PLAYER& out, bool keyless) {
  std::size_t at = in.position();
  const std::uint8_t* p = in.Take(kPlayerSize, "a player record");
  if (!p) return;
  if (!DecodePlayer(p, out, keyless)) {
    in.Fail("the player name at byte " + std::to_string(at) + " has no terminator");
  }
}

void WritePlayer(ByteWriter& out, const PLAYER& in) { EncodePlayer(out.Append(kPlayerSize), in); }

}  // namespace scorewick
