#include "records/team_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/le_bytes.h"
#include "support/full_game.h"
#include "support/packed_fields.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick {
namespace {

Team TeamWithInfo() {
  Team t = testing::MakeTeam("Granite Bay Owls", 4);
  t.no_personal_info = 0;
  for (int i = 0; i < t.count(); ++i) {
    PLAYER_INFO& info = t.info(i);
    info.phone.set("555-010" + std::to_string(i));
    info.address.set(std::to_string(10 + i) + " Quarry Road");
    info.city.set("Granite Bay");
    info.state.set("CA");
    info.zip.set("95746");
    info.birth_year = 2010 + i;
    info.birth_day = static_cast<std::uint8_t>(3 + i);
    info.birth_month = 4;
    info.email.set("player" + std::to_string(i) + "@example.org");
    info.note.set("Asthma inhaler in bag");
  }
  return t;
}

TEST(TeamFile, SavedTeamReadsBackIdenticalWithPersonalInformation) {
  TempDir dir;
  Team team = TeamWithInfo();
  ASSERT_TRUE(SaveTeam(dir.Path("owls.tem"), team));
  EXPECT_EQ(FileLength(dir.Path("owls.tem")), 714 + 4 * (49 + 331));
  Team loaded;
  const Status status = LoadTeam(dir.Path("owls.tem"), loaded);
  ASSERT_TRUE(status);
  EXPECT_TRUE(status.messages.empty());
  EXPECT_EQ(loaded, team);
  EXPECT_EQ(loaded.info(3).email.view(), "player3@example.org");
}

TEST(TeamFile, EmptyRosterIs714Bytes) {
  Team team;
  std::vector<std::uint8_t> bytes = EncodeTeamFile(team);
  EXPECT_EQ(bytes.size(), 714u);
  Team back;
  UserMessages messages;
  ASSERT_EQ(testing::Told(DecodeTeamFile(bytes, back), messages, nullptr), Fault::kNone);
  EXPECT_EQ(back.count(), 0);
}

TEST(TeamFile, VersionWordDecidesHowPlayersAreRead) {
  Team team = TeamWithInfo();
  std::vector<std::uint8_t> bytes = EncodeTeamFile(team);

  // 2.0: same layout, keys not stored.
  le::StoreI32(bytes.data(), 512);
  Team old;
  UserMessages messages;
  ASSERT_EQ(testing::Told(DecodeTeamFile(bytes, old), messages, nullptr), Fault::kNone);
  for (int i = 0; i < old.count(); ++i) {
    EXPECT_EQ(+old.player(i).key, 0);
    PLAYER expected = team.player(i);
    expected.key = 0;
    EXPECT_EQ(old.player(i), expected);
  }
  EXPECT_EQ(old.info(1), team.info(1));

  // Anything from 512 to 768 reads as the current format.
  le::StoreI32(bytes.data(), 600);
  Team mid;
  ASSERT_EQ(testing::Told(DecodeTeamFile(bytes, mid), messages, nullptr), Fault::kNone);
  EXPECT_EQ(+mid.player(2).key, +team.player(2).key);

  for (std::int32_t version : {511, 769, -1, 0}) {
    le::StoreI32(bytes.data(), version);
    Team bad;
    messages.clear();
    EXPECT_EQ(testing::Told(DecodeTeamFile(bytes, bad), messages, nullptr), Fault::kBadVersion);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], InvalidTeamFileMessage());
    EXPECT_EQ(bad.count(), 0);
  }
}

