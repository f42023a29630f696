// Twenty clubs' 2019 home games (1,620 real games from Retrosheet)
// imported and held against the official lines published from the same
// files, game by game: every game imports and is consistent; each side's
// runs, hits, errors and runners left on base; every batter's line, every
// pitcher's line and every fielder's put-outs, assists and errors through
// the statistics engine, as the box score counts one game; the decisions;
// and the season's tables counted over every game at once, where a player
// who changed clubs keeps each club's figures on its own row.
//
// SCOREWICK_SEASON_REPORT=FILE writes every difference found to FILE.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_games.h"
#include "interop/retrosheet_records.h"
#include "interop/retrosheet_roster.h"
#include "official_lines.h"
#include "records/file_io.h"
#include "reports/box_score.h"
#include "scoring/consistency.h"
#include "stats/accumulate.h"
#include "stats/stat_columns.h"
#include "support/book_round_trip.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::interop {
namespace {

using scorewick::testing::JsonReader;
using scorewick::testing::JsonValue;

const std::string& Folder() {
  static const std::string folder = scorewick::testing::DataFile("retrosheet-2019");
  return folder;
}

const char* const kClubs[] = {"2019ATL.EVN", "2019BAL.EVA", "2019BOS.EVA", "2019CHN.EVN",
                              "2019CIN.EVN", "2019CLE.EVA", "2019COL.EVN", "2019DET.EVA",
                              "2019HOU.EVA", "2019KCA.EVA", "2019LAN.EVN", "2019MIA.EVN",
                              "2019MIL.EVN", "2019MIN.EVA", "2019PHI.EVN", "2019SEA.EVA",
                              "2019SFN.EVN", "2019TBA.EVA", "2019TOR.EVA", "2019WAS.EVN"};

const JsonValue& Official() {
  static const JsonValue lines = [] {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(Folder() + "/official-lines.json", text));
    return JsonReader(text).Read();
  }();
  return lines;
}

// A player's figures in one game or season: figure -> value.
using Line = std::map<std::string, long>;
// By (side or team, player name).
using Lines = std::map<std::pair<std::string, std::string>, Line>;

// The reference reader's fielding lines (fielding-lines.csv): put-outs,
// assists and errors of every player in every game, by game id.
std::map<std::string, Lines> ReferenceFielding() {
  std::map<std::string, Lines> games;
  std::string text;
  EXPECT_TRUE(ReadWholeTextFile(Folder() + "/fielding-lines.csv", text));
  std::istringstream in(text);
  std::string row;
  std::getline(in, row);  // the heading
  while (std::getline(in, row)) {
    std::vector<std::string> cells;
    std::istringstream cut(row);
    for (std::string cell; std::getline(cut, cell, ',');) cells.push_back(cell);
    if (cells.size() != 6) continue;
    games[cells[0]][{cells[1], cells[2]}] = {
        {"PO", std::stol(cells[3])}, {"A", std::stol(cells[4])}, {"E", std::stol(cells[5])}};
  }
  return games;
}

// The decisions each game's info records name, by game id: "wp", "lp",
// "save" -> player id.
std::map<std::string, std::map<std::string, std::string>> InfoDecisions() {
  std::map<std::string, std::map<std::string, std::string>> games;
  for (const char* file : kClubs) {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(Folder() + "/" + file, text));
    std::istringstream in(text);
    std::string id;
    for (std::string row; std::getline(in, row);) {
      if (!row.empty() && row.back() == '\r') row.pop_back();
      if (row.rfind("id,", 0) == 0) id = row.substr(3);
      for (const char* key : {"wp", "lp", "save"}) {
        const std::string head = "info," + std::string(key) + ",";
        if (row.rfind(head, 0) == 0 && row.size() > head.size())
          games[id][key] = row.substr(head.size());
      }
    }
  }
  return games;
}

// Counts every table's figures of a Stat by (team, name): batting and
// running by the official figures' names, pitching likewise, fielding
// summed over the positions played.
struct Counted {
  Lines batting, pitching, fielding;
};

