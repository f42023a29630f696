// The commands that read and carry team and game files: inspect, convert,
// team export and addresses, print roster, palm export and import.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "cli/command.h"
#include "exchange/palm_database.h"
#include "platform/scripted_ui.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "records/team_file.h"
#include "scoring/book.h"
#include "support/book_games.h"
#include "support/full_game.h"
#include "support/pdf_file.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::RunCli;
using RunResult = scorewick::testing::CliResult;

// Record texts are printed in UTF-8, the columns lined up by character:
// the name column is 24 characters wide.
TEST(Inspect, InspectsTeamAndGameAndConvertsBetweenForms) {
  TempDir dir;
  Team team = testing::HomeTeam();
  team.AddPlayer(testing::MakePlayer("Jos\xE9 N\xFA\xF1"
                                     "ez",
                                     12, 6, 0),
                 PLAYER_INFO{});
  ASSERT_TRUE(SaveTeam(dir.Path("hawks.tem"), team));
  RunResult r = RunCli({"inspect", dir.Path("hawks.tem")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  for (const char* shown :
       {"Harbor Hawks", "Ann Cole", "Pitcher", "12  José Núñez               Short Stop"}) {
    EXPECT_NE(r.out.find(shown), std::string::npos) << shown << r.out;
  }

  r = RunCli({"convert", dir.Path("hawks.tem"), dir.Path("hawks.csv")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  r = RunCli({"inspect", dir.Path("hawks.csv")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  EXPECT_NE(r.out.find("Harbor Hawks manager"), std::string::npos);

  Game game;
  game.visitor = team;
  game.innings[0].top.runs = 2;
  game.innings[0].top.offense.push_back(team.player(0));
  ASSERT_TRUE(SaveGame(dir.Path("opener.gam"), game));
  r = RunCli({"inspect", dir.Path("opener.gam")});
  EXPECT_EQ(r.code, kExitDone) << r.err;
  EXPECT_NE(r.out.find("Harbor Hawks"), std::string::npos);
}

TEST(Inspect, ACommaSeparatedTeamIsRefusedNamingTheFaultyLine) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(
      dir.Path("broken.csv"),
      "Hawks\nManager,A,Coach,B\n#,Name,Pos,BO,Bats,Throws,Key\n7,,SS,1\n"));
  const RunResult r = RunCli({"inspect", dir.Path("broken.csv")});
  EXPECT_EQ(r.code, kExitRefused);
  EXPECT_EQ(r.err, "Error: Invalid CSV Format\n\n  " + dir.Path("broken.csv") +
                       ": line 4 has no player name\n");
}

TEST(Inspect, AMissingInputWritesNothingAndNoArgumentsIsUsage) {
  TempDir dir;
  RunResult r = RunCli({"convert", dir.Path("missing.tem"), dir.Path("out.tem")});
  EXPECT_EQ(r.code, kExitRefused);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out.tem")));

  r = RunCli({"inspect"});
  EXPECT_EQ(r.code, kExitUsage);
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
  EXPECT_EQ(testing::ReadText(dir.Path("h.csv")), TeamCsvText(team));
  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--csv", dir.Path("h.csv"), "--append"}),
            kExitDone);
  EXPECT_EQ(testing::ReadText(dir.Path("h.csv")), TeamCsvText(team) + "\n" + TeamCsvText(team));

  ASSERT_EQ(Code({"team", "export", dir.Path("hawks.tem"), "--html", dir.Path("h.htm")}),
            kExitDone);
  EXPECT_EQ(testing::ReadText(dir.Path("h.htm"))
                .rfind("<HTML><HEAD><TITLE>Brixley Scorewick Hawks</TITLE>", 0),
            0u);

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
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("bad.csv"), "just one line\n"));
  EXPECT_EQ(Code({"team", "export", dir.Path("bad.csv"), "--html", dir.Path("b.htm")}),
            kExitRefused);
  EXPECT_FALSE(FileExists(dir.Path("b.htm")));
}

TEST_F(TeamCommandTest, AddressLists) {
  ASSERT_EQ(Code({"team", "addresses", dir.Path("hawks.tem"), "--csv", dir.Path("a.csv")}),
            kExitDone);
  EXPECT_EQ(testing::ReadText(dir.Path("a.csv"))
                .rfind("Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note\n"
                       "Jo Smith,",
                       0),
            0u);
  ASSERT_EQ(Code({"team", "addresses", dir.Path("hawks.tem"), "--html", dir.Path("a.htm")}),
            kExitDone);
  EXPECT_NE(testing::ReadText(dir.Path("a.htm"))
                .find("<a href=\"mailto:jo@example.org\">jo@example.org</a>"),
            std::string::npos);
}

TEST_F(TeamCommandTest, PrintsIntoPdfFiles) {
  ASSERT_EQ(Code({"print", "roster", dir.Path("hawks.tem"), "--pdf", dir.Path("r.pdf")}),
            kExitDone);
  testing::ExpectPdf(dir.Path("r.pdf"), 1, {"Hawks", "Jo Smith", "Pat <Lee>"});
  ASSERT_EQ(Code({"print", "addresses", dir.Path("hawks.tem"), "--pdf", dir.Path("a.pdf")}),
            kExitDone);
  testing::ExpectPdf(dir.Path("a.pdf"), 1, {});
  EXPECT_EQ(Code({"print", "roster", dir.Path("hawks.tem")}), kExitUsage);
}

RunResult Palm(std::vector<std::string> args) {
  args.insert(args.begin(), "palm");
  return testing::RunCli(std::move(args));
}

RunResult PalmIn(const TempDir& folder, std::vector<std::string> args) {
  args.insert(args.begin(), "palm");
  return testing::RunCliIn(folder.path(), std::move(args));
}

TEST(PalmCommand, GameThereAndBackWithProposedNames) {
  TempDir games, work;
  Game game = testing::MakeFullGame(3, 3);
  ASSERT_TRUE(SaveGame(games.Path("Opener.gam"), game));

  RunResult exported = PalmIn(work, {"export", games.Path("Opener.gam")});
  ASSERT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_EQ(exported.out, "Palm database written: Opener.pdb\n");
  EXPECT_EQ(PalmStreamKind(work.Path("Opener.pdb")), PalmKind::kGame);

  RunResult kind = Palm({"kind", work.Path("Opener.pdb")});
  EXPECT_EQ(std::tuple(kind.code, kind.out), std::tuple(kExitDone, "game\n"));

  // What the game keeps on its way is the exchange's own round trip.
  RunResult imported = PalmIn(work, {"import", "Opener.pdb"});
  ASSERT_EQ(imported.code, kExitDone) << imported.err;
  EXPECT_EQ(imported.out, "Game Created from Palm Database: Opener.gam\n");
  EXPECT_EQ(ContentOfFile(work.Path("Opener.gam")), FileContent::kGameFile);
}

TEST(PalmCommand, TeamFromCommaSeparatedTextAndBack) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("Tigers.csv"),
                                      "Tigers\nManager,Pat Lee,Coach,Sam Ortiz\n"
                                      "#,Name,Pos,BO,Bats,Throws,Key\n"
                                      "12,Jo Smith,Short Stop,3,RH,RH,4\n"));
  RunResult exported = Palm({"export", dir.Path("Tigers.csv"), "-o", dir.Path("Tigers.pdb")});
  ASSERT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_EQ(Palm({"kind", dir.Path("Tigers.pdb")}).out, "team\n");

  // A chosen name without an extension gets the team's.
  RunResult imported = Palm({"import", dir.Path("Tigers.pdb"), "-o", dir.Path("Copy")});
  ASSERT_EQ(imported.code, kExitDone) << imported.err;
  ScriptedUi ui;
  Team team;
  ASSERT_TRUE(Show(ui, LoadTeam(dir.Path("Copy.tem"), team)));
  ASSERT_EQ(team.count(), 1);
  EXPECT_EQ(team.player(0).name.view(), "Jo Smith");
}

