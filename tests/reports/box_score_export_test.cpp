// The box score's pages and comma-separated text, whole (golden files of
// the two-inning tie), and the comma-separated text read back into the
// figures of the box score.

#include "reports/box_score_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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
  // The score page holds the tables, the summary page the rest.
  EXPECT_NE(pages.score.find("TEAM TOTALS"), std::string::npos);
  EXPECT_EQ(pages.score.find("Top of the 1st"), std::string::npos);
  EXPECT_NE(pages.summary.find("Top of the 1st"), std::string::npos);
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
  scorewick::testing::ExpectGolden(frameset, "box_tie_frameset.htm");
}

// A small CSV reader: fields split at commas outside quotes, doubled
// quotes inside quotes, blanks around unquoted fields trimmed.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  bool was_quoted = false;
  auto end_field = [&] {
    if (!was_quoted) {
      const auto first = field.find_first_not_of(' ');
      field = first == std::string::npos
                  ? ""
                  : field.substr(first, field.find_last_not_of(' ') - first + 1);
    }
    rows.back().push_back(field);
    field.clear();
    was_quoted = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = was_quoted = true;
    } else if (c == ',') {
      end_field();
    } else if (c == '\n') {
      end_field();
      rows.emplace_back();
    } else {
      field += c;
    }
  }
  end_field();
  return rows;
}

TEST(BoxScoreExport, CommaSeparatedTextReadsBackIntoTheSameFigures) {
  const Game game = testing::CompileBook(testing::kNineInnings);
  const BoxScore box = MakeBoxScore(game, StatRules{});
  const std::string csv = BoxScoreCsv(box);
  scorewick::testing::ExpectGolden(csv, "box_nine.csv");
  const auto rows = ReadCsv(csv);

  // Score by innings: the captions, then each team's runs by inning, R, H, E.
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0].front(), "Score By Innings");
  EXPECT_EQ(rows[0].size(), 9u + 4u);
  for (int t = 0; t < 2; ++t) {
    const bool visitors = t == 0;
    const auto& row = rows[static_cast<std::size_t>(1 + t)];
    EXPECT_EQ(row[0], box.team(visitors).team_name);
    for (int i = 0; i < 9; ++i)
      EXPECT_EQ(std::stoi(row[static_cast<std::size_t>(1 + i)]),
                box.runs_by_inning(visitors)[static_cast<std::size_t>(i)]);
    EXPECT_EQ(std::stoi(row[10]), box.runs(visitors));
    EXPECT_EQ(std::stoi(row[11]), box.hits(visitors));
    EXPECT_EQ(std::stoi(row[12]), box.errors(visitors));
  }

  // Batting: every player's at-bats, runs, hits and RBI on both sides.
  std::map<std::string, std::vector<int>> read;
  for (const auto& row : rows) {
    if (row.size() != 11 || row[1] == "ab") continue;
    for (std::size_t side : {0u, 6u}) {
      if (row[side].empty()) continue;
      read[row[side] + (side == 0 ? "" : " (right)")] = {
          std::stoi(row[side + 1]), std::stoi(row[side + 2]), std::stoi(row[side + 3]),
          std::stoi(row[side + 4])};
    }
  }
  std::size_t batters = 0;
  for (bool winner : {true, false}) {
    for (const BoxBatter& b : box.batters(winner)) {
      ++batters;
      const auto it = std::find_if(read.begin(), read.end(), [&](const auto& entry) {
        return entry.first.find(b.figures.name) != std::string::npos;
      });
      ASSERT_NE(it, read.end()) << b.figures.name;
      EXPECT_EQ(it->second, (std::vector<int>{b.figures.at_bats, b.figures.runs, b.figures.hits,
                                              b.figures.rbi}))
          << b.figures.name;
    }
  }
  EXPECT_EQ(read.size(), batters + 2);  // and both TEAM TOTALS
  EXPECT_EQ(read["TEAM TOTALS"], (std::vector<int>{28, 3, 4, 3}));
  EXPECT_EQ(read["TEAM TOTALS (right)"], (std::vector<int>{29, 2, 4, 2}));

  // Pitching: name, an empty column, IP, H, R, ER, BB, SO.
  const auto ike =
      std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r[0] == "Ike Ives L"; });
  ASSERT_NE(ike, rows.end());
  EXPECT_EQ(*ike, (std::vector<std::string>{"Ike Ives L", "", "7.67", "4", "3", "3", "0", "17"}));
  EXPECT_EQ(rows.back().front(), "This file was created with Brixley Scorewick");
}

}  // namespace
}  // namespace scorewick::reports
