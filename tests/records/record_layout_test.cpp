// Every field of the fixed records lands at its byte offset: each test sets
// distinct values, encodes, and reads the bytes back at the offsets the
// handheld uses.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "records/cp1252.h"
#include "records/game.h"
#include "records/le_bytes.h"
#include "records/local_date.h"
#include "records/record_codec.h"
#include "records/team_file.h"
#include "support/byte_fields.h"
#include "support/full_game.h"
#include "support/packed_fields.h"

namespace scorewick {
namespace {

using testing::Byte;
using testing::ExpectFields;
using testing::I16;
using testing::I32;
using testing::Text;

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
  // Text fields are zero-filled behind the name.
  ExpectFields(
      b, {Text(0, "Rosa Delgado"), Byte(12, 0), Byte(24, 0), I16(25, 23), I16(27, 517), I32(29, 6),
          I32(33, 4), I32(37, 3), I32(41, -9), Byte(45, 2), Byte(46, 1), Byte(47, 2), Byte(48, 0)});

  PLAYER back;
  ASSERT_TRUE(DecodePlayer(b.data(), back));
  EXPECT_EQ(back, SamplePlayer("Rosa Delgado"));
  ASSERT_TRUE(DecodePlayer(b.data(), back, /*keyless=*/true));
  EXPECT_EQ(+back.key, 0);
}

TEST(RecordLayout, PlayerNamesAreCutToTwentyFourCharacters) {
  PLAYER p;
  p.name.set("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(p.name.view(), "ABCDEFGHIJKLMNOPQRSTUVWX");
  auto b = Encoded(p, kPlayerSize, EncodePlayer);
  ExpectFields(b, {Byte(23, 'X'), Byte(24, 0)});
  // A damaged name with no terminator is refused.
  std::memset(b.data(), 'A', 25);
  PLAYER back;
  EXPECT_FALSE(DecodePlayer(b.data(), back));
  EXPECT_EQ(back.name.view().size(), 24u);
}

// A name's text ends at its first zero byte wherever that lies, whatever
// is left behind it, and a byte from the upper half of the code page is
// text; the word-at-a-time scan finds what a byte-by-byte one finds.
TEST(RecordLayout, ANameEndsAtItsFirstZeroByte) {
  for (std::size_t end = 0; end <= 25; ++end) {
    NameText name;
    for (std::size_t i = 0; i < 25; ++i) name.bytes[i] = static_cast<char>(i % 2 ? 0xE9 : 'a' + i);
    if (end < 25) name.bytes[end] = '\0';
    if (end + 2 < 25) name.bytes[end + 2] = '\0';
    EXPECT_EQ(name.view().size(), std::min<std::size_t>(end, 24)) << end;
  }
  const std::string line = "play,7,1,\xE9x\"y\tz(1)+!";
  for (std::size_t from = 0; from <= line.size(); ++from) {
    for (unsigned limit : {1u, 0x20u, ',' + 1u, 0x80u}) {
      std::size_t want = from;
      while (want < line.size() && static_cast<unsigned char>(line[want]) >= limit) ++want;
      EXPECT_EQ(from + FirstByteBelow(line.data() + from, line.size() - from, limit), want)
          << from << " " << limit;
    }
  }
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
  ExpectFields(b, {I32(0, 7), Text(4, "Tom Reed"), I16(4 + 25, 23), I32(53, 61), I32(57, -3),
                   Byte(65, 1), Byte(66, 1), Byte(67, 1), Byte(68, 0), I32(69, 4), I32(73, 3)});
  EXPECT_EQ(le::LoadF32(b.data() + 61), 87.5f);

  PITCH p;
  p.event = 5;
  p.balls_before = 3;
  p.strikes_before = 2;
  p.detail = d;
  auto pb = Encoded(p, kPitchSize, EncodePitch);
  ExpectFields(pb, {I32(0, 5), I16(4, 3), I16(6, 2)});
  EXPECT_TRUE(std::equal(b.begin(), b.end(), pb.begin() + 8));
  PITCH back;
  ASSERT_TRUE(DecodePitch(pb.data(), back));
  EXPECT_EQ(back, p);
}

TEST(RecordLayout, FielderCreditAndNote) {
  FIELDER_CREDIT c{6, NameText("Luis Ortega"), 3};
  auto b = Encoded(c, kFielderCreditSize, EncodeFielderCredit);
  ExpectFields(b, {I32(0, 6), Text(4, "Luis Ortega"), I32(29, 3)});

  GAME_NOTE n;
  n.inning = 8;
  n.at_bat = 2;
  n.half = 0;
  n.text.set("Diving catch in the gap");
  auto nb = Encoded(n, kGameNoteSize, EncodeGameNote);
  ExpectFields(
      nb, {I32(0, 8), I32(4, 2), Byte(8, 0), Text(9, "Diving catch in the gap"), Byte(308, 0)});
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
  ExpectFields(b, {Text(0, "555-0142"), Text(25, "12 Elm Street"), Text(125, "Riverton"),
                   Text(165, "OH"), Text(205, "44101"), I32(225, 2011), Byte(229, 17), Byte(230, 6),
                   Text(231, "kid@example.net"), Text(281, "Allergic to bees")});
}

TEST(RecordLayout, GameHeader) {
  GameHeader h = testing::MakeFullGame(1, 1).header;  // Riverside Park, 14 June 2024 ...
  h.reserved_a[0] = 11;
  h.reserved_a[1] = 12;
  h.reserved_b[0] = 15;
  h.reserved_b[1] = 16;
  auto b = Encoded(h, kGameHeaderSize, EncodeGameHeader);
  ExpectFields(b, {Text(0, "Riverside Park"),
                   Text(25, "Ed Ump"),
                   Text(100, " "),
                   Text(125, "Harbor Hawks"),
                   Text(150, "Valley Foxes"),
                   I32(175, 7),
                   I32(179, 5),
                   I32(183, 2024),
                   Byte(187, 14),
                   Byte(188, 6),
                   I32(189, 30),
                   I32(193, 18),
                   I32(197, 11),
                   I32(201, 12),
                   I32(205, 41),
                   I32(209, 2),
                   I32(213, 15),
                   I32(217, 16),
                   I32(221, 2023),
                   I32(225, 3),
                   I32(229, 1250)});
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
  // Three pitcher slots of 53, 25 pitch details of 77, three players of 49,
  // fielder credits of 33 and 25 pitches of 85.
  ExpectFields(b, {Text(0, "Starter"), I32(49, 3), Text(53, "Reliever"), I32(53 + 49, -1),
                   I32(159, 2), Byte(159 + 67, 1), I32(159 + 24 * 77 + 53, 77)});
  ExpectFields(b, {Text(2084, "Resp"), Text(2133, "Batter"), Text(2182, "Runner"), I32(2231, 2),
                   I32(2235, 3), Byte(2239, 1), I32(2240, 11), I32(2244, 3), I32(2248, 2),
                   Byte(2252, 1), I32(2253, 14), Byte(2257, 1), Byte(2258, 1), I32(2259, 42)});
  ExpectFields(b, {I32(2263, 3), I32(2267, 6), Text(2267 + 4, "Short"), I32(2267 + 9 * 33 + 29, 2),
                   I32(2597, 1), Text(2601 + 4, "Third"), I32(2601 + 29, 8),
                   Text(2931 + 33 + 4, "Second"), I32(3063, 1), I32(3075, 4), I32(3083, 2),
                   Text(3095 + 3 * 33 + 4, "Catcher"), I32(3227, 5)});
  ExpectFields(b, {I32(3239, 1), I32(3243, 1), I32(3247, 4), I32(3251, 9), I32(3255, 120),
                   I32(3259, 40), I32(3263, 5), I32(3267, 2), I32(3267 + 24 * 85, 16),
                   I32(5392, 101), Byte(5396, 7), I32(5397, 102), I32(5401, 103)});

  AT_BAT back;
  ASSERT_TRUE(DecodeAtBat(b.data(), back));
  EXPECT_EQ(back, ab);
}

TEST(RecordLayout, NewRecordDefaults) {
  AT_BAT ab;
  EXPECT_FALSE(ab.HasHitLocation());
  const PITCH_DATA& detail = ab.pitch_details[3];
  EXPECT_EQ(
      Fields(ab.last_pitch, ab.pitchers[2].last_pitch, ab.batter.uniform_number, detail.pitch_type,
             detail.speed, detail.location_x, detail.location_y, ab.PitchCount()),
      std::tuple(-1, -1, -1, 11, 80.0f, 59, 94, 0));
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
  ExpectFields(
      b, {I32(0, 768), Text(4, "/teams/owls.tem"), Text(264, "Riverton Owls"),
          Text(289, "C. Vance"), Text(314, "M. Ito"), Text(339, "owl.bmp"), I32(599, 5),
          I32(603, 10), I32(607, 77), Byte(611, 1), Text(612, "Dee Hitter"),
          Text(661, "Pete Pitcher"), I32(710, 2), Text(714, "First Guy"),
          Text(714 + 49, "Second Guy"), I32(714 + 98 + 331 + 225, NewPlayerInfo().birth_year)});
}

TEST(GameModel, NewGameDefaults) {
  Game g;
  LocalDate today = Today();
  EXPECT_EQ(Fields(g.header.field.view(), g.header.umpires[3].view(), g.header.year, g.header.month,
                   g.header.creation_year, g.header.start_hour, g.header.duration_hours,
                   g.header.list_names[0].view()),
            std::tuple(" ", " ", today.year, today.month, today.year, 12, 3, ""));
  EXPECT_EQ(std::tuple(g.home.no_personal_info, g.file_path.view(), g.new_game, g.batter_due_up,
                       g.current_half_is_top),
            std::tuple(1, "*.gam", 1, 1, 1));
  EXPECT_EQ(g.winning_pitcher, PLAYER{});
}

TEST(GameModel, LastInningAndRunTotalsFollowTheLineups) {
  Game g;
  g.innings[0].top.runs = 2;
  g.innings[0].bottom.runs = 1;
  g.innings[1].top.runs = 5;  // inning 2 never began: no line-up
  EXPECT_EQ(g.LastInning(), 0);
  EXPECT_EQ(g.ComputeRunTotals(), std::make_pair(1, 2));

  // A top half with a line-up begins the inning even if the bottom never
  // came; its stored runs (0) count.
  g.innings[1].top.offense.push_back(testing::MakePlayer("A", 1, 1, 1));
  g.innings[1].bottom.runs = 0;
  EXPECT_EQ(g.LastInning(), 1);
  EXPECT_EQ(g.ComputeRunTotals(), std::make_pair(1, 7));
  EXPECT_EQ(+g.header.visitor_score, 7);
  EXPECT_EQ(g.visitor_runs, 7);

  g.innings[39].top.offense.push_back(testing::MakePlayer("B", 2, 1, 1));
  EXPECT_EQ(g.LastInning(), 39);
}

TEST(GameModel, AppearanceAndResponsiblePitcher) {
  Game g = testing::MakeFullGame(7, 3);
  const HALF_INNING& top = g.innings[0].top;
  PLAYER bench = testing::MakePlayer("Benchwarmer", 30, 0, 0);
  EXPECT_FALSE(g.PlayerAppeared(bench, 0, true));
  bench.position = 7;
  EXPECT_TRUE(g.PlayerAppeared(bench, 0, true));  // active at a fielding position
  PLAYER inactive = top.at_bats[0].batter;
  inactive.active = 0;
  inactive.position = 0;
  EXPECT_TRUE(g.PlayerAppeared(inactive, 0, true));  // he batted
  PLAYER runner = top.at_bats[1].pinch_runner;
  runner.active = 0;
  EXPECT_TRUE(g.PlayerAppeared(runner, 0, true));
  EXPECT_FALSE(g.PlayerAppeared(runner, 0, false));

  AT_BAT ab = g.innings[6].top.at_bats[0];           // a reliever came in
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab), ab);  // a real pitcher stays
  ab.responsible_pitcher.name.set("Stranger");
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab).responsible_pitcher, ab.pitchers[0].pitcher);
  ab.responsible_pitcher.name.clear();
  EXPECT_EQ(g.WithResponsiblePitcherFixed(ab).responsible_pitcher.name.view(), "");

  EXPECT_EQ(ab.PitcherCount(), 2);
  ab.pitchers[1].pitcher.name.clear();
  EXPECT_EQ(ab.PitcherCount(), 1);
  EXPECT_EQ(ab.PitchDetailsInUse(), ab.last_pitch + 1);
}

