// Carrying files to and from the handhelds: the Palm install queue and its
// users, the Pocket PC's paired devices and their synchronised folders; the
// command line's users and devices named by option.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <tuple>

#include "app/core/palm_commands.h"
#include "app/core/palm_link.h"
#include "app/core/pocket_pc_commands.h"
#include "app/core/sync_folder_choice.h"
#include "cli/command.h"
#include "exchange/pocket_pc_partners.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/run_cli.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace scorewick::app {
namespace {

namespace fs = std::filesystem;

class PalmLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "sync");
    session_.start_folder = (dir_ / "start").string();
    fs::create_directories(session_.start_folder);
  }

  void AddUser(const std::string& name) { fs::create_directories(dir_ / "sync" / name); }
  std::string MakeFile(const std::string& name, const std::string& content = "data") {
    std::ofstream(dir_ / name, std::ios::binary) << content;
    return (dir_ / name).string();
  }

  TempDir temp_;
  fs::path dir_ = temp_.path();
  testing::ScopedEnv library_{"SCOREWICK_INSTAIDE", SCOREWICK_INSTAIDE_PATH};
  testing::ScopedEnv root_{"SCOREWICK_SYNC_ROOT", (dir_ / "sync").string()};
  Session session_;
  ScriptedUi ui_;
  std::vector<std::vector<std::string>> picker_lists_;
  int picker_answer_ = -1;
  CommandServices services_{ui_, session_, [this](const InstallAide& aide) {
                              std::vector<std::string> names;
                              for (int i = 0; i < aide.UserCount(); ++i) {
                                names.push_back(aide.UserName(i));
                              }
                              picker_lists_.push_back(names);
                              return picker_answer_;
                            }};
};

TEST_F(PalmLinkTest, TheOnlyUserIsChosenWithoutAsking) {
  AddUser("Pat Lee");
  const std::string file = MakeFile("Opener.pdb", "stream bytes");
  EXPECT_TRUE(InstallFileToPalm(services_, file));
  EXPECT_TRUE(picker_lists_.empty());
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(std::tuple(ui_.messages[0].text, ui_.messages[0].caption, ui_.messages[0].icon),
            std::tuple("Opener.pdb should be available on your Palm after your next HotSync",
                       "Palm Companion File Successfully Installed", MessageIcon::kNone));
  std::ifstream queued(dir_ / "sync" / "Pat Lee" / "Install" / "Opener.pdb", std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(queued)), {});
  EXPECT_EQ(content, "stream bytes");
  // A file the queue cannot take is not reported as installed.
  ui_.messages.clear();
  EXPECT_FALSE(InstallFileToPalm(services_, (dir_ / "never-written.pdb").string()));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].caption, "Palm Install Failed");
}

TEST_F(PalmLinkTest, SeveralUsersAreOfferedInOrderAndNoChoiceDoesNothing) {
  for (const char* name : {"Robin", "Alex", "Morgan"}) AddUser(name);
  fs::create_directories(dir_ / "sync" / ".cache");  // not a user
  const std::string file = MakeFile("Tigers.pdb");
  EXPECT_FALSE(InstallFileToPalm(services_, file));
  ASSERT_EQ(picker_lists_.size(), 1u);
  EXPECT_EQ(picker_lists_[0], (std::vector<std::string>{"Alex", "Morgan", "Robin"}));
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_FALSE(fs::exists(dir_ / "sync" / "Alex" / "Install"));

  picker_answer_ = 2;
  EXPECT_TRUE(InstallFileToPalm(services_, file));
  EXPECT_TRUE(fs::exists(dir_ / "sync" / "Robin" / "Install" / "Tigers.pdb"));
}

