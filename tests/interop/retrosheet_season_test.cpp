// Two clubs' 2019 home games (162 real games from Retrosheet) imported and
// held against the official lines published from the same files: every
// game consistent; each team's runs, hits, errors and runners left on base;
// every player's batting line over the season through the statistics
// engine; and the pitching lines, whose differences have named causes.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "interop/retrosheet_games.h"
#include "official_lines.h"
#include "records/file_io.h"
#include "scoring/consistency.h"
#include "stats/accumulate.h"
#include "stats/stat_columns.h"
#include "support/data_file.h"

namespace scorewick::interop {
namespace {

using scorewick::testing::JsonReader;
using scorewick::testing::JsonValue;

const std::string& Folder() {
  static const std::string folder = scorewick::testing::DataFile("retrosheet-2019");
  return folder;
}

const JsonValue& Official() {
  static const JsonValue lines = [] {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(Folder() + "/official-lines.json", text));
    return JsonReader(text).Read();
  }();
  return lines;
}

// A table's figures by (name, team), read through the column vocabulary,
// as scorewick stats writes them.
using Figures = std::map<std::pair<std::string, std::string>, std::map<std::string, double>>;

Figures TableFigures(const Stat& stat, StatTable table) {
  Figures figures;
  for (int row = 0; row < RowCount(stat, table); ++row) {
    if (IsTotalsRow(stat, table, row)) continue;
    auto& line = figures[{std::string(SortValue(stat, table, row, 0).text),
                          std::string(SortValue(stat, table, row, 1).text)}];
    for (int column = 2; column < ColumnCount(table); ++column) {
      line[std::string(ColumnKey(table, column))] = SortValue(stat, table, row, column).number;
    }
  }
  return figures;
}

// What one game's sides amount to, for its official team and pitching lines.
struct SideLines {
  std::map<std::string, long> team;      // R, H, E, LOB
  std::map<std::string, long> pitching;  // OUT, BF summed over the side's pitchers
};

SideLines Lines(const Game& game, bool home) {
  SideLines lines;
  for (const INNING& inning : game.innings) {
    const HALF_INNING& batting = home ? inning.bottom : inning.top;
    const HALF_INNING& fielding = home ? inning.top : inning.bottom;
    lines.team["R"] += batting.runs;
    lines.team["H"] += batting.hits;
    lines.team["LOB"] += batting.left_on_base;
    lines.team["E"] += fielding.errors;
  }
  Stat stat;
  stat.team_name = (home ? game.home : game.visitor).team_name.str();
  Accumulate(stat, game, Split::kAll, Split::kAll, false);
  for (const auto& [who, f] : TableFigures(stat, StatTable::kPitching)) {
    lines.pitching["OUT"] += std::lround(f.at("IP") * 3);
    lines.pitching["BF"] += std::lround(f.at("BF"));
  }
  return lines;
}

struct Season {
  GamesRead read;
  std::set<std::string> ids;
  Stat all{};
  std::map<std::string, std::string> team_names;  // club code -> team name
};

const Season& ImportedSeason() {
  static const Season season = [] {
    Season s;
    s.all.all_teams = true;
    int n = 0;
    const GameSink take = [&](const ScoredGame& g) -> Taken {
      s.ids.insert(g.origin.id);
      s.team_names[g.home.code] = g.home.team.team_name.str();
      s.team_names[g.visitor.code] = g.visitor.team.team_name.str();
      for (const scoring::Inconsistency& i : scoring::CheckGame(g.game, {})) {
        ADD_FAILURE() << g.origin.id << ": " << i.Text();
      }
      const JsonValue& official = Official()[g.origin.id];
      for (bool home : {true, false}) {
        const std::string side = home ? "home" : "visitor";
        const SideLines mine = Lines(g.game, home);
        for (const auto& [key, value] : mine.team) {
          EXPECT_EQ(value, official["teams"][side][key].number)
              << g.origin.id << " " << side << " " << key;
        }
        // A pitcher's outs and batters faced are counted by the rules named
        // in PitchingAgreesPitcherByPitcher; the side's sums are the
        // official ones.
        std::map<std::string, long> sums;
        for (const auto& [name, line] : official["pitching"][side].members) {
          for (const char* key : {"OUT", "BF"}) sums[key] += line[key].number;
        }
        EXPECT_EQ(mine.pitching, sums) << g.origin.id << " " << side;
      }
      AccumulateGame(s.all, g.game, ++n, Split::kAll, Split::kAll, false);
      return {};
    };
    s.read = ReadRetrosheetGames({Folder() + "/2019SEA.EVA", Folder() + "/2019CHN.EVN"}, take);
    FinishTables(s.all);
    return s;
  }();
  return season;
}

// The season's official lines of a kind ("batting", "pitching"), summed by
// (player, team name).
std::map<std::pair<std::string, std::string>, std::map<std::string, long>> OfficialSeason(
    const std::string& kind) {
  std::map<std::pair<std::string, std::string>, std::map<std::string, long>> season;
  for (const auto& [id, game] : Official().members) {
    for (const char* side : {"home", "visitor"}) {
      const std::string team = ImportedSeason().team_names.at(game["teams"][side]["code"].text);
      for (const auto& [name, line] : game[kind][side].members) {
        for (const auto& [key, value] : line.members) season[{name, team}][key] += value.number;
      }
    }
  }
  return season;
}

TEST(RetrosheetSeason, EveryGameImportsConsistentWithItsOfficialTeamLines) {
  const Season& s = ImportedSeason();
  for (const ImportRefusal& r : s.read.refusals) ADD_FAILURE() << r.Text();
  EXPECT_EQ(s.read.games_taken, 162);
  EXPECT_EQ(s.ids.size(), Official().members.size());
}

// Every batter's season line is the official one, figure by figure.
TEST(RetrosheetSeason, BattingLinesAreTheOfficialOnes) {
  const Figures batting = TableFigures(ImportedSeason().all, StatTable::kBatting);
  const Figures running = TableFigures(ImportedSeason().all, StatTable::kRunning);
  for (const auto& [who, line] : OfficialSeason("batting")) {
    auto b = batting.find(who);
    auto r = running.find(who);
    if (b == batting.end() || r == running.end()) {
      EXPECT_EQ(line.at("AB") + line.at("BB") + line.at("HBP") + line.at("SH") + line.at("SF"), 0)
          << who.first << " batted but has no line";
      continue;
    }
    const auto& f = b->second;
    const auto& run = r->second;
    const std::map<std::string, double> mine = {
        {"AB", f.at("OAB")},
        {"R", f.at("R")},
        {"H", f.at("H")},
        {"2B", f.at("2B")},
        {"3B", f.at("3B")},
        {"HR", f.at("HR")},
        {"RBI", f.at("RBI")},
        {"BB", f.at("BB")},
        {"SO", f.at("SO")},
        {"SB", run.at("SB")},
        {"CS", run.at("CS2") + run.at("CS3") + run.at("CSH")},
        {"SH", f.at("BS") + f.at("S")},  // sacrifice bunts: outs, and safe on errors or choices
        {"SF", f.at("SF")},
        {"HBP", f.at("HBP")}};
    for (const auto& [key, value] : mine) {
      EXPECT_EQ(std::lround(value), line.at(key)) << who.first << " (" << who.second << ") " << key;
    }
  }
}

// Hits, walks, strikeouts, hit batsmen, balks, runs and earned runs are
// each pitcher's own.  Outs and batters faced go where our counting rules
// put them (the sums of each side agree, see above): an out made on the
// bases is credited to the pitcher who faced that runner at the plate, and
// a batter is counted as faced by the pitcher charged with him (who, for a
// batter safe on a fielder's choice, is the pitcher of the runner put
// out).  Wild pitches are counted once for every runner they move, for the
// pitcher who faced that runner at the plate.
TEST(RetrosheetSeason, PitchingAgreesPitcherByPitcher) {
  const Figures pitching = TableFigures(ImportedSeason().all, StatTable::kPitching);
  for (const auto& [who, line] : OfficialSeason("pitching")) {
    auto p = pitching.find(who);
    ASSERT_NE(p, pitching.end()) << who.first;
    const auto& f = p->second;
    EXPECT_EQ(f.at("H"), line.at("H")) << who.first;
    EXPECT_EQ(f.at("BB"), line.at("BB")) << who.first;
    EXPECT_EQ(f.at("SO"), line.at("SO")) << who.first;
    EXPECT_EQ(f.at("HB"), line.at("HBP")) << who.first;
    EXPECT_EQ(f.at("BK"), line.at("BK")) << who.first;
    EXPECT_EQ(f.at("R"), line.at("R")) << who.first;
    EXPECT_EQ(f.at("ER"), line.at("ER")) << who.first;
  }
}

}  // namespace
}  // namespace scorewick::interop
