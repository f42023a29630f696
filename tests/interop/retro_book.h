#pragma once
// Short hand-typed Retrosheet games for the importer's tests.  Two clubs,
// the Gulls (visitors, GUL) and the Hawks (home, HAW), start the same
// line-up every game (the pitcher bats ninth); a test writes only the
// plays, one a line:
//
//   g3 S8/L.1-3            the Gulls' third batter: single, runner to third
//   g4 BCFX 64(1)3/GDP     with the pitches of his turn
//   sub,g11,"Kit Kapok",0,6,11      any line with a comma goes in as it stands
//
// Batters starting with g bat in the top halves, with h in the bottom; the
// inning goes up when the Gulls come to bat again.  Describe() tells what
// the importer recorded: each box's play-by-play sentence, its pitch
// sequence, fielders, errors and earned run, and the line-up entries that
// the half gained.

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "interop/retrosheet_game.h"
#include "interop/retrosheet_records.h"
#include "interop/retrosheet_roster.h"
#include "records/codes.h"
#include "reports/play_by_play.h"
#include "support/temp_dir.h"

namespace scorewick::interop::testing {

struct BookPlayer {
  const char* id;
  const char* first;
  const char* last;
  const char* hands;  // bats, throws
  int slot;           // 0: bench
  int position;
};

// The Gulls bat: Ash cf, Birch ss, Cedar 1b, Dogwood 3b, Elm rf, Fir lf,
// Gum 2b, Hazel c, Ivy p; on the bench Juniper, Kapok, Larch (a pitcher)
// and Maple (a catcher).  The Hawks the same way with A. to I. names.
inline const std::vector<BookPlayer>& BookRoster(bool home) {
  static const std::vector<BookPlayer> gulls = {
      {"g1", "Al", "Ash", "LR", 1, 8},     {"g2", "Bo", "Birch", "RR", 2, 6},
      {"g3", "Cy", "Cedar", "LL", 3, 3},   {"g4", "Di", "Dogwood", "RR", 4, 5},
      {"g5", "Ed", "Elm", "BR", 5, 9},     {"g6", "Fay", "Fir", "RR", 6, 7},
      {"g7", "Gil", "Gum", "RR", 7, 4},    {"g8", "Hal", "Hazel", "RR", 8, 2},
      {"g9", "Ike", "Ivy", "RR", 9, 1},    {"g10", "Jo", "Juniper", "LR", 0, 7},
      {"g11", "Kit", "Kapok", "RR", 0, 4}, {"g12", "Lou", "Larch", "LL", 0, 1},
      {"g13", "Mo", "Maple", "RR", 0, 2}};
  static const std::vector<BookPlayer> hawks = {
      {"h1", "Ann", "Able", "RR", 1, 8},  {"h2", "Ben", "Baker", "LR", 2, 6},
      {"h3", "Cal", "Cole", "RR", 3, 3},  {"h4", "Dan", "Dale", "RR", 4, 5},
      {"h5", "Eve", "Evans", "LL", 5, 9}, {"h6", "Flo", "Ford", "RR", 6, 7},
      {"h7", "Gus", "Grant", "RR", 7, 4}, {"h8", "Hank", "Hill", "RR", 8, 2},
      {"h9", "Ida", "Irwin", "RR", 9, 1}, {"h10", "Jay", "Jones", "LR", 0, 7},
      {"h11", "Kim", "King", "RR", 0, 6}, {"h12", "Lee", "Lane", "RL", 0, 1},
      {"h13", "Max", "Moss", "RR", 0, 2}};
  return home ? hawks : gulls;
}

inline const Club& BookClub(bool home) {
  static const auto make = [](bool h) {
    Club club;
    club.code = h ? "HAW" : "GUL";
    club.roster_file = club.code + "2024.ROS";
    std::vector<RosterEntry> roster;
    for (const BookPlayer& p : BookRoster(h)) {
      roster.push_back({p.id, p.last, p.first, p.hands[0], p.hands[1], club.code, ""});
    }
    club.team = MakeClubTeam({club.code, "N", h ? "Harbor" : "Gull Bay", h ? "Hawks" : "Gulls"},
                             roster, club.names);
    return club;
  };
  static const Club gulls = make(false);
  static const Club hawks = make(true);
  return home ? hawks : gulls;
}

inline ClubFinder BookClubs() {
  return [](std::string_view code, int, const Club*& club) -> Status {
    club = code == "GUL" ? &BookClub(false) : code == "HAW" ? &BookClub(true) : nullptr;
    if (club) return {};
    return Status::Failed(
        {}, "the roster file " + std::string(code) + "2024.ROS is not beside the event file");
  };
}

// The whole event file of a book: the game's header and line-ups, then its
// plays.
// Info lines of the plays go before the line-ups, where they belong.
inline std::string BookText(const std::string& plays) {
  std::string text =
      "id,HAW202404010\nversion,2\ninfo,visteam,GUL\ninfo,hometeam,HAW\n"
      "info,date,2024/04/01\ninfo,starttime,7:05PM\ninfo,site,HAW01\ninfo,attendance,812\n";
  {
    std::istringstream in(plays);
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("info,", 0) == 0) text += line + "\n";
    }
  }
  // With the designated hitter, the ninth batter is the designated hitter
  // and the bench pitcher (g12, h12) starts without batting.
  const bool dh = plays.find("info,usedh,true") != std::string::npos;
  for (bool home : {false, true}) {
    for (const BookPlayer& p : BookRoster(home)) {
      int slot = p.slot, position = p.position;
      if (dh && slot == 9) position = 10;
      if (dh && slot == 0 && position == 1) slot = -1;
      if (slot == 0) continue;
      text += std::string("start,") + p.id + ",\"" + p.first + " " + p.last + "\"," +
              (home ? "1," : "0,") + std::to_string(std::max(slot, 0)) + "," +
              std::to_string(position) + "\n";
    }
  }
  std::istringstream in(plays);
  std::string line;
  int inning = 0;
  bool last_home = true;
  while (std::getline(in, line)) {
    if (line.empty() || line.rfind("info,", 0) == 0) continue;
    if (line.find(',') != std::string::npos) {
      text += line + "\n";
      continue;
    }
    std::istringstream words(line);
    std::string batter, a, b;
    words >> batter >> a >> b;
    const bool home = batter[0] == 'h';
    if (!home && last_home) ++inning;
    last_home = home;
    const std::string pitches = b.empty() ? "" : a;
    const std::string event = b.empty() ? a : b;
    text += "play," + std::to_string(inning) + (home ? ",1," : ",0,") + batter + ",??," + pitches +
            "," + event + "\n";
  }
  return text;
}

