#include "exchange/palm_at_bat.h"

#include "exchange/palm_fields.h"

namespace scorewick {

using namespace palm;

namespace {

void WritePitchData(RecordWriter& out, const PITCH_DATA& d, const RosterNames& fielding) {
  out.Byte(d.pitch_type);
  WritePlayerReference(out, d.pitcher, fielding);
  out.Byte(d.location_x);
  out.Byte(d.location_y);
  out.Byte(SpeedByte(d.speed));
  out.Char(d.hit);
  out.Char(d.strike);
  out.Char(d.valid);
  out.Char(d.right_handed_batter);
  out.Byte(d.strike_type);
  out.Byte(d.ball_type);
}

PITCH_DATA ReadPitchData(RecordReader& in, const Roster& fielding) {
  PITCH_DATA d;
  d.pitch_type = in.Signed();
  d.pitcher = ReadPlayerReference(in, fielding);
  d.location_x = in.Unsigned();
  d.location_y = in.Unsigned();
  d.speed = static_cast<float>(in.Signed());
  d.hit = in.Char();
  d.strike = in.Char();
  d.valid = in.Char();
  d.right_handed_batter = in.Char();
  d.strike_type = in.Unsigned();
  d.ball_type = in.Unsigned();
  return d;
}

template <std::size_t N>
void WriteCredits(RecordWriter& out, const std::array<FIELDER_CREDIT, N>& credits,
                  const RosterNames& fielding) {
  for (const FIELDER_CREDIT& c : credits) WritePalmFielderCredit(out, c, fielding);
}

template <std::size_t N>
void ReadCredits(RecordReader& in, std::array<FIELDER_CREDIT, N>& credits, const Roster& fielding) {
  for (FIELDER_CREDIT& c : credits) c = ReadPalmFielderCredit(in, fielding);
}

// The small number arrays of an at-bat lie unaligned in the packed record:
// their elements are named through the record itself, never bound to a
// reference or pointer.
#define PALM_WRITE_BYTES(out, array) \
  for (std::size_t i_ = 0; i_ < sizeof(array) / sizeof((array)[0]); ++i_) (out).Byte((array)[i_])
#define PALM_READ_SIGNED_BYTES(in, array)                                 \
  for (std::size_t i_ = 0; i_ < sizeof(array) / sizeof((array)[0]); ++i_) \
  (array)[i_] = (in).Signed()

}  // namespace

void WritePalmAtBat(ByteWriter& writer, const AT_BAT& ab, const RosterNames& batting,
                    const RosterNames& fielding) {
  RecordWriter out(writer.Append(kPalmAtBatSize));
  for (const PITCHER_SLOT& slot : ab.pitchers) {
    WritePlayerReference(out, slot.pitcher, fielding);
    out.Byte(slot.last_pitch);
  }
  for (int i = 0; i < kPalmPitchDetails; ++i) WritePitchData(out, ab.pitch_details[i], fielding);
  WritePlayerReference(out, ab.responsible_pitcher, fielding);
  WritePlayerReference(out, ab.batter, batting);
  WritePlayerReference(out, ab.pinch_runner, batting);
  out.Byte(ab.strikes);
  out.Byte(ab.balls);
  out.Char(ab.reached);
  out.Byte(ab.how_reached);
  out.Byte(ab.bases_reached);
  out.Byte(ab.rbi);
  out.Char(ab.out);
  out.Byte(ab.how_out);
  out.Char(ab.scored);
  out.Char(ab.earned);
  out.Byte(ab.box_number);
  out.Byte(ab.out_credit_count);
  WriteCredits(out, ab.out_credits, fielding);
  out.Byte(ab.reach_credit_count);
  WriteCredits(out, ab.reach_credits, fielding);
  WriteCredits(out, ab.error_credits, fielding);
  PALM_WRITE_BYTES(out, ab.error_kinds);
  PALM_WRITE_BYTES(out, ab.error_bases);
  WriteCredits(out, ab.second_error_credits, fielding);
  PALM_WRITE_BYTES(out, ab.second_error_kinds);
  PALM_WRITE_BYTES(out, ab.advances);
  out.Byte(ab.hit_x);
  out.Byte(ab.hit_y);
  out.Byte(ab.last_pitch);
  for (const PITCH& pitch : ab.pitches) {
    out.Byte(pitch.event);
    out.Byte(pitch.balls_before);
    out.Byte(pitch.strikes_before);
    WritePitchData(out, pitch.detail, fielding);
  }
  out.Byte(ab.tail_value1);
  out.Byte(ab.tail_flag);
  out.Byte(ab.tail_value2);
  out.Number(ab.tail_value3);
}

AT_BAT ReadPalmAtBat(ByteReader& reader, const Roster& batting, const Roster& fielding) {
  AT_BAT ab;
  const std::size_t at = reader.position();
  const std::uint8_t* p = reader.Take(kPalmAtBatSize, "an at-bat");
  if (!p) return ab;
  RecordReader in(p, at);
  for (PITCHER_SLOT& slot : ab.pitchers) {
    slot.pitcher = ReadPlayerReference(in, fielding);
    slot.last_pitch = in.Signed();
  }
  for (int i = 0; i < kPalmPitchDetails; ++i) ab.pitch_details[i] = ReadPitchData(in, fielding);
  ab.responsible_pitcher = ReadPlayerReference(in, fielding);
  ab.batter = ReadPlayerReference(in, batting);
  ab.pinch_runner = ReadPlayerReference(in, batting);
  ab.strikes = in.Signed();
  ab.balls = in.Signed();
  ab.reached = in.Char();
  ab.how_reached = in.Signed();
  ab.bases_reached = in.Signed();
  ab.rbi = in.Signed();
  ab.out = in.Char();
  ab.how_out = in.Signed();
  ab.scored = in.Char();
  ab.earned = in.Char();
  ab.box_number = in.Signed();
  ab.out_credit_count = in.Signed();
  ReadCredits(in, ab.out_credits, fielding);
  ab.reach_credit_count = in.Signed();
  ReadCredits(in, ab.reach_credits, fielding);
  ReadCredits(in, ab.error_credits, fielding);
  PALM_READ_SIGNED_BYTES(in, ab.error_kinds);
  PALM_READ_SIGNED_BYTES(in, ab.error_bases);
  ReadCredits(in, ab.second_error_credits, fielding);
  PALM_READ_SIGNED_BYTES(in, ab.second_error_kinds);
  PALM_READ_SIGNED_BYTES(in, ab.advances);
  ab.hit_x = in.Unsigned();
  ab.hit_y = in.Unsigned();
  ab.last_pitch = in.Signed();
  for (PITCH& pitch : ab.pitches) {
    pitch.event = in.Signed();
    pitch.balls_before = static_cast<std::int16_t>(in.Signed());
    pitch.strikes_before = static_cast<std::int16_t>(in.Signed());
    pitch.detail = ReadPitchData(in, fielding);
  }
  ab.tail_value1 = in.Signed();
  ab.tail_flag = in.Char() != 0 ? 1 : 0;
  ab.tail_value2 = in.Signed();
  ab.tail_value3 = in.Number();
  if (!in.error().empty()) reader.Fail(in.error());
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
