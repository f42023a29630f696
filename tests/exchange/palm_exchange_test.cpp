#include "exchange/palm_exchange.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "exchange/palm_database.h"
#include "exchange/palm_game_stream.h"
#include "exchange/palm_team_stream.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick {
namespace {

using testing::MakeFullGame;

void ForEachPlayer(Game& game, const std::function<void(PLAYER&)>& f) {
  for (Team* team : {&game.home, &game.visitor}) {
    for (int i = 0; i < team->count(); ++i) f(team->player(i));
    f(team->designated_hitter);
    f(team->dh_bats_for);
  }
  f(game.winning_pitcher);
  f(game.saving_pitcher);
  f(game.losing_pitcher);
  for (INNING& inning : game.innings) {
    for (HALF_INNING* half : {&inning.top, &inning.bottom}) {
      for (PLAYER& p : half->offense) f(p);
      for (PLAYER& p : half->defense) f(p);
      for (AT_BAT& ab : half->at_bats) {
        for (PITCHER_SLOT& slot : ab.pitchers) f(slot.pitcher);
        for (PITCH_DATA& d : ab.pitch_details) f(d.pitcher);
        for (PITCH& p : ab.pitches) f(p.detail.pitcher);
        f(ab.responsible_pitcher);
        f(ab.batter);
        f(ab.pinch_runner);
      }
    }
  }
}

// What a game looks like after a trip through the Palm form, field by field
// for what stays behind.
Game AfterPalmTrip(Game game, const std::string& database_path) {
  game.file_path.set(database_path);
  game.new_game = 1;  // a game read from the Palm is new to the PC
  game.home_runs = game.visitor_runs = 0;
  for (int i = 0; i < 2; ++i) {  // reserved values stay behind
    game.header.reserved_a[i] = 0;
    game.header.reserved_b[i] = 0;
  }
  for (Team* team : {&game.home, &game.visitor}) {
    team->file_path.clear();  // team paths, logos and reserved values stay behind
    team->logo_file.set("logo.bmp");
    team->reserved = 0;
  }
  ForEachPlayer(game, [](PLAYER& p) { p.key = 0; });  // keys stay behind
  return game;
}

TEST(PalmExchange, FullGameRoundTripThroughFiles) {
  TempDir dir;
  Game original = MakeFullGame(9, 4);
  original.header.reserved_a[0] = 4;
  original.header.reserved_a[1] = 5;
  original.header.reserved_b[1] = 7;
  original.home.player(2).key = 77;
  std::string error;
  ASSERT_TRUE(SaveGame(dir.Path("Opener.gam"), original)) << error;

  ScriptedUi ui;
  Game loaded;
  ASSERT_TRUE(Show(ui, LoadGame(dir.Path("Opener.gam"), loaded)));
  const std::string pdb = dir.Path(PalmExportName(dir.Path("Opener.gam")));
  EXPECT_EQ(pdb, dir.Path("Opener.pdb"));
  ASSERT_TRUE(Show(ui, ExportPalmGame(loaded, pdb)));
  EXPECT_EQ(loaded.file_path.view(), pdb);
  EXPECT_EQ(PalmStreamKind(pdb), PalmKind::kGame);

  Game back;
  ASSERT_TRUE(Show(ui, ImportPalmGame(back, pdb)));
  EXPECT_TRUE(ui.messages.empty());
  Game expected = AfterPalmTrip(loaded, pdb);
  EXPECT_EQ(back, expected);

  // And on to a game file again, which reads back the same.
  ASSERT_TRUE(SaveGame(dir.Path("Opener2.gam"), back)) << error;
  Game again;
  ASSERT_TRUE(Show(ui, LoadGame(dir.Path("Opener2.gam"), again)));
  again.new_game = 1;
  again.file_path = back.file_path;
  again.home.file_path.clear();
  again.visitor.file_path.clear();
  EXPECT_EQ(again, back);
}

TEST(PalmExchange, TeamRoundTripFromATeamFile) {
  TempDir dir;
  Team team = testing::HomeTeam();
  team.info(3).email.set("dee@example.org");
  std::string error;
  ASSERT_TRUE(SaveTeam(dir.Path("Hawks.tem"), team)) << error;
  ScriptedUi ui;
  Team loaded;
  ASSERT_TRUE(Show(ui, LoadTeam(dir.Path("Hawks.tem"), loaded)));
  ASSERT_TRUE(Show(ui, ExportPalmTeam(loaded, dir.Path("Hawks.pdb"))));
  EXPECT_EQ(loaded.file_path.view(), dir.Path("Hawks.pdb"));
  EXPECT_EQ(FileLength(dir.Path("Hawks.pdb")), 80 + 8 + 8 + 561);
  EXPECT_EQ(PalmStreamKind(dir.Path("Hawks.pdb")), PalmKind::kTeam);

  Team back;
  ASSERT_TRUE(Show(ui, ImportPalmTeam(back, dir.Path("Hawks.pdb"))));
  EXPECT_TRUE(ui.messages.empty());
  Team expected = loaded;
  expected.logo_file.set("logo.bmp");
  expected.reserved = 0;
  std::vector<PLAYER> players = expected.players();
  for (PLAYER& p : players) p.key = 0;
  expected.SetRoster(players, std::vector<PLAYER_INFO>(players.size()));
  expected.designated_hitter.key = 0;
  expected.dh_bats_for.key = 0;
  EXPECT_EQ(back, expected);
}

TEST(PalmExchange, ImportReportsWhatIsWrong) {
  TempDir dir;
  ScriptedUi ui;
  Team team;
  EXPECT_FALSE(Show(ui, ImportPalmTeam(team, dir.Path("none.pdb"))));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Could not Open Input File");
  EXPECT_EQ(ui.messages[0].caption, "Error");
  EXPECT_EQ(team.file_path.view(), dir.Path("none.pdb"));

  // A game database offered as a team, and the other way round.
  Game game = MakeFullGame(1, 1);
  ASSERT_TRUE(Show(ui, ExportPalmGame(game, dir.Path("g.pdb"))));
  ASSERT_TRUE(Show(ui, ExportPalmTeam(team, dir.Path("t.pdb"))));
  ui.messages.clear();
  EXPECT_FALSE(Show(ui, ImportPalmTeam(team, dir.Path("g.pdb"))));
  Game imported;
  EXPECT_FALSE(Show(ui, ImportPalmGame(imported, dir.Path("t.pdb"))));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Not a Palm Team");
  EXPECT_EQ(ui.messages[1].text, "Not a Palm Game");
  EXPECT_EQ(imported.file_path.view(), dir.Path("t.pdb"));
  EXPECT_EQ(imported.home.count(), 0);

  // A damaged block.
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("g.pdb"), bytes));
  const std::size_t first =
      std::size_t{bytes[80]} << 8 | bytes[81];  // low half of the first offset
  bytes[first + 4] = 0x7F;                      // the first block's length, now over 2 GB
  ASSERT_TRUE(WriteFileAtomically(dir.Path("bad.pdb"), bytes));
  ui.messages.clear();
  EXPECT_FALSE(Show(ui, ImportPalmGame(imported, dir.Path("bad.pdb"))));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("is damaged: the block at byte " + std::to_string(first)),
            std::string::npos)
      << ui.messages[0].text;
}