TEST(PalmCommand, RefusalsAndUsage) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("odd.pdb"), std::string(100, 'x')));
  RunResult neither = Palm({"kind", dir.Path("odd.pdb")});
  EXPECT_EQ(neither.code, kExitRefused);
  EXPECT_EQ(neither.out, "neither\n");
  // A file that cannot be read is an error, not a database of neither kind.
  RunResult unread = Palm({"kind", dir.Path("none.pdb")});
  EXPECT_EQ(unread.code, kExitRefused);
  EXPECT_EQ(unread.out, "");
  EXPECT_NE(unread.err.find("none.pdb: No such file or directory"), std::string::npos)
      << unread.err;

  // A team database cut inside its block writes no team.
  Team team = testing::HomeTeam();
  ASSERT_TRUE(SaveTeam(dir.Path("Hawks.tem"), team));
  ASSERT_EQ(Palm({"export", dir.Path("Hawks.tem"), "-o", dir.Path("Hawks.pdb")}).code, kExitDone);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("Hawks.pdb"), bytes));
  bytes.resize(bytes.size() - 10);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("Cut.pdb"), bytes));
  RunResult cut = Palm({"import", dir.Path("Cut.pdb"), "-o", dir.Path("Cut.tem")});
  EXPECT_EQ(cut.code, kExitRefused);
  EXPECT_FALSE(FileExists(dir.Path("Cut.tem")));

  EXPECT_EQ(Palm({"export", dir.Path("Hawks.txt")}).code, kExitUsage);
  EXPECT_EQ(Palm({}).code, kExitUsage);
}

}  // namespace
}  // namespace scorewick::cli

