#include "app/core/team_save_as.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/scripted_ui.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/output_guard.h"
#include "records/team_file.h"
#include "reports/address_list.h"
#include "reports/small_team.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::app {
namespace {

using reports::AddressListCsv;
using reports::HtmlStyle;

class SaveTeamAsTest : public ::testing::Test {
 protected:
  SaveTeamAsTest() { session.start_folder = dir.Path(""); }
  std::string Choose(const std::string& name, int filter) {
    ui.file_answers.push_back(FileChoice{dir.Path(name), filter});
    return dir.Path(name);
  }
  ExportResult Save() { return SaveTeamAs(team, ui, HtmlStyle{}, session); }

  TempDir dir;
  Session session;
  ScriptedUi ui;
  Team team = testing::SmallTeam();
};

TEST_F(SaveTeamAsTest, AsksWithTheThreeFilters) {
  team.team_name.set("A/B: \"Hawks\"?");
  EXPECT_EQ(Save(), ExportResult::kCancelled);
  ASSERT_EQ(ui.file_requests.size(), 1u);
  const FileDialogRequest& asked = ui.file_requests[0];
  EXPECT_EQ(std::tuple(asked.title, asked.filter, asked.default_extension, asked.initial_name),
            std::tuple("Select file name to save as",
                       "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|"
                       "HTML (Web Page) Format (*.htm)|*.htm|",
                       "tem", "A_B_ _Hawks__"));
}

TEST(ProposedFileName, ReplacesWhatAFileNameCannotHold) {
  const std::pair<const char*, const char*> cases[] = {{"Harbor Hawks", "Harbor Hawks"},
                                                       {"Hawks/Owls", "Hawks_Owls"},
                                                       {"a\\b|c<d>", "a_b_c_d_"},
                                                       {"tab\there", "tab_here"},
                                                       {"..", ""},
                                                       {"St. Paul", "St. Paul"}};
  for (const auto& [name, proposed] : cases) EXPECT_EQ(ProposedFileName(name), proposed) << name;
}

// The chosen type decides what is written.  A name typed without an
// extension gets the type's; one whose extension says another type is
// asked about: Yes adds the type's extension, No keeps the name typed.
TEST_F(SaveTeamAsTest, TheChosenTypeDecidesContentAndExtension) {
  const struct {
    const char* typed;
    int filter;
    int answer;  // -1: no question
    const char* written;
    FileContent content;
  } cases[] = {
      {"a", 1, -1, "a.tem", FileContent::kTeamFile},
      {"b.tem", 1, -1, "b.tem", FileContent::kTeamFile},
      {"c", 2, -1, "c.csv", FileContent::kTeamCsv},
      {"d.CSV", 2, -1, "d.CSV", FileContent::kTeamCsv},
      {"e", 3, -1, "e.htm", FileContent::kHtml},
      {"f.html", 3, -1, "f.html", FileContent::kHtml},
      {"gulls2.tem", 3, 1, "gulls2.tem.htm", FileContent::kHtml},
      {"gulls3.tem", 3, 0, "gulls3.tem", FileContent::kHtml},
      {"aguilas.csv", 1, 1, "aguilas.csv.tem", FileContent::kTeamFile},
      {"hawks.csv", 1, 0, "hawks.csv", FileContent::kTeamFile},
      {"roster.htm", 2, 1, "roster.htm.csv", FileContent::kTeamCsv},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ui.messages.clear();
    Choose(c.typed, c.filter);
    if (c.answer >= 0) ui.yes_no_answers.push_back(c.answer == 1);
    EXPECT_EQ(Save(), ExportResult::kWritten);
    EXPECT_EQ(ui.messages.size(), c.answer >= 0 ? 1u : 0u);
    EXPECT_EQ(ContentOfFile(dir.Path(c.written)), c.content);
    if (c.answer == 1) {
      EXPECT_FALSE(FileExists(dir.Path(c.typed)));
    }
  }
  EXPECT_EQ(ui.messages[0].text,
            "roster.htm is not the name of a comma-separated file.\n\nSave it as roster.htm.csv?\n"
            "(No saves it as roster.htm.)");
  EXPECT_EQ(ui.messages[0].caption, "File Type");

  // Only a team file becomes the team's file, personal information included.
  EXPECT_EQ(team.file_path.str(), dir.Path("hawks.csv"));
  Team loaded;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("aguilas.csv.tem"), bytes));
  ASSERT_TRUE(DecodeTeamFile(bytes, loaded));
  EXPECT_EQ(loaded.info(0).email.str(), "jo@example.org");
  EXPECT_EQ(testing::ReadText(dir.Path("c.csv")), TeamCsvText(team));
}

