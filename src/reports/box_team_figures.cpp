#include "reports/box_team_figures.h"

#include "stats/stat_query.h"

namespace scorewick::reports {

BoxTeamFigures FiguresOf(const Stat& stat) {
  BoxTeamFigures team;
  team.team_name = stat.team_name;
  team.batting.reserve(stat.batting.size());
  for (const BattingStat& b : stat.batting) {
    BoxBattingFigures f;
    f.name = b.name;
    f.positions = b.positions;
    f.at_bats = b.at_bats;
    f.runs = b.runs;
    f.hits = b.hits;
    f.rbi = b.rbi;
    f.doubles = b.doubles;
    f.triples = b.triples;
    f.home_runs = b.home_runs;
    f.stolen_bases = b.stolen_bases;
    f.steal_attempts = b.steal_attempts;
    f.sacrifice_bunts = b.sacrifice_bunts;
    f.sacrifices = b.sacrifices;
    f.sacrifice_flies = b.sacrifice_flies;
    f.errors = b.errors;
    f.passed_balls = b.passed_balls;
    team.batting.push_back(std::move(f));
  }
  team.pitching.reserve(stat.pitching.size());
  for (const PitchingStat& p : stat.pitching) {
    BoxPitchingFigures f;
    f.name = p.name;
    f.outs = p.outs;
    f.hits = p.hits;
    f.runs = p.runs;
    f.earned_runs = p.earned_runs;
    f.walks = p.walks;
    f.strikeouts = p.strikeouts;
    f.wins = p.wins;
    f.losses = p.losses;
    f.saves = p.saves;
    f.wild_pitches = p.wild_pitches;
    f.balks = p.balks;
    team.pitching.push_back(std::move(f));
  }
  return team;
}

BoxTeamFigures CountBoxTeam(const Game& game, bool visitors, const StatRules& rules) {
  StatQuery query;
  query.game = &game;
  query.chosen.team = (visitors ? game.visitor : game.home).team_name.str();
  query.rules = rules;
  query.sides = StatSides::kTeam;
  return FiguresOf(RunStatQuery(query).team);
}

}  // namespace scorewick::reports
