#include "stats/game_log.h"

#include <algorithm>
#include <tuple>

#include "records/format_text.h"
#include "stats/accumulate.h"
#include "stats/side_of_game.h"

namespace scorewick {

char GameLogEntry::Result() const {
  return runs_for > runs_against ? 'W' : runs_for < runs_against ? 'L' : 'T';
}

std::string_view Decision(const PitchingStat& line) {
  if (line.wins > 0) return "W";
  if (line.losses > 0) return "L";
  if (line.saves > 0) return "S";
  return "";
}

std::string InningsPitchedText(const PitchingStat& line, const StatRules& rules) {
  return Format("%.2f", double(float(line.outs) / float(rules.outs_per_inning)));
}

GameLogCounter::GameLogCounter(std::string player, std::string team, const StatRules& rules)
    : player_(std::move(player)), team_(std::move(team)), rules_(rules), stat_(rules) {}

void GameLogCounter::Count(const Game& game, const std::string& file, std::size_t order) {
  for (bool home : {false, true}) {
    const std::string_view team = (home ? game.home : game.visitor).team_name.view();
    if (!team_.empty() && team != team_) continue;
    team_seen_ = true;
    CountSide(game, home, file, order);
  }
}

void GameLogCounter::CountSide(const Game& game, bool home, const std::string& file,
                               std::size_t order) {
  // The names are gathered only while the player has not been found: they
  // serve the message that says he is not there.
  if (teams_of_player_.empty()) {
    for (const PLAYER& p : (home ? game.home : game.visitor).players()) {
      if (!p.name.empty()) players_.emplace(p.name.view());
    }
  }
  if (!SideNames(game, home, player_)) return;
  CountSideAlone(stat_, game, home);
  const int b = BattingRowOf(stat_, player_);
  const int p = PitchingRowOf(stat_, player_);
  const bool batted = b >= 0 && stat_.batting[static_cast<std::size_t>(b)].games > 0;
  const bool pitched = p >= 0 && Pitched(stat_.pitching[static_cast<std::size_t>(p)]);
  if (!batted && !pitched) return;
  GameLogEntry e = SideEntry(game, home, file);
  if (b >= 0) e.batting = stat_.batting[static_cast<std::size_t>(b)];
  e.pitched = pitched;
  if (pitched) e.pitching = stat_.pitching[static_cast<std::size_t>(p)];
  teams_of_player_.insert(e.team);
  entries_.emplace_back(order, std::move(e));
}

GameLog GameLogCounter::Finish() {
  const std::string team =
      !team_.empty() || teams_of_player_.size() != 1 ? team_ : *teams_of_player_.begin();
  return AssembleGameLog(player_, team, rules_, std::move(entries_));
}

GameLogEntry SideEntry(const Game& game, bool home, const std::string& file) {
  GameLogEntry e;
  e.file = file;
  e.day = GameDay(game);
  e.start_hour = game.header.start_hour;
  e.start_minute = game.header.start_minute;
  e.team = (home ? game.home : game.visitor).team_name.str();
  e.opponent = (home ? game.visitor : game.home).team_name.str();
  e.home = home;
  e.runs_for = SideRuns(game, home);
  e.runs_against = SideRuns(game, !home);
  return e;
}

GameLog AssembleGameLog(std::string player, std::string team, const StatRules& rules,
                        std::vector<std::pair<std::size_t, GameLogEntry>> entries) {
  const auto earlier = [](const auto& a, const auto& b) {
    const GameLogEntry& x = a.second;
    const GameLogEntry& y = b.second;
    return std::tie(x.day, x.start_hour, x.start_minute, a.first) <
           std::tie(y.day, y.start_hour, y.start_minute, b.first);
  };
  // A season's list is most often in date order already: its lines are
  // large records, moved only when they must be.
  if (!std::is_sorted(entries.begin(), entries.end(), earlier))
    std::stable_sort(entries.begin(), entries.end(), earlier);
  GameLog log;
  log.player = std::move(player);
  log.team = std::move(team);
  log.rules = rules;
  // The totals are the engine's own: the game lines in one table, closed
  // with its totals row.
  Stat sums(rules);
  sums.batting.reserve(entries.size() + 1);
  sums.pitching.reserve(entries.size() + 1);
  log.games.reserve(entries.size());
  for (auto& [order, e] : entries) {
    sums.batting.push_back(e.batting);
    if (e.pitched) sums.pitching.push_back(e.pitching);
    log.pitched = log.pitched || e.pitched;
    log.games.push_back(std::move(e));
  }
  FinishTables(sums);
  log.batting_total = sums.batting.back();
  log.batting_total.games = 0;
  for (const GameLogEntry& e : log.games) log.batting_total.games += e.batting.games;
  log.pitching_total = sums.pitching.back();
  return log;
}

}  // namespace scorewick
