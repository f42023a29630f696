#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "app/core/pocket_pc_commands.h"
#include "app/core/pocket_pc_partners.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace scorewick::app {
namespace {

namespace fs = std::filesystem;

TEST(PocketPcPartners, ParsesSectionsInOrder) {
  const auto partners = ParsePartners(
      "# paired devices\n"
      "[first]\n"
      "DisplayName = Coach's Pocket PC\r\n"
      "syncfolder=/home/coach/PPC Files\n"
      "stray line\n"
      "\n"
      "[ second ]\n"
      "DisplayName=A very long display name that is longer than a hundred characters, "
      "which the device list keeps whole and shows in full\n");
  ASSERT_EQ(partners.size(), 2u);
  EXPECT_EQ(std::tuple(partners[0].key, partners[0].display_name, *partners[0].sync_folder),
            std::tuple("first", "Coach's Pocket PC", "/home/coach/PPC Files"));
  EXPECT_EQ(std::tuple(partners[1].key, partners[1].display_name.size() > 100,
                       partners[1].sync_folder.has_value()),
            std::tuple("second", true, false));
}

class PocketPcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"start", "pc", "dev1", "dev2"}) fs::create_directories(dir_ / d);
    session_.start_folder = (dir_ / "start").string();
    session_.folders.Remember(FileKind::kGame, P("pc/last.gam"));
  }

  void WritePartners(int devices) {
    std::ofstream out(partners_);
    for (int i = 1; i <= devices; ++i) {
      out << "[dev" << i << "]\nDisplayName=Device " << i
          << "\nSyncFolder=" << (dir_ / ("dev" + std::to_string(i))).string() << "\n";
    }
  }
  std::string P(const std::string& relative) { return (dir_ / relative).string(); }

  TempDir temp_;
  fs::path dir_ = temp_.path();
  std::string partners_ = (dir_ / "partners").string();
  testing::ScopedEnv env_{"SCOREWICK_PARTNERS", partners_};
  Session session_;
  ScriptedUi ui_;
  CommandServices services_{ui_, session_, nullptr};
};

TEST_F(PocketPcTest, OneDeviceIsChosenWithoutAQuestion) {
  WritePartners(1);
  EXPECT_EQ(FindSyncFilesFolder(ui_, true, partners_), P("dev1"));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(PocketPcTest, DecliningTheFirstDeviceOffersTheSecond) {
  WritePartners(2);
  ui_.yes_no_answers = {false, true};
  EXPECT_EQ(FindSyncFilesFolder(ui_, false, partners_), P("dev2"));
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].text, "Import file from this device : Device 1 ?\n(1 of 2 found)");
  EXPECT_EQ(ui_.messages[1].text, "Import file from this device : Device 2 ?\n(2 of 2 found)");
  EXPECT_EQ(ui_.messages[1].caption, "Select Device");

  ui_.messages.clear();
  ui_.yes_no_answers = {false, false};
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  EXPECT_EQ(ui_.messages[0].text, "Export file to this device : Device 1 ?\n(1 of 2 found)");
}