// Imports a book.  Empty text when it builds, else "line N: reason"; the
// import's notes, "note line N: text" a line, go to noted when given.
inline std::string BuildBook(const std::string& plays, Game& game, std::string* noted = nullptr) {
  GameOrigin origin;
  EventRefusal refusal;
  std::vector<ImportNote> notes;
  const bool built =
      BuildRetrosheetGame(ReadRecords(BookText(plays)), BookClubs(), game, origin, refusal, notes);
  for (const ImportNote& n : notes) {
    if (noted) *noted += "note line " + std::to_string(n.line) + ": " + n.text + "\n";
  }
  if (built) return {};
  return "line " + std::to_string(refusal.line) + ": " + refusal.reason;
}

// A box's pitch sequence in letters: S strike, B ball, F foul, R reached,
// O out, A advance, I RBI, 1-3 the pitcher's pick-off throws, c1-c3 the
// catcher's, C a new catcher.
inline std::string Sequence(const AT_BAT& ab) {
  static const char* kLetters[] = {"-", "S", "B", "F", "R",  "O",  "A",  "I", "+",
                                   "-", "1", "2", "3", "c1", "c2", "c3", "C"};
  std::string s;
  for (int i = 0; i <= ab.last_pitch; ++i) {
    const int e = ab.pitches[static_cast<std::size_t>(i)].event;
    s += e >= 0 && e < 17 ? kLetters[e] : "?";
  }
  return s;
}

inline std::string CreditLetters(std::int32_t credit) {
  static const char* kLetters[] = {"", "a", "p", "pa", "2p", "3p"};
  return credit >= 0 && credit < 6 ? kLetters[credit] : "?";
}

