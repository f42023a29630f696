#include "records/game_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "intake/game_intake.h"
#include "records/byte_writer.h"
#include "records/codes.h"
#include "records/file_io.h"
#include "records/le_bytes.h"
#include "records/record_codec.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/packed_fields.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

using testing::MakeFullGame;
using testing::MakePlayer;

// Where the parts of a game file lie, the offsets stated once: the version
// word, the 233-byte header, the two teams (714 bytes each and 49 a player),
// the 13 bytes of the current position, the 147 of the three pitchers of
// record, the two designated-hitter flags, then 80 halves (28 bytes each
// when empty) and the note count.
constexpr std::size_t kTeamsAt = 4 + 233;
constexpr std::size_t kEmptyTeam = 714;
std::size_t DesignatedHitterFlagsAt(int players) {
  return kTeamsAt + 2 * kEmptyTeam + 49 * static_cast<std::size_t>(players) + 13 + 147;
}
const std::size_t kFirstHalfAt = DesignatedHitterFlagsAt(0) + 2;

// What the decoder made of bytes (Fault::kNone when read), with its
// messages added to *messages and its reason in *error.
Fault Decode(const std::vector<std::uint8_t>& bytes, Game& game, UserMessages* messages = nullptr,
             std::string* error = nullptr) {
  Status decoded = DecodeGameFile(bytes, game);
  if (messages) messages->insert(messages->end(), decoded.messages.begin(), decoded.messages.end());
  if (error) *error = decoded.reason;
  return decoded.fault;
}

TEST(GameFile, FullGameSurvivesSaveAndLoadFieldForField) {
  TempDir dir;
  Game game = MakeFullGame();
  for (int i = 0; i < 2; ++i) game.header.reserved_a[i] = game.header.reserved_b[i] = i + 1;
  game.notes.back().text.set(std::string(299, 'n'));
  ASSERT_TRUE(SaveGame(dir.Path("full.gam"), game));
  Game loaded;
  const Status status = LoadGame(dir.Path("full.gam"), loaded);
  ASSERT_TRUE(status);
  EXPECT_TRUE(status.messages.empty());
  EXPECT_EQ(loaded.new_game, 0);
  // The teams take the paths stored with them; everything else is as saved.
  EXPECT_EQ(loaded.home.file_path.view(), "hawks.tem");
  game.file_path.set(dir.Path("full.gam"));
  EXPECT_EQ(loaded, game);

  // Saving the loaded game writes the same bytes again.
  std::vector<std::uint8_t> first, second;
  EncodeGameFile(game, first);
  EncodeGameFile(loaded, second);
  EXPECT_EQ(first, second);
}

TEST(GameFile, EmptyGameHasTheDocumentedLength) {
  Game game;
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(game, bytes);
  EXPECT_EQ(bytes.size(), kFirstHalfAt + 80 * 28 + 4);
  EXPECT_EQ(le::LoadI32(bytes.data()), 768);
  Game back;
  ASSERT_EQ(Decode(bytes, back), Fault::kNone);
  EXPECT_EQ(back.LastInning(), 0);
}

TEST(GameFile, OtherVersionsAreRefusedWithTheVersionMessage) {
  TempDir dir;
  for (std::int32_t version : {1024, 0, 511, 600, 769}) {
    std::vector<std::uint8_t> bytes;
    EncodeGameFile(MakeFullGame(1, 1), bytes);
    le::StoreI32(bytes.data(), version);
    ASSERT_TRUE(WriteFileAtomically(dir.Path("v.gam"), bytes));
    Game game;
    const Status status = LoadGame(dir.Path("v.gam"), game);
    EXPECT_FALSE(status) << version;
    ASSERT_EQ(status.messages.size(), 1u);
    EXPECT_EQ(Fields(status.messages[0].text.starts_with("Invalid Game File Version #"),
                     status.messages[0].caption, game.new_game, game.LastInning()),
              std::tuple(true, "ERROR", 1, 0));
  }
}

