// The HTML roster page, the address list, the printed roster and the
// comma-separated texts of a small team, whole, against golden files in
// tests/reports/data; and a save as that fails.

#include "reports/team_html.h"

#include <gtest/gtest.h>

#include "records/csv_team.h"
#include "records/file_io.h"
#include "reports/address_list.h"
#include "reports/html_vocabulary.h"
#include "reports/roster_text.h"
#include "reports/small_team.h"
#include "reports/team_export.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::reports {
namespace {

using testing::ExpectGolden;

const LocalDateTime kWhen{{2004, 7, 3}, 9, 5, 7};

TEST(TeamHtmlTest, RosterPageWithFixedWidthFont) {
  ExpectGolden(TeamHtml(testing::SmallTeam(), HtmlStyle{}, kWhen, false), "roster.htm");
}

TEST(TeamHtmlTest, AppendedRosterLeavesOutTheHeadAndUsesTheStyle) {
  Team team = testing::SmallTeam();
  team.team_name.set("A&B");
  HtmlStyle style;
  style.font_face = "Variable Width";
  style.header_color = 0x0000FF;
  style.primary_row_color = 0x00FF00;
  style.alternate_row_color = 0x123456;
  ExpectGolden(TeamHtml(team, style, kWhen, true), "roster_appended_styled.htm");
}

TEST(AddressListTest, HtmlPageWithAFaceName) {
  const Team team = testing::SmallTeam();
  HtmlStyle style;
  style.font_face = "Arial";
  const std::string page = AddressListHtml(team, style, kWhen, false);
  ExpectGolden(page, "address_list_arial.htm");
  // Appended: the table follows without a second head.
  EXPECT_EQ(AddressListHtml(team, style, kWhen, true), page.substr(page.find("\n<TABLE")));
}

TEST(AddressListTest, AnAddressCannotInjectMarkupIntoTheLink) {
  Team team;
  team.AddPlayer(
      testing::MakePlayer("X", 1, 1, 0, 1, 1),
      testing::MakeInfo("", "", "", "", "", 1, 1, 2000, "a\"><script>alert(1)</script>", ""));
  const std::string html = AddressListHtml(team, HtmlStyle{}, kWhen, true);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("mailto:a&quot;&gt;&lt;script&gt;"), std::string::npos);
}

TEST(AddressListTest, CommaSeparatedTextsQuoteFieldsThatNeedIt) {
  const Team team = testing::SmallTeam();
  ExpectGolden(AddressListCsv(team), "address_list.csv");
  ExpectGolden(TeamCsvText(team), "team.csv");
  EXPECT_EQ(AddressListCsv(Team{}), "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note");
}

TEST(AddressListTest, PrintedBlocks) {
  const Team team = testing::SmallTeam();
  EXPECT_EQ(AddressBlock(team, 0),
            (std::vector<std::string>{"#12, Jo Smith, Short Stop", "12 Elm St", "Avon, OH 44011",
                                      "555-0101", "7/4/1990", "jo@example.org", "lefty bunter"}));
  EXPECT_EQ(AddressBlock(team, 1)[0], "#00, Al Bo, Pitcher");
  EXPECT_EQ(AddressBlock(team, 1)[2], ",  ");
}

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
  ExpectGolden(scorewick::testing::JoinLines(RosterPrintLines(testing::SmallTeam())), "roster.txt");
}

// The pieces of every HTML page: colour text, font tags, head and footer.

TEST(HtmlVocabularyTest, ColoursAreRedGreenBlueInHex) {
  EXPECT_EQ(ColorText(0xDFFFFD), "FDFFDF");  // red 253, green 255, blue 223
  EXPECT_EQ(ColorText(0x010203), "030201");  // each component keeps two digits
}

// The tags of the three kinds of face ("Fixed Width", "Variable Width", a
// face name) and the plain page head and footer stand in the golden pages
// of the team and statistics exports; here, what those pages do not show.
TEST(HtmlVocabularyTest, FaceNamesAndTitlesCannotBreakTheMarkup) {
  HtmlStyle style;
  style.font_color = 0x0000FF;
  style.body_font_size = 2;
  // The keywords are exact: another spelling is a face name.
  style.font_face = "fixed width";
  EXPECT_EQ(MakeFontTags(style).body_open, "<font color=FF0000 face=\"fixed width\" size=2>");
  style.font_face = "A\" onload=\"x";
  EXPECT_EQ(MakeFontTags(style).body_open,
            "<font color=FF0000 face=\"A&quot; onload=&quot;x\" size=2>");
  EXPECT_EQ(PageHead("</TITLE><script>", HtmlStyle{}),
            "<HTML><HEAD><TITLE>Brixley Scorewick &lt;/TITLE&gt;&lt;script&gt;</TITLE></HEAD>"
            "<BODY BGCOLOR=FDFFDF>");
  // Two-digit hours and months (the golden pages hold a morning in July).
  LocalDateTime late{{2010, 12, 25}, 23, 59, 0};
  EXPECT_NE(PageFooter(late).find(" on 12/25/2010 at 23:59:00</font>"), std::string::npos);
}

TEST(HtmlVocabularyTest, TextIsEscaped) {
  EXPECT_EQ(HtmlText("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
  EXPECT_EQ(HtmlText("O\xE9 plain"), "O\xE9 plain");  // 8-bit letters stand as they are
}

}  // namespace
}  // namespace scorewick::reports
