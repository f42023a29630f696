// Commands over many games: box scores of a season in one run (one after
// the other, or one file a game), lists of games read with --games-from,
// the same bytes whether one thread reads the games or many; and the
// filters: which games --from, --to, --home, --away, --opponent and --last
// leave, the same figures as naming those games alone, and the refusals of
// bad filters.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/file_io.h"
#include "sim/sample_teams.h"
#include "support/pdf_file.h"
#include "support/run_cli.h"
#include "support/sample_games.h"
#include "support/spring_games.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::CliResult;
using scorewick::testing::RunCli;

constexpr int kGames = 6;

std::string Read(const std::string& path) { return testing::ReadText(path); }

// A short season of the sample teams in season/, and the test's folder as
// the current folder (settings come from there).
class ManyGamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    games = testing::WriteSampleSeason("season", kGames);
    ASSERT_EQ(games.size(), std::size_t{kGames});
    team = sim::SampleTeams()[1].team_name.str();
  }

  CliResult Run(std::vector<std::string> args, const std::vector<std::string>& with_games) {
    args.insert(args.begin() + 1, with_games.begin(), with_games.end());
    return RunCli(args);
  }

  testing::WorkFolder dir;
  std::vector<std::string> games;
  std::string team;
};

TEST_F(ManyGamesTest, BoxScoresOneAfterTheOtherAsEachAlone) {
  for (const char* form : {"text", "csv"}) {
    std::string each;
    for (const std::string& g : games) {
      const CliResult one = RunCli({"box", g, "--format", form});
      ASSERT_EQ(one.code, 0) << one.err;
      each += (each.empty() ? "" : "\n") + one.out;
    }
    const CliResult all = Run({"box", "--format", form}, games);
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_EQ(all.out, each) << form;
    // Into one file: the same text, written whole.
    const CliResult into = Run({"box", "--format", form, "-o", "all.txt"}, games);
    ASSERT_EQ(into.code, 0) << into.err;
    EXPECT_EQ(Read("all.txt"), each);  // the sample's names need no escaping
    std::filesystem::remove("all.txt");
  }
}