TEST(GameFile, DamagedFilesAreRefusedWholeAndNamed) {
  std::vector<std::uint8_t> good;
  EncodeGameFile(MakeFullGame(3, 2), good);

  // Cut at every kind of place: inside the header, a team, an at-bat, a
  // line-up, the notes.
  for (std::size_t cut : {std::size_t{2}, std::size_t{100}, std::size_t{800}, good.size() / 2,
                          good.size() - 320, good.size() - 1}) {
    std::vector<std::uint8_t> bytes(good.begin(), good.begin() + static_cast<long>(cut));
    Game game;
    std::string error;
    EXPECT_EQ(Decode(bytes, game, nullptr, &error), Fault::kDamaged) << cut;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(game.new_game, 1);
    EXPECT_TRUE(game.innings[0].top.at_bats.empty()) << "half-loaded at " << cut;
  }

  // An at-bat count far beyond the file is refused before anything is
  // allocated for it.
  Game empty;
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(empty, bytes);
  le::StoreI32(bytes.data() + kFirstHalfAt + 16, 0x7fffffff);
  Game game;
  std::string error;
  EXPECT_EQ(Decode(bytes, game, nullptr, &error), Fault::kDamaged);
  EXPECT_NE(error.find("at-bat count"), std::string::npos) << error;

  // A name without terminator.
  EncodeGameFile(MakeFullGame(1, 1), bytes);
  std::fill_n(bytes.begin() + 4, 25, 'x');
  EXPECT_EQ(Decode(bytes, game, nullptr, &error), Fault::kDamaged);

  TempDir dir;
  bytes.assign(good.begin(), good.begin() + 5000);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("cut.gam"), bytes));
  Game loaded;
  const Status status = LoadGame(dir.Path("cut.gam"), loaded);
  EXPECT_FALSE(status);
  ASSERT_EQ(status.messages.size(), 1u);
  EXPECT_NE(status.messages[0].text.find("cut.gam"), std::string::npos);
  EXPECT_EQ(status.file, dir.Path("cut.gam"));
  EXPECT_GT(status.byte, 0);
  EXPECT_LE(status.byte, 5000);
  EXPECT_EQ(loaded.file_path.view(), dir.Path("cut.gam"));
}

TEST(GameFile, NegativeCountsReadAsEmpty) {
  Game empty;
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(empty, bytes);
  le::StoreI32(bytes.data() + kFirstHalfAt + 16, -3);  // at-bats
  le::StoreI32(bytes.data() + kFirstHalfAt + 20, -1);  // offense
  le::StoreI32(bytes.data() + bytes.size() - 4, -8);   // notes
  Game game;
  ASSERT_EQ(Decode(bytes, game), Fault::kNone);
  EXPECT_TRUE(game.innings[0].top.at_bats.empty());
  EXPECT_TRUE(game.notes.empty());
}

TEST(GameFile, TeamWithBadVersionInsideAGameStaysEmptyAndIsReported) {
  Game source;
  source.home = testing::MakeTeam("Home", 0);
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(source, bytes);
  // The home team has no players: its sequence is exactly 714 bytes and
  // reading goes on at the visitors'.  Give it a bad version word and
  // remove the rest of its sequence, as a file written that way would be.
  le::StoreI32(bytes.data() + kTeamsAt, 100);
  bytes.erase(bytes.begin() + kTeamsAt + 4, bytes.begin() + kTeamsAt + kEmptyTeam);
  Game game;
  UserMessages messages;
  EXPECT_EQ(Decode(bytes, game, &messages), Fault::kNone);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(Fields(messages[0].text, messages[0].caption),
            std::tuple("Invalid Team File", "Unable to read Team file"));
  EXPECT_TRUE(game.home.team_name.empty());
}

