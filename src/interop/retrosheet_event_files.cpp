#include "interop/retrosheet_event_files.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "interop/retrosheet_check.h"

namespace scorewick::interop {
namespace {

bool RealDay(const GameHeadline& h) {
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return h.year >= 1800 && h.year <= 9999 && h.month >= 1 && h.month <= 12 && h.day >= 1 &&
         h.day <= kDays[h.month - 1];
}

// Two players whose names are held in the same bytes are one.
bool SameBytes(const PLAYER& a, const PLAYER& b) { return a.name.bytes == b.name.bytes; }

// Whether p's name is held as that of list[i] (list may be null).
bool SameAsIn(const PLAYER& p, const std::vector<PLAYER>* list, std::size_t i) {
  return list && i < list->size() && SameBytes(p, (*list)[i]);
}

// Every player a side's records name: its roster, then anyone its
// line-ups or boxes name who is not on it.  Most names were met just
// before, held in the same bytes: a line-up's place as in the line-up of
// the half before, a batter's as in his slot of the line-up, a pitcher's
// as in the at-bat before.  Those are passed over without a look-up.
class SidePlayers {
 public:
  SidePlayers(const Team& team, bool home, RetrosheetEventFiles::PreparedGame& prepared)
      : players_(prepared.players[home ? 1 : 0]), names_(prepared.names_met), met_(prepared.met) {
    players_.clear();
    names_.clear();
    met_.Reset(team.players().size() + 16);
    for (const PLAYER& p : team.players()) Add(p, true);
  }

  // The line-up the side bats with in a half, and the one it fields with
  // in the other.
  void LineUps(const std::vector<PLAYER>& offense, const std::vector<PLAYER>& defense) {
    for (std::size_t i = 0; i < offense.size(); ++i) {
      if (!SameAsIn(offense[i], offense_before_, i)) Add(offense[i], false);
    }
    for (std::size_t i = 0; i < defense.size(); ++i) {
      if (!SameAsIn(defense[i], defense_before_, i)) Add(defense[i], false);
    }
    if (!offense.empty()) offense_before_ = &offense;
    if (!defense.empty()) defense_before_ = &defense;
  }

  // The batters and runners of its boxes at bat.
  void Batters(const HALF_INNING& batting) {
    for (const AT_BAT& ab : batting.at_bats) {
      const std::size_t slot = static_cast<std::size_t>(ab.batter.batting_order) - 1;
      if (!SameAsIn(ab.batter, &batting.offense, slot)) Add(ab.batter, false);
      Add(ab.pinch_runner, false);
    }
  }

  // The pitchers of its boxes in the field.
  void Pitchers(const HALF_INNING& fielding) {
    for (const AT_BAT& ab : fielding.at_bats) {
      for (int slot = 0; slot < ab.PitcherCount(); ++slot) {
        const PLAYER& p = ab.pitchers[static_cast<std::size_t>(slot)].pitcher;
        if (pitcher_before_ && SameBytes(p, *pitcher_before_)) continue;
        Add(p, false);
        pitcher_before_ = &p;
      }
    }
  }

 private:
  // A name is looked at once: a new one is kept with its player.
  void Add(const PLAYER& p, bool always) {
    if (!always && p.name.empty()) return;
    const std::string_view name = p.name.view();
    const auto at = static_cast<std::uint32_t>(names_.size());
    const auto name_at = [this](std::uint32_t i) { return names_[i]; };
    if (met_.Insert(name, at, name_at) != at && !always) return;
    names_.push_back(name);
    players_.push_back(&p);
  }

