// scorewick box GAME [--format text|html|frames|csv|pdf] [-o OUT]

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/box_score.h"
#include "reports/box_score_export.h"
#include "support/box_games.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::RunCli;

class BoxCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game = reports::testing::CompileBook(reports::testing::kNineInnings);
    path = dir.Path("nine.gam");
    ASSERT_TRUE(SaveGame(path, game));
  }
  std::string Read(const std::string& name) const {
    std::string text;
    ReadWholeTextFile(dir.Path(name), text, nullptr);
    return text;
  }

  TempDir dir;
  Game game;
  std::string path;
};

TEST_F(BoxCommandTest, TextToStandardOutputOneLinePerLine) {
  const auto r = RunCli({"box", path});
  ASSERT_EQ(r.code, 0) << r.err;
  std::string want;
  const reports::BoxScore box = reports::MakeBoxScore(game, StatRules{});
  for (const std::string& line : box.lines()) want += line + "\n";
  EXPECT_EQ(r.out, want);
  EXPECT_NE(r.out.find("Hawks 3, Gulls 2\n"), std::string::npos);
}

TEST_F(BoxCommandTest, EveryFormToAFile) {
  for (const char* form : {"text", "html", "csv"}) {
    const auto r =
        RunCli({"box", path, "--format", form, "-o", dir.Path(std::string("box.") + form)});
    EXPECT_EQ(r.code, 0) << form << r.err;
  }
  EXPECT_NE(Read("box.text").find("Score By Innings"), std::string::npos);
  EXPECT_EQ(Read("box.html").rfind("<HTML>", 0), 0u);
  EXPECT_EQ(Read("box.csv").rfind("Score By Innings,1,2", 0), 0u);

  const auto frames = RunCli({"box", path, "--format", "frames", "-o", dir.Path("game.htm")});
  ASSERT_EQ(frames.code, 0) << frames.err;
  EXPECT_NE(Read("game.htm").find("SRC=\"game_score.htm\""), std::string::npos);
  EXPECT_NE(Read("game_score.htm").find("TEAM TOTALS"), std::string::npos);
  EXPECT_NE(Read("game_summary.htm").find("Top of the 9th"), std::string::npos);

  const auto pdf = RunCli({"box", path, "--format", "pdf", "-o", dir.Path("box.pdf")});
  ASSERT_EQ(pdf.code, 0) << pdf.err;
  EXPECT_EQ(Read("box.pdf").rfind("%PDF", 0), 0u);
}

// Frames and PDF need a file to write; an unknown form is a usage error.
TEST_F(BoxCommandTest, Usage) {
  for (const char* form : {"frames", "pdf", "xml"}) {
    EXPECT_EQ(RunCli({"box", path, "--format", form}).code, 2) << form;
  }
}

}  // namespace
}  // namespace scorewick::cli