TEST_F(PalmLinkTest, OnlyPalmDatabasesAndApplicationsAreQueued) {
  AddUser("Pat");
  const struct {
    const char* name;
    bool queued;
  } cases[] = {{"Hawks.tem", false}, {"game-001.gam", false}, {"notes.txt", false}, {"pdb", false},
               {"Hawks.PDB", true},  {"App.prc", true},       {"Clip.pqa", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.messages.clear();
    EXPECT_EQ(InstallFileToPalm(services_, MakeFile(c.name)), c.queued);
    EXPECT_EQ(fs::exists(dir_ / "sync" / "Pat" / "Install" / c.name), c.queued);
    ASSERT_EQ(ui_.messages.size(), 1u);
    if (!c.queued) {
      EXPECT_EQ(ui_.messages[0].caption, "Palm Install Failed");
      EXPECT_EQ(ui_.messages[0].text.rfind(c.name, 0), 0u) << ui_.messages[0].text;
    }
  }
}

TEST_F(PalmLinkTest, UserFoldersAreKeptUnderTheRoot) {
  AddUser("Pat");
  auto aide = InstallAide::Load();
  ASSERT_TRUE(aide);
  EXPECT_EQ(aide->UserFolder("Pat"), (dir_ / "sync" / "Pat").string());
  EXPECT_TRUE(fs::is_directory(dir_ / "sync" / "Pat" / "Backup"));
  EXPECT_FALSE(aide->UserFolder("../sync/Pat"));
  EXPECT_EQ(aide->UserName(5), "");
}

TEST_F(PalmLinkTest, CompanionIsLookedForInTheStartFolder) {
  AddUser("Pat");
  RunInstallCompanion(services_);  // not there; the question is declined
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(std::tuple(ui_.messages[0].question, ui_.messages[0].caption, ui_.messages[0].text),
            std::tuple(true, "Scorewick Companion",
                       "Unable to locate the Scorewick Companion Application.\n\n" +
                           session_.start_folder +
                           "/Scorewick.prc\n\nWould you like to manually search your computer "
                           "for this file ?"));
  EXPECT_TRUE(ui_.file_requests.empty());

  // Yes: the person finds it elsewhere.
  ui_.messages.clear();
  ui_.yes_no_answers.push_back(true);
  ui_.file_answers.push_back(FileChoice{MakeFile("Found.prc"), 1});
  RunInstallCompanion(services_);
  ASSERT_EQ(ui_.file_requests.size(), 1u);
  EXPECT_EQ(ui_.file_requests[0].filter, "Palm Application File (*.prc)|*.prc|");
  EXPECT_TRUE(fs::exists(dir_ / "sync" / "Pat" / "Install" / "Found.prc"));

  std::ofstream(fs::path(session_.start_folder) / "Scorewick.prc") << "app";
  ui_.messages.clear();
  RunInstallCompanion(services_);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text,
            "Scorewick.prc should be available on your Palm after your next HotSync");
}

// The user is chosen before the database is written: a cancelled choice
// leaves no database behind.
TEST_F(PalmLinkTest, ExportWritesTheDatabaseOnlyForAChosenUser) {
  for (const char* name : {"Alex", "Robin"}) AddUser(name);
  Team team;
  team.team_name.set("Hawks");
  ASSERT_TRUE(SaveTeam((dir_ / "Hawks.tem").string(), team));
  for (int answer : {-1, 1}) {
    SCOPED_TRACE(answer);
    picker_answer_ = answer;
    ui_.file_answers.push_back(FileChoice{(dir_ / "Hawks").string(), 1});
    ExportTeamToPalm(services_, (dir_ / "Hawks.tem").string());
    EXPECT_EQ(fs::exists(dir_ / "Hawks.pdb"), answer >= 0);
    EXPECT_EQ(fs::exists(dir_ / "sync" / "Robin" / "Install" / "Hawks.pdb"), answer >= 0);
  }
  EXPECT_EQ(ui_.file_requests[0].initial_folder, dir_.string());  // beside the source
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

// No device, or one without a folder, finds nothing without a word.
TEST_F(PocketPcTest, OneDeviceIsChosenWithoutAQuestionOfSeveralEachIsOffered) {
  std::ofstream(partners_) << "# nothing paired yet\n";
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  std::ofstream(partners_) << "[dev]\nDisplayName=No folder\n";
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  WritePartners(1);
  EXPECT_EQ(FindSyncFilesFolder(ui_, true, partners_), P("dev1"));
  EXPECT_TRUE(ui_.messages.empty());
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
    ASSERT_TRUE(ReadWholeFile(P(c.source), before));
    ui_.file_requests.clear();
    ui_.file_answers.push_back(FileChoice{P(c.source), c.filter});
    ui_.file_answers.push_back(FileChoice{P(c.target), 1});
    c.run(services_);
    EXPECT_EQ(ui_.file_requests.size(), 1u);
    EXPECT_FALSE(fs::exists(P(c.target)));
    ASSERT_TRUE(ReadWholeFile(P(c.source), after));
    EXPECT_EQ(after, before);
    ui_.file_answers.clear();
  }
  EXPECT_NE(ui_.messages.back().text.find("this is a game file"), std::string::npos);
}

// A refused folder, and a partners file too large to read, are shown
// before the search gives up.
TEST_F(PocketPcTest, ARefusedFolderIsShownBeforeTheSearchGivesUp) {
  std::ofstream(partners_) << "[only]\nDisplayName=Only\nSyncFolder=/a\rb/c\n";
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  std::ofstream(partners_, std::ios::app) << std::string(1 << 20, '#');
  EXPECT_FALSE(FindSyncFilesFolder(ui_, true, partners_));
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].text,
            "the SyncFolder of [only] holds a control character and is not used");
  EXPECT_EQ(ui_.messages[1].text, partners_ + " is larger than 1 MB and was not read");
}

}  // namespace
}  // namespace scorewick::app

