// scorewick plot spray / plot pitches over a hand-scored game.

#include <gtest/gtest.h>

#include "cli/command.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "sim/scorebook.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "tools/book_games.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::RunCli;

// A single to left, a ground out to short without a recorded location and
// a strikeout off Rex Roe; then Sal Stone walks Di Dunn and gets a fly
// out to centre.
std::string WriteGame(const TempDir& dir) {
  Game game;
  const sim::ScorebookResult compiled = sim::CompileScorebook(
      std::string(sim::testing::kTeams) +
          "rules innings=1\ntop 1\nb 1B7\nc 6-3\nsss K\nP \"Sal Stone\"\nbbbb BB\nF8\n",
      game);
  EXPECT_TRUE(compiled.ok) << compiled.error;
  AT_BAT& ground_out = game.innings[0].top.at_bats.at(1);
  ground_out.hit_x = kNoHitX;
  ground_out.hit_y = kNoHitY;
  const std::string path = dir.Path("g.gam");
  EXPECT_TRUE(SaveGame(path, game).ok);
  return path;
}

TEST(PlotCommand, SprayPointsAndShares) {
  TempDir dir;
  const std::string game = WriteGame(dir);
  auto result = RunCli({"plot", "spray", game, "--batter", "Bo Baker", "--points"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(result.out,
            "out 66 72\n"
            "Left 100.0%, centre 0.0%, right 0.0%; infield 100.0%, outfield 0.0% (1 balls)\n");

  result = RunCli({"plot", "spray", game, "--pitcher", "Sal Stone", "--points"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(result.out.substr(0, 4), "out ");
  EXPECT_NE(result.out.find("centre 100.0%"), std::string::npos) << result.out;

  result = RunCli({"plot", "spray", game, "--batter", "Nobody", "--points"});
  EXPECT_EQ(result.code, kExitRefused);
  EXPECT_NE(result.err.find("no batter \"Nobody\""), std::string::npos);
  EXPECT_EQ(RunCli({"plot", "spray", game}).code, kExitUsage);
}

TEST(PlotCommand, PitchSummaryAndPictures) {
  TempDir dir;
  const std::string game = WriteGame(dir);
  auto result = RunCli(
      {"plot", "pitches", game, "--pitcher", "Rex Roe", "--hide", "balls,hits", "--summary"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(
      result.out.substr(0, result.out.find('\n')),
      "For All Pitches, 5 pitches, 80.00 avg speed, 100.00% strikes,  0.00% balls,  0.00% hits.");
  EXPECT_EQ(RunCli({"plot", "pitches", game, "--type", "Spitter", "--summary"}).code, kExitUsage);
  EXPECT_EQ(RunCli({"plot", "pitches", game, "--hide", "fouls", "--summary"}).code, kExitUsage);

  for (const char* form : {"--pdf", "--png"}) {
    const std::string out =
        dir.Path(std::string("chart") + (form[2] == 'p' && form[3] == 'd' ? ".pdf" : ".png"));
    for (const char* plot : {"spray", "pitches"}) {
      result = RunCli({"plot", plot, game, form, out});
      ASSERT_EQ(result.code, kExitDone) << result.err;
      std::vector<std::uint8_t> bytes;
      ASSERT_TRUE(ReadWholeFile(out, bytes, nullptr));
      EXPECT_GT(bytes.size(), 1000u) << plot << form;
    }
  }
}

}  // namespace
}  // namespace scorewick::cli
