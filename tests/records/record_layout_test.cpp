// Every field of the fixed records lands at its byte offset: each test sets
// distinct values, encodes, and reads the bytes back at the offsets the
// handheld uses.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "records/le_bytes.h"
#include "records/record_codec.h"
#include "records/team_file.h"

namespace scorewick {
namespace {

std::int32_t I32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return le::LoadI32(b.data() + at);
}
std::int16_t I16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return le::LoadI16(b.data() + at);
}
std::string TextAt(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::string(reinterpret_cast<const char*>(b.data() + at));
}

PLAYER SamplePlayer(const char* name) {
  PLAYER p;
  p.name.set(name);
  p.uniform_number = 23;
  p.key = 517;
  p.position = 6;
  p.batting_order = 4;
  p.entered_inning = 3;
  p.entry_value = -9;
  p.entry_flag = 2;
  p.active = 1;
  p.bats = 2;
  p.throws_right = 0;
  return p;
}

template <typename Record, typename Encode>
std::vector<std::uint8_t> Encoded(const Record& r, std::size_t size, Encode encode) {
  std::vector<std::uint8_t> bytes(size, 0xEE);
  encode(bytes.data(), r);
  return bytes;
}

TEST(RecordLayout, Player) {
  auto b = Encoded(SamplePlayer("Rosa Delgado"), kPlayerSize, EncodePlayer);
  EXPECT_EQ(TextAt(b, 0), "Rosa Delgado");
  EXPECT_EQ(b[12], 0);  // text fields are zero-filled behind the name
  EXPECT_EQ(b[24], 0);
  EXPECT_EQ(I16At(b, 25), 23);
  EXPECT_EQ(I16At(b, 27), 517);
  EXPECT_EQ(I32At(b, 29), 6);
  EXPECT_EQ(I32At(b, 33), 4);
  EXPECT_EQ(I32At(b, 37), 3);
  EXPECT_EQ(I32At(b, 41), -9);
  EXPECT_EQ(b[45], 2);
  EXPECT_EQ(b[46], 1);
  EXPECT_EQ(b[47], 2);
  EXPECT_EQ(b[48], 0);

  PLAYER back;
  ASSERT_TRUE(DecodePlayer(b.data(), back));
  EXPECT_EQ(back, SamplePlayer("Rosa Delgado"));
  ASSERT_TRUE(DecodePlayer(b.data(), back, /*keyless=*/true));
  EXPECT_EQ(back.key, 0);
}

