#include "stats/stat_query.h"

#include <utility>

#include "stats/totals.h"

namespace scorewick {

StatSides SidesOf(StatView view) {
  switch (view) {
    case StatView::kTeam:
      return StatSides::kTeam;
    case StatView::kOpponents:
      return StatSides::kOpponents;
    case StatView::kCombined:
      break;
  }
  return StatSides::kBoth;
}

Stat& StatResult::Of(StatView view) {
  switch (view) {
    case StatView::kTeam:
      break;
    case StatView::kOpponents:
      return opponents;
    case StatView::kCombined:
      return combined;
  }
  return team;
}

const GameRefusal* StatResult::PriorFormatRefusal() const {
  for (const GameRefusal& refusal : report.refusals) {
    if (refusal.prior_format()) return &refusal;
  }
  return nullptr;
}

StatResult RunStatQuery(const StatQuery& query) {
  const auto fresh = [&] {
    Stat stat(query.rules);
    stat.team_name = query.chosen.all_teams ? std::string(kAllTeamsName) : query.chosen.team;
    stat.all_teams = query.chosen.all_teams;
    return stat;
  };
  StatResult result{fresh(), fresh(), Stat(query.rules), {}};
  const bool count_team = query.sides != StatSides::kOpponents;
  const bool count_opponents = query.sides != StatSides::kTeam && !query.chosen.all_teams;
  Stat* team = count_team ? &result.team : nullptr;
  Stat* opponents = count_opponents ? &result.opponents : nullptr;
  if (query.game) {
    if (team) Accumulate(*team, *query.game, query.pitching_split, query.batting_split, false);
    if (opponents) {
      Accumulate(*opponents, *query.game, query.pitching_split, query.batting_split, true);
    }
  } else {
    result.report =
        AccumulateSides(query.chosen.games, team, opponents, query.pitching_split,
                        query.batting_split, query.progress, query.threads, query.chosen.filter);
  }
  if (team && opponents && !result.report.cancelled) {
    Combine(result.opponents, result.combined);
    Combine(result.team, result.combined);
    result.combined.team_name = result.team.team_name;
  }
  return result;
}

}  // namespace scorewick