// No command writes over its own input, or over a file that holds another
// kind of thing, unless --force is given.
namespace scorewick {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) bytes.clear();
  return bytes;
}

TEST(OutputCheck, AnInputOrAFileOfAnotherKindIsNotOverwrittenUnlessForced) {
  TempDir dir;
  Team team = testing::MakeTeam("Hawks", 3);
  Game game = testing::MakeFullGame(2, 2);
  ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), team));
  ASSERT_TRUE(SaveGame(dir.Path("g.gam"), game));
  ASSERT_EQ(testing::RunCli({"palm", "export", dir.Path("t.tem"), "-o", dir.Path("t.pdb")}).code,
            cli::kExitDone);
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("notes.txt"), "my notes\n"));
  std::filesystem::create_symlink(dir.Path("t.tem"), dir.Path("link.tem"));
  std::filesystem::copy_file(dir.Path("t.pdb"), dir.Path("data.csv"));
  std::filesystem::copy_file(dir.Path("t.tem"), dir.Path("team.gam"));

  const struct {
    std::vector<std::string> args;
    std::string kept;  // the file that must come through whole
  } cases[] = {
      {{"palm", "export", dir.Path("g.gam"), "-o", dir.Path("g.gam")}, "g.gam"},
      {{"team", "export", dir.Path("t.tem"), "--csv", dir.Path("t.tem")}, "t.tem"},
      {{"team", "export", dir.Path("link.tem"), "--tem", dir.Path("t.tem")}, "t.tem"},
      {{"team", "export", dir.Path("t.tem"), "--csv", dir.Path("g.gam"), "--append"}, "g.gam"},
      {{"team", "addresses", dir.Path("t.tem"), "--html", dir.Path("notes.txt")}, "notes.txt"},
      {{"palm", "import", dir.Path("t.pdb"), "-o", dir.Path("t.pdb")}, "t.pdb"},
      {{"convert", dir.Path("t.tem"), dir.Path("data.csv")}, "data.csv"},
      {{"convert", dir.Path("g.gam"), dir.Path("team.gam")}, "team.gam"},
      {{"box", dir.Path("g.gam"), "--format", "csv", "-o", dir.Path("t.pdb")}, "t.pdb"},
      {{"stats", dir.Path("g.gam"), "--all-teams", "-o", dir.Path("g.gam")}, "g.gam"},
      {{"print", "roster", dir.Path("t.tem"), "--pdf", dir.Path("t.tem")}, "t.tem"},
  };
  for (const auto& c : cases) {
    const std::string kept = dir.Path(c.kept);
    const std::vector<std::uint8_t> before = Bytes(kept);
    const testing::CliResult refused = testing::RunCli(c.args);
    EXPECT_EQ(refused.code, cli::kExitRefused) << c.args[0] << " " << c.args[1];
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(Bytes(kept), before) << c.args[0] << " " << c.args[1] << " " << c.kept;
  }

  // Asked for, it is written; and a file of the same kind is replaced freely.
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("g.gam"), dir.Path("t.gam")}).code,
            cli::kExitDone);
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("g.gam"), dir.Path("t.gam")}).code,
            cli::kExitDone);
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("t.tem"), dir.Path("data.csv"), "--force"}).code,
            cli::kExitDone);
  EXPECT_EQ(ContentOfFile(dir.Path("data.csv")), FileContent::kTeamCsv);
}