// The command line's own part of the palm and ppc commands: the user and
// the device named by option, the names listed as typed.  What is carried
// and the refusals of the partners file are the commands' and the
// partners' own tests above and in exchange.
namespace scorewick::cli {
namespace {

namespace fs = std::filesystem;

using scorewick::testing::RunCli;

class HandheldCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"sync/Alex", "sync/Robin/Backup", "dev1", "dev2", "back"}) {
      fs::create_directories(dir_ / d);
    }
    fs::create_directories(P("sync/" + longest_));
    fs::create_directories(P("sync/line\nbreak"));
    std::ofstream(dir_ / "partners")
        << "[one]\nDisplayName=Coach PPC\nSyncFolder=" << P("dev1")
        << "\n[two]\nDisplayName=Spare\nSyncFolder=" << P("dev2") << "\n"
        << "[three]\nDisplayName=Escape\nSyncFolder=/x\x1b]0;y\n";
    Team team;
    team.team_name.set("Harbor Hawks");
    ASSERT_TRUE(SaveTeam(P("Hawks.tem"), team));
    ASSERT_EQ(
        RunCli({"palm", "export", P("Hawks.tem"), "-o", P("sync/Robin/Backup/Tigers.pdb")}).code,
        kExitDone);
  }
  std::string P(const std::string& relative) { return (dir_ / relative).string(); }

  TempDir temp_;
  fs::path dir_ = temp_.path();
  std::string longest_ = std::string(255, 'u');
  testing::ScopedEnv library_{"SCOREWICK_INSTAIDE", SCOREWICK_INSTAIDE_PATH};
  testing::ScopedEnv root_{"SCOREWICK_SYNC_ROOT", P("sync")};
  testing::ScopedEnv partners_{"SCOREWICK_PARTNERS", P("partners")};
};

TEST_F(HandheldCliTest, UsersAndDevicesAreNamedByOption) {
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out;      // whole, when given
    std::string err;      // a part
    std::string written;  // a file then there, when given
  } cases[] = {
      {{"palm", "users"}, kExitDone, "Alex\nRobin\nline\\nbreak\n" + longest_ + "\n", "", ""},
      {{"palm", "export", P("Hawks.tem"), "-o", P("Kim.pdb"), "--install", "--user", "Kim"},
       kExitRefused,
       "",
       "",
       ""},
      {{"palm", "export", P("Hawks.tem"), "-o", P("Hawks.pdb"), "--install", "--user", longest_},
       kExitDone,
       "",
       "",
       "sync/" + longest_ + "/Install/Hawks.pdb"},
      {{"palm", "install", P("Hawks.pdb")}, kExitRefused, "", "name one with --user", ""},
      {{"palm", "install", P("Hawks.pdb"), "--user", "nobody"},
       kExitRefused,
       "",
       "  line\\nbreak\n",
       ""},
      {{"palm", "install", P("Hawks.pdb"), "--user", "Robin"},
       kExitDone,
       "",
       "Hawks.pdb should be available on your Palm",
       "sync/Robin/Install/Hawks.pdb"},
      {{"palm", "import", "--user", "Robin", "Tigers.pdb", "-o", P("Tigers")},
       kExitDone,
       "",
       "",
       "Tigers.tem"},
      {{"ppc", "devices"},
       kExitDone,
       "Coach PPC\t" + P("dev1") + "\nSpare\t" + P("dev2") +
           "\nEscape\t(no synchronised-files folder)\n",
       "the SyncFolder of [three] holds a control character",
       ""},
      {{"ppc", "export", P("Hawks.tem")}, kExitRefused, "", "", ""},
      {{"ppc", "export", P("Hawks.tem"), "--device", "Spare"}, kExitDone, "", "", "dev2/Hawks.tem"},
      {{"ppc", "import", "Hawks.tem", "--device", "two", "-o", P("back/Copy")},
       kExitDone,
       "",
       "",
       "back/Copy.tem"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << r.err;
    if (!c.out.empty()) {
      EXPECT_EQ(r.out, c.out);
    }
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (!c.written.empty()) {
      EXPECT_TRUE(fs::exists(P(c.written)));
    }
  }
  EXPECT_FALSE(fs::exists(P("Kim.pdb")));  // no user, no database
  testing::ScopedEnv missing("SCOREWICK_INSTAIDE", P("none.so"));
  const auto no_library = RunCli({"palm", "users"});
  EXPECT_EQ(no_library.code, kExitRefused);
  EXPECT_NE(no_library.err.find("Cannot Load INSTAIDE.DLL"), std::string::npos);
}

}  // namespace
}  // namespace scorewick::cli
