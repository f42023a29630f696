// The pieces of every HTML page: colour text, font tags, head and footer.

#include "reports/html_vocabulary.h"

#include <gtest/gtest.h>

namespace scorewick::reports {
namespace {

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
