#pragma once
// The league rules of the settings, in the form the statistics engine and
// the box score take them.

#include "app/core/settings.h"
#include "stats/stat_rules.h"

namespace scorewick::app {

// An "Outs Per Inning" of 0 or less (a damaged settings file) counts as 3,
// so that innings pitched never divide by zero.
inline StatRules StatRulesOf(const Settings& s) {
  StatRules rules;
  rules.outs_per_inning = s.outs_per_inning > 0 ? s.outs_per_inning : 3;
  rules.strikes_per_out = s.strikes_per_out;
  rules.balls_per_walk = s.balls_per_walk;
  rules.innings_per_game = s.innings_per_game;
  rules.ll_pitching_rules = s.ll_pitching_rules;
  return rules;
}

}  // namespace scorewick::app
