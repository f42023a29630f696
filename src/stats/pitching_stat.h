#pragma once
// One pitcher's line: games, batters faced, what they did, pitches thrown,
// decisions, and the derived percentages and earned run average.

#include <cstdint>
#include <string>

#include "stats/base_counts.h"

namespace scorewick {

// clang-format off
#define SCOREWICK_PITCHING_SUMMED(X)                                                          \
  X(games_started) X(complete_games) X(saves) X(shutouts) X(batters_faced) X(hits) X(runs)    \
  X(singles) X(doubles) X(triples) X(home_runs) X(walks) X(hit_batsmen) X(balks)              \
  X(wild_pitches) X(strikeouts) X(wins) X(losses) X(outs) X(earned_runs) X(pitch_count)       \
  X(total_strikes) X(total_balls) X(first_pitch_strikes) X(first_pitch_balls)                \
  X(opponent_at_bats) X(innings_pitched_in)
// clang-format on

#define SCOREWICK_PITCHING_PER_BASE(X) X(pko) X(pkoa)

struct PitchingStat {
  std::string name;
  std::string team;
#define SCOREWICK_DECLARE(f) std::int32_t f = 0;
  SCOREWICK_PITCHING_SUMMED(SCOREWICK_DECLARE)
#undef SCOREWICK_DECLARE
  BaseCounts pko{};   // PKO1..3: pick-offs by base
  BaseCounts pkoa{};  // PKOA1..3: pick-off attempts by base
  // Marker of the league-rules innings count: the last (game, inning)
  // in which innings_pitched_in grew.
  std::int32_t last_inning_seen = -1;
  std::int32_t last_game_seen = -1;
  float pct = 0;      // 100 W / (W + L)
  float era = 0;      // innings per game x ER / innings pitched
  float fps_pct = 0;  // 100 FPS / (FPS + FPB)
  float oba = 0;      // H / opponents' at-bats
};

}  // namespace scorewick
