// The commands that make reports of scored games: box scores, spray and
// pitch charts, score sheets, statistics (a game in a prior format
// refused, damaged games left out), a player's game log and the pitchers'
// workload (each refusal with what it names).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/command.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/box_score.h"
#include "reports/box_score_export.h"
#include "reports/sheet_games.h"
#include "reports/stats_csv.h"
#include "scoring/book.h"
#include "support/book_games.h"
#include "support/box_games.h"
#include "support/pdf_file.h"
#include "support/run_cli.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::CliResult;
using scorewick::testing::ReadText;
using scorewick::testing::RunCli;

class BoxCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game = reports::testing::CompileBook(reports::testing::kNineInnings);
    path = dir.Path("nine.gam");
    ASSERT_TRUE(SaveGame(path, game));
  }

  TempDir dir;
  Game game;
  std::string path;
};

TEST_F(BoxCommandTest, TextToStandardOutputOneLinePerLine) {
  const auto r = RunCli({"box", path});
  ASSERT_EQ(r.code, 0) << r.err;
  std::string want;
  const reports::BoxScore box = reports::MakeBoxScore(game, StatRules{});
  for (const std::string& line : box.lines()) want += line + "\n";
  EXPECT_EQ(r.out, want);
}

TEST_F(BoxCommandTest, EveryFormToAFile) {
  for (const char* form : {"text", "html", "csv"}) {
    const auto r =
        RunCli({"box", path, "--format", form, "-o", dir.Path(std::string("box.") + form)});
    EXPECT_EQ(r.code, 0) << form << r.err;
  }
  EXPECT_NE(ReadText(dir.Path("box.text")).find("Score By Innings"), std::string::npos);
  EXPECT_EQ(ReadText(dir.Path("box.html")).rfind("<HTML>", 0), 0u);
  EXPECT_EQ(ReadText(dir.Path("box.csv")).rfind("Score By Innings,1,2", 0), 0u);

  const auto frames = RunCli({"box", path, "--format", "frames", "-o", dir.Path("game.htm")});
  ASSERT_EQ(frames.code, 0) << frames.err;
  EXPECT_NE(ReadText(dir.Path("game.htm")).find("SRC=\"game_score.htm\""), std::string::npos);
  EXPECT_NE(ReadText(dir.Path("game_score.htm")).find("TEAM TOTALS"), std::string::npos);
  EXPECT_NE(ReadText(dir.Path("game_summary.htm")).find("Top of the 9th"), std::string::npos);

  const auto pdf = RunCli({"box", path, "--format", "pdf", "-o", dir.Path("box.pdf")});
  ASSERT_EQ(pdf.code, 0) << pdf.err;
  testing::ExpectPdf(dir.Path("box.pdf"), 0, {"Score By Innings", "TEAM TOTALS"});

  // Frames and PDF need a file to write; an unknown form is a usage error.
  for (const char* form : {"frames", "pdf", "xml"}) {
    EXPECT_EQ(RunCli({"box", path, "--format", form}).code, 2) << form;
  }
}

// A single to left, a ground out to short without a recorded location and
// a strikeout off Rex Roe; then Sal Stone walks Di Dunn and gets a fly
// out to centre.
std::string WriteGame(const TempDir& dir) {
  Game game;
  const scoring::ScorebookResult compiled = scoring::CompileScorebook(
      std::string(sim::testing::kTeams) +
          "rules innings=1\ntop 1\nb 1B7\nc 6-3\nsss K\nP \"Sal Stone\"\nbbbb BB\nF8\n",
      game);
  EXPECT_TRUE(compiled.ok) << compiled.error;
  AT_BAT& ground_out = game.innings[0].top.at_bats.at(1);
  ground_out.hit_x = kNoHitX;
  ground_out.hit_y = kNoHitY;
  const std::string path = dir.Path("g.gam");
  EXPECT_TRUE(SaveGame(path, game).ok);
  return path;
}