TEST_F(PocketPcTest, EmptyPartnersFindNothing) {
  std::ofstream(partners_) << "# nothing paired yet\n";
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  std::ofstream(partners_) << "[dev]\nDisplayName=No folder\n";
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(PocketPcTest, GameGoesToTheDeviceFolderUnderItsOwnName) {
  WritePartners(1);
  Game game;
  game.home = scorewick::testing::HomeTeam();
  game.header.attendance = 312;
  ASSERT_TRUE(SaveGame(P("pc/Opener.gam"), game));
  ui_.file_answers.push_back(FileChoice{P("pc/Opener.gam"), 1});
  ui_.file_answers.push_back(FileChoice{P("dev1/Opener"), 1});  // typed without extension
  RunPpcExportGame(services_);
  ASSERT_EQ(ui_.file_requests.size(), 2u);
  EXPECT_EQ(std::tuple(ui_.file_requests[0].filter, ui_.file_requests[0].initial_folder,
                       ui_.file_requests[1].filter, ui_.file_requests[1].initial_folder,
                       ui_.file_requests[1].initial_name),
            std::tuple("PC Game File (*.gam)|*.gam|", P("pc"), "Pocket PC Game File (*.gam)|*.gam|",
                       P("dev1"), "Opener.gam"));
  Game copy;
  ASSERT_TRUE(Show(ui_, LoadGame(P("dev1/Opener.gam"), copy)));
  EXPECT_EQ(copy.header.attendance, 312);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(std::tuple(ui_.messages[0].text, ui_.messages[0].caption),
            std::tuple("Opener.gam should be available on your Pocket PC after your next "
                       "synchronization",
                       "Game Export Complete"));
}

// No device found says why; every device declined is the person's own
// choice and ends the command without a word.
TEST_F(PocketPcTest, NoDeviceStopsTheExport) {
  Team team = scorewick::testing::HomeTeam();
  ASSERT_TRUE(SaveTeam(P("pc/Hawks.tem"), team));
  for (int devices : {0, 2}) {
    SCOPED_TRACE(devices);
    fs::remove(partners_);
    WritePartners(devices);
    ui_.messages.clear();
    ui_.file_requests.clear();
    ui_.yes_no_answers = {false, false};
    ui_.file_answers.push_back(FileChoice{P("pc/Hawks.tem"), 1});
    RunPpcExportTeam(services_);
    ASSERT_EQ(ui_.messages.size(), devices == 0 ? 1u : 2u);
    EXPECT_EQ(ui_.messages.back().caption,
              devices == 0 ? "Cannot find path to Synchronize Files" : "Select Device");
    EXPECT_EQ(ui_.file_requests.size(), 1u);
  }
}

TEST_F(PocketPcTest, ToolbarImportFollowsTheChosenFilter) {
  WritePartners(1);
  Team team = scorewick::testing::HomeTeam();
  ASSERT_TRUE(SaveTeam(P("dev1/Hawks.gam"), team));  // a team file under a game's name
  ui_.file_answers.push_back(FileChoice{P("dev1/Hawks.gam"), 2});
  ui_.file_answers.push_back(FileChoice{P("start/Hawks"), 1});
  RunPpcImportChoose(services_);
  ASSERT_EQ(ui_.file_requests.size(), 2u);
  EXPECT_EQ(ui_.file_requests[0].title, "Select Game or Team File to Import from your Pocket PC");
  EXPECT_EQ(ui_.file_requests[1].filter, "PC Team File (*.tem)|*.tem|");
  EXPECT_EQ(ui_.file_requests[1].initial_folder, P("start"));
  Team copy;
  ASSERT_TRUE(Show(ui_, LoadTeam(P("start/Hawks.tem"), copy)));
  EXPECT_EQ(copy.team_name.str(), "Harbor Hawks");
}

// A file that cannot be read as what the command carries is not carried:
// nothing is written, and the source stays byte for byte.
TEST_F(PocketPcTest, AFileThatDoesNotLoadIsNotCarried) {
  WritePartners(1);
  Game game;
  game.home = scorewick::testing::HomeTeam();
  ASSERT_TRUE(SaveGame(P("dev1/game-001.gam"), game));
  std::ofstream(P("pc/Broken.gam"), std::ios::binary) << "not a game";
  const struct {
    const char* source;
    const char* target;
    void (*run)(CommandServices&);
    int filter;
  } cases[] = {{"pc/Broken.gam", "dev1/Broken.gam", RunPpcExportGame, 1},
               {"dev1/game-001.gam", "start/game-001.tem", RunPpcImportChoose, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(P(c.source), before, nullptr));
    ui_.file_requests.clear();
    ui_.file_answers.push_back(FileChoice{P(c.source), c.filter});
    ui_.file_answers.push_back(FileChoice{P(c.target), 1});
    c.run(services_);
    EXPECT_EQ(ui_.file_requests.size(), 1u);
    EXPECT_FALSE(fs::exists(P(c.target)));
    ASSERT_TRUE(ReadWholeFile(P(c.source), after, nullptr));
    EXPECT_EQ(after, before);
    ui_.file_answers.clear();
  }
  EXPECT_NE(ui_.messages.back().text.find("this is a game file"), std::string::npos);
}

}  // namespace
}  // namespace scorewick::app
