// The command line's handheld commands: palm users and install, ppc
// devices, export and import; user names of the longest length or holding
// a line feed, partners files too large or holding control characters.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/core/pocket_pc_partners.h"
#include "cli/command.h"
#include "platform/scripted_ui.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/run_cli.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using scorewick::testing::RunCli;
using RunResult = scorewick::testing::CliResult;

class HandheldCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"sync/Alex", "sync/Robin", "dev1", "dev2"}) {
      fs::create_directories(dir_ / d);
    }
    std::ofstream(dir_ / "partners")
        << "[one]\nDisplayName=Coach PPC\nSyncFolder=" << (dir_ / "dev1").string()
        << "\n[two]\nDisplayName=Spare\n"
        << "SyncFolder=" << (dir_ / "dev2").string() << "\n";
    Team team;
    team.team_name.set("Harbor Hawks");
    ASSERT_TRUE(SaveTeam(P("Hawks.tem"), team));
  }
  std::string P(const std::string& relative) { return (dir_ / relative).string(); }

  TempDir temp_;
  fs::path dir_ = temp_.path();
  testing::ScopedEnv library_{"SCOREWICK_INSTAIDE", SCOREWICK_INSTAIDE_PATH};
  testing::ScopedEnv root_{"SCOREWICK_SYNC_ROOT", P("sync")};
  testing::ScopedEnv partners_{"SCOREWICK_PARTNERS", "/nonexistent/partners"};
};

TEST_F(HandheldCliTest, PalmUsersAndInstall) {
  fs::copy_file(P("Hawks.tem"), P("Hawks.pdb"));
  RunResult unnamed = RunCli({"palm", "install", P("Hawks.pdb")});
  EXPECT_EQ(unnamed.code, kExitRefused);
  EXPECT_NE(unnamed.err.find("name one with --user"), std::string::npos);

  RunResult done = RunCli({"palm", "install", P("Hawks.pdb"), "--user", "Robin"});
  EXPECT_EQ(done.code, kExitDone) << done.err;
  EXPECT_NE(done.err.find("Hawks.pdb should be available on your Palm"), std::string::npos);
  EXPECT_TRUE(fs::exists(P("sync/Robin/Install/Hawks.pdb")));

  testing::ScopedEnv missing("SCOREWICK_INSTAIDE", P("none.so"));
  RunResult no_library = RunCli({"palm", "users"});
  EXPECT_EQ(no_library.code, kExitRefused);
  EXPECT_NE(no_library.err.find("Cannot Load INSTAIDE.DLL"), std::string::npos);
}

TEST_F(HandheldCliTest, PalmExportInstallsAndImportReadsTheBackupFolder) {
  RunResult refused = RunCli(
      {"palm", "export", P("Hawks.tem"), "-o", P("Hawks.pdb"), "--install", "--user", "Kim"});
  EXPECT_EQ(refused.code, kExitRefused);
  EXPECT_FALSE(fs::exists(P("Hawks.pdb")));

  RunResult exported = RunCli(
      {"palm", "export", P("Hawks.tem"), "-o", P("Hawks.pdb"), "--install", "--user", "Alex"});
  EXPECT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_TRUE(fs::exists(P("sync/Alex/Install/Hawks.pdb")));

  fs::create_directories(P("sync/Robin/Backup"));
  fs::copy_file(P("Hawks.pdb"), P("sync/Robin/Backup/Tigers.pdb"));
  RunResult imported =
      RunCli({"palm", "import", "--user", "Robin", "Tigers.pdb", "-o", P("Tigers")});
  EXPECT_EQ(imported.code, kExitDone) << imported.err;
  Team copy;
  ConsoleUi ui(std::cerr);
  ASSERT_TRUE(Show(ui, LoadTeam(P("Tigers.tem"), copy)));
  EXPECT_EQ(copy.team_name.str(), "Harbor Hawks");
}