TEST(GameFile, AReusedGameCarriesNothingFromARefusedFile) {
  // A file whose home designated hitter has a damaged name is refused...
  std::vector<std::uint8_t> damaged;
  EncodeGameFile(MakeFullGame(1, 1), damaged);
  std::fill_n(damaged.begin() + kTeamsAt + 612, 25, 'x');
  Game game;
  ASSERT_EQ(Decode(damaged, game), Fault::kDamaged);

  // ...and the next file read into the same object, whose teams both have
  // a refused version word, holds new teams, not the damaged leftovers.
  Game source;
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(source, bytes);
  // Both team sequences become a lone refused version word.
  bytes.erase(bytes.begin() + kTeamsAt, bytes.begin() + kTeamsAt + 2 * kEmptyTeam);
  const std::uint8_t refused[8] = {1, 0, 0, 0, 1, 0, 0, 0};
  bytes.insert(bytes.begin() + kTeamsAt, refused, refused + 8);
  UserMessages messages;
  ASSERT_EQ(Decode(bytes, game, &messages), Fault::kNone);
  EXPECT_EQ(messages.size(), 2u);
  Team fresh;
  fresh.no_personal_info = 1;
  EXPECT_EQ(game.home, fresh);
  EXPECT_EQ(game.visitor, fresh);
  std::vector<std::uint8_t> again;
  EncodeGameFile(game, again);
  Game reread;
  EXPECT_EQ(Decode(again, reread), Fault::kNone);
}

TEST(GameFile, DesignatedHitterBytesAfterThePitchersWin) {
  Game game = MakeFullGame(1, 1);
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(game, bytes);
  const std::size_t dh_at = DesignatedHitterFlagsAt(game.home.count() + game.visitor.count());
  ASSERT_EQ(bytes[dh_at], 1);      // home uses a DH
  ASSERT_EQ(bytes[dh_at + 1], 0);  // visitors do not
  bytes[dh_at] = 0;
  bytes[dh_at + 1] = 1;
  Game back;
  ASSERT_EQ(Decode(bytes, back), Fault::kNone);
  EXPECT_EQ(Fields(back.home.uses_designated_hitter, back.visitor.uses_designated_hitter),
            std::tuple(0, 1));
}

// --- Format 2.0 -------------------------------------------------------

void WriteOldPlayer(ByteWriter& out, const PLAYER& p) {
  PLAYER copy = p;
  std::uint8_t* at = out.Append(kPlayerSize);
  EncodePlayer(at, copy);
  at[27] = 0x5A;  // bytes 27..28 held something else in this format
  at[28] = 0xA5;
}

void WriteOldCredit(ByteWriter& out, int position, const char* name) {
  out.I32(position);
  NameText n(name);
  out.Text(n);
}

// A 2563-byte at-bat of the older format.
void WriteOldAtBat(ByteWriter& out, const PLAYER& batter, const PLAYER& pitcher, int how_out,
                   int fielders, bool out_flag) {
  std::size_t start = out.position();
  for (int i = 0; i < 3; ++i) {
    WriteOldPlayer(out, i == 0 ? pitcher : PLAYER{});
    out.I32(i == 0 ? 3 : -1);
  }
  for (int i = 0; i < 25 * 69; ++i) out.U8(0x33);  // old pitch details: dropped
  WriteOldPlayer(out, pitcher);
  WriteOldPlayer(out, batter);
  WriteOldPlayer(out, PLAYER{});
  out.I32(2);         // strikes
  out.I32(1);         // balls
  out.I32(777);       // dropped
  out.U8(0);          // reached
  out.I32(0);         // how reached
  out.I32(0);         // bases reached
  out.I32(0);         // RBI
  out.U8(out_flag);   // out
  out.I32(how_out);   // how out
  out.U8(0);          // scored
  out.U8(0);          // earned
  out.I32(9);         // box number
  out.I32(fielders);  // out credit count
  const int positions[4] = {6, 4, 3, 2};
  for (int k = 0; k < 4; ++k)
    WriteOldCredit(out, k < fielders ? positions[k] : 0, k < fielders ? "Fielder" : "");
  out.I32(1);
  for (int k = 0; k < 4; ++k) WriteOldCredit(out, k == 0 ? 5 : 0, k == 0 ? "Reacher" : "");
  for (int k = 0; k < 4; ++k) WriteOldCredit(out, k == 1 ? 9 : 0, k == 1 ? "Erring" : "");
  for (int i = 0; i < 16; ++i) out.U8(0x44);  // dropped
  out.I32(1);
  out.I32(2);
  out.I32(0);  // advances
  out.I32(150);
  out.I32(60);  // hit location
  out.I32(2);   // last pitch
  for (int i = 0; i < 25; ++i) out.I32(i < 3 ? (i == 2 ? 5 : 1) : 0);
  ASSERT_EQ(out.position() - start, kOldAtBatSize);
}