TEST(TeamFile, MalformedFilesAreRefusedWithoutHalfLoading) {
  Team team = TeamWithInfo();
  std::vector<std::uint8_t> good = EncodeTeamFile(team);
  std::string error;
  UserMessages messages;
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"cut in the header", {good.begin(), good.begin() + 300}});
  cases.push_back({"cut in the players", {good.begin(), good.begin() + 714 + 60}});
  auto negative = good;
  le::StoreI32(negative.data() + 710, -2);
  cases.push_back({"negative count", negative});
  auto huge = good;
  le::StoreI32(huge.data() + 710, 50'000'000);
  cases.push_back({"absurd count", huge});
  auto unterminated = good;
  std::fill_n(unterminated.begin() + 264, 25, 'Q');
  cases.push_back({"name without terminator", unterminated});
  for (const Case& c : cases) {
    Team t;
    error.clear();
    EXPECT_EQ(testing::Told(DecodeTeamFile(c.bytes, t), messages, &error), Fault::kDamaged)
        << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(t.count(), 0) << c.what;
  }

  TempDir dir;
  std::vector<std::uint8_t> cut(good.begin(), good.begin() + 800);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("cut.tem"), cut));
  Team loaded;
  loaded.team_name.set("untouched");
  const Status cut_status = LoadTeam(dir.Path("cut.tem"), loaded);
  EXPECT_FALSE(cut_status);
  ASSERT_EQ(cut_status.messages.size(), 1u);
  EXPECT_EQ(cut_status.messages[0].caption, "Unable to read Team file");
  EXPECT_EQ(cut_status.messages[0].text.rfind("Invalid Team File\n\n", 0), 0u);
  EXPECT_EQ(cut_status.file, dir.Path("cut.tem"));
  EXPECT_EQ(cut_status.byte, 714);  // the first player, cut short
  EXPECT_EQ(loaded.team_name.view(), "untouched");
  const Status missing = LoadTeam(dir.Path("missing.tem"), loaded);
  EXPECT_FALSE(missing);
  EXPECT_TRUE(missing.messages.empty());  // a missing file is no news
  EXPECT_NE(missing.reason.find("missing.tem"), std::string::npos);
}

TEST(TeamFile, TheKindIsTheFileNamesExtensionInAnyCase) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("dirx.csv"));
  const Team team = TeamWithInfo();
  const std::string csv = TeamCsvText(team);
  const std::vector<std::uint8_t> tem = EncodeTeamFile(team);
  const struct {
    const char* name;
    bool as_csv;
  } cases[] = {{"team.csv", true},  {"TEAM.CSV", true},           {"Team.Csv", true},
               {"team.tem", false}, {"dirx.csv/team.tem", false}, {"team.csv.tem", false}};
  for (const auto& c : cases) {
    const std::string path = dir.Path(c.name);
    ASSERT_TRUE(c.as_csv ? WriteTextFileAtomically(path, csv) : WriteFileAtomically(path, tem));
    Team loaded;
    const Status status = LoadTeam(path, loaded);
    ASSERT_TRUE(status) << c.name << ": " << status.reason;
    EXPECT_EQ(loaded.count(), 4) << c.name;
    // An imported team is new and unsaved; a team file keeps its path.
    EXPECT_EQ(loaded.file_path.empty(), c.as_csv) << c.name;
  }
}

TEST(TeamFile, ALongPathIsReadWholeNotThroughThePathField) {
  TempDir dir;
  // Two files whose paths agree in their first 259 bytes: the one named
  // must be the one read.
  std::string folder = dir.Path(std::string(200, 'f'));
  folder += "/" + std::string(60, 'g');
  std::filesystem::create_directories(folder);
  const std::string named = folder + "/" + std::string(40, 'n') + ".csv";
  const std::string cut = named.substr(0, 259);
  ASSERT_LT(cut.size(), named.size());
  Team right = testing::MakeTeam("Right Team", 3);
  Team wrong = testing::MakeTeam("Wrong Team", 5);
  ASSERT_TRUE(WriteTextFileAtomically(named, TeamCsvText(right)));
  ASSERT_TRUE(WriteTextFileAtomically(cut, TeamCsvText(wrong)));
  Team loaded;
  ASSERT_TRUE(LoadTeam(named, loaded));
  EXPECT_EQ(loaded.team_name.str(), "Right Team");
  EXPECT_EQ(loaded.count(), 3);
}