double Cell(const Stat& stat, StatTable table, int row, const char* key) {
  for (int c = 0; c < ColumnCount(table); ++c) {
    if (ColumnKey(table, c) == key) return SortValue(stat, table, row, c).number;
  }
  ADD_FAILURE() << "no column " << key;
  return 0;
}

Counted Count(const Stat& stat) {
  Counted counted;
  auto who = [&](StatTable table, int row) {
    return std::make_pair(std::string(SortValue(stat, table, row, 1).text),
                          std::string(SortValue(stat, table, row, 0).text));
  };
  auto each = [&](StatTable table, auto&& take) {
    for (int row = 0; row < RowCount(stat, table); ++row) {
      if (!IsTotalsRow(stat, table, row)) take(row, who(table, row));
    }
  };
  auto get = [&](StatTable table, int row, const char* key) {
    return std::lround(Cell(stat, table, row, key));
  };
  each(StatTable::kBatting, [&](int row, const auto& w) {
    Line& l = counted.batting[w];
    l["AB"] = get(StatTable::kBatting, row, "OAB");
    for (const char* k : {"R", "H", "2B", "3B", "HR", "RBI", "BB", "SO", "SF"})
      l[k] = get(StatTable::kBatting, row, k);
    l["HBP"] = get(StatTable::kBatting, row, "HBP");
    // Sacrifice bunts: outs, and safe on errors or choices.
    l["SH"] = get(StatTable::kBatting, row, "BS") + get(StatTable::kBatting, row, "S");
  });
  each(StatTable::kRunning, [&](int row, const auto& w) {
    Line& l = counted.batting[w];
    l["SB"] = get(StatTable::kRunning, row, "SB");
    l["CS"] = get(StatTable::kRunning, row, "CS2") + get(StatTable::kRunning, row, "CS3") +
              get(StatTable::kRunning, row, "CSH");
  });
  each(StatTable::kPitching, [&](int row, const auto& w) {
    Line& l = counted.pitching[w];
    l["OUT"] = std::lround(Cell(stat, StatTable::kPitching, row, "IP") * 3);
    for (const char* k : {"BF", "H", "R", "ER", "BB", "SO", "WP", "BK", "W", "L"})
      l[k] = get(StatTable::kPitching, row, k);
    l["HBP"] = get(StatTable::kPitching, row, "HB");
    l["SV"] = get(StatTable::kPitching, row, "SA");
  });
  each(StatTable::kFielding, [&](int row, const auto& w) {
    Line& l = counted.fielding[w];
    for (const char* k : {"PO", "A", "E"}) l[k] += get(StatTable::kFielding, row, k);
  });
  return counted;
}

// Differences found, by kind ("pitching BF"), each with where it is.
struct Differences {
  std::map<std::string, std::vector<std::string>> by_kind;

  void Compare(const std::string& kind, const std::string& where, const Line& official,
               const Line& mine) {
    for (const auto& [key, value] : official) {
      auto m = mine.find(key);
      const long ours = m == mine.end() ? 0 : m->second;
      if (ours != value) {
        by_kind[kind + " " + key].push_back(where + ": " + std::to_string(ours) + " against " +
                                            std::to_string(value));
      }
    }
  }
  std::size_t Count() const {
    std::size_t n = 0;
    for (const auto& [kind, list] : by_kind) n += list.size();
    return n;
  }
  std::string Summary(std::size_t examples) const {
    std::string text;
    for (const auto& [kind, list] : by_kind) {
      text += kind + ": " + std::to_string(list.size()) + "\n";
      for (std::size_t i = 0; i < list.size() && i < examples; ++i) text += "  " + list[i] + "\n";
    }
    return text;
  }
};

// What the importer and the statistics made of the season.
struct Season {
  GamesRead read;
  std::set<std::string> ids;
  std::vector<std::string> inconsistent;
  std::vector<std::string> not_told;  // games whose book does not read back the same
  Differences games;                  // game by game
  Differences season;                 // the season's tables
};