inline std::string DescribeAtBat(const AT_BAT& ab) {
  std::string d = "  " + reports::NarrateAtBat(ab) + " [" + Sequence(ab) + "]";
  if (ab.out_credit_count > 0) {
    d += " out ";
    for (int i = 0; i < ab.out_credit_count; ++i) {
      const FIELDER_CREDIT& c = ab.out_credits[static_cast<std::size_t>(i)];
      d += (i ? "-" : "") + std::to_string(c.position) + CreditLetters(c.credit);
    }
  }
  if (ab.reach_credit_count > 0) {
    d += " by ";
    for (int i = 0; i < ab.reach_credit_count; ++i) {
      d += (i ? "-" : "") + std::to_string(ab.reach_credits[static_cast<std::size_t>(i)].position);
    }
  }
  static const char* kErr[] = {"", "E", "TE", "BE", "PB", "FE", "PE", "pe"};
  for (int base = 0; base < kBases; ++base) {
    const auto k = static_cast<std::size_t>(base);
    for (bool second : {false, true}) {
      const FIELDER_CREDIT& c = second ? ab.second_error_credits[k] : ab.error_credits[k];
      const std::int32_t kind = second ? ab.second_error_kinds[k] : ab.error_kinds[k];
      if (c.name.empty()) continue;
      d += std::string(" ") + (kind >= 0 && kind < 8 ? kErr[kind] : "?") +
           std::to_string(c.position) + "@" + std::to_string(base + 1);
    }
  }
  if (ab.scored) d += ab.earned ? " ER" : " UER";
  if (ab.HasHitLocation()) d += " at " + std::to_string(ab.hit_x) + "," + std::to_string(ab.hit_y);
  if (ab.PitcherCount() > 1) {
    d += " pitchers";
    for (int i = 0; i < ab.PitcherCount(); ++i) {
      d += " " + ab.pitchers[static_cast<std::size_t>(i)].pitcher.name.str();
    }
  }
  return d;
}

// The players a book starts, by side: (batting slot or position) -> name.
inline bool Starter(const PLAYER& entry, bool home, bool dh, bool by_position) {
  for (const BookPlayer& p : BookRoster(home)) {
    int slot = p.slot, position = p.position;
    if (dh && slot == 9) position = kPosDesignatedHitter;
    if (dh && slot == 0 && position == kPosPitcher) slot = -1;
    if (slot == 0) continue;
    if (entry.name != std::string(p.first) + " " + p.last) continue;
    return by_position ? entry.position == position : entry.batting_order == std::max(slot, 0);
  }
  return false;
}

// Each half that was played: its boxes, then its totals and the line-up
// entries that are not the starters in their places.
inline std::string Describe(const Game& game) {
  const bool dh = game.home.uses_designated_hitter != 0;
  std::string d;
  for (int i = 0; i < kInnings; ++i) {
    for (bool top : {true, false}) {
      const HALF_INNING& h = game.innings[static_cast<std::size_t>(i)].half(top);
      if (h.offense.empty()) continue;
      d += std::string(top ? "top " : "bottom ") + std::to_string(i + 1) + "\n";
      for (const AT_BAT& ab : h.at_bats) d += DescribeAtBat(ab) + "\n";
      d += "  " + std::to_string(h.runs) + " R, " + std::to_string(h.hits) + " H, " +
           std::to_string(h.errors) + " E, " + std::to_string(h.left_on_base) + " LOB\n";
      for (const PLAYER& p : h.offense) {
        if (Starter(p, !top, dh, false) && p.position != kPosPinchHitter) continue;
        d += "  bats " + std::to_string(p.batting_order) + ": " + p.name.str() + " " +
             std::string(PositionAbbrev(p.position)) + (p.active ? "" : " (replaced)") + "\n";
      }
      for (const PLAYER& p : h.defense) {
        if (Starter(p, top, dh, true)) continue;
        d += "  fields: " + p.name.str() + " " + std::string(PositionAbbrev(p.position)) +
             (p.active ? "" : " (replaced)") + "\n";
      }
    }
  }
  return d;
}

inline void WriteBookFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The book clubs' team and roster files in a folder, and an event file of
// the given games (each a book's plays, as game number i of the day).
inline std::string BookSeason(const TempDir& dir, const std::vector<std::string>& games) {
  WriteBookFile(dir.Path("TEAM2024"), "GUL,N,Gull Bay,Gulls\r\nHAW,N,Harbor,Hawks\r\n");
  for (bool home : {false, true}) {
    std::string roster;
    for (const BookPlayer& p : BookRoster(home)) {
      roster += std::string(p.id) + "," + p.last + "," + p.first + "," + p.hands[0] + "," +
                p.hands[1] + "," + (home ? "HAW" : "GUL") + ",P\r\n";
    }
    WriteBookFile(dir.Path(home ? "haw2024.ros" : "GUL2024.ROS"), roster);  // either case is found
  }
  std::string events;
  for (std::size_t i = 0; i < games.size(); ++i) {
    std::string text = BookText(games[i]);
    text.replace(text.find("HAW202404010"), 12, "HAW20240401" + std::to_string(i));
    events += text;
  }
  WriteBookFile(dir.Path("2024HAW.EVN"), events);
  return dir.Path("2024HAW.EVN");
}

}  // namespace scorewick::interop::testing