TEST(PlotCommand, SprayPointsAndShares) {
  TempDir dir;
  const std::string game = WriteGame(dir);
  auto result = RunCli({"plot", "spray", game, "--batter", "Bo Baker", "--points"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(result.out,
            "out 66 72\n"
            "Left 100.0%, centre 0.0%, right 0.0%; infield 100.0%, outfield 0.0% (1 balls)\n");

  result = RunCli({"plot", "spray", game, "--pitcher", "Sal Stone", "--points"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(result.out.substr(0, 4), "out ");
  EXPECT_NE(result.out.find("centre 100.0%"), std::string::npos) << result.out;

  result = RunCli({"plot", "spray", game, "--batter", "Nobody", "--points"});
  EXPECT_EQ(result.code, kExitRefused);
  EXPECT_NE(result.err.find("no batter \"Nobody\""), std::string::npos);
  EXPECT_EQ(RunCli({"plot", "spray", game}).code, kExitUsage);
}

TEST(PlotCommand, PitchSummaryAndPictures) {
  TempDir dir;
  const std::string game = WriteGame(dir);
  auto result = RunCli(
      {"plot", "pitches", game, "--pitcher", "Rex Roe", "--hide", "balls,hits", "--summary"});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(
      result.out.substr(0, result.out.find('\n')),
      "For All Pitches, 5 pitches, 80.00 avg speed, 100.00% strikes,  0.00% balls,  0.00% hits.");
  EXPECT_EQ(RunCli({"plot", "pitches", game, "--type", "Spitter", "--summary"}).code, kExitUsage);
  EXPECT_EQ(RunCli({"plot", "pitches", game, "--hide", "fouls", "--summary"}).code, kExitUsage);

  for (const char* form : {"--pdf", "--png"}) {
    const std::string out =
        dir.Path(std::string("chart") + (form[2] == 'p' && form[3] == 'd' ? ".pdf" : ".png"));
    for (const char* plot : {"spray", "pitches"}) {
      result = RunCli({"plot", plot, game, form, out});
      ASSERT_EQ(result.code, kExitDone) << result.err;
      std::vector<std::uint8_t> bytes;
      ASSERT_TRUE(ReadWholeFile(out, bytes));
      EXPECT_GT(bytes.size(), 1000u) << plot << form;
    }
  }
}

TEST(PrintBlankCommand, WritesTheAskedPages) {
  TempDir dir;
  const std::string pdf = dir.Path("blank.pdf");
  const auto result =
      RunCli({"print", "blank", "--columns", "12", "--rows", "10", "--pages", "3", "--pdf", pdf});
  ASSERT_EQ(result.code, kExitDone) << result.err;
  EXPECT_EQ(testing::PdfPages(pdf), 3);

  for (const char* bad : {"0", "16"}) {
    EXPECT_EQ(RunCli({"print", "blank", "--columns", bad, "--pdf", dir.Path("x.pdf")}).code,
              kExitUsage);
  }
  EXPECT_EQ(RunCli({"print", "blank", "--pages", "101", "--pdf", dir.Path("x.pdf")}).code,
            kExitUsage);
  EXPECT_EQ(RunCli({"print", "blank"}).code, kExitUsage);
  EXPECT_FALSE(FileExists(dir.Path("x.pdf")));
}

TEST(PrintGameCommand, SidesColumnsAndNotes) {
  TempDir dir;
  Game game = scorewick::testing::CompileSheetGame(scorewick::testing::kBatAroundBook);
  const std::string gam = dir.Path("around.gam");
  ASSERT_TRUE(SaveGame(gam, game));
  const std::string pdf = dir.Path("game.pdf");
  struct Case {
    std::vector<std::string> options;
    int pages;
  };
  for (const Case& c :
       {Case{{}, 1}, Case{{"--side", "both"}, 2}, Case{{"--side", "both", "--notes"}, 3},
        Case{{"--side", "visitors", "--columns", "1", "--notes"}, 3},
        Case{{"--side", "Home", "--columns", "4", "--empty-fields"}, 1}}) {
    std::vector<std::string> args{"print", "game", gam, "--pdf", pdf};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = RunCli(args);
    ASSERT_EQ(result.code, kExitDone) << result.err;
    EXPECT_EQ(testing::PdfPages(pdf), c.pages);
  }
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--columns", "16"}, {"--columns", "wide"}, {"--side", "away"}}) {
    std::vector<std::string> args{"print", "game", gam, "--pdf", dir.Path("x.pdf")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCli(args).code, kExitUsage) << bad[1];
  }
  // A file that is not a game is refused, and nothing is written.
  ASSERT_TRUE(WriteFileAtomically(dir.Path("bad.gam"), std::vector<std::uint8_t>{1, 2, 3}));
  const auto refused = RunCli({"print", "game", dir.Path("bad.gam"), "--pdf", dir.Path("x.pdf")});
  EXPECT_EQ(refused.code, kExitRefused);
  EXPECT_FALSE(refused.err.empty());
  EXPECT_FALSE(FileExists(dir.Path("x.pdf")));
}

class StatsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, plays] : {std::pair{"walkoff.gam", sim::testing::kWalkOff},
                                      std::pair{"changes.gam", sim::testing::kChanges}}) {
      Game game;
      ASSERT_TRUE(scoring::CompileScorebook(std::string(sim::testing::kTeams) + plays, game).ok);
      ASSERT_TRUE(SaveGame(dir.Path(name), game));
    }
  }

  testing::WorkFolder dir;  // settings and layouts come from here
};

