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
#include "scoring/league_rules.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "support/run_cli.h"
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
    std::vector<Team> teams = sim::SampleTeams();
    std::string error;
    ASSERT_TRUE(sim::WriteTeams(teams, dir.Path(""), &error)) << error;
    ASSERT_TRUE(sim::WriteSeason(teams, sim::MakeSchedule(teams, 24, scoring::LeagueRules{}, 2024),
                                 dir.Path(""), &error))
        << error;
    for (const auto& e : fs::directory_iterator(dir.Path("")))
      if (e.path().extension() == ".gam") games.push_back(e.path().string());
    std::sort(games.begin(), games.end());
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
