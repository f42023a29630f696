#include "scoring/league_rules.h"

namespace scorewick::scoring {

std::string RulesProblem(const LeagueRules& rules) {
  if (rules.strikes_per_out < 1 || rules.strikes_per_out > 6) {
    return "strikes per out must be 1 to 6";
  }
  if (rules.balls_per_walk < 1 || rules.balls_per_walk > 8) return "balls per walk must be 1 to 8";
  if (rules.outs_per_inning < 1 || rules.outs_per_inning > 6) {
    return "outs per inning must be 1 to 6";
  }
  if (rules.innings < 1 || rules.innings > 30) return "innings per game must be 1 to 30";
  return {};
}

}  // namespace scorewick::scoring
