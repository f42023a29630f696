#include "app/core/palm_link.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "app/core/palm_commands.h"
#include "platform/scripted_ui.h"
#include "records/team_file.h"
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

TEST_F(PalmLinkTest, AFileTheQueueCannotTakeIsNotReportedAsInstalled) {
  AddUser("Pat");
  EXPECT_FALSE(InstallFileToPalm(services_, (dir_ / "never-written.pdb").string()));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].caption, "Palm Install Failed");
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
  EXPECT_TRUE(ui_.messages[0].question);
  EXPECT_EQ(ui_.messages[0].caption, "Scorewick Companion");
  EXPECT_EQ(
      ui_.messages[0].text,
      "Unable to locate the Scorewick Companion Application.\n\n" + session_.start_folder +
          "/Scorewick.prc\n\nWould you like to manually search your computer for this file ?");
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

}  // namespace
}  // namespace scorewick::app
