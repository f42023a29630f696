#pragma once
// The league rules the statistics count by, as plain values: the caller
// takes them from the settings file and passes them in.

namespace scorewick {

struct StatRules {
  int outs_per_inning = 3;
  int strikes_per_out = 3;
  int balls_per_walk = 4;
  int innings_per_game = 9;        // the scale of the earned run average
  bool ll_pitching_rules = false;  // innings pitched = innings pitched in

  bool operator==(const StatRules&) const = default;
};

}  // namespace scorewick
