// Save as: a failed write; and the printed roster's
// lines.

#include "reports/team_export.h"

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "reports/roster_text.h"
#include "reports/small_team.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::reports {
namespace {

TEST(SaveAsRulesTest, AFailedWriteLeavesTheFileWholeAndSaysSo) {
  TempDir dir;
  const std::string path = dir.Path("hawks.csv");
  ASSERT_TRUE(WriteTextFileAtomically(path, "old"));
  Team team = testing::SmallTeam();
  Status status;
  {
    FileSizeLimit disk_full(2);
    status = WriteTeamExport(path, team, TeamFileForm::kCsv, false, HtmlStyle{}, LocalDateTime{});
  }
  EXPECT_FALSE(status);
  ASSERT_EQ(status.messages.size(), 1u);
  EXPECT_EQ(status.messages[0].caption, "Save Error");
  EXPECT_TRUE(status.messages[0].text.starts_with("Unable to save " + path + ": "));
  std::string text;
  ASSERT_TRUE(ReadWholeTextFile(path, text));
  EXPECT_EQ(text, "old");
  EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(RosterTextTest, PrintedRosterLines) {
  scorewick::testing::ExpectGolden(
      scorewick::testing::JoinLines(RosterPrintLines(testing::SmallTeam())), "roster.txt");
}

}  // namespace
}  // namespace scorewick::reports