TEST_F(ManyGamesTest, OutDirHoldsOneFileAGameNamedAfterIt) {
  const CliResult text = Run({"box", "--out-dir", "boxes"}, games);
  ASSERT_EQ(text.code, 0) << text.err;
  const CliResult alone = RunCli({"box", games[2], "-o", "alone.txt"});
  ASSERT_EQ(alone.code, 0) << alone.err;
  EXPECT_EQ(Read("boxes/game-003.txt"), Read("alone.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("boxes"), {}), kGames);

  ASSERT_EQ(Run({"box", "--format", "csv", "--out-dir", "boxes"}, games).code, 0);
  EXPECT_EQ(Read("boxes/game-006.csv").rfind("Score By Innings,", 0), 0u);
  ASSERT_EQ(Run({"box", "--format", "frames", "--out-dir", "frames"}, games).code, 0);
  EXPECT_NE(Read("frames/game-001.htm").find("SRC=\"game-001_score.htm\""), std::string::npos);
  EXPECT_TRUE(FileExists("frames/game-001_summary.htm"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("frames"), {}), 3 * kGames);
  ASSERT_EQ(Run({"box", "--format", "pdf", "--out-dir", "pdf"}, {games[0], games[1]}).code, 0);
  testing::ExpectPdf("pdf/game-002.pdf", 0, {});

  // Writing again over the same kind of file is fine; over another kind
  // it is refused for that game alone, which is named.
  ASSERT_TRUE(WriteTextFileAtomically("boxes/game-004.txt", "<HTML>page</HTML>\n"));
  const CliResult again = Run({"box", "--out-dir", "boxes"}, games);
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("game-004.txt"), std::string::npos) << again.err;
  EXPECT_EQ(Read("boxes/game-004.txt"), "<HTML>page</HTML>\n");
  EXPECT_EQ(Read("boxes/game-003.txt"), Read("alone.txt"));
}

TEST_F(ManyGamesTest, WhatCannotBeCombinedOrCollidesIsRefused) {
  for (const char* form : {"html", "frames", "pdf"}) {
    const CliResult r = Run({"box", "--format", form, "-o", "x.htm"}, games);
    EXPECT_EQ(r.code, 2) << form;
    EXPECT_NE(r.err.find("--out-dir"), std::string::npos) << r.err;
  }
  EXPECT_EQ(Run({"box", "-o", "x.txt", "--out-dir", "d"}, games).code, 2);
  EXPECT_EQ(RunCli({"box"}).code, 2);
  // Two games of one name in two folders would write one file: the second
  // is named and left out.
  std::filesystem::create_directories("other");
  std::filesystem::copy_file(games[1], "other/game-001.gam");
  const CliResult clash = RunCli({"box", games[0], "other/game-001.gam", "--out-dir", "d"});
  EXPECT_EQ(clash.code, 1);
  EXPECT_NE(clash.err.find("other/game-001.gam left out"), std::string::npos) << clash.err;
  EXPECT_TRUE(FileExists("d/game-001.txt"));
}

TEST_F(ManyGamesTest, GamesFromAListFileOrStandardInput) {
  const CliResult direct = Run({"stats", "--all-teams"}, games);
  ASSERT_EQ(direct.code, 0) << direct.err;

  // Paths relative to the list's own folder; comments, blank lines, blanks
  // around a path and carriage returns are skipped; a listed file that is
  // missing is named and left out.
  std::string list = "# the season\r\n\r\n";
  for (int i = 0; i < kGames; ++i) list += "  ../season/" + sim::GameFileName(i) + "\r\n";
  list += "../season/gone.gam\n";
  std::filesystem::create_directories("lists");
  ASSERT_TRUE(WriteTextFileAtomically("lists/season.txt", list));
  const CliResult listed = RunCli({"stats", "--all-teams", "--games-from", "lists/season.txt"});
  EXPECT_EQ(listed.code, 0) << listed.err;
  EXPECT_EQ(listed.out, direct.out);
  EXPECT_NE(listed.err.find("lists/../season/gone.gam left out"), std::string::npos) << listed.err;

  // "-" reads the list from standard input, paths taken from the current folder.
  std::string input;
  for (const std::string& g : games) input += g + "\n";
  CliResult piped = RunCli({"box", "--games-from", "-"}, &input);
  ASSERT_EQ(piped.code, 0) << piped.err;
  EXPECT_EQ(piped.out, Run({"box"}, games).out);
  // Arguments come first, then the lists; a game named twice is taken once.
  piped = RunCli({"stats", games[0], "--all-teams", "--games-from", "-"}, &input);
  EXPECT_EQ(piped.out, direct.out);
  EXPECT_NE(piped.err.find("counted once"), std::string::npos);

  // A list that cannot be read, or is no list, refuses the run.
  EXPECT_EQ(RunCli({"stats", "--all-teams", "--games-from", "none.txt"}).code, 1);
  const CliResult binary = RunCli({"box", "--games-from", games[0]});
  EXPECT_EQ(binary.code, 1);
  EXPECT_NE(binary.err.find("NUL"), std::string::npos) << binary.err;
  const std::string empty = "# nothing yet\n";
  EXPECT_EQ(RunCli({"plot", "spray", "--points", "--games-from", "-"}, &empty).code, 1);
}

// The games are read on several threads but counted and written in list
// order: the output is the same, byte for byte, with one thread or many.
TEST_F(ManyGamesTest, OneThreadOrManyGiveTheSameBytes) {
  std::vector<std::string> many = games;
  many.insert(many.end(), {"season/gone.gam"});
  for (const char* view : {"team", "opponents", "combined"}) {
    for (const char* table : {"batting", "running", "fielding", "pitching"}) {
      const std::vector<std::string> args{"stats",   "--team", team,       "--view", view,
                                          "--table", table,    "--format", "text"};
      std::vector<std::string> one = args, four = args;
      one.insert(one.end(), {"--threads", "1"});
      four.insert(four.end(), {"--threads", "4"});
      const CliResult a = Run(one, many), b = Run(four, many);
      ASSERT_EQ(a.code, 0) << a.err;
      EXPECT_EQ(a.out, b.out) << view << " " << table;
      EXPECT_EQ(a.err, b.err);
    }
  }
  const CliResult all1 = Run({"stats", "--all-teams", "--threads", "1"}, many);
  const CliResult all4 = Run({"stats", "--all-teams", "--threads", "4"}, many);
  EXPECT_EQ(all1.out, all4.out);
  const CliResult box1 = Run({"box", "--threads", "1"}, many);
  const CliResult box4 = Run({"box", "--threads", "3"}, many);
  EXPECT_EQ(box1.out, box4.out);
  EXPECT_EQ(box1.err, box4.err);
  EXPECT_NE(box1.err.find("season/gone.gam left out"), std::string::npos);
}

using Names = std::set<std::string>;

class GameFiltersTest : public ::testing::Test {
 protected:
  // The Hawks' spring: on 4 May the afternoon game is listed first.
  void SetUp() override {
    const std::string source = testing::WriteSampleSeason(dir.Path("source"), 1, 5).at(0);
    games = testing::WriteSpringGames(source, dir.Path(""));
    ASSERT_EQ(games.size(), 5u);
  }

  CliResult Run(std::vector<std::string> args, std::vector<std::string> with = {}) {
    if (with.empty()) with = games;
    const bool group = args[0] == "plot" || args[0] == "export";
    args.insert(args.begin() + (group ? 2 : 1), with.begin(), with.end());
    return RunCli(args);
  }

  // The games a box score run with filters writes, by file name.
  Names BoxedGames(std::vector<std::string> filters) {
    const std::string out = dir.Path("boxes" + std::to_string(++runs));
    filters.insert(filters.begin(), {"box", "--format", "csv", "--out-dir", out});
    const CliResult r = Run(filters);
    EXPECT_EQ(r.code, 0) << r.err;
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(out))
      names.insert(entry.path().stem().string());
    return names;
  }

  // The files of an export of the games, by name.
  std::map<std::string, std::string> Exported(std::vector<std::string> filters,
                                              std::vector<std::string> with = {}) {
    const std::string out = dir.Path("retro" + std::to_string(++runs));
    filters.insert(filters.begin(), {"export", "retrosheet", "-o", out});
    const CliResult r = Run(filters, with);
    EXPECT_EQ(r.code, 0) << r.err;
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(out))
      files[entry.path().filename().string()] = testing::ReadText(entry.path().string());
    return files;
  }

  TempDir dir;
  std::vector<std::string> games;
  int runs = 0;
};