TEST(PalmExchange, ExportFailuresAreReportedAndLeaveTheOldDatabase) {
  TempDir dir;
  ScriptedUi ui;
  Team big;
  big.team_name.set("Big Club");
  for (int i = 0; i < 128; ++i) big.AddPlayer(PLAYER{}, PLAYER_INFO{});
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("Big.pdb"), "old"));
  EXPECT_FALSE(Show(ui, ExportPalmTeam(big, dir.Path("Big.pdb"))));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "The roster of Big Club has 128 players; a Palm team holds at most 127.");
  EXPECT_EQ(FileLength(dir.Path("Big.pdb")), 3);

  Game game;
  game.visitor = big;
  EXPECT_FALSE(Show(ui, ExportPalmGame(game, dir.Path("Big.pdb"))));
  EXPECT_EQ(FileLength(dir.Path("Big.pdb")), 3);

  ui.messages.clear();
  Team small = testing::HomeTeam();
  EXPECT_FALSE(Show(ui, ExportPalmTeam(small, dir.Path("no/such/folder/x.pdb"))));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Error");
  EXPECT_NE(ui.messages[0].text.find("Could not write the Palm database"), std::string::npos);
}

// The streams never pass through a file of a fixed name in the current
// folder: a "Temp.pdb" of the user's there is left alone.
TEST(PalmExchange, NothingIsWrittenToTheCurrentFolder) {
  TempDir work, elsewhere;
  ASSERT_TRUE(WriteTextFileAtomically(work.Path("Temp.pdb"), "mine"));
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(work.path().c_str()), 0);
  ScriptedUi ui;
  Game game = MakeFullGame(2, 2);
  bool exported = Show(ui, ExportPalmGame(game, elsewhere.Path("G.pdb")));
  Game back;
  bool imported = Show(ui, ImportPalmGame(back, elsewhere.Path("G.pdb")));
  ASSERT_EQ(chdir(old), 0);
  EXPECT_TRUE(exported);
  EXPECT_TRUE(imported);
  std::string text;
  ASSERT_TRUE(ReadWholeTextFile(work.Path("Temp.pdb"), text));
  EXPECT_EQ(text, "mine");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(PalmExchange, ProposedNames) {
  EXPECT_EQ(PalmExportName("/home/sam/games/Opener.gam"), "Opener.pdb");
  EXPECT_EQ(PalmExportName("Tigers.csv"), "Tigers.pdb");
  EXPECT_EQ(PalmExportName("Spring.2024.gam"), "Spring.2024.pdb");
  EXPECT_EQ(PalmImportName("/backup/Tigers.pdb", "tem"), "Tigers.tem");
  EXPECT_EQ(PalmImportName("Opener.PDB", "gam"), "Opener.gam");
  EXPECT_EQ(PalmImportName("Tigers", "tem"), "Tigers.tem");
}

