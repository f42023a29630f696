// The handheld commands on odd desktop folders and partners files: a Palm
// user of the longest name a folder may have, one whose name holds a line
// feed, a partners file too large to read, a device folder holding a
// control character.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/core/pocket_pc_partners.h"
#include "cli/command.h"
#include "platform/scripted_ui.h"
#include "records/team.h"
#include "records/team_file.h"
#include "support/run_cli.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using scorewick::testing::RunCli;

class HostileHandheldTest : public ::testing::Test {
 protected:
  std::string P(const std::string& relative) { return (temp_.path() / relative).string(); }

  TempDir temp_;
  testing::ScopedEnv library_{"SCOREWICK_INSTAIDE", SCOREWICK_INSTAIDE_PATH};
  testing::ScopedEnv root_{"SCOREWICK_SYNC_ROOT", P("sync")};
  testing::ScopedEnv partners_{"SCOREWICK_PARTNERS", P("partners")};
};

TEST_F(HostileHandheldTest, PalmUsersOfLongAndSplitNames) {
  const std::string longest(255, 'u');
  for (const std::string& user : {longest, std::string("line\nbreak")}) {
    fs::create_directories(P("sync/" + user));
  }
  const auto users = RunCli({"palm", "users"});
  EXPECT_EQ(users.code, kExitDone);
  EXPECT_EQ(users.out, "line\\nbreak\n" + longest + "\n");

  Team team;
  ASSERT_TRUE(SaveTeam(P("Hawks.tem"), team));
  const auto exported = RunCli(
      {"palm", "export", P("Hawks.tem"), "-o", P("Hawks.pdb"), "--install", "--user", longest});
  EXPECT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_TRUE(fs::exists(P("sync/" + longest + "/Install/Hawks.pdb")));

  const auto unknown = RunCli({"palm", "install", P("Hawks.pdb"), "--user", "nobody"});
  EXPECT_EQ(unknown.code, kExitRefused);
  EXPECT_NE(unknown.err.find("  line\\nbreak\n"), std::string::npos) << unknown.err;
}

TEST_F(HostileHandheldTest, PartnersFilesThatCannotBeUsed) {
  fs::create_directories(P("folder"));
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

TEST_F(HostileHandheldTest, ARefusedFolderIsShownBeforeTheSearchGivesUp) {
  std::ofstream(P("partners")) << "[only]\nDisplayName=Only\nSyncFolder=/a\rb/c\n";
  ScriptedUi ui;
  EXPECT_FALSE(app::FindSyncFilesFolder(ui, true, P("partners")));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "the SyncFolder of [only] holds a control character and is not used");
}

}  // namespace
}  // namespace scorewick::cli
