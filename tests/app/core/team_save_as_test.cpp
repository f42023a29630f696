// Save as and the address list export: the file dialog, the questions about
// an existing file, appending, and a failed write shown.

#include "app/core/team_save_as.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/team_file.h"
#include "reports/address_list.h"
#include "reports/small_team.h"
#include "support/temp_dir.h"

namespace scorewick::app {
namespace {

using reports::AddressListCsv;
using reports::HtmlStyle;

std::string Read(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeTextFile(path, text, nullptr)) << path;
  return text;
}

class SaveTeamAsTest : public ::testing::Test {
 protected:
  std::string Choose(const std::string& name, int filter) {
    ui.file_answers.push_back(FileChoice{dir.Path(name), filter});
    return dir.Path(name);
  }
  ExportResult Save() { return SaveTeamAs(team, ui, HtmlStyle{}, dir.Path("")); }

  TempDir dir;
  ScriptedUi ui;
  Team team = testing::SmallTeam();
};

TEST_F(SaveTeamAsTest, AsksWithTheThreeFilters) {
  EXPECT_EQ(Save(), ExportResult::kCancelled);
  ASSERT_EQ(ui.file_requests.size(), 1u);
  EXPECT_EQ(ui.file_requests[0].title, "Select file name to save as");
  EXPECT_EQ(ui.file_requests[0].filter,
            "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|"
            "HTML (Web Page) Format (*.htm)|*.htm|");
  EXPECT_EQ(ui.file_requests[0].default_extension, "tem");
}

TEST_F(SaveTeamAsTest, NameWithoutDotTakesTheFilterExtension) {
  Choose("hawks", 2);
  EXPECT_EQ(Save(), ExportResult::kWritten);
  EXPECT_EQ(Read(dir.Path("hawks.csv")), TeamCsvText(team));
  EXPECT_TRUE(team.file_path.empty());  // only a team file becomes the team's path
  Choose("roster", 3);
  EXPECT_EQ(Save(), ExportResult::kWritten);
  EXPECT_EQ(Read(dir.Path("roster.htm")).rfind("<HTML><HEAD>", 0), 0u);
}

TEST_F(SaveTeamAsTest, TeamFileFilterWithCsvNameWritesATeamFile) {
  const std::string path = Choose("hawks.csv", 1);
  EXPECT_EQ(Save(), ExportResult::kWritten);
  EXPECT_EQ(team.file_path.str(), path);
  Team loaded;
  UserMessages messages;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes, nullptr));
  ASSERT_EQ(DecodeTeamFile(bytes, loaded, messages, nullptr), TeamReadResult::kOk);
  EXPECT_EQ(loaded.count(), 3);
  EXPECT_EQ(loaded.info(0).email.str(), "jo@example.org");  // personal information travels
}

TEST_F(SaveTeamAsTest, AppendWritesALineFeedAndASecondBlock) {
  const std::string path = Choose("hawks.csv", 2);
  ASSERT_TRUE(WriteTextFileAtomically(
      path, "Owls\nManager,A,Coach,B\n#,Name,Pos,BO,Bats,Throws,Key\n", nullptr));
  ui.yes_no_answers.push_back(true);  // append
  EXPECT_EQ(Save(), ExportResult::kWritten);
  EXPECT_EQ(Read(path),
            "Owls\nManager,A,Coach,B\n#,Name,Pos,BO,Bats,Throws,Key\n\n" + TeamCsvText(team));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "This file already exists.  Would you like to append to it?");
  EXPECT_TRUE(ui.messages[0].question);

  // An appended HTML roster carries no second page head.
  const std::string page = Choose("hawks.htm", 3);
  ASSERT_TRUE(WriteTextFileAtomically(page, "<HTML>old</HTML>", nullptr));
  ui.yes_no_answers.push_back(true);
  EXPECT_EQ(Save(), ExportResult::kWritten);
  const std::string html = Read(page);
  EXPECT_EQ(html.rfind("<HTML>old</HTML>\n\n<TABLE", 0), 0u);
  EXPECT_EQ(html.find("<HEAD>"), std::string::npos);
}

TEST_F(SaveTeamAsTest, ExistingFileQuestions) {
  const std::string csv = Choose("hawks.csv", 2);
  ASSERT_TRUE(WriteTextFileAtomically(csv, "old", nullptr));
  ui.yes_no_answers = {false, true};  // do not append; overwrite
  EXPECT_EQ(Save(), ExportResult::kWritten);
  EXPECT_EQ(Read(csv), TeamCsvText(team));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "Overwrite Existing File?");

  Choose("hawks.csv", 2);
  ASSERT_TRUE(WriteTextFileAtomically(csv, "old", nullptr));
  ui.yes_no_answers = {false, false};
  EXPECT_EQ(Save(), ExportResult::kCancelled);
  EXPECT_EQ(Read(csv), "old");

  // A team file is never appended to: one question, and No keeps the file.
  ui.messages.clear();
  const std::string tem = Choose("hawks.tem", 1);
  ASSERT_TRUE(WriteTextFileAtomically(tem, "old", nullptr));
  ui.yes_no_answers = {false};
  EXPECT_EQ(Save(), ExportResult::kCancelled);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Overwrite Existing File?");
  EXPECT_EQ(Read(tem), "old");
}

TEST_F(SaveTeamAsTest, AFailedSaveIsReported) {
  Choose("no such folder/hawks.csv", 2);
  EXPECT_EQ(Save(), ExportResult::kFailed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Save Error");
  EXPECT_FALSE(FileExists(dir.Path("no such folder/hawks.csv")));
}

TEST_F(SaveTeamAsTest, AddressListExportFollowsTheSameRules) {
  ui.file_answers.push_back(FileChoice{dir.Path("phones"), 2});
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, dir.Path("")), ExportResult::kWritten);
  EXPECT_EQ(Read(dir.Path("phones.htm"))
                .rfind("<HTML><HEAD><TITLE>Brixley Scorewick Address/Phone List", 0),
            0u);
  ui.file_answers.push_back(FileChoice{dir.Path("phones.csv"), 1});
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, dir.Path("")), ExportResult::kWritten);
  ui.file_answers.push_back(FileChoice{dir.Path("phones.csv"), 1});
  ui.yes_no_answers.push_back(true);
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, dir.Path("")), ExportResult::kWritten);
  EXPECT_EQ(Read(dir.Path("phones.csv")), AddressListCsv(team) + "\n" + AddressListCsv(team));
}

}  // namespace
}  // namespace scorewick::app
