#include "exchange/palm_at_bat.h"

#include "exchange/palm_fields.h"
#include "exchange/palm_player.h"

namespace scorewick {

using namespace palm;

namespace {

void WritePitchData(ByteWriter& out, const PITCH_DATA& d, const Roster& fielding) {
  PutByte(out, d.pitch_type);
  WritePlayerReference(out, d.pitcher, fielding);
  PutByte(out, d.location_x);
  PutByte(out, d.location_y);
  PutByte(out, SpeedByte(d.speed));
  PutChar(out, d.hit);
  PutChar(out, d.strike);
  PutChar(out, d.valid);
  PutChar(out, d.right_handed_batter);
  PutByte(out, d.strike_type);
  PutByte(out, d.ball_type);
}

PITCH_DATA ReadPitchData(ByteReader& in, const Roster& fielding) {
  PITCH_DATA d;
  d.pitch_type = GetSigned(in);
  d.pitcher = ReadPlayerReference(in, fielding);
  d.location_x = GetUnsigned(in);
  d.location_y = GetUnsigned(in);
  d.speed = static_cast<float>(GetSigned(in));
  d.hit = GetChar(in);
  d.strike = GetChar(in);
  d.valid = GetChar(in);
  d.right_handed_batter = GetChar(in);
  d.strike_type = GetUnsigned(in);
  d.ball_type = GetUnsigned(in);
  return d;
}

template <std::size_t N>
void WriteCredits(ByteWriter& out, const std::array<FIELDER_CREDIT, N>& credits,
                  const Roster& fielding) {
  for (const FIELDER_CREDIT& c : credits) WritePalmFielderCredit(out, c, fielding);
}

template <std::size_t N>
void ReadCredits(ByteReader& in, std::array<FIELDER_CREDIT, N>& credits, const Roster& fielding) {
  for (FIELDER_CREDIT& c : credits) c = ReadPalmFielderCredit(in, fielding);
}

template <std::size_t N>
void WriteBytes(ByteWriter& out, const std::array<std::int32_t, N>& values) {
  for (std::int32_t v : values) PutByte(out, v);
}

template <std::size_t N>
void ReadSignedBytes(ByteReader& in, std::array<std::int32_t, N>& values) {
  for (std::int32_t& v : values) v = GetSigned(in);
}

}  // namespace

void WritePalmAtBat(ByteWriter& out, const AT_BAT& ab, const Roster& batting,
                    const Roster& fielding) {
  for (const PITCHER_SLOT& slot : ab.pitchers) {
    WritePlayerReference(out, slot.pitcher, fielding);
    PutByte(out, slot.last_pitch);
  }
  for (int i = 0; i < kPalmPitchDetails; ++i) WritePitchData(out, ab.pitch_details[i], fielding);
  WritePlayerReference(out, ab.responsible_pitcher, fielding);
  WritePlayerReference(out, ab.batter, batting);
  WritePlayerReference(out, ab.pinch_runner, batting);
  PutByte(out, ab.strikes);
  PutByte(out, ab.balls);
  PutChar(out, ab.reached);
  PutByte(out, ab.how_reached);
  PutByte(out, ab.bases_reached);
  PutByte(out, ab.rbi);
  PutChar(out, ab.out);
  PutByte(out, ab.how_out);
  PutChar(out, ab.scored);
  PutChar(out, ab.earned);
  PutByte(out, ab.box_number);
  PutByte(out, ab.out_credit_count);
  WriteCredits(out, ab.out_credits, fielding);
  PutByte(out, ab.reach_credit_count);
  WriteCredits(out, ab.reach_credits, fielding);
  WriteCredits(out, ab.error_credits, fielding);
  WriteBytes(out, ab.error_kinds);
  WriteBytes(out, ab.error_bases);
  WriteCredits(out, ab.second_error_credits, fielding);
  WriteBytes(out, ab.second_error_kinds);
  WriteBytes(out, ab.advances);
  PutByte(out, ab.hit_x);
  PutByte(out, ab.hit_y);
  PutByte(out, ab.last_pitch);
  for (const PITCH& pitch : ab.pitches) {
    PutByte(out, pitch.event);
    PutByte(out, pitch.balls_before);
    PutByte(out, pitch.strikes_before);
    WritePitchData(out, pitch.detail, fielding);
  }
  PutByte(out, ab.tail_value1);
  PutByte(out, ab.tail_flag);
  PutByte(out, ab.tail_value2);
  PutNumber(out, ab.tail_value3);
}

AT_BAT ReadPalmAtBat(ByteReader& in, const Roster& batting, const Roster& fielding) {
  AT_BAT ab;
  for (PITCHER_SLOT& slot : ab.pitchers) {
    slot.pitcher = ReadPlayerReference(in, fielding);
    slot.last_pitch = GetSigned(in);
  }
  for (int i = 0; i < kPalmPitchDetails; ++i) ab.pitch_details[i] = ReadPitchData(in, fielding);
  ab.responsible_pitcher = ReadPlayerReference(in, fielding);
  ab.batter = ReadPlayerReference(in, batting);
  ab.pinch_runner = ReadPlayerReference(in, batting);
  ab.strikes = GetSigned(in);
  ab.balls = GetSigned(in);
  ab.reached = GetChar(in);
  ab.how_reached = GetSigned(in);
  ab.bases_reached = GetSigned(in);
  ab.rbi = GetSigned(in);
  ab.out = GetChar(in);
  ab.how_out = GetSigned(in);
  ab.scored = GetChar(in);
  ab.earned = GetChar(in);
  ab.box_number = GetSigned(in);
  ab.out_credit_count = GetSigned(in);
  ReadCredits(in, ab.out_credits, fielding);
  ab.reach_credit_count = GetSigned(in);
  ReadCredits(in, ab.reach_credits, fielding);
  ReadCredits(in, ab.error_credits, fielding);
  ReadSignedBytes(in, ab.error_kinds);
  ReadSignedBytes(in, ab.error_bases);
  ReadCredits(in, ab.second_error_credits, fielding);
  ReadSignedBytes(in, ab.second_error_kinds);
  ReadSignedBytes(in, ab.advances);
  ab.hit_x = GetUnsigned(in);
  ab.hit_y = GetUnsigned(in);
  ab.last_pitch = GetSigned(in);
  for (PITCH& pitch : ab.pitches) {
    pitch.event = GetSigned(in);
    pitch.balls_before = static_cast<std::int16_t>(GetSigned(in));
    pitch.strikes_before = static_cast<std::int16_t>(GetSigned(in));
    pitch.detail = ReadPitchData(in, fielding);
  }
  ab.tail_value1 = GetSigned(in);
  ab.tail_flag = GetChar(in) != 0 ? 1 : 0;
  ab.tail_value2 = GetSigned(in);
  ab.tail_value3 = GetNumber(in);
  return ab;
}

void WritePalmGameNote(ByteWriter& out, const GAME_NOTE& note) {
  PutByte(out, note.inning);
  PutByte(out, note.at_bat);
  PutChar(out, note.half);
  PutClosedText(out, note.text, kPalmNoteText);
}

GAME_NOTE ReadPalmGameNote(ByteReader& in) {
  GAME_NOTE note;
  note.inning = GetUnsigned(in);
  note.at_bat = GetUnsigned(in);
  note.half = GetChar(in);
  GetText(in, note.text, kPalmNoteText);
  return note;
}

}  // namespace scorewick