// Palm team streams whose line-up size fits no roster: bytes of another
// kind under a team's tag, or a damaged size byte.

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kLineupByte = 81;

Team ThreeBatters() {
  Team team;
  team.team_name.set("Gaps");
  for (int order : {1, 2, 9}) {
    team.AddPlayer(testing::MakePlayer("P" + std::to_string(order), order, 1, order),
                   PLAYER_INFO{});
  }
  return team;
}

TEST(HostileTeamStream, LineupSizeMustFitTheRoster) {
  const struct {
    Team team;
    std::int8_t lineup;
    Fault expected;
  } cases[] = {
      {testing::HomeTeam(), 9, Fault::kNone},
      {testing::HomeTeam(), 12, Fault::kNone},  // every player bats
      {ThreeBatters(), 9, Fault::kNone},        // slots up to the highest order, gaps and all
      {Team{}, 0, Fault::kNone},
      {Team{}, 9, Fault::kNone},           // a cleared roster keeps its line-up size
      {ThreeBatters(), 20, Fault::kNone},  // the most slots the roster editor offers
      {testing::HomeTeam(), 21, Fault::kDamaged},
      {testing::HomeTeam(), -1, Fault::kDamaged},
      {Team{}, 21, Fault::kDamaged},
  };
  for (const auto& c : cases) {
    Bytes stream;
    std::string error;
    ASSERT_TRUE(testing::Done(EncodePalmTeamStream(c.team, stream), &error)) << error;
    stream[kLineupByte] = static_cast<std::uint8_t>(c.lineup);
    Team back = testing::VisitingTeam();
    UserMessages messages;
    SCOPED_TRACE(std::to_string(c.lineup) + " in " + c.team.team_name.str());
    ASSERT_EQ(testing::Told(DecodePalmTeamStream(stream, back), messages, &error), c.expected);
    if (c.expected == Fault::kNone) {
      EXPECT_EQ(back.lineup_size, c.lineup);
    } else {
      EXPECT_NE(error.find("line-up size at byte 81"), std::string::npos) << error;
      EXPECT_EQ(back.count(), testing::VisitingTeam().count());  // roster left as it was
    }
  }
}

TEST(HostileTeamStream, AGameStreamRetaggedAsATeamIsRefused) {
  Bytes stream;
  std::string error;
  ASSERT_TRUE(testing::Done(WritePalmGameStream(testing::MakeFullGame(2, 2), stream), &error))
      << error;
  stream[0] = 't';
  stream[1] = 'e';
  stream[2] = 'm';
  Team team;
  UserMessages messages;
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(stream, team), messages, &error), Fault::kDamaged);
  EXPECT_EQ(team.count(), 0);
}

TEST(HostileTeamStream, AVersionRefusalNamesTheDatabase) {
  TempDir dir;
  for (const bool game : {false, true}) {
    Bytes stream;
    std::string error;
    ASSERT_TRUE(
        game ? testing::Done(WritePalmGameStream(testing::MakeFullGame(1, 1), stream), &error)
             : testing::Done(EncodePalmTeamStream(testing::HomeTeam(), stream), &error));
    stream[5] = 0x03;  // version 515
    const std::string path = dir.Path(game ? "g.pdb" : "t.pdb");
    ASSERT_TRUE(WriteFileAtomically(path, EncodePalmStreamDatabase(stream, "x.pdb", 0)));
    Team team;
    Game back;
    const Status status = game ? ImportPalmGame(back, path) : ImportPalmTeam(team, path);
    ASSERT_EQ(status.messages.size(), 1u);
    EXPECT_EQ(status.messages[0].text, std::string(game ? "Palm Game" : "Palm Team") +
                                           " Version Number is Incorrect\n\n" + path);
  }
}