TEST(RecordLayout, PlayerNamesAreCutToTwentyFourCharacters) {
  PLAYER p;
  p.name.set("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(p.name.view(), "ABCDEFGHIJKLMNOPQRSTUVWX");
  auto b = Encoded(p, kPlayerSize, EncodePlayer);
  EXPECT_EQ(b[23], 'X');
  EXPECT_EQ(b[24], 0);
  // A damaged name with no terminator is refused.
  std::memset(b.data(), 'A', 25);
  PLAYER back;
  EXPECT_FALSE(DecodePlayer(b.data(), back));
  EXPECT_EQ(back.name.view().size(), 24u);
}

TEST(RecordLayout, PitchDataAndPitch) {
  PITCH_DATA d;
  d.pitch_type = 7;
  d.pitcher = SamplePlayer("Tom Reed");
  d.location_x = 61;
  d.location_y = -3;
  d.speed = 87.5f;
  d.hit = 1;
  d.strike = 1;
  d.valid = 1;
  d.right_handed_batter = 0;
  d.strike_type = 4;
  d.ball_type = 3;
  auto b = Encoded(d, kPitchDataSize, EncodePitchData);
  EXPECT_EQ(I32At(b, 0), 7);
  EXPECT_EQ(TextAt(b, 4), "Tom Reed");
  EXPECT_EQ(I16At(b, 4 + 25), 23);
  EXPECT_EQ(I32At(b, 53), 61);
  EXPECT_EQ(I32At(b, 57), -3);
  EXPECT_EQ(le::LoadF32(b.data() + 61), 87.5f);
  EXPECT_EQ(b[65], 1);
  EXPECT_EQ(b[66], 1);
  EXPECT_EQ(b[67], 1);
  EXPECT_EQ(b[68], 0);
  EXPECT_EQ(I32At(b, 69), 4);
  EXPECT_EQ(I32At(b, 73), 3);

  PITCH p;
  p.event = 5;
  p.balls_before = 3;
  p.strikes_before = 2;
  p.detail = d;
  auto pb = Encoded(p, kPitchSize, EncodePitch);
  EXPECT_EQ(I32At(pb, 0), 5);
  EXPECT_EQ(I16At(pb, 4), 3);
  EXPECT_EQ(I16At(pb, 6), 2);
  EXPECT_TRUE(std::equal(b.begin(), b.end(), pb.begin() + 8));
  PITCH back;
  ASSERT_TRUE(DecodePitch(pb.data(), back));
  EXPECT_EQ(back, p);
}

TEST(RecordLayout, FielderCreditAndNote) {
  FIELDER_CREDIT c{6, NameText("Luis Ortega"), 3};
  auto b = Encoded(c, kFielderCreditSize, EncodeFielderCredit);
  EXPECT_EQ(I32At(b, 0), 6);
  EXPECT_EQ(TextAt(b, 4), "Luis Ortega");
  EXPECT_EQ(I32At(b, 29), 3);

  GAME_NOTE n;
  n.inning = 8;
  n.at_bat = 2;
  n.half = 0;
  n.text.set("Diving catch in the gap");
  auto nb = Encoded(n, kGameNoteSize, EncodeGameNote);
  EXPECT_EQ(I32At(nb, 0), 8);
  EXPECT_EQ(I32At(nb, 4), 2);
  EXPECT_EQ(nb[8], 0);
  EXPECT_EQ(TextAt(nb, 9), "Diving catch in the gap");
  EXPECT_EQ(nb[308], 0);
}

TEST(RecordLayout, PlayerInfo) {
  PLAYER_INFO i;
  i.phone.set("555-0142");
  i.address.set("12 Elm Street");
  i.city.set("Riverton");
  i.state.set("OH");
  i.zip.set("44101");
  i.birth_year = 2011;
  i.birth_day = 17;
  i.birth_month = 6;
  i.email.set("kid@example.net");
  i.note.set("Allergic to bees");
  auto b = Encoded(i, kPlayerInfoSize, EncodePlayerInfo);
  EXPECT_EQ(TextAt(b, 0), "555-0142");
  EXPECT_EQ(TextAt(b, 25), "12 Elm Street");
  EXPECT_EQ(TextAt(b, 125), "Riverton");
  EXPECT_EQ(TextAt(b, 165), "OH");
  EXPECT_EQ(TextAt(b, 205), "44101");
  EXPECT_EQ(I32At(b, 225), 2011);
  EXPECT_EQ(b[229], 17);
  EXPECT_EQ(b[230], 6);
  EXPECT_EQ(TextAt(b, 231), "kid@example.net");
  EXPECT_EQ(TextAt(b, 281), "Allergic to bees");
}

TEST(RecordLayout, GameHeader) {
  GameHeader h;
  h.field.set("Miller Park");
  for (int i = 0; i < 4; ++i) h.umpires[i].set(std::string("Ump") + char('1' + i));
  h.list_names[0].set("Home Nine");
  h.list_names[1].set("Road Nine");
  h.home_score = 5;
  h.visitor_score = 4;
  h.year = 2004;
  h.day = 3;
  h.month = 7;
  h.start_minute = 5;
  h.start_hour = 19;
  h.reserved_a[0] = 11;
  h.reserved_a[1] = 12;
  h.duration_minutes = 41;
  h.duration_hours = 2;
  h.reserved_b[0] = 13;
  h.reserved_b[1] = 14;
  h.creation_year = 2003;
  h.extra_value = 99;
  h.attendance = 1234;
  auto b = Encoded(h, kGameHeaderSize, EncodeGameHeader);
  EXPECT_EQ(TextAt(b, 0), "Miller Park");
  EXPECT_EQ(TextAt(b, 25), "Ump1");
  EXPECT_EQ(TextAt(b, 100), "Ump4");
  EXPECT_EQ(TextAt(b, 125), "Home Nine");
  EXPECT_EQ(TextAt(b, 150), "Road Nine");
  EXPECT_EQ(I32At(b, 175), 5);
  EXPECT_EQ(I32At(b, 179), 4);
  EXPECT_EQ(I32At(b, 183), 2004);
  EXPECT_EQ(b[187], 3);
  EXPECT_EQ(b[188], 7);
  EXPECT_EQ(I32At(b, 189), 5);
  EXPECT_EQ(I32At(b, 193), 19);
  EXPECT_EQ(I32At(b, 197), 11);
  EXPECT_EQ(I32At(b, 201), 12);
  EXPECT_EQ(I32At(b, 205), 41);
  EXPECT_EQ(I32At(b, 209), 2);
  EXPECT_EQ(I32At(b, 213), 13);
  EXPECT_EQ(I32At(b, 217), 14);
  EXPECT_EQ(I32At(b, 221), 2003);
  EXPECT_EQ(I32At(b, 225), 99);
  EXPECT_EQ(I32At(b, 229), 1234);
  GameHeader back;
  ASSERT_TRUE(DecodeGameHeader(b.data(), back));
  EXPECT_EQ(back, h);
}

TEST(RecordLayout, AtBat) {
  AT_BAT ab;
  ab.pitchers[0] = {SamplePlayer("Starter"), 3};
  ab.pitchers[1] = {SamplePlayer("Reliever"), -1};
  ab.pitch_details[0].valid = 1;
  ab.pitch_details[0].pitch_type = 2;
  ab.pitch_details[24].location_x = 77;
  ab.responsible_pitcher = SamplePlayer("Resp");
  ab.batter = SamplePlayer("Batter");
  ab.pinch_runner = SamplePlayer("Runner");
  ab.strikes = 2;
  ab.balls = 3;
  ab.reached = 1;
  ab.how_reached = 11;
  ab.bases_reached = 3;
  ab.rbi = 2;
  ab.out = 1;
  ab.how_out = 14;
  ab.scored = 1;
  ab.earned = 1;
  ab.box_number = 42;
  ab.out_credit_count = 3;
  ab.out_credits[0] = {6, NameText("Short"), 1};
  ab.out_credits[9] = {3, NameText("First"), 2};
  ab.reach_credit_count = 1;
  ab.reach_credits[0] = {5, NameText("Third"), 8};
  ab.error_credits[1] = {4, NameText("Second"), 0};
  const std::int32_t kinds[4] = {1, 2, 3, 4}, bases[4] = {0, 2, 3, 4}, second[4] = {5, 6, 7, 1};
  for (int i = 0; i < 4; ++i) {
    ab.error_kinds[i] = kinds[i];
    ab.error_bases[i] = bases[i];
    ab.second_error_kinds[i] = second[i];
  }
  ab.second_error_credits[3] = {2, NameText("Catcher"), 0};
  ab.advances[0] = 1;
  ab.advances[1] = 4;
  ab.advances[2] = 9;
  ab.hit_x = 120;
  ab.hit_y = 40;
  ab.last_pitch = 5;
  ab.pitches[0].event = 2;
  ab.pitches[24].event = 16;
  ab.tail_value1 = 101;
  ab.tail_flag = 7;
  ab.tail_value2 = 102;
  ab.tail_value3 = 103;
  auto b = Encoded(ab, kAtBatSize, EncodeAtBat);

  EXPECT_EQ(TextAt(b, 0), "Starter");
  EXPECT_EQ(I32At(b, 49), 3);
  EXPECT_EQ(TextAt(b, 53), "Reliever");
  EXPECT_EQ(I32At(b, 53 + 49), -1);
  EXPECT_EQ(I32At(b, 159), 2);
  EXPECT_EQ(b[159 + 67], 1);
  EXPECT_EQ(I32At(b, 159 + 24 * 77 + 53), 77);
  EXPECT_EQ(TextAt(b, 2084), "Resp");
  EXPECT_EQ(TextAt(b, 2133), "Batter");
  EXPECT_EQ(TextAt(b, 2182), "Runner");
  EXPECT_EQ(I32At(b, 2231), 2);
  EXPECT_EQ(I32At(b, 2235), 3);
  EXPECT_EQ(b[2239], 1);
  EXPECT_EQ(I32At(b, 2240), 11);
  EXPECT_EQ(I32At(b, 2244), 3);
  EXPECT_EQ(I32At(b, 2248), 2);
  EXPECT_EQ(b[2252], 1);
  EXPECT_EQ(I32At(b, 2253), 14);
  EXPECT_EQ(b[2257], 1);
  EXPECT_EQ(b[2258], 1);
  EXPECT_EQ(I32At(b, 2259), 42);
  EXPECT_EQ(I32At(b, 2263), 3);
  EXPECT_EQ(I32At(b, 2267), 6);
  EXPECT_EQ(TextAt(b, 2267 + 4), "Short");
  EXPECT_EQ(I32At(b, 2267 + 9 * 33 + 29), 2);
  EXPECT_EQ(I32At(b, 2597), 1);
  EXPECT_EQ(TextAt(b, 2601 + 4), "Third");
  EXPECT_EQ(I32At(b, 2601 + 29), 8);
  EXPECT_EQ(TextAt(b, 2931 + 33 + 4), "Second");
  EXPECT_EQ(I32At(b, 3063), 1);
  EXPECT_EQ(I32At(b, 3075), 4);
  EXPECT_EQ(I32At(b, 3083), 2);
  EXPECT_EQ(TextAt(b, 3095 + 3 * 33 + 4), "Catcher");
  EXPECT_EQ(I32At(b, 3227), 5);
  EXPECT_EQ(I32At(b, 3239), 1);
  EXPECT_EQ(I32At(b, 3243), 1);
  EXPECT_EQ(I32At(b, 3247), 4);
  EXPECT_EQ(I32At(b, 3251), 9);
  EXPECT_EQ(I32At(b, 3255), 120);
  EXPECT_EQ(I32At(b, 3259), 40);
  EXPECT_EQ(I32At(b, 3263), 5);
  EXPECT_EQ(I32At(b, 3267), 2);
  EXPECT_EQ(I32At(b, 3267 + 24 * 85), 16);
  EXPECT_EQ(I32At(b, 5392), 101);
  EXPECT_EQ(b[5396], 7);
  EXPECT_EQ(I32At(b, 5397), 102);
  EXPECT_EQ(I32At(b, 5401), 103);

  AT_BAT back;
  ASSERT_TRUE(DecodeAtBat(b.data(), back));
  EXPECT_EQ(back, ab);
}

TEST(RecordLayout, NewRecordDefaults) {
  AT_BAT ab;
  EXPECT_EQ(ab.last_pitch, -1);
  EXPECT_FALSE(ab.HasHitLocation());
  EXPECT_EQ(ab.pitchers[2].last_pitch, -1);
  EXPECT_EQ(ab.batter.uniform_number, -1);
  EXPECT_EQ(ab.pitch_details[3].pitch_type, 11);
  EXPECT_EQ(ab.pitch_details[3].speed, 80.0f);
  EXPECT_EQ(ab.pitch_details[3].location_x, 59);
  EXPECT_EQ(ab.pitch_details[3].location_y, 94);
  EXPECT_EQ(ab.PitchCount(), 0);
  ab.last_pitch = 24;
  EXPECT_EQ(ab.PitchCount(), 25);
  ab.hit_x = 83;
  ab.hit_y = 118;
  EXPECT_TRUE(ab.HasHitLocation());
}

TEST(RecordLayout, TeamFileHeader) {
  Team t;
  t.team_name.set("Riverton Owls");
  t.coach.set("C. Vance");
  t.manager.set("M. Ito");
  t.logo_file.set("owl.bmp");
  t.file_path.set("/teams/owls.tem");
  t.reserved = 5;
  t.lineup_size = 10;
  t.extra_value = 77;
  t.uses_designated_hitter = 1;
  t.designated_hitter = SamplePlayer("Dee Hitter");
  t.dh_bats_for = SamplePlayer("Pete Pitcher");
  t.AddPlayer(SamplePlayer("First Guy"), PLAYER_INFO{});
  t.AddPlayer(SamplePlayer("Second Guy"), NewPlayerInfo());
  std::vector<std::uint8_t> b = EncodeTeamFile(t);
  ASSERT_EQ(b.size(), 714 + 2 * 49 + 2 * 331u);
  EXPECT_EQ(I32At(b, 0), 768);
  EXPECT_EQ(TextAt(b, 4), "/teams/owls.tem");
  EXPECT_EQ(TextAt(b, 264), "Riverton Owls");
  EXPECT_EQ(TextAt(b, 289), "C. Vance");
  EXPECT_EQ(TextAt(b, 314), "M. Ito");
  EXPECT_EQ(TextAt(b, 339), "owl.bmp");
  EXPECT_EQ(I32At(b, 599), 5);
  EXPECT_EQ(I32At(b, 603), 10);
  EXPECT_EQ(I32At(b, 607), 77);
  EXPECT_EQ(b[611], 1);
  EXPECT_EQ(TextAt(b, 612), "Dee Hitter");
  EXPECT_EQ(TextAt(b, 661), "Pete Pitcher");
  EXPECT_EQ(I32At(b, 710), 2);
  EXPECT_EQ(TextAt(b, 714), "First Guy");
  EXPECT_EQ(TextAt(b, 714 + 49), "Second Guy");
  EXPECT_EQ(I32At(b, 714 + 98 + 331 + 225), NewPlayerInfo().birth_year);
}

}  // namespace
}  // namespace scorewick
