// The half of the peer check (tests/interop/peer_check.sh) that is ours:
// it writes games as Retrosheet's files through the program's exporter,
// says what our box scores hold, and holds the box scores the reference
// reader printed from those files against them.  The reader itself is
// built and run by the script, never by the program.
//
//   peer_lines write OUT GAME...
//       exports the game files into OUT (event, roster and team files)
//       and writes OUT/ours.txt: each game's score by innings, batting and
//       pitching lines as our box score has them, under its id.
//   peer_lines retro OUT DATA
//       imports the Retrosheet files of DATA (every .EVA and .EVN), exports
//       the games into OUT and writes OUT/ids.txt: the original id, the id
//       written, the event file, one game a line.
//   peer_lines lines OUT BOXES...
//       reads the reference reader's box scores (one output per event file
//       of OUT, named EVENTFILE.box) and compares every game's with
//       ours.txt; prints each difference; exit 1 when there is one.
//   peer_lines texts ORIGINAL EXPORTED IDS
//       compares the reference reader's box scores of the original files
//       (ORIGINAL/EVENTFILE.box) with those of the files written
//       (EXPORTED/EVENTFILE.box), game by game and line by line, by the
//       ids of IDS; prints each line that differs.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "intake/game_headline.h"
#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_games.h"
#include "interop/retrosheet_names.h"
#include "interop/retrosheet_records.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/box_score.h"

namespace fs = std::filesystem;
using namespace scorewick;
using namespace scorewick::interop;

