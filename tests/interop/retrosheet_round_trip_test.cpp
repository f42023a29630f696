// The twenty clubs' season (1,620 real games from Retrosheet) imported,
// written out as Retrosheet files again and imported from those: every
// game comes back with the same box score, the same statistics (every row
// of every table) and the same play-by-play.  Every written game passes
// the program's own check on the way.
//
// SCOREWICK_ROUND_TRIP_REPORT=FILE writes every difference found to FILE,
// and SCOREWICK_ROUND_TRIP_KEEP=FOLDER keeps the files written there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_games.h"
#include "interop/retrosheet_records.h"
#include "interop/retrosheet_roster.h"
#include "records/file_io.h"
#include "reports/box_score.h"
#include "stats/accumulate.h"
#include "stats/stat_columns.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::interop {
namespace {

const std::string& Folder() {
  static const std::string folder = scorewick::testing::DataFile("retrosheet-2019");
  return folder;
}

std::vector<std::string> EventFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == 11 && (name.ends_with(".EVA") || name.ends_with(".EVN"))) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// What the export plans from: each game's day, start time and teams, read
// from its info records (the clubs' names from the team file), in the
// order the import reads the games.
std::vector<GameHeadline> Headlines(const std::vector<std::string>& files) {
  std::string team_text;
  EXPECT_TRUE(ReadWholeTextFile(Folder() + "/TEAM2019", team_text));
  std::vector<ClubEntry> clubs;
  EXPECT_TRUE(ReadClubs(ReadRecords(team_text), clubs));
  std::map<std::string, std::string> name_of;
  for (const ClubEntry& c : clubs) name_of[c.code] = c.city + " " + c.nickname;
  std::vector<GameHeadline> headlines;
  for (const std::string& file : files) {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(file, text));
    for (const std::vector<RetroRecord>& game : SplitGames(ReadRecords(text)).games) {
      GameHeadline h;
      for (const RetroRecord& r : game) {
        if (r.type() != "info") continue;
        const std::string value(r.at(2));
        if (r.at(1) == "visteam") h.visitor = name_of[value];
        if (r.at(1) == "hometeam") h.home = name_of[value];
        if (r.at(1) == "date") {
          h.year = std::stoi(value.substr(0, 4));
          h.month = std::stoi(value.substr(5, 2));
          h.day = std::stoi(value.substr(8, 2));
        }
        if (r.at(1) == "starttime") {
          const std::size_t colon = value.find(':');
          h.hour = std::stoi(value.substr(0, colon)) % 12 + (value.ends_with("PM") ? 12 : 0);
          h.minute = std::stoi(value.substr(colon + 1, 2));
        }
      }
      headlines.push_back(h);
    }
  }
  return headlines;
}

// A game as a reader of the program sees it: its box score without the
// play-by-play, the play-by-play, and every statistics row of the game.
struct Figures {
  std::vector<std::string> box;
  std::vector<std::string> play_by_play;
  std::vector<std::string> rows;
};

Figures FiguresOf(const Game& game) {
  Figures f;
  const reports::BoxScore box = reports::MakeBoxScore(game, StatRules{});
  const std::size_t cut = box.sections().play_by_play;
  for (std::size_t i = 0; i < box.lines().size(); ++i) {
    (i < cut ? f.box : f.play_by_play).push_back(box.lines()[i]);
  }
  Stat stat{};
  stat.all_teams = true;
  AccumulateGame(stat, game, 1, Split::kAll, Split::kAll, false);
  FinishTables(stat);
  for (int t = 0; t < kStatTableCount; ++t) {
    const StatTable table = static_cast<StatTable>(t);
    for (int row = 0; row < RowCount(stat, table); ++row) {
      std::string line = std::to_string(t);
      for (int c = 0; c < ColumnCount(table); ++c) {
        line += "|" + std::string(ColumnKey(table, c)) + "=" + CellText(stat, table, row, c);
      }
      f.rows.push_back(line);
    }
  }
  std::sort(f.rows.begin(), f.rows.end());
  return f;
}

