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
  // How they are escaped is in the golden page; here, that nothing is not.
  EXPECT_EQ(page.find("<b>bobbled"), std::string::npos);
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

// The frameset names its pages by address: a '#', a '?' or a blank in a
// file name would otherwise lead elsewhere.
TEST(BoxScoreExport, FramesetAddressesArePercentEncoded) {
  const Game game = TieWithMarkup();
  const BoxScoreFramePages pages = BoxScoreFrames(Tie(game), "t", HtmlStyle{}, kWhen,
                                                  "my game#1?_score.htm", "caf\xE9&_summary.htm");
  EXPECT_NE(pages.frameset.find("SRC=\"my%20game%231%3F_score.htm\""), std::string::npos)
      << pages.frameset;
  EXPECT_NE(pages.frameset.find("SRC=\"caf%E9%26_summary.htm\""), std::string::npos);
}

TEST(BoxScoreExport, FramesFormWritesThreeFiles) {
  const Game game = TieWithMarkup();
  const BoxScore box = Tie(game);
  const TempDir dir;
  const std::string path = (dir.path() / "tie.htm").string();
  const Status saved = WriteBoxScoreExport(path, box, BoxScoreForm::kFrames, BoxScoreTitle(game),
                                           HtmlStyle{}, kWhen);
  ASSERT_TRUE(saved) << saved.reason;
  for (const char* name : {"tie.htm", "tie_score.htm", "tie_summary.htm"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.path() / name)) << name;
  }
  // The frameset names the two pages written beside it.
  std::string frameset;
  ASSERT_TRUE(ReadWholeTextFile(path, frameset));
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

// Figures of 100 or more, and a saving pitcher: the text makes room for
// them, and the tables take each figure whole from the figures (never cut
// from the text's columns).
TEST(BoxScoreExport, TablesAreBuiltFromTheFiguresWhateverTheirSize) {
  const Game game = testing::CompileBook(testing::kNineInnings);
  BoxTeamFigures home = CountBoxTeam(game, false, StatRules{});
  BoxTeamFigures visitors = CountBoxTeam(game, true, StatRules{});
  for (BoxBattingFigures& b : home.batting) {
    if (b.name == "Jo Jett") b.at_bats = 199, b.runs = 11, b.hits = 29, b.rbi = 10;
  }
  for (BoxPitchingFigures& p : home.pitching) {
    if (p.name == "Rex Roe") p.outs = 300;
  }
  for (BoxPitchingFigures& p : visitors.pitching) {
    if (p.name == "Ray Relief") p.saves = 1;
  }
  const BoxScore box(game, visitors, home, 3);
  std::string text;
  for (const std::string& line : box.lines()) text += line + "\n";
  const std::string csv = BoxScoreCsv(box);
  const std::string html = BoxScoreHtml(box, "t", HtmlStyle{}, kWhen);
  const struct {
    const std::string& output;
    std::string want;
  } cases[] = {
      {text, "Jo Jett cf                    199 11 29 10 |"},
      {text, "Rex Roe W                      100.00 "},
      {text, "\nRay Relief S  "},
      {csv, "\nJo Jett cf                    ,199,11,29,10,,"},
      {csv, "\nRex Roe W                     ,,100.00,4,2,2,3,15\n"},
      {csv, "\nRay Relief S                  ,,0.33,"},
      {html, ">Jo Jett cf                    </font>"},
      {html, ">199</font>"},
      {html, ">100.00</font>"},
      {html, ">Ray Relief S                  </font>"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(c.output.find(c.want), std::string::npos) << c.want << "\n" << c.output;
  }
}

}  // namespace
}  // namespace scorewick::reports
