#pragma once
// One player's fielding line at one position.

#include <cstdint>
#include <string>

#include "stats/base_counts.h"

namespace scorewick {

// clang-format off
#define SCOREWICK_FIELDING_SUMMED(X)                                                          \
  X(put_outs) X(assisted_put_outs) X(unassisted_put_outs) X(assists) X(errors)                \
  X(fielding_errors) X(throwing_errors) X(bobbles) X(passed_balls) X(interference)            \
  X(pitches_received) X(cs_put_out_home) X(dts_batter_reached) X(dts_batter_out)              \
  X(steal_attempts)
// clang-format on

#define SCOREWICK_FIELDING_PER_BASE(X) X(pko) X(pkoa) X(cs)

struct FieldingStat {
  std::string name;
  std::string team;
  std::int32_t position = 0;     // Position code; totals row 0
  std::int32_t games = 0;        // GP
  std::int32_t last_game = 0;    // 1-based number of the last game counted
  std::int32_t outs_played = 0;  // TP, in outs
#define SCOREWICK_DECLARE(f) std::int32_t f = 0;
  SCOREWICK_FIELDING_SUMMED(SCOREWICK_DECLARE)
#undef SCOREWICK_DECLARE
  BaseCounts pko{};        // PKO1..3: pick-offs by base
  BaseCounts pkoa{};       // PKOA1..3: pick-off attempts by base
  BaseCounts cs{};         // CS2, CS3, CSH: runners caught stealing, by the base left
  float fielding_avg = 0;  // F%: (PO + A) / (PO + A + E)
};

}  // namespace scorewick