TEST(GameModel, ReleaseEmptiesEverything) {
  Game g = testing::MakeFullGame(3, 2);
  g.Release();
  EXPECT_EQ(g.home.count(), 0);
  EXPECT_TRUE(g.innings[0].top.at_bats.empty());
  EXPECT_TRUE(g.notes.empty());
  EXPECT_EQ(g.file_path.view(), "*.gam");
  EXPECT_EQ(g.new_game, 1);
}

// Code page 1252 to UTF-8 and back, as every edge converts record texts.

TEST(Cp1252, ConvertsBothWays) {
  const struct {
    std::string cp1252;
    std::string utf8;
  } cases[] = {
      {"Jos\xE9 N\xFA\xF1"
       "ez",
       "José Núñez"},
      {"\x80 5", "€ 5"},  // the euro sign lies in 0x80..0x9F
      {"\x93Sluggo\x94 \x8A\x9F", "“Sluggo” ŠŸ"},
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Cp1252, EveryByteComesBackAsItWas) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, WhatTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xFF"
                         "b"),
            "a?b");                                    // not UTF-8 at all
  EXPECT_EQ(Utf8ToCp1252("cut \xC3"), "cut ?");        // a sequence cut short
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8E\x89!"), "?!");  // beyond the basic plane
}

}  // namespace
}  // namespace scorewick