namespace {

std::string Read(const std::string& path) {
  std::string text;
  if (!ReadWholeTextFile(path, text)) std::cerr << "cannot read " << path << "\n";
  return text;
}

std::vector<std::string> EventFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (name.size() == 11 && (name.ends_with(".EVA") || name.ends_with(".EVN"))) {
      files.push_back(name);
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The ids of an event file's games, in order.
std::vector<std::string> IdsOf(const std::string& path) {
  std::vector<std::string> ids;
  for (const RetroRecord& r : ReadRecords(Read(path))) {
    if (r.type() == "id") ids.emplace_back(r.at(1));
  }
  return ids;
}

// A name as the reader prints it: last name and the first initial.
std::string ShortName(const std::string& record_name) {
  const SplitName split = SplitPlayerName(FieldText(record_name));
  return split.last + (split.first.empty() ? "" : " " + split.first.substr(0, 1));
}

std::string Innings(int outs) { return std::to_string(outs / 3) + "." + std::to_string(outs % 3); }

// Our box score of a game, one line a figure set.
std::vector<std::string> OurLines(const Game& game) {
  std::vector<std::string> lines;
  const reports::BoxScore box = reports::MakeBoxScore(game, StatRules{});
  for (bool visitors : {true, false}) {
    const std::string side = visitors ? "V" : "H";
    std::string line = "line " + side;
    for (int i = 0; i < box.innings_shown(); ++i) line += " " + box.InningRunsText(visitors, i);
    lines.push_back(line + " = " + std::to_string(box.runs(visitors)));
    // The players of the batting order: the reader lists no one else.
    for (const reports::BoxBatter& batter : box.batters(box.home_won() != visitors)) {
      const reports::BoxBattingFigures& b = batter.figures;
      if (batter.slot == 0) continue;
      lines.push_back("bat " + side + " " + ShortName(b.name) + " | " + std::to_string(b.at_bats) +
                      " " + std::to_string(b.runs) + " " + std::to_string(b.hits) + " " +
                      std::to_string(b.rbi));
    }
    for (const reports::BoxPitchingFigures& p : box.team(visitors).pitching) {
      if (p.name == "TEAM TOTALS") continue;
      const std::string mark = p.wins ? " (W)" : p.losses ? " (L)" : p.saves ? " (S)" : "";
      lines.push_back("pit " + side + " " + ShortName(p.name) + mark + " | " + Innings(p.outs) +
                      " " + std::to_string(p.hits) + " " + std::to_string(p.runs) + " " +
                      std::to_string(p.earned_runs) + " " + std::to_string(p.walks) + " " +
                      std::to_string(p.strikeouts));
    }
  }
  return lines;
}

std::string Trim(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.pop_back();
  std::size_t a = 0;
  while (a < s.size() && s[a] == ' ') ++a;
  return s.substr(a);
}

// The reader's box scores of one output, split at its form feeds.
std::vector<std::string> Boxes(const std::string& text) {
  std::vector<std::string> boxes;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\f', start);
    if (end == std::string::npos) end = text.size();
    const std::string box = text.substr(start, end - start);
    if (box.find("Game of") != std::string::npos) boxes.push_back(box);
    start = end + 1;
  }
  return boxes;
}

// The same lines as OurLines, read from the reader's box score.
std::vector<std::string> ReaderLines(const std::string& box) {
  std::vector<std::string> rows;
  std::istringstream in(box);
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < rows.size() && rows[i].find(" AB  R  H RBI") == std::string::npos) ++i;
  ++i;
  // Batting rows: two columns of 35 characters, visitors on the left.
  for (; i < rows.size() && rows[i].find("-- -- --") == std::string::npos; ++i) {
    for (int side = 0; side < 2; ++side) {
      const std::string half = rows[i].size() > static_cast<std::size_t>(35 * side)
                                   ? rows[i].substr(static_cast<std::size_t>(35 * side), 32)
                                   : std::string();
      if (Trim(half).empty()) continue;
      std::string name = half.substr(0, 20);
      name = Trim(name.substr(0, name.rfind(',')));
      std::istringstream figures(half.substr(20));
      int ab = 0, r = 0, h = 0, bi = 0;
      figures >> ab >> r >> h >> bi;
      lines.push_back("bat " + std::string(side == 0 ? "V" : "H") + " " + name + " | " +
                      std::to_string(ab) + " " + std::to_string(r) + " " + std::to_string(h) + " " +
                      std::to_string(bi));
    }
  }
  // The score by innings, then the two pitching tables.
  int side = 0;
  for (; i < rows.size(); ++i) {
    const std::size_t dashes = rows[i].find(" -- ");
    if (dashes != std::string::npos && side < 2 && rows[i].find("IP") == std::string::npos &&
        rows[i].size() > 17 && std::isdigit(static_cast<unsigned char>(rows[i].back()))) {
      // One character an inning, "(10)" for ten runs and more.
      std::string line = std::string("line ") + (side == 0 ? "V" : "H");
      const std::string innings = rows[i].substr(17, dashes - 17);
      for (std::size_t c = 0; c < innings.size(); ++c) {
        if (innings[c] == ' ') continue;
        if (innings[c] != '(') {
          line += std::string(" ") + innings[c];
          continue;
        }
        const std::size_t close = innings.find(')', c);
        std::string runs;
        for (std::size_t d = c + 1; d < close && d < innings.size(); ++d) {
          if (innings[d] != ' ') runs += innings[d];
        }
        line += " " + runs;
        c = close;
      }
      lines.push_back(line + " = " + Trim(rows[i].substr(dashes + 4)));
      ++side;
    }
    if (rows[i].find("   IP  H  R ER BB SO") != std::string::npos) break;
  }
  side = -1;
  for (; i < rows.size(); ++i) {
    if (rows[i].find("   IP  H  R ER BB SO") != std::string::npos) {
      ++side;
      continue;
    }
    if (Trim(rows[i]).empty() || rows[i].size() < 21) {
      if (side == 1) break;
      continue;
    }
    const std::string row = Trim(rows[i]);
    if (row[0] == '*' || row[0] == '+' || row[0] == '#') continue;  // a note
    std::string name = Trim(rows[i].substr(0, 20));
    while (!name.empty() && (name.back() == '*' || name.back() == '+' || name.back() == '#')) {
      name.pop_back();
    }
    std::istringstream figures(rows[i].substr(20));
    std::string ip;
    int h = 0, r = 0, er = 0, bb = 0, so = 0;
    figures >> ip >> h >> r >> er >> bb >> so;
    lines.push_back("pit " + std::string(side == 0 ? "V" : "H") + " " + name + " | " + ip + " " +
                    std::to_string(h) + " " + std::to_string(r) + " " + std::to_string(er) + " " +
                    std::to_string(bb) + " " + std::to_string(so));
  }
  return lines;
}