  std::vector<const PLAYER*>& players_;
  std::vector<std::string_view>& names_;
  NameIndex& met_;
  const std::vector<PLAYER>* offense_before_ = nullptr;
  const std::vector<PLAYER>* defense_before_ = nullptr;
  const PLAYER* pitcher_before_ = nullptr;
};

void PlayersOf(const Game& game, bool home, RetrosheetEventFiles::PreparedGame& prepared) {
  SidePlayers side(home ? game.home : game.visitor, home, prepared);
  for (const INNING& in : game.innings) {
    const HALF_INNING& batting = home ? in.bottom : in.top;
    const HALF_INNING& fielding = home ? in.top : in.bottom;
    side.LineUps(batting.offense, fielding.defense);
    side.Batters(batting);
    side.Pitchers(fielding);
  }
}

}  // namespace

RetrosheetEventFiles::RetrosheetEventFiles(const std::vector<GameHeadline>& headlines) {
  plans_.resize(headlines.size());
  // Club codes are given in an order that does not depend on the order of
  // the games: by team name.
  std::vector<std::string> teams;
  for (const GameHeadline& h : headlines) {
    teams.push_back(h.home);
    teams.push_back(h.visitor);
  }
  std::sort(teams.begin(), teams.end());
  teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
  for (const std::string& t : teams) names_.ClubCode(t);
  // Games of one park on one day are numbered by start time (1, 2 ...);
  // a day's only game is 0.
  std::map<std::tuple<std::string, int, int, int>, std::vector<std::size_t>> days;
  for (std::size_t i = 0; i < headlines.size(); ++i) {
    const GameHeadline& h = headlines[i];
    Plan& p = plans_[i];
    if (!RealDay(h)) {
      char day[32];
      std::snprintf(day, sizeof day, "%04d-%02d-%02d", h.year, h.month, h.day);
      p.why =
          std::string("its day (") + day + ") is no day of the calendar: a game's id is its day";
      continue;
    }
    p.season = h.year;
    p.home_code = names_.ClubCode(h.home);
    p.visitor_code = names_.ClubCode(h.visitor);
    days[{p.home_code, h.year, h.month, h.day}].push_back(i);
  }
  for (auto& [day, games] : days) {
    std::stable_sort(games.begin(), games.end(), [&](std::size_t a, std::size_t b) {
      return std::tie(headlines[a].hour, headlines[a].minute) <
             std::tie(headlines[b].hour, headlines[b].minute);
    });
    for (std::size_t n = 0; n < games.size(); ++n) {
      Plan& p = plans_[games[n]];
      const GameHeadline& h = headlines[games[n]];
      if (n >= 9) {
        p.why = "it is the tenth game of one day in one park: a game's id numbers at most nine";
        continue;
      }
      p.number = games.size() == 1 ? 0 : static_cast<int>(n) + 1;
      char id[32];
      std::snprintf(id, sizeof id, "%s%04d%02d%02d%d", p.home_code.c_str(), h.year, h.month, h.day,
                    p.number);
      p.id = id;
    }
  }
  for (std::size_t i = 0; i < plans_.size(); ++i) {
    if (!plans_[i].id.empty()) order_.push_back(i);
  }
  // An event file holds its club's home games by day and time.
  std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
    const Plan& x = plans_[a];
    const Plan& y = plans_[b];
    return std::tie(x.season, x.home_code, x.id) < std::tie(y.season, y.home_code, y.id);
  });
}

std::string RetrosheetEventFiles::EventFileOf(std::size_t game) const {
  const Plan& p = plans_[game];
  for (const EventFile& f : files_) {
    if (f.home_code == p.home_code && f.season == p.season) {
      // The extension is the park's: known once its games are in.
      bool dh = false;
      for (const ExportClub& c : names_.ClubsOf(f.season)) {
        if (c.code == f.home_code) dh = c.designated_hitter;
      }
      return std::to_string(f.season) + p.home_code + (dh ? ".EVA" : ".EVN");
    }
  }
  return std::to_string(p.season) + p.home_code + ".EVN";
}

void RetrosheetEventFiles::Gather(const Game& record, PreparedGame& prepared) {
  PlayersOf(record, false, prepared);
  PlayersOf(record, true, prepared);
}

Status RetrosheetEventFiles::Placed(std::size_t game) const {
  const Plan& p = plans_[game];
  if (p.id.empty()) return Status::Failed({}, p.why);
  return {};
}

Status RetrosheetEventFiles::Prepare(std::size_t game, const Game& record, PreparedGame& prepared) {
  const Plan& p = plans_[game];
  prepared.id.clear();
  prepared.names.clear();
  prepared.game = game;
  prepared.id = p.id;
  prepared.number = p.number;
  if (Status placed = Placed(game); !placed) return placed;
  if (names_.ClubCode(record.home.team_name.view()) != p.home_code ||
      names_.ClubCode(record.visitor.team_name.view()) != p.visitor_code) {
    return Status::Failed({}, "its teams are not those it had when the export began");
  }
  ExportNames& names = prepared.names;
  names.home_code = p.home_code;
  names.visitor_code = p.visitor_code;
  std::vector<std::string> given;
  for (bool home : {true, false}) {
    auto& ids = home ? names.home_ids : names.visitor_ids;
    const std::vector<const PLAYER*>& players = prepared.players[home ? 1 : 0];
    names_.PlayerIds(home ? p.home_code : p.visitor_code, p.season, players, given);
    for (std::size_t i = 0; i < players.size(); ++i) {
      ids.Add(players[i]->name.view(), std::move(given[i]));
    }
    ids.Seal();
  }
  return {};
}

