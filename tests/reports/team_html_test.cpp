// The HTML roster page and the address list of a small team, whole.

#include "reports/team_html.h"

#include <gtest/gtest.h>

#include "reports/address_list.h"
#include "reports/small_team.h"

namespace scorewick::reports {
namespace {

const LocalDateTime kWhen{{2004, 7, 3}, 9, 5, 7};

constexpr const char* kFooter =
    "\n</TABLE>\n<P><font size=-1>This file was created with "
    "<A HREF=\"http://www.brixley-scorewick.example/\"><EM>Brixley Scorewick</EM></A>"
    " on 7/03/2004 at  9:05:07</font>\n</BODY></HTML>";

TEST(TeamHtmlTest, RosterPageWithFixedWidthFont) {
  const Team team = testing::SmallTeam();
  const std::string H = "<tt><font color=FFFFFF size=4>";
  const std::string B = "<tt><font color=000000 size=3>";
  const std::string C = "</font></tt>";
  const std::string expected =
      "<HTML><HEAD><TITLE>Brixley Scorewick Hawks</TITLE></HEAD><BODY BGCOLOR=FDFFDF>"
      "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1 WIDTH=600>\n"
      "\n\t<th colspan=6 bgcolor=004080>" + H + "Hawks" + C + "</th>\n"
      "\n\t<tr bgcolor=004080><td colspan=6 align=left><b>" + H + "Manager :" + C + "</b>" + H +
      "&nbsp;Pat Lee" + C + "</td>"
      "\n\t<tr bgcolor=004080><td colspan=6 align=left><b>" + H + "Coach :" + C + "</b>" + H +
      "&nbsp;Sam Ortiz" + C + "</td>"
      "\n\t<tr bgcolor=004080><td align=center><b>" + H + "#" + C +
      "</b></td><td width=250 align=left><b>" + H + "Name" + C + "</b></td><td align=left><b>" +
      H + "Pos" + C + "</b></td><td align=center><b>" + H + "BO" + C +
      "</b></td><td align=center><b>" + H + "Bats" + C + "</b></td><td align=center><b>" + H +
      "Throws" + C + "</b></td></tr>"
      "\n\t<tr bgcolor=FFFFFF><td align=center>" + B + "12" + C + "</td><td align=left>" + B +
      "Jo Smith" + C + "</td><td align=left>" + B + "Short Stop" + C + "</td><td align=center>" +
      B + "3" + C + "</td><td align=center>" + B + "RH" + C + "</td><td align=center>" + B +
      "RH" + C + "</td></tr>"
      "\n\t<tr bgcolor=EEEEEE><td align=center>" + B + "00" + C + "</td><td align=left>" + B +
      "Al Bo" + C + "</td><td align=left>" + B + "Pitcher" + C + "</td><td align=center>" + B +
      "0" + C + "</td><td align=center>" + B + "LH" + C + "</td><td align=center>" + B + "LH" +
      C + "</td></tr>"
      "\n\t<tr bgcolor=FFFFFF><td align=center>" + B + "7" + C + "</td><td align=left>" + B +
      "Cy &lt;b&gt;Young&lt;/b&gt; &amp; &quot;Co&quot;" + C + "</td><td align=left>" + B +
      "Designated Hitter" + C + "</td><td align=center>" + B + "1" + C +
      "</td><td align=center>" + B + "SH" + C + "</td><td align=center>" + B + "RH" + C +
      "</td></tr>" +
      kFooter;
  EXPECT_EQ(TeamHtml(team, HtmlStyle{}, kWhen, false), expected);
}

TEST(TeamHtmlTest, AppendedRosterLeavesOutTheHeadAndUsesTheStyle) {
  Team team = testing::SmallTeam();
  team.team_name.set("A&B");
  HtmlStyle style;
  style.font_face = "Variable Width";
  style.header_color = 0x0000FF;
  style.primary_row_color = 0x00FF00;
  style.alternate_row_color = 0x123456;
  const std::string html = TeamHtml(team, style, kWhen, true);
  EXPECT_EQ(html.rfind("\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1 WIDTH=600>\n", 0), 0u);
  EXPECT_NE(html.find("<th colspan=6 bgcolor=FF0000><font color=FFFFFF size=4>A&amp;B</font>"),
            std::string::npos);
  EXPECT_NE(html.find("<tr bgcolor=00FF00><td align=center><font color=000000 size=3>12</font>"),
            std::string::npos);
  EXPECT_NE(html.find("<tr bgcolor=563412><td align=center><font color=000000 size=3>00</font>"),
            std::string::npos);
  EXPECT_EQ(html.find("<HTML>"), std::string::npos);
  EXPECT_EQ(html.find("<tt>"), std::string::npos);
}

TEST(AddressListTest, HtmlPageWithAFaceName) {
  const Team team = testing::SmallTeam();
  HtmlStyle style;
  style.font_face = "Arial";
  const std::string H = "<font color=FFFFFF face=\"Arial\" size=4>";
  const std::string B = "<font color=000000 face=\"Arial\" size=3>";
  const std::string C = "</font>";
  auto cell = [&](const std::string& text) { return "<td align=left>&nbsp;" + B + text + C + "</td>"; };
  std::string expected =
      "<HTML><HEAD><TITLE>Brixley Scorewick Address/Phone List</TITLE></HEAD>"
      "<BODY BGCOLOR=FDFFDF>"
      "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1 WIDTH=1650>\n"
      "\n\t<th colspan=9 bgcolor=004080>" + H + "Hawks" + C + "</th>"
      "\n\t<tr bgcolor=004080><td width=250 align=left>" + H + "Name" + C + "</td>";
  for (const char* column : {"Phone", "Birthday", "Address", "City", "State", "Zip", "e-mail",
                             "Note"}) {
    expected += "<td align=left>" + H + column + C + "</td>";
  }
  expected += "</tr>";
  expected += "\n\t<tr bgcolor=FFFFFF>" + cell("Jo Smith") + cell("555-0101") + cell("7/4/1990") +
              cell("12 Elm St") + cell("Avon") + cell("OH") + cell("44011") +
              cell("<a href=\"mailto:jo@example.org\">jo@example.org</a>") +
              cell("lefty bunter") + "</tr>";
  expected += "\n\t<tr bgcolor=EEEEEE>" + cell("Al Bo") + cell("") + cell("1/2/2001") + cell("") +
              cell("") + cell("") + cell("") + cell("<a href=\"mailto:\"></a>") + cell("") +
              "</tr>";
  expected += "\n\t<tr bgcolor=FFFFFF>" +
              cell("Cy &lt;b&gt;Young&lt;/b&gt; &amp; &quot;Co&quot;") + cell("555-0199") +
              cell("12/31/1985") + cell("1 Main") + cell("Lodi") + cell("CA") + cell("95240") +
              cell("<a href=\"mailto:cy@example.org\">cy@example.org</a>") +
              cell("needs, a ride") + "</tr>";
  expected += kFooter;
  EXPECT_EQ(AddressListHtml(team, style, kWhen, false), expected);
  // Appended: the table follows without a second head.
  EXPECT_EQ(AddressListHtml(team, style, kWhen, true),
            expected.substr(expected.find("\n<TABLE")));
}

TEST(AddressListTest, AnAddressCannotInjectMarkupIntoTheLink) {
  Team team;
  team.AddPlayer(testing::MakePlayer("X", 1, 1, 0, 1, 1),
                 testing::MakeInfo("", "", "", "", "", 1, 1, 2000,
                                   "a\"><script>alert(1)</script>", ""));
  const std::string html = AddressListHtml(team, HtmlStyle{}, kWhen, true);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("mailto:a&quot;&gt;&lt;script&gt;"), std::string::npos);
}

TEST(AddressListTest, CommaSeparatedListQuotesFieldsThatNeedIt) {
  const Team team = testing::SmallTeam();
  EXPECT_EQ(AddressListCsv(team),
            "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note"
            "\nJo Smith,555-0101,7/4/1990,12 Elm St,Avon,OH,44011,jo@example.org,lefty bunter"
            "\nAl Bo,,1/2/2001,,,,,,"
            "\n\"Cy <b>Young</b> & \"\"Co\"\"\",555-0199,12/31/1985,1 Main,Lodi,CA,95240,"
            "cy@example.org,\"needs, a ride\"");
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

}  // namespace
}  // namespace scorewick::reports