std::vector<std::uint8_t> OldFormatGame(const std::vector<std::pair<int, int>>& plays) {
  Game shell;
  shell.home = testing::MakeTeam("Old Home", 3);
  shell.visitor = testing::MakeTeam("Old Road", 3);
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  out.I32(512);
  EncodeGameHeader(out.Append(kGameHeaderSize), shell.header);
  Team home = shell.home;
  Team visitor = shell.visitor;
  WriteTeam(out, home, false);
  WriteTeam(out, visitor, false);
  le::StoreI32(bytes.data() + kTeamsAt, 512);  // the teams carry the old version word too
  out.I32(0);
  out.I32(0);
  out.U8(1);
  out.I32(1);
  for (int i = 0; i < 3; ++i) WriteOldPlayer(out, shell.home.player(i));
  out.U8(0);
  out.U8(0);
  for (int half = 0; half < 80; ++half) {
    out.I32(half == 0 ? 1 : 0);
    out.I32(0);
    out.I32(0);
    out.I32(0);
    if (half == 0) {
      out.I32(static_cast<std::int32_t>(plays.size()));
      for (auto [how_out, fielders] : plays) {
        WriteOldAtBat(out, shell.visitor.player(0), shell.home.player(1), how_out, fielders, true);
      }
      out.I32(1);
      WriteOldPlayer(out, shell.visitor.player(0));
      out.I32(0);
    } else {
      out.I32(0);
      out.I32(0);
      out.I32(0);
    }
  }
  out.I32(0);
  return bytes;
}

TEST(GameFile, FormatTwoIsConvertedOnLoading) {
  std::vector<std::uint8_t> bytes = OldFormatGame({{6, 3}, {6, 1}, {7, 3}, {3, 2}});
  Game game;
  ASSERT_EQ(Decode(bytes, game), Fault::kNone);
  EXPECT_EQ(game.new_game, 0);
  const auto& at_bats = game.innings[0].top.at_bats;
  ASSERT_EQ(at_bats.size(), 4u);

  const AT_BAT& dp = at_bats[0];
  EXPECT_EQ(Fields(dp.batter.name.view(), dp.batter.key, dp.pitchers[0].pitcher.key,
                   dp.pitchers[0].last_pitch, dp.strikes, dp.balls, dp.box_number,
                   dp.PitchDetailsInUse(), dp.out_credits[0].position),
            std::tuple("Old Road P0", 0, 0, 3, 2, 1, 9, 0, 6));
  EXPECT_EQ(dp.pitch_details[0], PITCH_DATA{});
  EXPECT_EQ(Fields(dp.error_kinds[0], dp.error_kinds[1], dp.error_kinds[2], dp.error_kinds[3]),
            std::tuple(0, 0, 0, 0));
  EXPECT_EQ(Fields(dp.reach_credits[0].name.view(), dp.reach_credits[0].credit,
                   dp.error_credits[1].name.view(), dp.advances[0], dp.advances[1], dp.advances[2],
                   dp.hit_x, dp.last_pitch),
            std::tuple("Reacher", 0, "Erring", 1, 2, 0, 150, 2));
  EXPECT_EQ(Fields(dp.pitches[2].event, dp.pitches[2].balls_before, dp.pitches[2].detail.valid),
            std::tuple(5, 0, 0));

  // The out credits of the double play 6-4-3, an unassisted double play, a
  // triple play 5-4-3 style and a ground out of two fielders.
  auto credits = [&](std::size_t i) {
    std::vector<std::int32_t> out;
    for (const FIELDER_CREDIT& c : at_bats[i].out_credits) out.push_back(+c.credit);
    out.resize(4);
    return out;
  };
  using V = std::vector<std::int32_t>;
  EXPECT_EQ(credits(0), (V{kCreditAssist, kCreditPutOutAndAssist, kCreditPutOut, 0}));
  EXPECT_EQ(credits(1), (V{kCreditTwoPutOuts, 0, 0, 0}));
  EXPECT_EQ(credits(2), (V{kCreditPutOutAndAssist, kCreditAssist, kCreditPutOut, 0}));
  EXPECT_EQ(credits(3), (V{kCreditAssist, kCreditPutOut, 0, 0}));

  // The team reader drops keys of 2.0 teams.
  EXPECT_EQ(
      Fields(game.winning_pitcher.key, game.innings[0].top.offense[0].key, game.home.player(0).key),
      std::tuple(0, 0, 0));

  // Saving writes format 3.0 with full-size at-bats.
  std::vector<std::uint8_t> saved;
  EncodeGameFile(game, saved);
  EXPECT_EQ(le::LoadI32(saved.data()), 768);
  Game again;
  ASSERT_EQ(Decode(saved, again), Fault::kNone);
  EXPECT_EQ(again.innings, game.innings);
}