std::uint32_t BE32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
         std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}
std::uint16_t BE16(const Bytes& b, std::size_t at) { return std::uint16_t(b[at] << 8 | b[at + 1]); }
std::string Text(const Bytes& b, std::size_t at, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

Bytes Stream(std::size_t length) {
  Bytes s(length);
  for (std::size_t i = 0; i < length; ++i) s[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return s;
}

constexpr std::uint32_t kDate = 0xE1A2B3C4;

TEST(PalmDatabase, FiveThousandByteStreamLayout) {
  Bytes stream = Stream(5000);
  Bytes db = EncodePalmStreamDatabase(stream, "C:\\palm\\Tigers.pdb", kDate);
  ASSERT_EQ(db.size(), 5112u);  // 96 + 4104 + 8 + 904

  EXPECT_EQ(Text(db, 0, 32), std::string("Tigers") + std::string(26, '\0'));
  EXPECT_EQ(BE16(db, 32), 0x0088);
  EXPECT_EQ(BE16(db, 34), 0);
  EXPECT_EQ(BE32(db, 36), kDate);
  EXPECT_EQ(BE32(db, 40), kDate);
  for (std::size_t at : {44u, 48u, 52u, 56u, 68u, 72u}) EXPECT_EQ(BE32(db, at), 0u) << at;
  EXPECT_EQ(Text(db, 60, 4), "strm");
  EXPECT_EQ(Text(db, 64, 4), "Wkzr");
  EXPECT_EQ(BE16(db, 76), 2);

  // Block offsets and lengths: see BlocksAtTheBoundaries.
  for (std::size_t entry : {78u, 86u}) {
    EXPECT_EQ(db[entry + 4], 0x40);
    EXPECT_EQ(Text(db, entry + 5, 3), std::string(3, '\0'));
  }
  EXPECT_EQ(Text(db, 94, 2), "ZZ");
  EXPECT_TRUE(std::equal(stream.begin(), stream.begin() + 4096, db.begin() + 104));
  EXPECT_TRUE(std::equal(stream.begin() + 4096, stream.end(), db.begin() + 4208));
}

TEST(PalmDatabase, BlocksAtTheBoundaries) {
  struct Case {
    std::size_t length;
    std::vector<std::uint32_t> blocks;
  };
  for (const Case& c :
       {Case{1, {1}}, Case{4096, {4096}}, Case{4097, {4096, 1}}, Case{5000, {4096, 904}},
        Case{8192, {4096, 4096}}, Case{8193, {4096, 4096, 1}}}) {
    SCOPED_TRACE(c.length);
    Bytes stream = Stream(c.length);
    Bytes db = EncodePalmStreamDatabase(stream, "x.pdb", kDate);
    const std::size_t n = c.blocks.size();
    ASSERT_EQ(BE16(db, 76), n);
    const std::size_t first = 80 + 8 * n;
    EXPECT_EQ(first % 4, 0u);
    EXPECT_EQ(db.size(), first + 8 * n + c.length);
    for (std::size_t i = 0; i < n; ++i) {
      std::size_t at = BE32(db, 78 + 8 * i);
      EXPECT_EQ(at, first + 4104 * i);
      EXPECT_EQ(Text(db, at, 4), "DBLK");
      EXPECT_EQ(BE32(db, at + 4), c.blocks[i]);
    }
    Bytes back;
    std::string error;
    ASSERT_TRUE(testing::Done(DecodePalmStream(db, back), &error)) << error;
    EXPECT_EQ(back, stream);
  }
}

TEST(PalmDatabase, NameRule) {
  EXPECT_EQ(PalmDatabaseName("/home/sam/Tigers.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("C:\\Palm\\Tigers.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers.pdb.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers.PDB"), "Tigers.PDB");  // the cut is case-sensitive
  std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
  ASSERT_EQ(forty.size(), 40u);
  EXPECT_EQ(PalmDatabaseName(forty + ".pdb"), forty.substr(0, 31));
  Bytes db = EncodePalmStreamDatabase(Stream(10), forty + ".pdb", kDate);
  EXPECT_EQ(Text(db, 0, 32), forty.substr(0, 31) + '\0');
}

TEST(PalmDatabase, DatesCountFrom1904) {
  EXPECT_EQ(PalmTime(0), 2082844800u);
  // 1 June 2024 00:00 UTC.
  EXPECT_EQ(PalmTime(1717200000), 1717200000u + 2082844800u);
}

TEST(PalmDatabase, KindFromTheFirstBlock) {
  auto kind_of = [](std::string head) {
    Bytes stream(head.begin(), head.end());
    stream.resize(200, 1);
    return PalmStreamKindOf(EncodePalmStreamDatabase(stream, "k.pdb", kDate));
  };
  EXPECT_EQ(kind_of(std::string("tem\0", 4)), PalmKind::kTeam);
  EXPECT_EQ(kind_of(std::string("gam\0", 4)), PalmKind::kGame);
  EXPECT_EQ(kind_of(std::string("TEM\0", 4)), PalmKind::kNeither);
  EXPECT_EQ(kind_of("temX"), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKindOf(EncodePalmStreamDatabase({}, "k.pdb", kDate)), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKindOf(Bytes(7, 0)), PalmKind::kNeither);
}

TEST(PalmDatabase, ANameThatLooksLikeABlockIsNotOne) {
  Bytes stream = Stream(300);
  Bytes db = EncodePalmStreamDatabase(stream, "DBLK Tigers.pdb", kDate);
  Bytes back;
  std::string error;
  ASSERT_TRUE(testing::Done(DecodePalmStream(db, back), &error)) << error;
  EXPECT_EQ(back, stream);
}

TEST(PalmDatabase, DamagedBlocksAreRefused) {
  Bytes db = EncodePalmStreamDatabase(Stream(5000), "d.pdb", kDate);
  Bytes back;
  std::string error;

  Bytes too_long = db;
  too_long[100] = 0;
  too_long[101] = 0;
  too_long[102] = 0x10;  // 4097
  too_long[103] = 0x01;
  EXPECT_FALSE(testing::Done(DecodePalmStream(too_long, back), &error));
  EXPECT_NE(error.find("at most 4096"), std::string::npos) << error;
  EXPECT_TRUE(back.empty());

  Bytes cut(db.begin(), db.end() - 1);  // last block claims one byte more than is left
  EXPECT_FALSE(testing::Done(DecodePalmStream(cut, back), &error));
  EXPECT_NE(error.find("byte 4200"), std::string::npos) << error;

  Bytes huge = db;
  huge[4204] = 0xFF;  // a length of over 4 GB must not be taken at its word
  EXPECT_FALSE(testing::Done(DecodePalmStream(huge, back), &error));

  Bytes no_length(db.begin(), db.begin() + 4206);
  EXPECT_FALSE(testing::Done(DecodePalmStream(no_length, back), &error));

  // Without any block the stream is empty, and that is no error.
  EXPECT_TRUE(DecodePalmStream(Bytes(db.begin(), db.begin() + 96), back));
  EXPECT_TRUE(back.empty());
}

class PalmDatabaseFiles : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return dir_.Path(name); }
  TempDir dir_;
};

TEST_F(PalmDatabaseFiles, WrapAndUnwrapThroughFiles) {
  Bytes stream = Stream(9000);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(Path("stream.bin"), stream));
  ASSERT_TRUE(
      testing::Done(WritePalmStreamDatabase(Path("stream.bin"), Path("Tigers.pdb"), 8500), &error))
      << error;
  // A source shorter than the length asked for is refused, not padded.
  EXPECT_FALSE(
      testing::Done(WritePalmStreamDatabase(Path("stream.bin"), Path("Other.pdb"), 9001), &error));
  EXPECT_FALSE(FileExists(Path("Other.pdb")));

  ScriptedUi ui;
  ASSERT_TRUE(Show(ui, ExtractPalmStream(Path("Tigers.pdb"), Path("out.bin"))));
  Bytes back;
  ASSERT_TRUE(ReadWholeFile(Path("out.bin"), back));
  EXPECT_EQ(back, Bytes(stream.begin(), stream.begin() + 8500));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(PalmStreamKind(Path("Tigers.pdb")), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKind(Path("missing.pdb")), PalmKind::kNeither);
}

TEST_F(PalmDatabaseFiles, OpenFailuresAreReported) {
  std::string error;
  ASSERT_TRUE(testing::Done(WritePalmStreamDatabase(Stream(10), Path("a.pdb")), &error));
  Bytes stream;
  for (const auto& [result, text] :
       {std::pair{ExtractPalmStream(Path("missing.pdb"), stream), "Could not Open Input File"},
        std::pair{ExtractPalmStream(Path("a.pdb"), Path("no-such-folder/out.bin")),
                  "Could not Open Output File"}}) {
    ScriptedUi ui;
    EXPECT_FALSE(Show(ui, result));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, text);
    EXPECT_EQ(ui.messages[0].caption, "Error");
  }
}

}  // namespace
}  // namespace scorewick