int Write(const std::string& out, const std::vector<std::string>& games) {
  std::vector<GameHeadline> headlines;
  std::vector<std::string> readable;
  for (const std::string& path : games) {
    if (GameHeadline h; ReadGameHeadline(path, h)) {
      headlines.push_back(std::move(h));
      readable.push_back(path);
    }
  }
  RetrosheetEventFiles events(headlines);
  std::ofstream ours(out + "/ours.txt");
  int refused = 0;
  Game game;
  for (std::size_t i : events.order()) {
    game.Release();
    ExportedGame exported;
    Status added = LoadGame(readable[i], game);
    if (added) added = events.Add(i, game, exported);
    if (!added) {
      std::cerr << readable[i] << ": " << added.reason << "\n";
      ++refused;
      continue;
    }
    for (const std::string& line : OurLines(game)) ours << events.GameId(i) << " " << line << "\n";
  }
  for (const auto& [name, text] : events.Files()) {
    if (!WriteTextFileAtomically(out + "/" + name, text)) return 1;
  }
  std::cout << events.order().size() - static_cast<std::size_t>(refused) << " games written\n";
  return refused == 0 ? 0 : 1;
}

int Retro(const std::string& out, const std::string& data) {
  std::vector<std::string> files;
  for (const std::string& name : EventFiles(data)) files.push_back(data + "/" + name);
  // The plan wants every game's headline first: a first reading gives them.
  std::vector<GameHeadline> headlines;
  ReadRetrosheetGames(files, [&](const ScoredGame& g) -> Taken {
    const GameHeader& h = g.game.header;
    headlines.push_back({h.year, h.month, h.day, h.start_hour, h.start_minute,
                         g.game.home.team_name.str(), g.game.visitor.team_name.str()});
    return {};
  });
  RetrosheetEventFiles events(headlines);
  std::ofstream ids(out + "/ids.txt");
  std::size_t index = 0;
  int refused = 0;
  ReadRetrosheetGames(files, [&](const ScoredGame& g) -> Taken {
    const std::size_t i = index++;
    ExportedGame exported;
    if (Status added = events.Add(i, g.game, exported); !added) {
      std::cerr << g.origin.id << ": " << added.reason << "\n";
      ++refused;
      return {};
    }
    ids << g.origin.id << " " << events.GameId(i) << " " << events.EventFileOf(i) << "\n";
    return {};
  });
  for (const auto& [name, text] : events.Files()) {
    if (!WriteTextFileAtomically(out + "/" + name, text)) return 1;
  }
  std::cout << index - static_cast<std::size_t>(refused) << " games written\n";
  return refused == 0 ? 0 : 1;
}

// Each game's box score of a folder's outputs, by id.
std::map<std::string, std::string> BoxesOf(const std::string& folder) {
  std::map<std::string, std::string> by_id;
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (!name.ends_with(".box")) continue;
    const std::string event_file = name.substr(0, name.size() - 4);
    const std::vector<std::string> ids = IdsOf(folder + "/" + event_file);
    const std::vector<std::string> boxes = Boxes(Read(e.path().string()));
    if (ids.size() != boxes.size()) {
      std::cerr << event_file << ": " << ids.size() << " games, " << boxes.size()
                << " box scores\n";
    }
    for (std::size_t i = 0; i < ids.size() && i < boxes.size(); ++i) by_id[ids[i]] = boxes[i];
  }
  return by_id;
}

