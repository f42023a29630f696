// No command writes over its own input, or over a file that holds another
// kind of thing, unless --force is given.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/command.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "records/team_file.h"
#include "support/full_game.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

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
            kExitDone);
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
    EXPECT_EQ(refused.code, kExitRefused) << c.args[0] << " " << c.args[1];
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(Bytes(kept), before) << c.args[0] << " " << c.args[1] << " " << c.kept;
  }

  // Asked for, it is written; and a file of the same kind is replaced freely.
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("g.gam"), dir.Path("t.gam")}).code, kExitDone);
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("g.gam"), dir.Path("t.gam")}).code, kExitDone);
  EXPECT_EQ(testing::RunCli({"convert", dir.Path("t.tem"), dir.Path("data.csv"), "--force"}).code,
            kExitDone);
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
}  // namespace scorewick::cli
