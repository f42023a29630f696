#pragma once
// One player's fielding line at one position.

#include <cstdint>
#include <string>

namespace scorewick {

#define SCOREWICK_FIELDING_SUMMED(X)                                                           \
  X(put_outs)                                                                                  \
  X(assisted_put_outs) X(unassisted_put_outs) X(assists) X(errors) X(fielding_errors)          \
      X(throwing_errors) X(bobbles) X(passed_balls) X(pko1) X(pko2) X(pko3) X(pkoa1) X(pkoa2)  \
          X(pkoa3) X(interference) X(pitches_received) X(cs2) X(cs3) X(csh) X(cs_put_out_home) \
              X(dts_batter_reached) X(dts_batter_out) X(steal_attempts)

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
  float fielding_avg = 0;  // F%: (PO + A) / (PO + A + E)

  std::int32_t pick_offs() const { return pko1 + pko2 + pko3; }
  std::int32_t pick_off_attempts() const { return pkoa1 + pkoa2 + pkoa3; }
};

}  // namespace scorewick
