// scorewick site as a person runs it on the sample season: the team's
// tables are the stats command's, a player's game log is the log
// command's, and the output check keeps a folder of other files.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "records/cp1252.h"
#include "records/file_io.h"
#include "reports/stats_csv.h"
#include "support/run_cli.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

namespace fs = std::filesystem;
using scorewick::testing::CliResult;
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
