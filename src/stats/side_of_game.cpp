#include "stats/side_of_game.h"

#include "stats/accumulate.h"

namespace scorewick {

void CountSideAlone(Stat& stat, const Game& game, bool home) {
  stat.ClearTables();
  stat.all_teams = false;
  // Named by the home team, the engine counts the home side, or with
  // `opponents` the visitors: right even when both teams share a name.
  stat.team_name = game.home.team_name.str();
  AccumulateGame(stat, game, 1, Split::kAll, Split::kAll, /*opponents=*/!home);
  FinishTables(stat);
}

bool SideNames(const Game& game, bool home, std::string_view name) {
  const auto is = [&](const PLAYER& p) { return p.name.view() == name; };
  for (int i = 0; i <= game.LastInning(); ++i) {
    const INNING& inning = game.innings[static_cast<std::size_t>(i)];
    const HALF_INNING& bat = inning.half(!home);
    const HALF_INNING& field = inning.half(home);
    for (const PLAYER& p : bat.offense)
      if (is(p)) return true;
    for (const PLAYER& p : field.defense)
      if (is(p)) return true;
    for (const AT_BAT& ab : bat.at_bats)
      if (is(ab.batter) || is(ab.pinch_runner)) return true;
    for (const AT_BAT& ab : field.at_bats) {
      for (const PITCHER_SLOT& slot : ab.pitchers)
        if (is(slot.pitcher)) return true;
    }
  }
  return false;
}

long long SideRuns(const Game& game, bool home) {
  long long runs = 0;
  for (int i = 0; i <= game.LastInning(); ++i)
    runs += game.innings[static_cast<std::size_t>(i)].half(!home).runs;
  return runs;
}

LocalDate GameDay(const Game& game) {
  return {game.header.year, game.header.month, game.header.day};
}

int BattingRowOf(const Stat& stat, std::string_view name) {
  for (std::size_t i = 0; i < stat.batting.size(); ++i) {
    if (stat.batting[i].name == name && !stat.batting[i].team.empty()) return static_cast<int>(i);
  }
  return -1;
}

int PitchingRowOf(const Stat& stat, std::string_view name) {
  for (std::size_t i = 0; i < stat.pitching.size(); ++i) {
    if (stat.pitching[i].name == name && !stat.pitching[i].team.empty()) return static_cast<int>(i);
  }
  return -1;
}

bool Pitched(const PitchingStat& row) {
  return row.batters_faced > 0 || row.pitch_count > 0 || row.outs > 0;
}

}  // namespace scorewick