struct RoundTrip {
  int exported = 0;
  int read_again = 0;
  std::vector<std::string> refused;      // games the export or the second import refused
  std::vector<std::string> box;          // games whose box scores differ
  std::vector<std::string> stats;        // games whose statistics differ
  std::map<std::string, int> narrative;  // play-by-play lines that differ, by game
  std::string report;
};

std::string Diff(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::string text;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string x = i < a.size() ? a[i] : "(none)";
    const std::string y = i < b.size() ? b[i] : "(none)";
    if (x != y) text += "  - " + x + "\n  + " + y + "\n";
  }
  return text;
}

const RoundTrip& Season() {
  static const RoundTrip trip = [] {
    RoundTrip t;
    const std::vector<std::string> files = EventFiles(Folder());
    RetrosheetEventFiles events(Headlines(files));
    std::map<std::string, Figures> first;  // by the id the export gave
    std::size_t index = 0;
    ReadRetrosheetGames(files, [&](const ScoredGame& g) -> Taken {
      const std::size_t i = index++;
      ExportedGame out;
      if (Status added = events.Add(i, g.game, out); !added) {
        t.refused.push_back(g.origin.id + ": " + added.reason);
        return {};
      }
      ++t.exported;
      first[events.GameId(i)] = FiguresOf(g.game);
      return {};
    });
    TempDir temp;
    std::string folder = temp.path().string();
    if (const char* keep = std::getenv("SCOREWICK_ROUND_TRIP_KEEP")) folder = keep;
    std::filesystem::create_directories(folder);
    for (const auto& [name, text] : events.Files()) {
      EXPECT_TRUE(WriteTextFileAtomically(folder + "/" + name, text)) << name;
    }
    const GamesRead again =
        ReadRetrosheetGames(EventFiles(folder), [&](const ScoredGame& g) -> Taken {
          ++t.read_again;
          auto it = first.find(g.origin.id);
          if (it == first.end()) {
            t.refused.push_back(g.origin.id + ": not among the games written");
            return {};
          }
          const Figures now = FiguresOf(g.game);
          if (now.box != it->second.box) {
            t.box.push_back(g.origin.id);
            t.report += g.origin.id + " box score:\n" + Diff(it->second.box, now.box);
          }
          if (now.rows != it->second.rows) {
            t.stats.push_back(g.origin.id);
            t.report += g.origin.id + " statistics:\n" + Diff(it->second.rows, now.rows);
          }
          if (now.play_by_play != it->second.play_by_play) {
            const std::string diff = Diff(it->second.play_by_play, now.play_by_play);
            t.narrative[g.origin.id] =
                static_cast<int>(std::count(diff.begin(), diff.end(), '\n') / 2);
            t.report += g.origin.id + " play-by-play:\n" + diff;
          }
          return {};
        });
    for (const ImportRefusal& r : again.refusals) {
      if (!r.note) t.refused.push_back(r.Text());
    }
    if (const char* report = std::getenv("SCOREWICK_ROUND_TRIP_REPORT")) {
      std::ofstream out(report);
      for (const std::string& r : t.refused) out << "refused: " << r << "\n";
      out << t.report;
    }
    return t;
  }();
  return trip;
}

TEST(RetrosheetRoundTrip, EveryGameIsWrittenAndReadAgain) {
  const RoundTrip& t = Season();
  for (const std::string& r : t.refused) ADD_FAILURE() << r;
  EXPECT_EQ(t.exported, 1620);
  EXPECT_EQ(t.read_again, 1620);
}

TEST(RetrosheetRoundTrip, EveryGameHasTheSameBoxScoreStatisticsAndPlays) {
  const RoundTrip& t = Season();
  EXPECT_TRUE(t.box.empty()) << t.box.size() << " box scores differ, the first " << t.box.front();
  EXPECT_TRUE(t.stats.empty()) << t.stats.size() << " games' statistics differ, the first "
                               << t.stats.front();
  EXPECT_TRUE(t.narrative.empty())
      << t.narrative.size() << " games' play-by-play differ, the first "
      << t.narrative.begin()->first;
}

}  // namespace
}  // namespace scorewick::interop