// Team and fielding lines name sides; batting and pitching lines name the
// player as the official lines do.
Line TeamLine(const Game& game, bool home) {
  Line line;
  for (const INNING& inning : game.innings) {
    const HALF_INNING& batting = home ? inning.bottom : inning.top;
    const HALF_INNING& fielding = home ? inning.top : inning.bottom;
    line["R"] += batting.runs;
    line["H"] += batting.hits;
    line["LOB"] += batting.left_on_base;
    line["E"] += fielding.errors;
  }
  return line;
}

const Season& ImportedSeason() {
  static const Season season = [] {
    Season s;
    const auto fielding = ReferenceFielding();
    const auto decisions = InfoDecisions();
    Stat all{};
    all.all_teams = true;
    Lines official_batting, official_pitching;
    std::map<std::string, std::string> team_of_code;
    int n = 0;
    const GameSink take = [&](const ScoredGame& g) -> Taken {
      const std::string& id = g.origin.id;
      s.ids.insert(id);
      for (const scoring::Inconsistency& i : scoring::CheckGame(g.game, {})) {
        s.inconsistent.push_back(id + ": " + i.Text());
      }
      if (const std::string differs = scorewick::testing::BookRoundTrip(g.game, {});
          !differs.empty()) {
        s.not_told.push_back(id + ": " + differs);
      }
      const JsonValue& official = Official()[id];
      Stat one{};
      one.all_teams = true;
      AccumulateGame(one, g.game, 1, Split::kAll, Split::kAll, false);
      FinishTables(one);
      const Counted mine = Count(one);
      const auto decided =
          decisions.count(id) ? decisions.at(id) : std::map<std::string, std::string>{};
      for (bool home : {true, false}) {
        const std::string side = home ? "home" : "visitor";
        const Club& club = home ? g.home : g.visitor;
        const std::string team = club.team.team_name.str();
        team_of_code[club.code] = team;
        Line official_team;
        for (const char* k : {"R", "H", "E", "LOB"})
          official_team[k] = official["teams"][side][k].number;
        s.games.Compare("team", id + " " + side, official_team, TeamLine(g.game, home));
        for (const auto& [name, line] : official["batting"][side].members) {
          Line o;
          for (const auto& [k, v] : line.members) {
            if (k != "IBB") o[k] = v.number;
          }
          auto m = mine.batting.find({team, name});
          s.games.Compare("batting", id + " " + name, o,
                          m == mine.batting.end() ? Line{} : m->second);
          for (const auto& [k, v] : o) official_batting[{team, name}][k] += v;
        }
        for (const auto& [name, line] : official["pitching"][side].members) {
          Line o;
          for (const auto& [k, v] : line.members) o[k] = v.number;
          // The decisions are the info records'.
          for (const auto& [key, figure] :
               std::map<std::string, std::string>{{"wp", "W"}, {"lp", "L"}, {"save", "SV"}}) {
            auto d = decided.find(key);
            o[figure] = d != decided.end() && club.names.count(d->second) &&
                                club.names.at(d->second) == name
                            ? 1
                            : 0;
          }
          auto m = mine.pitching.find({team, name});
          s.games.Compare("pitching", id + " " + name, o,
                          m == mine.pitching.end() ? Line{} : m->second);
          for (const auto& [k, v] : o) official_pitching[{team, name}][k] += v;
        }
        const auto game_fielding = fielding.find(id);
        Lines reference;
        if (game_fielding != fielding.end()) {
          for (const auto& [who, line] : game_fielding->second) {
            if (who.first == side) reference[who] = line;
          }
        }
        for (const auto& [who, line] : mine.fielding) {
          if (who.first == team) reference.try_emplace({side, who.second}, Line{});
        }
        for (const auto& [who, line] : reference) {
          auto m = mine.fielding.find({team, who.second});
          s.games.Compare("fielding", id + " " + who.second, line,
                          m == mine.fielding.end() ? Line{} : m->second);
        }
      }
      AccumulateGame(all, g.game, ++n, Split::kAll, Split::kAll, false);
      return {};
    };
    std::vector<std::string> files;
    for (const char* file : kClubs) files.push_back(Folder() + "/" + file);
    s.read = ReadRetrosheetGames(files, take);
    FinishTables(all);
    const Counted counted = Count(all);
    for (const auto& [who, line] : official_batting) {
      auto m = counted.batting.find(who);
      s.season.Compare("batting", who.second + " (" + who.first + ")", line,
                       m == counted.batting.end() ? Line{} : m->second);
    }
    for (const auto& [who, line] : official_pitching) {
      auto m = counted.pitching.find(who);
      s.season.Compare("pitching", who.second + " (" + who.first + ")", line,
                       m == counted.pitching.end() ? Line{} : m->second);
    }
    if (const char* report = std::getenv("SCOREWICK_SEASON_REPORT")) {
      std::ofstream out(report);
      out << "Game by game:\n"
          << s.games.Summary(100000) << "Season:\n"
          << s.season.Summary(100000);
    }
    return s;
  }();
  return season;
}

