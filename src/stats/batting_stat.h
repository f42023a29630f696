#pragma once
// One player's batting and running line, with the fielding counters of all
// his positions together.  Every counter is 32-bit: a season of a thousand
// games goes far beyond what a 16-bit counter holds.

#include <array>
#include <cstdint>
#include <string>

#include "stats/base_counts.h"

namespace scorewick {

// The counters of a batting line that a totals row sums, in record order
// (games and innings are not summed: see Totals), and the per-base
// counters.
// clang-format off
#define SCOREWICK_BATTING_SUMMED(X)                                                          \
  X(hits) X(at_bats) X(singles) X(doubles) X(triples) X(home_runs) X(walks) X(hit_by_pitch)  \
  X(reached_on_error) X(sacrifices) X(all_sacrifices) X(sacrifice_bunts) X(sacrifice_flies)  \
  X(stolen_bases) X(steal_attempts) X(put_outs) X(assisted_put_outs) X(unassisted_put_outs)  \
  X(assists) X(errors) X(fielding_errors) X(throwing_errors) X(bobbles) X(passed_balls)      \
  X(so_swinging) X(so_looking) X(ground_outs) X(fly_outs) X(foul_fly_outs) X(pop_outs)       \
  X(infield_flies) X(interference_outs) X(thrown_bat) X(line_drives) X(into_double_play)     \
  X(into_triple_play) X(hit_by_own_ball) X(batted_out_of_turn) X(bunted_foul_second_strike)  \
  X(dropped_third_out) X(base_line_violation) X(missed_base) X(illegally_batted)             \
  X(hit_by_fair_ball) X(force_outs) X(tag_outs) X(left_base_early) X(did_not_tag_up)         \
  X(left_base_path) X(called_out) X(circle_violation) X(leading_off) X(head_first_slide)     \
  X(bunt_outs) X(over_ran_base) X(non_force_dp) X(caught_stealing_dp) X(sac_fly_dp) X(runs)  \
  X(rbi) X(plate_appearances) X(fielders_choices) X(dts_wild_pitch) X(dts_passed_ball)       \
  X(dts_error) X(catcher_interference) X(other_interference) X(bunt_hits)
// clang-format on

// The per-base counters of a batting line, summed base by base.
#define SCOREWICK_BATTING_PER_BASE(X) X(sb) X(cs) X(pko)

struct BattingStat {
  std::string name;
  std::string team;
  std::array<std::int32_t, 4> positions{};  // distinct positions held, position_count used
  std::int32_t position_count = 0;
  std::int32_t games = 0;         // GP
  std::int32_t last_game = -1;    // 1-based number of the last game counted in GP
  std::int32_t innings = 0;       // IP; totals row: innings the side batted
  std::int32_t last_inning = -1;  // index of the last inning counted in IP
#define SCOREWICK_DECLARE(f) std::int32_t f = 0;
  SCOREWICK_BATTING_SUMMED(SCOREWICK_DECLARE)
#undef SCOREWICK_DECLARE
  BaseCounts sb{};         // SB2, SB3, SBH: stolen bases by the base left
  BaseCounts cs{};         // CS2, CS3, CSH: caught stealing by the base left
  BaseCounts pko{};        // PKO1, PKO2, PKO3: picked off, by base
  float avg = 0;           // H / OAB
  float slug = 0;          // total bases / OAB
  float oba = 0;           // (H + BB + HBP) / (OAB + BB + HBP + SF)
  float sb_pct = 0;        // 100 SB / SBA
  float fielding_avg = 0;  // (PO + A) / (PO + A + E), all positions

  // SO: strikeouts swinging and looking.
  std::int32_t strikeouts() const { return so_swinging + so_looking; }
  // Adds a non-zero position code unless held already or four are held.
  void AddPosition(std::int32_t position);
};

}  // namespace scorewick