TEST_F(StatsCommandTest, BattingCsvOfTwoGames) {
  const auto r = RunCli({"stats", "walkoff.gam", "changes.gam", "--team", "Hawks", "--sort", "BB"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 21), "Name,Team,GP,IP,PA,OA");
  EXPECT_NE(r.out.find("\nJo Jett,Hawks,2,2,2,1,0,"), std::string::npos) << r.out;
  // Sorted by walks, largest first: Jo Jett's walk heads the list.
  EXPECT_EQ(r.out.find("\nJo Jett,"), r.out.find('\n'));
  EXPECT_NE(r.out.find("\nTEAM TOTALS,,2,2,"), std::string::npos);
  EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(StatsCommandTest, ViewsTablesAndFormats) {
  auto r = RunCli({"stats", "walkoff.gam", "--team", "Hawks", "--view", "combined", "--table",
                   "pitching", "--format", "text", "--width", "30"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("Resetting to the lowest setting, 50"), std::string::npos);
  EXPECT_EQ(r.out.rfind("******************\n* Pitching Stats *\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("Ike Ives"), std::string::npos);
  EXPECT_NE(r.out.find("TOTALS"), std::string::npos);

  const std::string page = dir.Path("stats.htm");
  r = RunCli({"stats", "walkoff.gam", "--all-teams", "--format", "html", "-o", page});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"stats", "walkoff.gam", "--all-teams", "--format", "html", "-o", page, "--append",
              "--table", "running"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string html = ReadText(page);
  EXPECT_NE(html.find(" All Teams - Batting Stats"), std::string::npos);
  EXPECT_NE(html.find(" All Teams - Running Stats"), std::string::npos);
  EXPECT_EQ(html.find("<HTML>", 1), std::string::npos);  // one page head

  EXPECT_EQ(RunCli({"stats", "walkoff.gam", "--all-teams", "--view", "opponents"}).code, 2);
  EXPECT_EQ(RunCli({"stats", "walkoff.gam", "--team", "Hawks", "--sort", "XYZ"}).code, 2);
  EXPECT_EQ(RunCli({"stats", "walkoff.gam", "--team", "Hawks", "--format", "pdf"}).code, 2);
  EXPECT_EQ(RunCli({"stats", "walkoff.gam"}).code, 2);
}

// Walk-off game, Hawks: only Jo Jett and Kim Kent came to bat; a one-inning
// game leaves every pitcher short of ten innings.  Which rows qualify, the
// totals kept, is the qualifiers' own table (stats' rates test); here each
// option reaches them, and a figure that does not read is refused.
TEST_F(StatsCommandTest, QualifiersLeaveRowsOutNotTotals) {
  for (std::vector<std::string> option :
       {std::vector<std::string>{"--min-pa", "1"}, {"--hide-empty"}}) {
    option.insert(option.begin(), {"stats", "walkoff.gam", "--team", "Hawks"});
    const auto some = RunCli(option);
    ASSERT_EQ(some.code, 0) << some.err;
    EXPECT_EQ(std::count(some.out.begin(), some.out.end(), '\n'), 5) << some.out;
  }
  const auto pitching = RunCli(
      {"stats", "walkoff.gam", "--team", "Hawks", "--table", "pitching", "--min-ip", "10.2"});
  ASSERT_EQ(pitching.code, 0) << pitching.err;
  EXPECT_EQ(pitching.out.find('\n'), pitching.out.find("\nTEAM TOTALS")) << pitching.out;
  // Which texts read is the qualifiers' own table; each option refuses one.
  for (std::vector<std::string> bad :
       {std::vector<std::string>{"--min-pa", "x"}, {"--min-ip", "6.1.2"}}) {
    bad.insert(bad.begin(), {"stats", "walkoff.gam", "--team", "Hawks"});
    const auto r = RunCli(bad);
    EXPECT_EQ(r.code, 2) << bad.back();
    EXPECT_NE(r.err.find(bad[4] + ": expected"), std::string::npos) << r.err;
  }
}

TEST_F(StatsCommandTest, LayoutFromTheCurrentFolderAndPdf) {
  // Running table: Name hidden, Team hidden, R left-aligned; the rest shown.
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("rlayout.rsl"),
                                      "0, 100, Center\n0, 100, Center\n1, 60, Left\n"));
  auto r = RunCli({"stats", "walkoff.gam", "--team", "Hawks", "--table", "running"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 13), "R,SB2,SB3,SBH");
  EXPECT_NE(r.out.find("\n1,1,0,0,1,1,100,0,"), std::string::npos) << r.out;  // Jo Jett's steal

  if (r = RunCli(
          {"stats", "walkoff.gam", "--team", "Hawks", "--format", "pdf", "-o", dir.Path("s.pdf")});
      r.code == 2) {
    GTEST_SKIP() << "built without printing";
  }
  ASSERT_EQ(r.code, 0) << r.err;
  testing::ExpectPdf(dir.Path("s.pdf"), 0, {});  // what it prints: print_tests
}

TEST_F(StatsCommandTest, PriorFormatRefusedDamagedLeftOut) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("walkoff.gam"), bytes));
  bytes.resize(bytes.size() / 2);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("damaged.gam"), bytes));
  auto r = RunCli({"stats", "changes.gam", "damaged.gam", "--team", "Hawks"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("damaged.gam left out"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\nKim Kent,Hawks,1,"), std::string::npos) << r.out;

  r = RunCli({"stats", "damaged.gam", "missing.gam", "--team", "Hawks"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("missing.gam left out"), std::string::npos) << r.err;

  bytes[1] = 0x02;  // version word 512: format 2.0
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.gam"), bytes));
  r = RunCli({"stats", "changes.gam", "old.gam", "--team", "Hawks"});
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.out.empty());
}

// Two games of the scorebook teams, a day apart, in files of dir.
class PlayerReportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* days[] = {"2024-06-01", "2024-06-02"};
    for (int i = 0; i < 2; ++i) {
      std::string book = sim::testing::kWalkOff;
      book.replace(book.find("2024-06-01"), 10, days[i]);
      Game game = sim::testing::CompileBook(book);
      games.push_back(dir.Path("g" + std::to_string(i) + ".gam"));
      ASSERT_TRUE(SaveGame(games.back(), game).ok);
    }
  }
  CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, games.begin(), games.end());
    return RunCli(args);
  }
  TempDir dir;
  std::vector<std::string> games;
};

