// scorewick team export / team addresses / print roster / print addresses.

#include <gtest/gtest.h>

#include "cli/command.h"
#include "platform/scripted_ui.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/team_file.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

std::string Read(const std::string& path) {
  std::string text;
  ReadWholeTextFile(path, text, nullptr);
  return text;
}

int Code(std::vector<std::string> args) { return testing::RunCli(std::move(args)).code; }

class TeamCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    team.team_name.set("Hawks");
    team.manager.set("Pat <Lee>");
    PLAYER p;
    p.name.set("Jo Smith");
    p.uniform_number = -1;
    PLAYER_INFO info = NewPlayerInfo();
    info.email.set("jo@example.org");
    team.AddPlayer(p, info);
    ASSERT_TRUE(SaveTeam(dir.Path("hawks.tem"), team));
  }
  TempDir dir;
  Team team;
};

TEST_F(TeamCommandTest, ExportsInEachForm) {
  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--csv", dir.Path("h.csv")}), kExitDone);
  EXPECT_EQ(Read(dir.Path("h.csv")), TeamCsvText(team));
  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--csv", dir.Path("h.csv"), "--append"}),
            kExitDone);
  EXPECT_EQ(Read(dir.Path("h.csv")), TeamCsvText(team) + "\n" + TeamCsvText(team));

  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--html", dir.Path("h.htm")}),
            kExitDone);
  const std::string html = Read(dir.Path("h.htm"));
  EXPECT_EQ(html.rfind("<HTML><HEAD><TITLE>Brixley Scorewick Hawks</TITLE>", 0), 0u);
  EXPECT_NE(html.find("&nbsp;Pat &lt;Lee&gt;"), std::string::npos);
  EXPECT_NE(html.find(">00</font>"), std::string::npos);

  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--tem", dir.Path("copy.tem")}),
            kExitDone);
  Team copy;
  ScriptedUi ui;
  ASSERT_TRUE(Show(ui, LoadTeam(dir.Path("copy.tem"), copy)));
  EXPECT_EQ(copy.info(0).email.str(), "jo@example.org");
}

TEST_F(TeamCommandTest, UsageAndRefusals) {
  EXPECT_EQ(Code({"team", "export", dir.Path("hawks.tem")}), kExitUsage);  // no form
  EXPECT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--csv", dir.Path("a.csv"), "--html",
                  dir.Path("a.htm")}),
            kExitUsage);
  EXPECT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--tem", dir.Path("a.tem"), "--append"}),
            kExitUsage);
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("bad.csv"), "just one line\n", nullptr));
  EXPECT_EQ(Code({"team", "export", dir.Path("bad.csv"), "--html", dir.Path("b.htm")}),
            kExitRefused);
  EXPECT_FALSE(FileExists(dir.Path("b.htm")));
}

TEST_F(TeamCommandTest, AddressLists) {
  ASSERT_EQ(Code({"team", "addresses", dir.Path("hawks.tem"), "--csv", dir.Path("a.csv")}),
            kExitDone);
  EXPECT_EQ(Read(dir.Path("a.csv"))
                .rfind("Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note\n"
                       "Jo Smith,",
                       0),
            0u);
  ASSERT_EQ(Code({"team", "addresses", dir.Path("hawks.tem"), "--html", dir.Path("a.htm")}),
            kExitDone);
  EXPECT_NE(Read(dir.Path("a.htm")).find("<a href=\"mailto:jo@example.org\">jo@example.org</a>"),
            std::string::npos);
}

TEST_F(TeamCommandTest, PrintsIntoPdfFiles) {
  ASSERT_EQ(Code({"print", "roster", dir.Path("hawks.tem"), "--pdf", dir.Path("r.pdf")}),
            kExitDone);
  EXPECT_EQ(Read(dir.Path("r.pdf")).rfind("%PDF", 0), 0u);
  ASSERT_EQ(Code({"print", "addresses", dir.Path("hawks.tem"), "--pdf", dir.Path("a.pdf")}),
            kExitDone);
  EXPECT_EQ(Read(dir.Path("a.pdf")).rfind("%PDF", 0), 0u);
  EXPECT_EQ(Code({"print", "roster", dir.Path("hawks.tem")}), kExitUsage);
}

}  // namespace
}  // namespace scorewick::cli