int Lines(const std::string& out) {
  std::map<std::string, std::vector<std::string>> ours;
  std::istringstream in(Read(out + "/ours.txt"));
  for (std::string row; std::getline(in, row);) {
    const std::size_t space = row.find(' ');
    ours[row.substr(0, space)].push_back(row.substr(space + 1));
  }
  const std::map<std::string, std::string> boxes = BoxesOf(out);
  int differing = 0, lines = 0, idle_players = 0;
  for (auto& [id, mine] : ours) {
    auto it = boxes.find(id);
    if (it == boxes.end()) {
      std::cout << id << ": no box score from the reader\n";
      ++differing;
      continue;
    }
    std::vector<std::string> theirs = ReaderLines(it->second);
    // The reader cuts a long name to fit its column: a name of ours that
    // begins with the reader's is the same player.
    std::multiset<std::string> left(mine.begin(), mine.end());
    std::vector<std::string> unmatched;
    for (const std::string& t : theirs) {
      auto found = left.find(t);
      if (found == left.end()) {
        const std::size_t bar = t.find(" | ");
        for (auto m = left.begin(); m != left.end(); ++m) {
          const std::size_t mbar = m->find(" | ");
          if (bar != std::string::npos && mbar != std::string::npos &&
              m->substr(mbar) == t.substr(bar) && m->compare(0, bar, t, 0, bar) == 0) {
            found = m;
            break;
          }
        }
      }
      if (found == left.end()) {
        unmatched.push_back("reader: " + t);
      } else {
        left.erase(found);
      }
    }
    for (const std::string& m : left) unmatched.push_back("ours:   " + m);
    // A player who came in and left before a play: the reader lists him
    // with nothing, our box score leaves him out.
    std::erase_if(unmatched, [&](const std::string& u) {
      const bool idle = u.rfind("reader: bat ", 0) == 0 && u.ends_with(" | 0 0 0 0");
      if (idle) ++idle_players;
      return idle;
    });
    lines += static_cast<int>(mine.size());
    if (!unmatched.empty()) {
      ++differing;
      for (const std::string& u : unmatched) std::cout << id << ": " << u << "\n";
    }
  }
  std::cout << ours.size() << " games, " << lines << " lines held against the reader's ("
            << idle_players << " players the reader lists with nothing our box score leaves out); "
            << differing << " games differ\n";
  return differing == 0 ? 0 : 1;
}

int Texts(const std::string& original, const std::string& exported, const std::string& ids_file) {
  const std::map<std::string, std::string> before = BoxesOf(original);
  const std::map<std::string, std::string> after = BoxesOf(exported);
  std::istringstream in(Read(ids_file));
  int games = 0, differing = 0, lines = 0;
  for (std::string row; std::getline(in, row);) {
    std::istringstream cut(row);
    std::string old_id, new_id;
    cut >> old_id >> new_id;
    ++games;
    auto a = before.find(old_id);
    auto b = after.find(new_id);
    if (a == before.end() || b == after.end()) {
      std::cout << old_id << ": no box score\n";
      ++differing;
      continue;
    }
    std::vector<std::string> x, y;
    std::istringstream xa(a->second), yb(b->second);
    for (std::string l; std::getline(xa, l);) x.push_back(l);
    for (std::string l; std::getline(yb, l);) y.push_back(l);
    lines += static_cast<int>(std::max(x.size(), y.size()));
    // The lines of neither's longest common run of lines, in order.
    std::vector<std::vector<int>> common(x.size() + 1, std::vector<int>(y.size() + 1, 0));
    for (std::size_t i = x.size(); i-- > 0;) {
      for (std::size_t j = y.size(); j-- > 0;) {
        common[i][j] =
            x[i] == y[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
      }
    }
    bool differs = false;
    std::size_t i = 0, j = 0;
    while (i < x.size() || j < y.size()) {
      if (i < x.size() && j < y.size() && x[i] == y[j]) {
        ++i, ++j;
      } else if (j == y.size() || (i < x.size() && common[i + 1][j] >= common[i][j + 1])) {
        std::cout << old_id << " - " << x[i++] << "\n";
        differs = true;
      } else {
        std::cout << old_id << " + " << y[j++] << "\n";
        differs = true;
      }
    }
    differing += differs ? 1 : 0;
  }
  std::cout << games << " games, " << lines << " lines compared; " << differing
            << " games differ\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "write") {
    return Write(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  }
  if (args.size() == 3 && args[0] == "retro") return Retro(args[1], args[2]);
  if (args.size() == 2 && args[0] == "lines") return Lines(args[1]);
  if (args.size() == 4 && args[0] == "texts") return Texts(args[1], args[2], args[3]);
  std::cerr << "usage: peer_lines write OUT GAME... | retro OUT DATA | lines OUT | "
               "texts ORIGINAL EXPORTED IDS\n";
  return 2;
}