TEST_F(PlayerReportsTest, LogAndWorkloadOfTheGames) {
  // Ike Ives loses both 1-0 (8 pitches each); as a batter he did not come up.
  CliResult r = Run({"log", "--player", "Ike Ives", "--format", "csv"});
  ASSERT_EQ(r.code, 0) << r.err;
  // His pitching only (which columns, the game log's own test).
  EXPECT_NE(r.out.find("Date,Time,Opponent,Result,Pitching IP,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2024-06-01,18:05,at Hawks,L 0-1,0.33,0,1,1,1,0,0,8,L\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Totals,,2 games,0-2,"), std::string::npos) << r.out;

  r = Run({"workload", "--team", "Gulls", "--as-of", "2024-06-03"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Ike Ives  2024-06-02          8  2024-06-03      Yes"), std::string::npos)
      << r.out;
}

TEST_F(PlayerReportsTest, RefusalsSayWhatIsThere) {
  const std::string rules = dir.Path("rules.txt");
  ASSERT_TRUE(WriteTextFileAtomically(rules, "1-20 0\n30-40 1\n"));
  const struct {
    std::vector<std::string> args;
    const char* says;
  } refused[] = {
      {{"log", "--player", "Nobody"}, "no player \"Nobody\" in these games; they hold: Ann Able, "},
      {{"log", "--player", "Sid Swift"},
       "\"Sid Swift\" is on a roster of these games but played in none of them\n"},
      {{"log", "--player", "Ike Ives", "--team", "Owls"},
       "no team \"Owls\" in these games; they hold: Gulls, Hawks\n"},
      {{"workload", "--team", "Owls"}, "no team \"Owls\" in these games; they hold: Gulls, Hawks"},
      {{"workload", "--team", "Gulls", "--as-of", "6/3/2024"},
       "--as-of 6/3/2024 is not a date: write it as YYYY-MM-DD"},
      {{"workload", "--team", "Gulls", "--rules", rules},
       "rules.txt: line 2, \"30-40 1\": the ranges must follow on: this one should start at 21"},
      {{"workload", "--team", "Gulls", "--rules", dir.Path("none.txt")}, "none.txt"},
  };
  for (const auto& [args, says] : refused) {
    const CliResult r = Run(args);
    EXPECT_EQ(r.code, 1) << args[0] << " " << args[2];
    EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

// scorewick site as a person runs it on the sample season: the team's
// tables are the stats command's, a player's game log is the log
// command's, and the output check keeps a folder of other files.

namespace fs = std::filesystem;
using scorewick::testing::RunCliIn;

constexpr const char* kTeam = "Ashford Millers";

// The text of each cell of each body and foot row of the first table after
// `after` in html, tags removed and entities of the sample's names undone.
std::vector<std::vector<std::string>> TableRows(const std::string& html, const std::string& after) {
  std::vector<std::vector<std::string>> rows;
  std::size_t at = html.find(after);
  if (at == std::string::npos) return rows;
  const std::size_t end = html.find("</table>", at);
  const std::string table = html.substr(at, end - at);
  const std::regex row("<tr>(.*?)</tr>");
  const std::regex cell("<t[hd][^>]*>(.*?)</t[hd]>");
  const std::regex tag("<[^>]*>");
  bool heading = true;
  for (std::sregex_iterator r(table.begin(), table.end(), row), stop; r != stop; ++r) {
    if (heading) {  // the column headings
      heading = false;
      continue;
    }
    const std::string inside = (*r)[1];
    std::vector<std::string> cells;
    for (std::sregex_iterator c(inside.begin(), inside.end(), cell); c != stop; ++c)
      cells.push_back(std::regex_replace(std::string((*c)[1]), tag, ""));
    rows.push_back(std::move(cells));
  }
  return rows;
}

std::vector<std::string> CsvFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, ',')) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

class SiteCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    games = testing::WriteSampleSeason(dir.Path(""), 24, 2024, true);
    ASSERT_EQ(games.size(), 24u);
  }

  CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, games.begin(), games.end());
    return RunCliIn(dir.Path(""), args);
  }

  std::string Read(const std::string& path) {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(path, text)) << path;
    return text;
  }

  TempDir dir;
  std::vector<std::string> games;
};

