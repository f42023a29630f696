// The command line on careless and hostile input: a file name that reads
// as an option, outputs that cannot be written, names holding control
// characters on standard output, inputs that cannot be read.  No command
// writes over its own input, or over a file that holds another kind of
// thing, unless --force is given.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/command.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "records/team_file.h"
#include "sim/scorebook.h"
#include "support/full_game.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "tools/book_games.h"

namespace scorewick {
namespace {

using testing::RunCli;

constexpr const char* kDashHint = "to name a file that begins with '-', put -- before it";

class HostileCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Team team;
    team.team_name.set("Hawks");
    ASSERT_TRUE(SaveTeam(dir.Path("-x.tem"), team));
    Game game;
    ASSERT_TRUE(
        sim::CompileScorebook(std::string(sim::testing::kTeams) + sim::testing::kWalkOff, game).ok);
    game.home.team_name.set("Ha\x1b[2Jwks");
    ASSERT_TRUE(SaveGame(dir.Path("g.gam"), game));
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
  }
  void TearDown() override { std::filesystem::current_path(previous); }

  TempDir dir;
  std::filesystem::path previous;
};

TEST_F(HostileCliTest, AFileNameThatReadsAsAnOptionGetsAHint) {
  const struct {
    std::vector<std::string> args;
    int code;
    bool hint;
  } cases[] = {
      {{"inspect", "-x.tem"}, 2, true},   {{"convert", "-x.tem", "out.csv"}, 2, true},
      {{"inspect", "-y.tem"}, 2, true},  // no such file, but named like one
      {{"inspect", "--bogus"}, 2, false}, {{"inspect", "--", "-x.tem"}, 0, false},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.back() << r.err;
    EXPECT_EQ(r.err.find(kDashHint) != std::string::npos, c.hint) << r.err;
  }
}

TEST_F(HostileCliTest, AnOutputThatCannotBeWrittenIsSaidOnce) {
  const std::string out = dir.Path("none/out");
  const std::vector<std::string> commands[] = {
      {"box", "g.gam", "--format", "html", "-o", out + ".html"},
      {"box", "g.gam", "--format", "frames", "-o", out + ".html"},
      {"stats", "g.gam", "--all-teams", "-o", out + ".csv"},
      {"convert", "--", "-x.tem", out + ".csv"},
  };
  for (const auto& args : commands) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.code, 1) << args[0] << r.err;
    const std::size_t first = r.err.find("cannot write");
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("cannot write", first + 1), std::string::npos) << r.err;
  }
}

TEST_F(HostileCliTest, NamesOnStandardOutputAreEscaped) {
  for (const char* format : {"text", "csv"}) {
    const auto r = RunCli({"stats", "g.gam", "--all-teams", "--format", format});
    ASSERT_EQ(r.code, 0) << r.err;
    const bool to_read = std::string(format) == "text";
    // Read on the terminal, a name is escaped; as a file's content piped
    // elsewhere, it is left as it is.
    EXPECT_EQ(r.out.find("Ha\\x1b[2Jwks") != std::string::npos, to_read) << format;
    EXPECT_EQ(r.out.find('\x1b') == std::string::npos, to_read) << format;
  }
}

TEST_F(HostileCliTest, InputsThatCannotBeReadNameTheFileAndTheReason) {
  std::filesystem::create_directories(dir.Path("folder.gam"));
  const struct {
    std::vector<std::string> args;
    std::string reason;
  } cases[] = {
      {{"inspect", "none.tem"}, "none.tem: No such file or directory"},
      {{"inspect", "folder.gam"}, "folder.gam: it is a folder"},
      {{"box", "none.gam"}, "File does not exist: none.gam"},
      {{"palm", "import", "none.pdb"}, "none.pdb: No such file or directory"},
      {{"palm", "import", "folder.gam"}, "folder.gam: it is a folder"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
  }
}

std::vector<std::uint8_t> Bytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  ReadWholeFile(path, bytes, nullptr);
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
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("notes.txt"), "my notes\n", nullptr));
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
  EXPECT_EQ(ContentOfFile(dir.Path("data.csv")), FileContent::kText);
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
               {"a.pdb", std::string("Hawks\0\0\0", 8), FileContent::kBinary}};
  for (const auto& c : cases) {
    if (!c.text.empty()) {
      ASSERT_TRUE(WriteTextFileAtomically(dir.Path(c.name), c.text, nullptr));
    }
    EXPECT_EQ(ContentOfFile(dir.Path(c.name)), c.content) << c.name;
  }
}

}  // namespace
}  // namespace scorewick