TEST(GameFile, ListHeaderTellsCurrentFromPriorFormats) {
  TempDir dir;
  Game game = MakeFullGame(1, 1);
  ASSERT_TRUE(SaveGame(dir.Path("new.gam"), game));
  auto entry = ReadGameListHeader(dir.Path("new.gam"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_TRUE(entry->current);
  EXPECT_EQ(GameListEntry(*entry, "(Prior Version Format)"), "Valley Foxes\nvs\nHarbor Hawks");

  // A file with no version word starts with the header itself; a 2.0 file
  // is listed as prior format too.
  std::vector<std::uint8_t> old(kGameHeaderSize + 10);
  EncodeGameHeader(old.data(), game.header);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.gam"), old));
  entry = ReadGameListHeader(dir.Path("old.gam"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_FALSE(entry->current);
  EXPECT_EQ(GameListEntry(*entry, "(Version 1.7 Format)"),
            "Valley Foxes\nvs\nHarbor Hawks\n(Version 1.7 Format)");
  ASSERT_TRUE(WriteFileAtomically(dir.Path("v2.gam"), OldFormatGame({})));
  entry = ReadGameListHeader(dir.Path("v2.gam"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_FALSE(entry->current);

  EXPECT_FALSE(ReadGameListHeader(dir.Path("missing.gam")).has_value());
  ASSERT_TRUE(WriteFileAtomically(dir.Path("tiny.gam"), std::vector<std::uint8_t>(40)));
  EXPECT_FALSE(ReadGameListHeader(dir.Path("tiny.gam")).has_value());
}

// What an analysis takes in: the kind of each refusal and its reason,
// without the file's name (which the refusal carries once).
TEST(GameFile, TheIntakeTellsGamesFromFilesThatAreNot) {
  TempDir dir;
  Game game = MakeFullGame(1, 1);
  ASSERT_TRUE(SaveGame(dir.Path("new.gam"), game));
  ASSERT_TRUE(SaveTeam(dir.Path("team.gam"), game.home));
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("new.gam"), bytes));
  bytes.resize(bytes.size() / 2);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("cut.gam"), bytes));
  std::vector<std::uint8_t> old(kGameHeaderSize + 10);
  EncodeGameHeader(old.data(), game.header);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.gam"), old));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("v2.gam"), OldFormatGame({})));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("zeros.gam"), std::vector<std::uint8_t>(600)));
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("notes.gam"), std::string(600, 'n')));
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("empty.gam"), ""));
  std::filesystem::create_directories(dir.Path("folder.gam"));
  const struct {
    const char* name;
    std::optional<Fault> fault;  // none: taken in
    const char* reason;
  } cases[] = {
      {"new.gam", std::nullopt, ""},
      {"cut.gam", Fault::kDamaged, "byte"},
      {"team.gam", Fault::kNotAGame, "a team file, not a game file"},
      {"old.gam", Fault::kPriorFormat, "not in the 3.0 game format"},
      {"v2.gam", Fault::kPriorFormat, "not in the 3.0 game format"},
      {"zeros.gam", Fault::kNotAGame, "not a game file"},
      {"notes.gam", Fault::kNotAGame, "not a game file"},
      {"empty.gam", Fault::kNotAGame, "the file is empty"},
      {"folder.gam", Fault::kNone, "cannot open: it is a folder"},
      {"missing.gam", Fault::kNone, "cannot open: No such file or directory"},
  };
  GameIntake intake;
  Game taken;
  for (const auto& c : cases) {
    const Status taken_in = intake.Take(dir.Path(c.name), taken);
    ASSERT_EQ(!taken_in, c.fault.has_value()) << c.name;
    if (taken_in) continue;
    const GameRefusal refused = GameRefusal::Of(taken_in);
    EXPECT_EQ(refused.fault, *c.fault) << c.name;
    EXPECT_EQ(refused.file, dir.Path(c.name));
    EXPECT_NE(refused.reason.find(c.reason), std::string::npos) << refused.reason;
    EXPECT_EQ(refused.reason.find(dir.path().string()), std::string::npos) << refused.reason;
    // The look at the first bytes agrees, except on what only decoding shows.
    const Status checked = intake.Check(dir.Path(c.name));
    if (*c.fault != Fault::kDamaged && std::string(c.name) != "team.gam") {
      ASSERT_FALSE(checked) << c.name;
      EXPECT_EQ(checked.fault, *c.fault) << c.name;
    }
  }
  // The same file under another name, and through a link, is one file.
  std::filesystem::create_symlink("new.gam", dir.Path("link.gam"));
  std::vector<std::pair<std::string, std::string>> repeats;
  const auto kept =
      DistinctGameFiles({dir.Path("new.gam"), dir.Path("v2.gam"), dir.Path("./new.gam"),
                         dir.Path("link.gam"), dir.Path("missing.gam"), dir.Path("missing.gam")},
                        &repeats);
  EXPECT_EQ(kept, (std::vector<std::string>{dir.Path("new.gam"), dir.Path("v2.gam"),
                                            dir.Path("missing.gam")}));
  EXPECT_EQ(repeats.size(), 3u);
}