TEST_F(SiteCommandTest, TheTeamTablesAreTheStatisticsAndAPlayersLogIsHisLog) {
  const std::string out = dir.Path("site");
  const CliResult site = Run({"site", "--team", kTeam, "--names", "full", "-o", out});
  ASSERT_EQ(site.code, 0) << site.err;
  const std::string stats_page = Read(out + "/stats.html");
  const CliResult csv = Run({"stats", "--team", kTeam, "--format", "csv"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  std::istringstream lines(csv.out);
  std::string line;
  std::getline(lines, line);
  const std::vector<std::string> keys = CsvFields(line);
  const auto rows = TableRows(stats_page, "<caption>Ashford Millers Batting Stats");
  std::size_t row = 0;
  while (std::getline(lines, line) && line.rfind("This file", 0) != 0) {
    const std::vector<std::string> fields = CsvFields(line);
    ASSERT_LT(row, rows.size());
    std::vector<std::string> shown;
    int second_name = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (keys[k] == "Team" || (keys[k] == "Name" && second_name++ > 0)) continue;
      shown.push_back(fields[k]);
    }
    ASSERT_EQ(rows[row].size(), shown.size()) << line;
    for (std::size_t c = 0; c < shown.size(); ++c) {
      const std::string cell =
          c == 0 ? Utf8ToCp1252(rows[row][c]) : reports::CsvNumber(rows[row][c]);
      EXPECT_EQ(cell, shown[c]) << keys[c] << " of " << line;
    }
    ++row;
  }
  EXPECT_EQ(row, rows.size());

  // The first batter's page and his log.
  const std::regex link(R"re(<a href="(players/[^"]+)">([^<]+)</a>)re");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(stats_page, m, link));
  const std::string player = m[2];
  const std::string page = Read(out + "/" + std::string(m[1]));
  const CliResult log = Run({"log", "--player", player, "--team", kTeam, "--format", "csv"});
  ASSERT_EQ(log.code, 0) << log.err;
  const auto log_rows = TableRows(page, "<caption>Game log");
  std::istringstream log_lines(log.out);
  std::getline(log_lines, line);  // title
  std::getline(log_lines, line);  // headings
  std::size_t n = 0;
  while (std::getline(log_lines, line) && !line.empty()) {
    ASSERT_LT(n, log_rows.size());
    EXPECT_EQ(log_rows[n], CsvFields(line)) << line;
    ++n;
  }
  EXPECT_EQ(n, log_rows.size());
  EXPECT_GT(n, 2u);  // his games and the totals
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Every figure of every game page is the box score's: the line score, both
// batting tables with their totals and both pitching tables, against the
// box command's comma-separated form of the same game.
TEST_F(SiteCommandTest, AGamePageShowsTheBoxScoresFigures) {
  const std::string out = dir.Path("site");
  ASSERT_EQ(Run({"site", "--all-teams", "--names", "full", "-o", out}).code, 0);
  int compared = 0;
  for (const std::string& game : games) {
    const CliResult box = RunCliIn(dir.Path(""), {"box", game, "--format", "csv"});
    ASSERT_EQ(box.code, 0) << box.err;
    const std::string page = Read(out + "/games/" + fs::path(game).stem().string() + ".html");
    std::vector<std::vector<std::string>> csv;
    std::istringstream lines(Cp1252ToUtf8(box.out));
    for (std::string line; std::getline(lines, line);) csv.push_back(CsvFields(line));
    // The line score: the two rows under the innings.
    const auto score = TableRows(page, "<caption>Line score");
    ASSERT_EQ(score.size(), 2u);
    for (std::size_t side = 0; side < 2; ++side) {
      std::vector<std::string> want = csv[1 + side];
      want[0] = Trim(want[0]);
      EXPECT_EQ(score[side], want) << game;
    }
    // Batting: the winner on the left of the box, each side a table of its own.
    const std::string left = csv[4][0], right = csv[4][6];
    const auto left_rows = TableRows(page, "<caption>" + left + " batting");
    const auto right_rows = TableRows(page, "<caption>" + right + " batting");
    std::size_t row = 6, l = 0, r = 0;
    for (; row < csv.size() && csv[row].size() == 11; ++row) {
      const auto& f = csv[row];
      const bool totals = Trim(f[0]) == "TEAM TOTALS";
      for (const bool is_left : {true, false}) {
        const std::size_t at = is_left ? 0 : 6;
        if (Trim(f[at]).empty()) continue;
        const auto& rows = is_left ? left_rows : right_rows;
        std::size_t& n = is_left ? l : r;
        ASSERT_LT(n, rows.size()) << game;
        std::vector<std::string> want(f.begin() + at, f.begin() + at + 5);
        want[0] = totals ? "Totals" : Trim(want[0]);
        EXPECT_EQ(rows[n++], want) << game;
      }
      if (totals) break;
    }
    EXPECT_EQ(l, left_rows.size());
    EXPECT_EQ(r, right_rows.size());
    // Pitching: a line naming the team, then its pitchers.
    for (const std::string& team : {left, right}) {
      const auto rows = TableRows(page, "<caption>" + team + " pitching");
      std::size_t at = row;
      while (at < csv.size() && !(csv[at].size() == 8 && Trim(csv[at][0]) == team)) ++at;
      ASSERT_LT(at, csv.size()) << team;
      for (std::size_t n = 0; n < rows.size(); ++n) {
        std::vector<std::string> want = csv[at + 1 + n];
        want.erase(want.begin() + 1);
        want[0] = Trim(want[0]);
        EXPECT_EQ(rows[n], want) << game;
      }
    }
    ++compared;
  }
  EXPECT_EQ(compared, 24);
}

TEST_F(SiteCommandTest, AFolderOfOtherFilesIsRefusedWithoutForce) {
  const std::string out = dir.Path("mine");
  fs::create_directories(out);
  ASSERT_TRUE(WriteTextFileAtomically(out + "/letter.txt", "dear coach"));
  CliResult r = Run({"site", "--team", kTeam, "-o", out});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("did not write"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out + "/index.html"));
  r = Run({"site", "--team", kTeam, "-o", out, "--force"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(fs::exists(out + "/index.html"));
  EXPECT_EQ(Read(out + "/letter.txt"), "dear coach");
  // Its own folder it publishes to again without asking.
  r = Run({"site", "--team", kTeam, "-o", out});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("0 files written"), std::string::npos) << r.err;
}

TEST_F(SiteCommandTest, ATeamNoGameHoldsIsNamedWithThoseThere) {
  const CliResult r = Run({"site", "--team", "Nobody", "-o", dir.Path("none")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Dunmore Lanterns"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace scorewick::cli
