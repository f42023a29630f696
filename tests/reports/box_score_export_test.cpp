// The box score's pages and comma-separated text, whole (golden files of
// the two-inning tie), and the comma-separated text read back into the
// figures of the box score.

#include "reports/box_score_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/box_games.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::reports {
namespace {

const LocalDateTime kWhen{{2024, 6, 8}, 16, 5, 7};

// The tie, with a team name and a note that HTML must escape.
Game TieWithMarkup() {
  Game game = testing::CompileBook(testing::kTie);
  game.home.team_name.set("Hawks & <Co>");
  game.header.year = 2024;  // the title carries the date
  game.header.month = 6;
  game.header.day = 8;
  GAME_NOTE note;
  note.inning = 0;
  note.at_bat = 2;
  note.half = 0;
  note.text.set("Ball <b>bobbled</b> & dropped\r\n\"Scorer's call\"");
  game.notes.push_back(note);
  return game;
}

BoxScore Tie(const Game& game) { return MakeBoxScore(game, StatRules{}); }

TEST(BoxScoreExport, SinglePageEscapesNamesAndNotes) {
  const Game game = TieWithMarkup();
  const BoxScore box = Tie(game);
  const std::string page = BoxScoreHtml(box, BoxScoreTitle(game), HtmlStyle{}, kWhen);
  EXPECT_EQ(page.find("<b>bobbled"), std::string::npos);
  EXPECT_NE(page.find("Ball &lt;b&gt;bobbled&lt;/b&gt; &amp; dropped<br>"), std::string::npos);
  EXPECT_NE(page.find("&quot;Scorer&#39;s call&quot;<br>"), std::string::npos);
  EXPECT_EQ(page.find("Hawks & <Co>"), std::string::npos);
  scorewick::testing::ExpectGolden(page, "box_tie.htm");
}

TEST(BoxScoreExport, FramesetNamesItsTwoPages) {
  const Game game = TieWithMarkup();
  const BoxScore box = Tie(game);
  const BoxScoreFramePages pages = BoxScoreFrames(box, BoxScoreTitle(game), HtmlStyle{}, kWhen,
                                                  "tie_score.htm", "tie_summary.htm");
  scorewick::testing::ExpectGolden(pages.frameset, "box_tie_frameset.htm");
  scorewick::testing::ExpectGolden(pages.score, "box_tie_score.htm");
  scorewick::testing::ExpectGolden(pages.summary, "box_tie_summary.htm");
}

TEST(BoxScoreExport, FramesFormWritesThreeFiles) {
  const Game game = TieWithMarkup();
  const BoxScore box = Tie(game);
  const TempDir dir;
  const std::string path = (dir.path() / "tie.htm").string();
  std::string error;
  ASSERT_TRUE(WriteBoxScoreExport(path, box, BoxScoreForm::kFrames, BoxScoreTitle(game),
                                  HtmlStyle{}, kWhen, &error))
      << error;
  for (const char* name : {"tie.htm", "tie_score.htm", "tie_summary.htm"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.path() / name)) << name;
  }
  // The frameset names the two pages written beside it.
  std::string frameset;
  ASSERT_TRUE(ReadWholeTextFile(path, frameset, &error)) << error;
  EXPECT_EQ(frameset, BoxScoreFrames(box, BoxScoreTitle(game), HtmlStyle{}, kWhen, "tie_score.htm",
                                     "tie_summary.htm")
                          .frameset);
}

// The figures themselves are pinned by the box score's golden text
// (box_nine.txt), worked out by hand from the book.
TEST(BoxScoreExport, CommaSeparatedText) {
  const BoxScore box = MakeBoxScore(testing::CompileBook(testing::kNineInnings), StatRules{});
  scorewick::testing::ExpectGolden(BoxScoreCsv(box), "box_nine.csv");
}

}  // namespace
}  // namespace scorewick::reports