TEST(OutputCheck, ContentIsToldFromTheFirstBytes) {
  TempDir dir;
  Team team = testing::MakeTeam("A", 2);
  Game game = testing::MakeFullGame(1, 1);
  ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), team));
  ASSERT_TRUE(SaveGame(dir.Path("g.gam"), game));
  const struct {
    std::string name;
    std::string text;  // written unless empty and the file is made above
    FileContent content;
  } cases[] = {{"t.tem", "", FileContent::kTeamFile},
               {"g.gam", "", FileContent::kGameFile},
               {"missing", "", FileContent::kNone},
               {"a.pdf", "%PDF-1.4\n", FileContent::kPdf},
               {"a.htm", " \n<HTML>", FileContent::kHtml},
               {"a.csv", "Hawks\nManager,,Coach,\n", FileContent::kText},
               {"team.csv", "Hawks\r\nmanager,,Coach,\r\n #,Name,Pos\r\n", FileContent::kTeamCsv},
               {"a.pdb", std::string("Hawks\0\0\0", 8), FileContent::kBinary}};
  for (const auto& c : cases) {
    if (!c.text.empty()) {
      ASSERT_TRUE(WriteTextFileAtomically(dir.Path(c.name), c.text));
    }
    EXPECT_EQ(ContentOfFile(dir.Path(c.name)), c.content) << c.name;
  }
  EXPECT_EQ(ContentOfFile(dir.path().string()), FileContent::kNotAFile);
}

// A file whose kind cannot be read is not taken for an empty one: it is
// written over only when forced.  (Root reads every file, so the case
// cannot be made there.)
TEST(OutputCheck, AFileThatCannotBeReadIsNotWrittenOverUnlessForced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a write-only file";
  TempDir dir;
  const std::string path = dir.Path("locked.csv");
  ASSERT_TRUE(WriteTextFileAtomically(path, "keep"));
  std::filesystem::permissions(path, std::filesystem::perms::owner_write);
  EXPECT_EQ(ContentOfFile(path), FileContent::kUnknown);
  Team team = testing::MakeTeam("A", 2);
  ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), team));
  EXPECT_EQ(testing::RunCli({"team", "export", dir.Path("t.tem"), "--csv", path}).code,
            cli::kExitRefused);
  EXPECT_EQ(testing::RunCli({"team", "export", dir.Path("t.tem"), "--csv", path, "--force"}).code,
            cli::kExitDone);
}

}  // namespace
}  // namespace scorewick