// Every game comes in, agreeing with itself; what the import approximated
// or read past is the golden list of notes.
TEST(RetrosheetSeason, EveryGameImportsAndAgreesWithItself) {
  const Season& s = ImportedSeason();
  std::string notes;
  for (const ImportRefusal& r : s.read.refusals) {
    if (r.note) {
      notes += r.Text() + "\n";
    } else {
      ADD_FAILURE() << r.Text();
    }
  }
  scorewick::testing::ExpectGolden(notes, "retrosheet-2019/notes.txt");
  for (const std::string& i : s.inconsistent) ADD_FAILURE() << i;
  EXPECT_EQ(s.read.games_taken, 1620);
  EXPECT_EQ(s.ids.size(), Official().members.size());
}

// Every game's book (scorewick book) reads back (scorewick score) as a game
// with the same box score and statistics.
TEST(RetrosheetSeason, EveryGameIsToldByItsBook) {
  for (const std::string& d : ImportedSeason().not_told) ADD_FAILURE() << d;
  EXPECT_EQ(ImportedSeason().not_told.size(), 0u);
}

// Every figure of every game: the sides' lines, every batter's, pitcher's
// and fielder's, and the decisions.
TEST(RetrosheetSeason, EveryGameHasTheOfficialLines) {
  const Differences& d = ImportedSeason().games;
  EXPECT_EQ(d.Count(), 0u) << d.Summary(8);
}

// The season's tables, every game counted at once: each player's figures
// for each of his clubs on that club's row.
TEST(RetrosheetSeason, TheSeasonHasTheOfficialLines) {
  const Differences& d = ImportedSeason().season;
  EXPECT_EQ(d.Count(), 0u) << d.Summary(8);
}

// The twenty clubs' season (1,620 real games from Retrosheet) imported,
// written out as Retrosheet files again and imported from those: every
// game comes back with the same box score, the same statistics (every row
// of every table) and the same play-by-play.  Every written game passes
// the program's own check on the way.
//
// SCOREWICK_ROUND_TRIP_REPORT=FILE writes every difference found to FILE,
// and SCOREWICK_ROUND_TRIP_KEEP=FOLDER keeps the files written there.

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

const RoundTrip& WrittenAndReadAgain() {
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
  const RoundTrip& t = WrittenAndReadAgain();
  for (const std::string& r : t.refused) ADD_FAILURE() << r;
  EXPECT_EQ(t.exported, 1620);
  EXPECT_EQ(t.read_again, 1620);
}

TEST(RetrosheetRoundTrip, EveryGameHasTheSameBoxScoreStatisticsAndPlays) {
  const RoundTrip& t = WrittenAndReadAgain();
  EXPECT_TRUE(t.box.empty()) << t.box.size() << " box scores differ, the first " << t.box.front();
  EXPECT_TRUE(t.stats.empty()) << t.stats.size() << " games' statistics differ, the first "
                               << t.stats.front();
  EXPECT_TRUE(t.narrative.empty())
      << t.narrative.size() << " games' play-by-play differ, the first "
      << t.narrative.begin()->first;
}

}  // namespace
}  // namespace scorewick::interop
