#include "exchange/palm_team_stream.h"

#include <gtest/gtest.h>

#include <tuple>

#include "exchange/palm_player.h"
#include "support/byte_fields.h"
#include "support/full_game.h"
#include "support/packed_fields.h"
#include "support/told.h"

using namespace std::string_literals;

namespace scorewick {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::Be16;
using testing::Byte;
using testing::ExpectFields;
using testing::HomeTeam;
using testing::Text;

Bytes Encode(const Team& team) {
  Bytes stream;
  std::string error;
  EXPECT_TRUE(testing::Done(EncodePalmTeamStream(team, stream), &error)) << error;
  return stream;
}

TEST(PalmTeamStream, TwelvePlayerLayout) {
  Team team = HomeTeam();
  ASSERT_EQ(team.count(), 12);
  Bytes s = Encode(team);
  ASSERT_EQ(s.size(), 561u);  // 153 + 12 * 34
  // Tag, version 512, names, line-up size, extra value, the DH flag, the DH
  // and the player he bats for, the roster count; then the second roster
  // player field by field.
  const std::size_t p = 153 + 34;
  const PLAYER& bea = team.player(1);
  ExpectFields(s, {Text(0, "tem"), Byte(3, 0), Be16(4, 512), Text(6, "Harbor Hawks"),
                   Text(31, "Harbor Hawks coach"), Text(56, "Harbor Hawks manager"), Byte(81, 9),
                   Byte(82, 2), Byte(83, 1), Text(84, "Jo Lamb"), Text(118, "Ann Cole"),
                   Byte(152, 12), Text(p, "Bea Diaz")});
  ExpectFields(
      s, {Byte(p + 25, bea.uniform_number), Byte(p + 26, bea.position),
          Byte(p + 27, bea.batting_order), Byte(p + 28, bea.entered_inning),
          Byte(p + 29, bea.entry_value), Byte(p + 30, bea.entry_flag), Byte(p + 31, bea.active),
          Byte(p + 32, bea.bats), Byte(p + 33, bea.throws_right)});
}

TEST(PalmTeamStream, WhatTravelsAndWhatStaysBehind) {
  Team team = HomeTeam();
  team.player(0).uniform_number = -1;   // no number: 0xFF, back as -1
  team.player(1).uniform_number = 200;  // cut to 8 bits: back as -56
  team.player(2).bats = 200;            // bats are read unsigned
  team.player(3).position = -3;
  team.info(0).phone.set("555-0100");

  Bytes s = Encode(team);
  EXPECT_EQ(s[153 + 25], 0xFF);
  EXPECT_EQ(s[153 + 34 + 25], 200);

  Team back;
  UserMessages messages;
  std::string error;
  ASSERT_EQ(testing::Told(DecodePalmTeamStream(s, back), messages, &error), Fault::kNone) << error;
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(back.count(), 12);
  EXPECT_EQ(
      std::tuple(back.team_name, back.lineup_size, back.extra_value, back.uses_designated_hitter),
      std::tuple(team.team_name, 9, 2, 1));
  // Keys and personal information stay behind; the number of 200 comes
  // back as -56, the rest as it went.
  for (int i = 0; i < back.count(); ++i) {
    EXPECT_EQ(back.info(i), PLAYER_INFO{});
    PLAYER expected = team.player(i);
    expected.key = 0;
    if (i == 1) expected.uniform_number = -56;
    EXPECT_EQ(back.player(i), expected) << i;
  }
  PLAYER dh = team.designated_hitter;
  dh.key = 0;
  EXPECT_EQ(back.designated_hitter, dh);
  // Logo and reserved value stay behind: a new team keeps its own.
  EXPECT_EQ(back.logo_file.view(), "logo.bmp");
  EXPECT_EQ(back.reserved, 0);
}

TEST(PalmTeamStream, NamesTravelClosedAtTwentyFourCharacters) {
  Team team;
  PLAYER p;
  p.name.set("Maximiliana Featherstone-Oyelaran");  // cut to 24 when set
  team.AddPlayer(p, PLAYER_INFO{});
  // A record whose name field was filled to the last byte by another program.
  team.player(0).name.bytes.fill('x');
  Bytes s = Encode(team);
  EXPECT_EQ(s[153 + 24], 0);
  Team back;
  UserMessages messages;
  ASSERT_EQ(testing::Told(DecodePalmTeamStream(s, back), messages, nullptr), Fault::kNone);
  EXPECT_EQ(back.player(0).name.view(), std::string(24, 'x'));

  // Team names travel as held; one without a terminator is closed on reading.
  Bytes damaged = s;
  std::fill(damaged.begin() + 6, damaged.begin() + 31, 'T');
  ASSERT_EQ(testing::Told(DecodePalmTeamStream(damaged, back), messages, nullptr), Fault::kNone);
  EXPECT_TRUE(back.team_name.terminated());
  EXPECT_EQ(back.team_name.view(), std::string(24, 'T'));
}

TEST(PalmTeamStream, WrongTagAndVersionAreRefusedWithTheirMessages) {
  Bytes s = Encode(HomeTeam());
  Team back;
  UserMessages messages;

  Bytes upper = s;
  upper[0] = 'T';
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(upper, back), messages, nullptr), Fault::kWrongTag);
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(Bytes{}, back), messages, nullptr),
            Fault::kWrongTag);
  Bytes v768 = s;
  v768[4] = 0x03;  // 768: a valid team file version, but not a Palm stream's
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(v768, back), messages, nullptr), Fault::kBadVersion);

  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(std::tuple(messages[0].text, messages[0].caption, messages[0].icon, messages[2].text,
                       messages[2].caption),
            std::tuple("Not a Palm Team", "Load Error", MessageIcon::kExclamation,
                       "Palm Team Version Number is Incorrect", "Load Error"));
}

