#pragma once
// The league rules of the settings, in the form the statistics count by.

#include "app/core/settings.h"
#include "scoring/league_rules.h"
#include "stats/stat_rules.h"

namespace scorewick::app {

// A rule of 0 or less in a damaged settings file counts by the default.
inline StatRules StatRulesOf(const Settings& settings) {
  StatRules rules;
  const auto positive = [](std::int32_t value, int fallback) {
    return value > 0 ? value : fallback;
  };
  rules.outs_per_inning = positive(settings.outs_per_inning, rules.outs_per_inning);
  rules.strikes_per_out = positive(settings.strikes_per_out, rules.strikes_per_out);
  rules.balls_per_walk = positive(settings.balls_per_walk, rules.balls_per_walk);
  rules.innings_per_game = positive(settings.innings_per_game, rules.innings_per_game);
  rules.ll_pitching_rules = settings.ll_pitching_rules;
  return rules;
}

// The same rules as a scored game states them (innings, strikes, balls, outs).
inline scoring::LeagueRules LeagueRulesOf(const StatRules& r) {
  scoring::LeagueRules rules;
  rules.innings = r.innings_per_game;
  rules.strikes_per_out = r.strikes_per_out;
  rules.balls_per_walk = r.balls_per_walk;
  rules.outs_per_inning = r.outs_per_inning;
  return rules;
}
inline scoring::LeagueRules LeagueRulesOf(const Settings& settings) {
  return LeagueRulesOf(StatRulesOf(settings));
}

}  // namespace scorewick::app
