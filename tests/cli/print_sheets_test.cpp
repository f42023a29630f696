// scorewick print blank / print game.

#include <gtest/gtest.h>

#include "cli/command.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/sheet_games.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::RunCli;

std::string Read(const std::string& path) {
  std::string text;
  ReadWholeTextFile(path, text, nullptr);
  return text;
}

// The number of pages of a PDF file written by Qt.
int PdfPages(const std::string& pdf) {
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1)) {
    ++pages;
  }
  return pages;
}

TEST(PrintBlankCommand, WritesTheAskedPages) {
  TempDir dir;
  const std::string pdf = dir.Path("blank.pdf");
  const auto result =
      RunCli({"print", "blank", "--columns", "12", "--rows", "10", "--pages", "3", "--pdf", pdf});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  const std::string bytes = Read(pdf);
  EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
  EXPECT_EQ(PdfPages(bytes), 3);

  for (const char* bad : {"0", "16"}) {
    EXPECT_EQ(RunCli({"print", "blank", "--columns", bad, "--pdf", dir.Path("x.pdf")}).code,
              kExitUsage);
  }
  EXPECT_EQ(RunCli({"print", "blank", "--pages", "101", "--pdf", dir.Path("x.pdf")}).code,
            kExitUsage);
  EXPECT_EQ(RunCli({"print", "blank"}).code, kExitUsage);
  EXPECT_FALSE(FileExists(dir.Path("x.pdf")));
}

TEST(PrintGameCommand, SidesColumnsAndNotes) {
  TempDir dir;
  Game game = scorewick::testing::CompileSheetGame(scorewick::testing::kBatAroundBook);
  const std::string gam = dir.Path("around.gam");
  ASSERT_TRUE(SaveGame(gam, game));
  const std::string pdf = dir.Path("game.pdf");
  struct Case {
    std::vector<std::string> options;
    int pages;
  };
  for (const Case& c :
       {Case{{}, 1}, Case{{"--side", "both"}, 2}, Case{{"--side", "both", "--notes"}, 3},
        Case{{"--side", "visitors", "--columns", "1", "--notes"}, 3},
        Case{{"--side", "Home", "--columns", "4", "--empty-fields"}, 1}}) {
    std::vector<std::string> args{"print", "game", gam, "--pdf", pdf};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = RunCli(args);
    ASSERT_EQ(result.code, kExitDone) << result.err;
    EXPECT_EQ(PdfPages(Read(pdf)), c.pages);
  }
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--columns", "16"}, {"--columns", "wide"}, {"--side", "away"}}) {
    std::vector<std::string> args{"print", "game", gam, "--pdf", dir.Path("x.pdf")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCli(args).code, kExitUsage) << bad[1];
  }
  // A file that is not a game is refused, and nothing is written.
  ASSERT_TRUE(
      WriteFileAtomically(dir.Path("bad.gam"), std::vector<std::uint8_t>{1, 2, 3}, nullptr));
  const auto refused = RunCli({"print", "game", dir.Path("bad.gam"), "--pdf", dir.Path("x.pdf")});
  EXPECT_EQ(refused.code, kExitRefused);
  EXPECT_FALSE(refused.err.empty());
  EXPECT_FALSE(FileExists(dir.Path("x.pdf")));
}

}  // namespace
}  // namespace scorewick::cli
