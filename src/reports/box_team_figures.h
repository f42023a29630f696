#pragma once
// The statistics of one team in one game as the box score reads them: the
// batting table (one line per player who batted, ran or fielded, in the
// order the statistics found them, then the team-totals line) and the
// pitching table (one line per pitcher, then the team-totals line).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/game.h"
#include "stats/stat.h"
#include "stats/stat_rules.h"

namespace scorewick::reports {

struct BoxBattingFigures {
  std::string name;
  std::array<std::int32_t, 4> positions{};  // positions held, in order; 0 = none
  int at_bats = 0;
  int runs = 0;
  int hits = 0;
  int rbi = 0;
  int doubles = 0;
  int triples = 0;
  int home_runs = 0;
  int stolen_bases = 0;
  int steal_attempts = 0;  // stolen bases plus caught stealing
  int sacrifice_bunts = 0;
  int sacrifices = 0;  // sacrifices that are neither bunt outs nor flies
  int sacrifice_flies = 0;
  int errors = 0;        // in the field, all positions together
  int passed_balls = 0;  // as catcher
};

struct BoxPitchingFigures {
  std::string name;
  int outs = 0;  // outs recorded
  int hits = 0;
  int runs = 0;
  int earned_runs = 0;
  int walks = 0;
  int strikeouts = 0;
  int wins = 0;
  int losses = 0;
  int saves = 0;
  int wild_pitches = 0;
  int balks = 0;
};

struct BoxTeamFigures {
  std::string team_name;
  std::vector<BoxBattingFigures> batting;    // last entry: "TEAM TOTALS" (when not empty)
  std::vector<BoxPitchingFigures> pitching;  // last entry: "TEAM TOTALS" (when not empty)
};

// The figures of one Stat table set, rows in table order.
BoxTeamFigures FiguresOf(const Stat& stat);

// Counts one team of game (the visitors when visitors is set, else the home
// team) with the statistics engine on this game alone, against all
// opponents, and returns its figures.
BoxTeamFigures CountBoxTeam(const Game& game, bool visitors, const StatRules& rules);

}  // namespace scorewick::reports