TEST_F(HandheldCliTest, PocketPcDevicesExportAndImport) {
  EXPECT_EQ(RunCli({"ppc", "devices"}).code, kExitRefused);
  testing::ScopedEnv partners("SCOREWICK_PARTNERS", P("partners"));
  RunResult devices = RunCli({"ppc", "devices"});
  EXPECT_EQ(devices.out, "Coach PPC\t" + P("dev1") + "\nSpare\t" + P("dev2") + "\n");

  EXPECT_EQ(RunCli({"ppc", "export", P("Hawks.tem")}).code, kExitRefused);  // which device?
  RunResult exported = RunCli({"ppc", "export", P("Hawks.tem"), "--device", "Spare"});
  EXPECT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_TRUE(fs::exists(P("dev2/Hawks.tem")));

  fs::create_directories(P("back"));
  RunResult imported =
      RunCli({"ppc", "import", "Hawks.tem", "--device", "two", "-o", P("back/Copy")});
  EXPECT_EQ(imported.code, kExitDone) << imported.err;
  Team copy;
  ConsoleUi ui(std::cerr);
  ASSERT_TRUE(Show(ui, LoadTeam(P("back/Copy.tem"), copy)));
  EXPECT_EQ(copy.team_name.str(), "Harbor Hawks");
}

TEST_F(HandheldCliTest, PalmUsersOfLongAndSplitNames) {
  const std::string longest(255, 'u');
  for (const std::string& user : {longest, std::string("line\nbreak")}) {
    fs::create_directories(P("sync/" + user));
  }
  const auto users = RunCli({"palm", "users"});
  EXPECT_EQ(users.code, kExitDone);
  EXPECT_EQ(users.out, "Alex\nRobin\nline\\nbreak\n" + longest + "\n");

  const auto exported = RunCli(
      {"palm", "export", P("Hawks.tem"), "-o", P("Hawks.pdb"), "--install", "--user", longest});
  EXPECT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_TRUE(fs::exists(P("sync/" + longest + "/Install/Hawks.pdb")));

  const auto unknown = RunCli({"palm", "install", P("Hawks.pdb"), "--user", "nobody"});
  EXPECT_EQ(unknown.code, kExitRefused);
  EXPECT_NE(unknown.err.find("  line\\nbreak\n"), std::string::npos) << unknown.err;
}

TEST_F(HandheldCliTest, PartnersFilesThatCannotBeUsed) {
  testing::ScopedEnv partners("SCOREWICK_PARTNERS", P("partners"));
  const struct {
    std::string text;  // the partners file, or none when empty
    int code;
    std::string out;
    std::string err;
  } cases[] = {
      {"", kExitRefused, "", "no partners file at " + P("partners")},
      {std::string(2 << 20, '#'), kExitRefused, "",
       P("partners") + " is larger than 1 MB and was not read"},
      {"[a]\nDisplayName=Tab\nSyncFolder=/x\ty\n[b]\nDisplayName=Escape\nSyncFolder=/x\x1b]0;y\n",
       kExitDone, "Tab\t(no synchronised-files folder)\nEscape\t(no synchronised-files folder)\n",
       "the SyncFolder of [b] holds a control character and is not used"},
      {"[z]\nDisplayName=Zero\nSyncFolder=/x\0y\n"s, kExitDone,
       "Zero\t(no synchronised-files folder)\n",
       "the SyncFolder of [z] holds a control character and is not used"},
  };
  for (const auto& c : cases) {
    fs::remove(P("partners"));
    if (!c.text.empty()) std::ofstream(P("partners"), std::ios::binary) << c.text;
    const auto r = RunCli({"ppc", "devices"});
    EXPECT_EQ(r.code, c.code) << c.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
  fs::remove(P("partners"));
  fs::create_directories(P("partners"));
  EXPECT_NE(RunCli({"ppc", "devices"}).err.find(P("partners") + ": it is a folder"),
            std::string::npos);
}

TEST_F(HandheldCliTest, ARefusedFolderIsShownBeforeTheSearchGivesUp) {
  std::ofstream(P("partners")) << "[only]\nDisplayName=Only\nSyncFolder=/a\rb/c\n";
  ScriptedUi ui;
  EXPECT_FALSE(app::FindSyncFilesFolder(ui, true, P("partners")));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "the SyncFolder of [only] holds a control character and is not used");
}

}  // namespace
}  // namespace scorewick::cli