TEST(GameFile, FailedSaveLeavesThePreviousFileWhole) {
  TempDir dir;
  Game game = MakeFullGame(1, 1);
  ASSERT_TRUE(SaveGame(dir.Path("keep.gam"), game));
  std::vector<std::uint8_t> before;
  ASSERT_TRUE(ReadWholeFile(dir.Path("keep.gam"), before));
  // The same file saved again with a longer game, on a disk that fills up
  // half-way: the save fails and the file saved before is still whole.
  Game longer = MakeFullGame();
  {
    FileSizeLimit disk_full(before.size() + 100);
    const Status status = SaveGame(dir.Path("keep.gam"), longer);
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.reason.empty());
    EXPECT_EQ(status.file, dir.Path("keep.gam"));
  }
  EXPECT_FALSE(SaveGame(dir.Path("no/such/folder/x.gam"), game));
  std::vector<std::uint8_t> after;
  ASSERT_TRUE(ReadWholeFile(dir.Path("keep.gam"), after));
  EXPECT_EQ(before, after);
  EXPECT_EQ(FilesIn(dir.path()), 1);  // no temporary file is left behind
}

// A team or game file of another version is refused with the program's
// words first, then the file and the version word it holds.
TEST(RefusalNames, OtherVersionsNameTheFileAndTheWord) {
  TempDir dir;
  std::vector<std::uint8_t> team_bytes = EncodeTeamFile(Team{});
  std::vector<std::uint8_t> game_bytes;
  EncodeGameFile(Game{}, game_bytes);
  le::StoreI32(team_bytes.data(), 100);
  le::StoreI32(game_bytes.data(), 1024);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.tem"), team_bytes));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.gam"), game_bytes));

  Team team;
  Game game;
  const struct {
    Status status;
    std::string expected;
  } cases[] = {
      {LoadTeam(dir.Path("old.tem"), team),
       "Invalid Team File\n\n" + dir.Path("old.tem") +
           ": the version word is 100, not 512 to 768 as in a team file"},
      {LoadGame(dir.Path("old.gam"), game),
       "Invalid Game File Version #\n\n" + dir.Path("old.gam") +
           ": the version word is 1024, not 512 or 768 as in a game file"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.status.ok);
    ASSERT_EQ(c.status.messages.size(), 1u) << c.expected;
    EXPECT_EQ(c.status.messages[0].text, c.expected);
    EXPECT_NE(c.status.reason.find("the version word is"), std::string::npos) << c.status.reason;
  }
}

}  // namespace
}  // namespace scorewick
