// scorewick print blank / print game.

#include <gtest/gtest.h>

#include "cli/command.h"
#include "records/file_io.h"
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
  const auto result = RunCli({"print", "blank", "--columns", "12", "--rows", "10", "--pages", "3",
                              "--pdf", pdf});
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

}  // namespace
}  // namespace scorewick::cli