// A file already there: text forms offer to append (a line feed, then a
// second block; an HTML roster without a second page head), then to
// overwrite; a team file only to overwrite.  A file of another kind (here
// the team's own file, under a name typed for text) is written over whole
// only on Yes, never appended to.
TEST_F(SaveTeamAsTest, AFileAlreadyThere) {
  ASSERT_TRUE(SaveTeam(dir.Path("owls.tem"), team));
  const std::string team_bytes = testing::ReadText(dir.Path("owls.tem"));
  const std::string csv = TeamCsvText(team);
  const std::string html = "<HTML>old</HTML>";
  const std::string replace_team =
      "owls.tem is the file being exported, and it holds a team file.\n\n"
      "Replace it with a comma-separated file?";
  using enum ExportResult;
  const struct {
    const char* name;
    int filter;
    std::string old_text;
    std::vector<bool> answers;
    ExportResult result;
    std::string written;  // the file's whole text, or its start for HTML
    const char* last_question;
  } cases[] = {
      {"a.csv", 2, "Owls\n", {true}, kWritten, "Owls\n\n" + csv, kAppendQuestion},
      {"b.csv", 2, "old", {false, true}, kWritten, csv, kOverwriteQuestion},
      {"c.csv", 2, "old", {false, false}, kCancelled, "old", kOverwriteQuestion},
      {"d.htm", 3, html, {true}, kWritten, html + "\n\n<TABLE", kAppendQuestion},
      {"e.tem", 1, team_bytes, {false}, kCancelled, team_bytes, kOverwriteQuestion},
      {"owls.tem", 2, team_bytes, {false, false}, kCancelled, team_bytes, replace_team.c_str()},
      {"owls.tem", 2, team_bytes, {false, true}, kWritten, csv, nullptr},
  };
  team.file_path.set(dir.Path("owls.tem"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(WriteTextFileAtomically(dir.Path(c.name), c.old_text));
    ui.messages.clear();
    Choose(c.name, c.filter);
    ui.yes_no_answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(Save(), c.result);
    EXPECT_EQ(ui.messages.size(), c.answers.size());
    if (c.last_question) {
      EXPECT_EQ(ui.messages.back().text, c.last_question);
    }
    EXPECT_EQ(testing::ReadText(dir.Path(c.name)).substr(0, c.written.size()), c.written);
  }
  EXPECT_EQ(testing::ReadText(dir.Path("d.htm")).find("<HEAD>"), std::string::npos);
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
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, session), ExportResult::kWritten);
  EXPECT_EQ(testing::ReadText(dir.Path("phones.htm"))
                .rfind("<HTML><HEAD><TITLE>Brixley Scorewick Address/Phone List", 0),
            0u);
  ui.file_answers.push_back(FileChoice{dir.Path("phones.csv"), 1});
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, session), ExportResult::kWritten);
  ui.file_answers.push_back(FileChoice{dir.Path("phones.csv"), 1});
  ui.yes_no_answers.push_back(true);
  EXPECT_EQ(ExportAddressList(team, ui, HtmlStyle{}, session), ExportResult::kWritten);
  EXPECT_EQ(testing::ReadText(dir.Path("phones.csv")),
            AddressListCsv(team) + "\n" + AddressListCsv(team));
}

}  // namespace
}  // namespace scorewick::app