TEST_F(GameFiltersTest, LeaveTheGamesAsked) {
  struct Case {
    std::vector<std::string> filters;
    Names left;
  };
  // Each option reaches the filter once; what the filter leaves is its own
  // table's (stats' game filter test).
  const Case cases[] = {
      {{"--to", "2024-05-04", "--from", "2024-04-13"}, {"g2", "g3", "g4"}},
      {{"--team", "Owls"}, {"g1", "g2", "g5"}},  // the team alone chooses its games
      {{"--team", "Hawks", "--home"}, {"g1", "g4"}},
      {{"--team", "Hawks", "--away", "--to", "2024-04-30"}, {"g2"}},
      {{"--opponent", "Owls"}, {"g1", "g2", "g5"}},
      {{"--team", "Hawks", "--last", "1"}, {"g3"}},  // 15:00 after 10:00 on one day
  };
  for (const Case& c : cases) EXPECT_EQ(BoxedGames(c.filters), c.left) << c.filters[1];
}

// Filtered figures are those of the games left, named alone.
TEST_F(GameFiltersTest, FiguresAreThoseOfTheGamesLeft) {
  const CliResult filtered = Run({"stats", "--team", "Hawks", "--home", "--format", "text"});
  const CliResult named =
      Run({"stats", "--team", "Hawks", "--format", "text"}, {games[0], games[3]});
  ASSERT_EQ(filtered.code, 0) << filtered.err;
  EXPECT_EQ(filtered.out, named.out);
  const CliResult spray = Run({"plot", "spray", "--points", "--team", "Hawks", "--last", "2"});
  ASSERT_EQ(spray.code, 0) << spray.err;
  EXPECT_EQ(spray.out, Run({"plot", "spray", "--points"}, {games[2], games[3]}).out);
  // The Hawks' away games: g2, g3 and g5.
  const std::vector<std::string> workload = {"workload", "--team", "Hawks", "--as-of",
                                             "2024-06-01"};
  std::vector<std::string> away = workload;
  away.push_back("--away");
  const CliResult away_load = Run(away);
  ASSERT_EQ(away_load.code, 0) << away_load.err;
  EXPECT_EQ(away_load.out, Run(workload, {games[1], games[2], games[4]}).out);
  // The export and the site choose from the headlines they read to plan
  // their files.
  EXPECT_EQ(Exported({"--team", "Owls"}), Exported({}, {games[0], games[1], games[4]}));
  const CliResult site = Run({"site", "--team", "Hawks", "--home", "-o", dir.Path("site")});
  EXPECT_NE(site.err.find("2 games published"), std::string::npos) << site.err;
}