TEST(TeamFile, RosterOperations) {
  Team team = testing::MakeTeam("Ops", 5);
  PLAYER_INFO info = NewPlayerInfo();
  info.phone.set("1");
  team.AddPlayer(testing::MakePlayer("Zed", 44, 9, 0), info);
  // Names match exactly.
  EXPECT_EQ(Fields(team.count(), team.IndexOfPlayer("Zed"), team.IndexOfPlayer("zed"),
                   team.FindPlayer("Zed")->uniform_number),
            std::tuple(6, 5, -1, 44));
  EXPECT_FALSE(team.FindPlayer("Nobody").has_value());
  EXPECT_FALSE(team.RemovePlayer(6));
  EXPECT_FALSE(team.RemovePlayer(-1));
  EXPECT_TRUE(team.RemovePlayer(1));
  // The information moves with its player.
  EXPECT_EQ(std::tuple(team.count(), team.player(1).name.view(), team.info(4).phone.view()),
            std::tuple(5, "Ops P2", "1"));

  Team copy;
  copy.CopyFrom(team);
  EXPECT_EQ(copy, team);
  team.Clear();  // the logo and designated hitter settings stay
  EXPECT_EQ(std::tuple(team.count(), team.team_name.view(), team.file_path.view(),
                       team.logo_file.view(), team.lineup_size, copy.count()),
            std::tuple(0, "", "*.tem", "Ops.bmp", 9, 5));
}

// Game and team files begin with the same version word; only the length
// tells them apart, and a misshapen file must never be taken for a team
// (saving it back would replace the game).
TEST(TeamFile, FilesOfAnotherShapeAreRefusedNamedAndLeftAlone) {
  TempDir dir;
  Game game = testing::MakeFullGame(3, 2);
  ASSERT_TRUE(SaveGame(dir.Path("game-001.gam"), game));
  Team team = TeamWithInfo();
  const std::vector<std::uint8_t> bare = [&] {
    Team t = team;
    t.no_personal_info = 1;
    return EncodeTeamFile(t);
  }();
  std::vector<std::uint8_t> stray = EncodeTeamFile(team);
  stray.push_back(0);
  std::vector<std::uint8_t> short_info = EncodeTeamFile(team);
  short_info.resize(short_info.size() - 1);
  std::vector<std::uint8_t> cut_info = EncodeTeamFile(team);
  cut_info.resize(714 + 4 * 49 + 100);  // inside the first player's information
  ASSERT_TRUE(WriteFileAtomically(dir.Path("stray.tem"), stray));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("short.tem"), short_info));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("cut.tem"), cut_info));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("bare.tem"), bare));

  const struct {
    const char* file;
    const char* says;  // empty: accepted
  } cases[] = {
      {"game-001.gam", "this is a game file"},
      {"stray.tem", "bytes long, but a team file of 4 players is 910 bytes, or 2234"},
      {"short.tem", "bytes long"},
      {"cut.tem", "1010 bytes long"},
      {"bare.tem", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<std::uint8_t> before;
    ASSERT_TRUE(ReadWholeFile(dir.Path(c.file), before));
    Team loaded = testing::MakeTeam("Kept", 2);
    const Status status = LoadTeam(dir.Path(c.file), loaded);
    if (*c.says == 0) {
      EXPECT_TRUE(status) << status.reason;
      continue;
    }
    ASSERT_FALSE(status);
    ASSERT_EQ(status.messages.size(), 1u);
    EXPECT_EQ(status.messages[0].caption, "Unable to read Team file");
    EXPECT_NE(status.messages[0].text.find(dir.Path(c.file)), std::string::npos);
    EXPECT_NE(status.messages[0].text.find(c.says), std::string::npos) << status.messages[0].text;
    EXPECT_EQ(loaded.team_name.str(), "Kept");
    EXPECT_EQ(loaded.count(), 2);
    std::vector<std::uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(dir.Path(c.file), after));
    EXPECT_EQ(after, before);
  }

  // And a team file is never read as a game.
  Game as_game;
  const Status refused = LoadGame(dir.Path("bare.tem"), as_game);
  ASSERT_FALSE(refused);
  ASSERT_EQ(refused.messages.size(), 1u);
  EXPECT_NE(refused.messages[0].text.find("this is a team file"), std::string::npos);
}

}  // namespace
}  // namespace scorewick
