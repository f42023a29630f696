#include "scoring/league_rules.h"

namespace scorewick::scoring {

Status CheckRules(const LeagueRules& rules) {
  if (rules.strikes_per_out < 1 || rules.strikes_per_out > 6) {
    return Status::Failed({}, "strikes per out must be 1 to 6");
  }
  if (rules.balls_per_walk < 1 || rules.balls_per_walk > 8)
    return Status::Failed({}, "balls per walk must be 1 to 8");
  if (rules.outs_per_inning < 1 || rules.outs_per_inning > 6) {
    return Status::Failed({}, "outs per inning must be 1 to 6");
  }
  if (rules.innings < 1 || rules.innings > 30)
    return Status::Failed({}, "innings per game must be 1 to 30");
  return {};
}

}  // namespace scorewick::scoring
