// The batting half of a plate appearance: the batter's line and the
// runner's (the batter himself, or the player who ran for him).
#include <algorithm>

#include "records/code_classes.h"
#include "records/pitcher_charges.h"
#include "stats/side_counter.h"

namespace scorewick::counting {
namespace {

using B = BattingStat;

// The hit counters by the bases the hit gives (ReachBases), from one.
constexpr std::array<std::int32_t B::*, 4> kHitsByBases = {&B::singles, &B::doubles, &B::triples,
                                                           &B::home_runs};

// The counter each kind of dropped third strike the batter reached on adds.
struct DroppedThirdCounter {
  std::int32_t result;
  std::int32_t B::*counter;
};

constexpr std::array<DroppedThirdCounter, 3> kDroppedThirdCounters = {{
    {kReachDroppedThirdWP, &B::dts_wild_pitch},
    {kReachDroppedThirdPB, &B::dts_passed_ball},
    {kReachDroppedThirdError, &B::dts_error},
}};

// The counter an out code adds, once per plate appearance: on the batter,
// or (runner = true) on whoever ran for him.  Outs not listed add none.
struct OutCounter {
  std::int32_t out;
  std::int32_t B::*counter;
  bool runner;
};

constexpr std::array<OutCounter, 32> kOutCounters = {{
    {kOutGround, &B::ground_outs, false},
    {kOutFly, &B::fly_outs, false},
    {kOutFoul, &B::foul_fly_outs, false},
    {kOutPopOut, &B::pop_outs, false},
    {kOutInfieldFly, &B::infield_flies, false},
    {kOutInterference, &B::interference_outs, false},
    {kOutThrownBat, &B::thrown_bat, false},
    {kOutLineDrive, &B::line_drives, false},
    {kOutDoublePlay, &B::into_double_play, false},
    {kOutTriplePlay, &B::into_triple_play, false},
    {kOutHitByOwnBall, &B::hit_by_own_ball, false},
    {kOutBattedOutOfTurn, &B::batted_out_of_turn, false},
    {kOutBuntedFoul, &B::bunted_foul_second_strike, false},
    {kOutDroppedThird, &B::dropped_third_out, false},
    {kOutIllegallyBatted, &B::illegally_batted, false},
    {kOutCalledOut, &B::called_out, false},
    {kOutBuntOut, &B::bunt_outs, false},
    {kOutNonForceGdp, &B::non_force_dp, false},
    {kOutSacFlyDP, &B::sac_fly_dp, false},
    {kOutBaseLineViolation, &B::base_line_violation, true},
    {kOutMissedBase, &B::missed_base, true},
    {kOutHitByFairBall, &B::hit_by_fair_ball, true},
    {kOutForced, &B::force_outs, true},
    {kOutTagged, &B::tag_outs, true},
    {kOutLeftBaseEarly, &B::left_base_early, true},
    {kOutDidNotTagUp, &B::did_not_tag_up, true},
    {kOutLeftBasePath, &B::left_base_path, true},
    {kOutCircleViolation, &B::circle_violation, true},
    {kOutLeadingOff, &B::leading_off, true},
    {kOutHeadFirstSlide, &B::head_first_slide, true},
    {kOutOverRanBase, &B::over_ran_base, true},
    {kOutCaughtStealingDP, &B::caught_stealing_dp, true},
}};

// Where each out code's counter stands in kOutCounters (-1: none), so
// that a plate appearance finds it at once.
constexpr std::array<std::int8_t, kOutTypeCount> kOutCounterIndex = [] {
  std::array<std::int8_t, kOutTypeCount> index{};
  index.fill(-1);
  for (std::size_t i = 0; i < kOutCounters.size(); ++i)
    index[static_cast<std::size_t>(kOutCounters[i].out)] = static_cast<std::int8_t>(i);
  return index;
}();

}  // namespace

void SideCounter::BattingHalf(const HALF_INNING& half) {
  if (half.at_bats.empty()) return;
  ++s_.innings_batted;
  for (const AT_BAT& ab : half.at_bats) BattingPlate(ab);
}

void SideCounter::BattingPlate(const AT_BAT& ab) {
  const std::string_view batter = View(ab.batter.name);
  const int b = BattingRow(batter, ab.batter.position);
  int r = b;
  if (!ab.pinch_runner.name.empty() && View(ab.pinch_runner.name) != batter)
    r = BattingRow(View(ab.pinch_runner.name), kPosPinchRunner);
  if (b < 0) return;
  if (r < 0) r = b;
  const PLAYER& last = ab.pitchers[static_cast<std::size_t>(ab.PitcherCount() - 1)].pitcher;
  if (!SplitCounts(batting_split_, ThrowsRight(last))) return;

  plate_.Take(ab, /*with_pitches=*/false);
  BattingStat& bs = Bat(b);
  BattingStat& rs = Bat(r);
  // A pinch runner who came in after the runner stole a base leaves him
  // the steal: the box says from which entry he ran.
  pinch_runner_from_ = r != b ? PinchRunnerFrom(ab) : 0;
  if (pinch_runner_from_ > 0) {
    runner_entries_ = RunnerEntries{};
    int base = 0;
    const int last = std::min(int{ab.last_pitch}, kMaxPitches - 1);
    for (int q = 0; q <= last; ++q) {
      const std::int32_t ev = ab.pitches[static_cast<std::size_t>(q)].event;
      if (ev == kEventReached) base = ReachBases(ab.how_reached);
      if (ev == kEventOut && ab.reached) runner_entries_.out = q;
      if (ev != kEventAdvance || base < 1 || base > 3) continue;
      runner_entries_.left[static_cast<std::size_t>(base - 1)] = q;
      ++base;
    }
  }
  CountResult(bs);
  CountStrikeoutAndReachKind(bs);
  CountOutKind(bs, rs);
  CountBaseRunning(bs, rs);
  // One plate appearance drives in at most four runs, whatever a damaged
  // file says (a sum of huge stored figures would overflow).
  if (plate_.rbi > 0) bs.rbi += std::min(plate_.rbi, 4);
}

void SideCounter::CountResult(BattingStat& bs) {
  const Plate& p = plate_;
  // A turn cut short by the third out on the bases (no result, no out)
  // is no plate appearance: the batter leads off the next inning.
  if (p.last_pitch >= 0 && p.faced() && p.result != kReachTieBreaker) ++bs.plate_appearances;
  if (p.official) ++bs.at_bats;
  if (IsHit(p.result)) {
    ++bs.hits;
    ++(bs.*kHitsByBases[static_cast<std::size_t>(ReachBases(p.result) - 1)]);
    if (p.result == kReachOnBaseSingle) ++bs.bunt_hits;
  }
  if (IsWalk(p.result)) ++bs.walks;
  if (p.result == kReachHitByPitch) ++bs.hit_by_pitch;
  if (IsReachOnError(p.result)) ++bs.reached_on_error;
  if (IsFieldersChoice(p.result)) ++bs.fielders_choices;
  if (IsSacrificeReach(p.result) || IsSacrificeOut(p.out_code)) ++bs.all_sacrifices;
  if (IsOtherSacrificeReach(p.result) || p.out_code == kOutSacrifice) ++bs.sacrifices;
  if (p.out_code == kOutSacBunt) ++bs.sacrifice_bunts;
  if (IsSacrificeFlyOut(p.out_code) || p.result == kReachSacFlyWithError) ++bs.sacrifice_flies;
}

void SideCounter::CountStrikeoutAndReachKind(BattingStat& bs) {
  const Plate& p = plate_;
  for (const DroppedThirdCounter& c : kDroppedThirdCounters) {
    if (c.result == p.result) ++(bs.*c.counter);
  }
  if (p.result == kReachInterference) {
    const std::int32_t fielder = p.reach_credit(0).position;
    ++(fielder == kPosCatcher ? bs.catcher_interference : bs.other_interference);
  }
  if (IsSwingingStrikeoutOut(p.out_code) || IsDroppedThirdReach(p.result))
    ++bs.so_swinging;
  else if (p.out_code == kOutStrikeLooking)
    ++bs.so_looking;
}

void SideCounter::CountOutKind(BattingStat& bs, BattingStat& rs) {
  const std::int32_t out = plate_.out_code;
  if (out < 0 || out >= kOutTypeCount) return;
  const std::int8_t i = kOutCounterIndex[static_cast<std::size_t>(out)];
  if (i < 0) return;
  const OutCounter& c = kOutCounters[static_cast<std::size_t>(i)];
  ++((c.runner ? RunnerAt(runner_entries_.out, bs, rs) : bs).*c.counter);
}

BattingStat& SideCounter::RunnerAt(int entry, BattingStat& bs, BattingStat& rs) const {
  if (pinch_runner_from_ <= 0) return rs;
  return entry >= 0 && entry < pinch_runner_from_ ? bs : rs;
}

void SideCounter::CountBaseRunning(BattingStat& bs, BattingStat& rs_after) {
  const Plate& p = plate_;
  const int stood = p.bases_reached;  // with an out: the base he was put out leaving
  BattingStat& out_runner = RunnerAt(runner_entries_.out, bs, rs_after);
  if (p.out_code == kOutPickedOff && stood >= 1 && stood <= 3)
    ++out_runner.pko[static_cast<std::size_t>(stood - 1)];
  // Steals and caught stealing: each base left on the way to the base
  // finally reached.  A runner caught stealing but safe on the fielder's
  // error is still charged with it, whether or not he goes on later.
  const int reached = std::clamp(p.bases_reached, 0, 4);
  for (int base = 1; base < reached; ++base) {
    const std::int32_t advance = p.advances[static_cast<std::size_t>(base - 1)];
    BattingStat& rs =
        RunnerAt(runner_entries_.left[static_cast<std::size_t>(base - 1)], bs, rs_after);
    if (IsStolenBase(advance)) {
      ++rs.stolen_bases;
      ++rs.steal_attempts;
      ++rs.sb[static_cast<std::size_t>(base - 1)];
    } else if (advance == kAdvCaughtStealingError) {
      ++rs.steal_attempts;
      ++rs.cs[static_cast<std::size_t>(base - 1)];
    }
  }
  // Put out stealing: the base he stood on when caught.
  if (IsCaughtStealingOut(p.out_code) && stood >= 1 && stood <= 3) {
    ++out_runner.steal_attempts;
    ++out_runner.cs[static_cast<std::size_t>(stood - 1)];
  }
  if (p.scored) ++rs_after.runs;
}

}  // namespace scorewick::counting