Status RetrosheetEventFiles::Write(const Game& record, const PreparedGame& prepared,
                                   ExportedGame& out) {
  if (Status written =
          ExportRetrosheetGame(record, prepared.id, prepared.number, prepared.names, out);
      !written) {
    return written;
  }
  const CheckFinding found = CheckRetrosheetGame(out.text);
  if (found.ok()) return {};
  // The line that broke the rule, to find it by.
  std::string line;
  std::size_t start = 0;
  for (int n = 1; n < found.line && start != std::string::npos; ++n) {
    start = out.text.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (found.line > 0 && start != std::string::npos) {
    line = out.text.substr(start, out.text.find('\n', start) - start);
  }
  out = ExportedGame{};
  return Status::Failed(
      {}, "its records would not be read as written (" +
              (line.empty() ? found.reason : "\"" + line + "\": " + found.reason) + ")");
}

void RetrosheetEventFiles::Keep(const PreparedGame& prepared, const Game& record,
                                const ExportedGame& out) {
  const Plan& p = plans_[prepared.game];
  names_.NoteClubGame(record.home.team_name.view(), p.season, true,
                      record.home.uses_designated_hitter != 0);
  names_.NoteClubGame(record.visitor.team_name.view(), p.season, false, false);
  auto file = std::find_if(files_.begin(), files_.end(), [&](const EventFile& f) {
    return f.home_code == p.home_code && f.season == p.season;
  });
  if (file == files_.end()) {
    files_.push_back({p.home_code, p.season, {}, {}});
    file = files_.end() - 1;
  }
  file->texts.push_back(out.text);
  file->games.push_back(prepared.game);
}

Status RetrosheetEventFiles::Add(std::size_t game, const Game& record, ExportedGame& out) {
  PreparedGame prepared;
  Gather(record, prepared);
  Status added = Prepare(game, record, prepared);
  if (added) added = Write(record, prepared, out);
  if (added) Keep(prepared, record, out);
  return added;
}

std::vector<RetrosheetEventFiles::FileText> RetrosheetEventFiles::FileTexts() const {
  std::vector<FileText> files;
  std::set<int> seasons;
  for (const EventFile& f : files_) {
    FileText& file = files.emplace_back();
    file.name = EventFileOf(f.games.front());
    file.pieces.assign(f.texts.begin(), f.texts.end());
    seasons.insert(f.season);
  }
  for (int season : seasons) {
    for (const ExportClub& c : names_.ClubsOf(season)) {
      files.push_back(
          {c.code + std::to_string(season) + ".ROS", {}, names_.RosterFileText(c.code, season)});
    }
    files.push_back({"TEAM" + std::to_string(season), {}, names_.TeamFileText(season)});
  }
  return files;
}

std::vector<std::pair<std::string, std::string>> RetrosheetEventFiles::Files() const {
  std::vector<std::pair<std::string, std::string>> files;
  for (FileText& f : FileTexts()) {
    std::string text = std::move(f.text);
    std::size_t size = text.size();
    for (const std::string_view piece : f.pieces) size += piece.size();
    text.reserve(size);
    for (const std::string_view piece : f.pieces) text += piece;
    files.emplace_back(std::move(f.name), std::move(text));
  }
  return files;
}

std::vector<std::size_t> RetrosheetEventFiles::GamesOf(const std::string& event_file) const {
  for (const EventFile& f : files_) {
    if (EventFileOf(f.games.front()) == event_file) return f.games;
  }
  return {};
}

std::vector<std::string> PlannedExportFiles(const std::vector<GameHeadline>& headlines) {
  const RetrosheetEventFiles plan(headlines);
  std::set<std::string> names;
  std::vector<std::string> out;
  auto add = [&](const std::string& name) {
    if (names.insert(name).second) out.push_back(name);
  };
  for (std::size_t i : plan.order()) {
    const std::string file = plan.EventFileOf(i);
    const std::string stem = file.substr(0, file.size() - 4);
    add(stem + ".EVA");
    add(stem + ".EVN");
    const std::string season = plan.GameId(i).substr(3, 4);
    for (const std::string* code : {&plan.HomeCode(i), &plan.VisitorCode(i)}) {
      add(*code + season + ".ROS");
    }
    add("TEAM" + season);
  }
  return out;
}

}  // namespace scorewick::interop