TEST(PalmTeamStream, DamagedStreamsAreRefused) {
  Bytes s = Encode(HomeTeam());
  UserMessages messages;
  std::string error;

  Bytes negative = s;
  negative[152] = 0xF0;
  Team back;
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(negative, back), messages, &error), Fault::kDamaged);
  EXPECT_NE(error.find("negative"), std::string::npos) << error;
  EXPECT_EQ(back.count(), 0);

  Bytes more = s;
  more[152] = 100;  // more players than the stream holds
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(more, back), messages, &error), Fault::kDamaged);
  EXPECT_NE(error.find("byte 152"), std::string::npos) << error;

  for (std::size_t cut : {5u, 40u, 152u, 560u}) {
    SCOPED_TRACE(cut);
    Team partial;
    EXPECT_EQ(
        testing::Told(DecodePalmTeamStream(std::span(s.data(), cut), partial), messages, &error),
        Fault::kDamaged);
    EXPECT_EQ(partial.count(), 0);
  }
  EXPECT_TRUE(messages.empty());
}

TEST(PalmTeamStream, RosterOverOneHundredTwentySevenIsRefused) {
  Team team;
  team.team_name.set("Big Club");
  for (int i = 0; i < 127; ++i) {
    PLAYER p;
    p.name.set("Player " + std::to_string(i));
    team.AddPlayer(p, PLAYER_INFO{});
  }
  Bytes s;
  std::string error;
  ASSERT_TRUE(testing::Done(EncodePalmTeamStream(team, s), &error));
  EXPECT_EQ(s.size(), 153u + 127 * 34);
  team.AddPlayer(PLAYER{}, PLAYER_INFO{});
  EXPECT_FALSE(testing::Done(EncodePalmTeamStream(team, s), &error));
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(error, "The roster of Big Club has 128 players; a Palm team holds at most 127.");
}

TEST(PalmPlayerReference, RosterLookupAndRefusals) {
  Team roster = HomeTeam();
  Bytes b;
  ByteWriter out(b);
  PLAYER known = roster.player(4);
  known.position = 7;
  known.active = 1;
  WritePlayerReference(out, known, RosterNames(roster));
  PLAYER renamed = roster.player(4);
  renamed.name.set("Eli Grey");  // renamed after the game was scored
  WritePlayerReference(out, renamed, RosterNames(roster));
  ASSERT_EQ(b.size(), 18u);
  EXPECT_EQ(b[0], 4);
  EXPECT_EQ(b[9], 0xFF);

  ByteReader in(b);
  PLAYER first = ReadPlayerReference(in, roster);
  EXPECT_EQ(
      Fields(first.name.view(), first.uniform_number, first.position, first.active, first.key),
      Fields("Eli Gray", roster.player(4).uniform_number, 7, 1, 0));
  EXPECT_EQ(ReadPlayerReference(in, roster), PLAYER{});
  EXPECT_TRUE(in.ok());

  for (std::uint8_t index : {std::uint8_t{12}, std::uint8_t{0xFE}}) {
    Bytes bad = b;
    bad[0] = index;
    ByteReader r(bad);
    ReadPlayerReference(r, roster);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error().find("roster holds 12"), std::string::npos) << r.error();
  }
}

}  // namespace
}  // namespace scorewick
