// The command line on careless and hostile input: a file name that reads
// as an option, outputs that cannot be written, names holding control
// characters on standard output, inputs that cannot be read.

#include <gtest/gtest.h>

#include <filesystem>

#include "records/game_file.h"
#include "records/team_file.h"
#include "sim/scorebook.h"
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

}  // namespace
}  // namespace scorewick
