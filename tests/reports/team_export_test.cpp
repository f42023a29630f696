// Save as: the form rules and a failed write; and the printed roster's
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

TEST(SaveAsRulesTest, NameAndForm) {
  EXPECT_EQ(SaveAsForm("/t/hawks.tem", 1), TeamFileForm::kTeamFile);
  EXPECT_EQ(SaveAsForm("/t/hawks.csv", 1), TeamFileForm::kTeamFile);  // the filter decides
  EXPECT_EQ(SaveAsForm("/t/hawks.tem", 2), TeamFileForm::kCsv);
  EXPECT_EQ(SaveAsForm("/t/hawks.txt", 3), TeamFileForm::kHtml);
  EXPECT_EQ(SaveAsForm("/t/hawks.htm", 1), TeamFileForm::kHtml);  // the name decides
  EXPECT_EQ(SaveAsForm("/t/hawks.html", 2), TeamFileForm::kHtml);
  EXPECT_EQ(SaveAsForm("htm", 1), TeamFileForm::kTeamFile);  // too short to count
  EXPECT_EQ(SaveAsForm("x.htm", 1), TeamFileForm::kHtml);
}

TEST(SaveAsRulesTest, AFailedWriteLeavesTheFileWholeAndSaysSo) {
  TempDir dir;
  const std::string path = dir.Path("hawks.csv");
  ASSERT_TRUE(WriteTextFileAtomically(path, "old", nullptr));
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
  ASSERT_TRUE(ReadWholeTextFile(path, text, nullptr));
  EXPECT_EQ(text, "old");
  EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(RosterTextTest, PrintedRosterLines) {
  scorewick::testing::ExpectGolden(
      scorewick::testing::JoinLines(RosterPrintLines(testing::SmallTeam())), "roster.txt");
}

}  // namespace
}  // namespace scorewick::reports
