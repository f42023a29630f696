// The pieces of every HTML page: colour text, font tags, head and footer.

#include "reports/html_vocabulary.h"

#include <gtest/gtest.h>

namespace scorewick::reports {
namespace {

TEST(HtmlVocabularyTest, ColoursAreRedGreenBlueInHex) {
  EXPECT_EQ(ColorText(0xFFFFFF), "FFFFFF");
  EXPECT_EQ(ColorText(0xDFFFFD), "FDFFDF");  // red 253, green 255, blue 223
  EXPECT_EQ(ColorText(0x800000), "000080");  // each component keeps two digits
  EXPECT_EQ(ColorText(0x804000), "004080");
  EXPECT_EQ(ColorText(0x010203), "030201");
}

TEST(HtmlVocabularyTest, FontTagsFollowTheFaceName) {
  HtmlStyle style;
  style.font_color = 0x0000FF;
  style.header_font_color = 0xFFFFFF;
  style.body_font_size = 2;
  style.header_font_size = 5;

  style.font_face = "Fixed Width";
  FontTags tags = MakeFontTags(style);
  EXPECT_EQ(tags.body_open, "<tt><font color=FF0000 size=2>");
  EXPECT_EQ(tags.header_open, "<tt><font color=FFFFFF size=5>");
  EXPECT_EQ(tags.close, "</font></tt>");

  style.font_face = "Variable Width";
  tags = MakeFontTags(style);
  EXPECT_EQ(tags.body_open, "<font color=FF0000 size=2>");
  EXPECT_EQ(tags.header_open, "<font color=FFFFFF size=5>");
  EXPECT_EQ(tags.close, "</font>");

  style.font_face = "Arial";
  tags = MakeFontTags(style);
  EXPECT_EQ(tags.body_open, "<font color=FF0000 face=\"Arial\" size=2>");
  EXPECT_EQ(tags.header_open, "<font color=FFFFFF face=\"Arial\" size=5>");
  EXPECT_EQ(tags.close, "</font>");

  // The keywords are exact: another spelling is a face name.
  style.font_face = "fixed width";
  EXPECT_EQ(MakeFontTags(style).body_open, "<font color=FF0000 face=\"fixed width\" size=2>");
  // A face name cannot end the attribute early.
  style.font_face = "A\" onload=\"x";
  EXPECT_EQ(MakeFontTags(style).body_open,
            "<font color=FF0000 face=\"A&quot; onload=&quot;x\" size=2>");
}

TEST(HtmlVocabularyTest, HeadEscapesItsTitle) {
  HtmlStyle style;
  EXPECT_EQ(PageHead("Hawks", style),
            "<HTML><HEAD><TITLE>Brixley Scorewick Hawks</TITLE></HEAD><BODY BGCOLOR=FDFFDF>");
  EXPECT_EQ(PageHead("</TITLE><script>", style),
            "<HTML><HEAD><TITLE>Brixley Scorewick &lt;/TITLE&gt;&lt;script&gt;</TITLE></HEAD>"
            "<BODY BGCOLOR=FDFFDF>");
}

TEST(HtmlVocabularyTest, FooterStampsDateAndTime) {
  LocalDateTime when{{2004, 7, 3}, 9, 5, 7};
  EXPECT_EQ(PageFooter(when),
            "\n</TABLE>\n<P><font size=-1>This file was created with "
            "<A HREF=\"http://www.brixley-scorewick.example/\"><EM>Brixley Scorewick</EM></A>"
            " on 7/03/2004 at  9:05:07</font>\n</BODY></HTML>");
  LocalDateTime late{{2010, 12, 25}, 23, 59, 0};
  EXPECT_NE(PageFooter(late).find(" on 12/25/2010 at 23:59:00</font>"), std::string::npos);
}

TEST(HtmlVocabularyTest, TextIsEscaped) {
  EXPECT_EQ(HtmlText("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
  EXPECT_EQ(HtmlText("O\xE9 plain"), "O\xE9 plain");  // 8-bit letters stand as they are
}

}  // namespace
}  // namespace scorewick::reports