// A box score run chooses its games as it reads them: into one file, one
// game chosen is that game's box score as if named alone, more run
// together as when named, and pages of their own refuse more than one.
TEST_F(GameFiltersTest, BoxScoresIntoOneFileAreThoseOfTheGamesLeft) {
  const auto into = [&](const std::string& form, std::vector<std::string> args,
                        std::vector<std::string> with = {}) {
    const std::string out = dir.Path("box" + std::to_string(++runs) + "." + form);
    args.insert(args.begin(), {"box", "--format", form, "-o", out});
    const CliResult r = Run(args, with);
    EXPECT_EQ(r.code, 0) << r.err;
    return testing::ReadText(out);
  };
  for (const std::string form : {"text", "csv"}) {
    EXPECT_EQ(into(form, {"--team", "Hawks", "--last", "1"}), into(form, {}, {games[2]})) << form;
    EXPECT_EQ(into(form, {"--team", "Hawks", "--home"}), into(form, {}, {games[0], games[3]}))
        << form;
  }
  const std::string page = dir.Path("two.htm");
  const CliResult two = Run({"box", "--format", "html", "-o", page, "--team", "Hawks", "--home"});
  EXPECT_EQ(two.code, 2);
  EXPECT_NE(two.err.find("give --out-dir DIR"), std::string::npos) << two.err;
  EXPECT_FALSE(std::filesystem::exists(page));
  EXPECT_EQ(Run({"box", "--format", "html", "-o", page, "--team", "Hawks", "--last", "1"}).code, 0);
  EXPECT_TRUE(std::filesystem::exists(page));
}

TEST_F(GameFiltersTest, BadFiltersAreRefusedSayingWhy) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* says;
  };
  const Case cases[] = {
      {{"box", "--from", "2024/05/04"}, 2, "YYYY-MM-DD"},
      {{"box", "--to", "2024-02-30"}, 2, "YYYY-MM-DD"},
      {{"box", "--from", "2024-06-01", "--to", "2024-05-01"}, 2, "after"},
      {{"box", "--home"}, 2, "--team"},
      {{"stats", "--all-teams", "--last", "3"}, 2, "--team"},
      {{"box", "--home", "--away", "--team", "Hawks"}, 2, "excludes"},
      {{"box", "--team", "Moles"}, 1, "Hawks, Owls and Bats"},
      {{"box", "--team", "Hawks", "--opponent", "Moles"}, 1, "opponents there: Owls and Bats"},
      {{"stats", "--team", "Hawks", "--from", "2025-01-01"}, 1, "leave none of the 5 games"},
      {{"plot", "spray", "--points", "--team", "Moles"}, 1, "Hawks, Owls and Bats"},
      {{"workload", "--team", "Hawks", "--opponent", "Moles"}, 1, "opponents there: Owls and Bats"},
      {{"export", "retrosheet", "-o", dir.Path("never-made"), "--to", "2024-01-01"},
       1,
       "leave none"},
      {{"box", "--out-dir", dir.Path("never-made"), "--team", "Moles"}, 1, "Hawks, Owls and Bats"},
  };
  for (const Case& c : cases) {
    const CliResult r = Run(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1] << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path("never-made")));
}

}  // namespace
}  // namespace scorewick::cli
