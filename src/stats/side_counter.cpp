#include "stats/side_counter.h"

#include <algorithm>

#include "records/codes.h"

namespace scorewick::counting {

int SideCounter::BattingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.batting) {
    if (e.name == name) {
      Bat(e.row).AddPosition(position);
      return e.row;
    }
  }
  const int row = s_.FindOrAddBatting(name, team_, position);
  rows_.batting.push_back({std::string(name), 0, row});
  return row;
}

int SideCounter::PitchingRow(std::string_view name) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.pitching) {
    if (e.name == name) return e.row;
  }
  const int row = s_.FindOrAddPitching(name, team_);
  rows_.pitching.push_back({std::string(name), 0, row});
  return row;
}

int SideCounter::FieldingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.fielding) {
    if (e.position == position && e.name == name) return e.row;
  }
  const int row = s_.FindOrAddFielding(name, team_, position);
  rows_.fielding.push_back({std::string(name), position, row});
  return row;
}

bool SideCounter::IsGamePitcher(std::string_view name) {
  if (game_pitchers_.empty()) {
    for (const INNING& in : game_.innings) {
      for (const HALF_INNING* h : {&in.top, &in.bottom}) {
        for (const PLAYER& p : h->defense) {
          if (p.position == kPosPitcher && !p.name.empty()) game_pitchers_.push_back(View(p.name));
        }
        for (const AT_BAT& ab : h->at_bats) {
          for (const PITCHER_SLOT& slot : ab.pitchers) {
            if (!slot.pitcher.name.empty()) game_pitchers_.push_back(View(slot.pitcher.name));
          }
        }
      }
    }
    std::sort(game_pitchers_.begin(), game_pitchers_.end());
    game_pitchers_.erase(std::unique(game_pitchers_.begin(), game_pitchers_.end()),
                         game_pitchers_.end());
    game_pitchers_.push_back({});  // marks the list as built
  }
  return std::find(game_pitchers_.begin(), game_pitchers_.end(), name) != game_pitchers_.end();
}

bool SideCounter::InDefense(std::string_view name) const {
  return std::find(defense_names_.begin(), defense_names_.end(), name) != defense_names_.end();
}

// The plate appearance of the fielding half from which a defensive line-up
// entry holds its place: where a substitute came in during this half, or
// the start of the half.  The entry records the inning, the half (entry
// flag 1 = top) and the plate appearance of its coming in.
int SideCounter::Start(const PLAYER& entry, int inning) const {
  const bool field_top = !batting_top_;
  const bool this_half = entry.entered_inning == inning + 1 && (entry.entry_flag != 0) == field_top;
  return this_half ? std::max(0, entry.entry_value) : 0;
}

// The catcher of plate appearance `index`: the last catcher entry of the
// half's line-up that came in before it (or, once the pitch sequence has
// announced a change of catcher, in it).
std::string_view SideCounter::Catcher(const HALF_INNING& half, int inning, int index,
                                      bool before_sub) const {
  std::string_view found;
  std::string_view first;
  for (const PLAYER& p : half.defense) {
    if (p.position != kPosCatcher || p.name.empty()) continue;
    if (first.empty()) first = View(p.name);
    if (Start(p, inning) < index + (before_sub ? 0 : 1)) found = View(p.name);
  }
  return found.empty() ? first : found;
}

void SideCounter::Count() {
  for (int i = 0; i < kInnings; ++i) {
    const INNING& inning = game_.innings[static_cast<std::size_t>(i)];
    if (inning.top.at_bats.empty() && inning.bottom.at_bats.empty()) break;
    const HALF_INNING& bat = inning.half(batting_top_);
    const HALF_INNING& field = inning.half(!batting_top_);
    BattingHalf(bat);
    defense_names_.clear();
    for (const PLAYER& p : field.defense) defense_names_.push_back(View(p.name));
    for (std::size_t a = 0; a < field.at_bats.size(); ++a) {
      PitchingPlate(field, i, static_cast<int>(a), field.at_bats[a]);
      final_plate_ = &field.at_bats[a];
    }
    Appearances(i, bat, field);
  }
  EndOfGame();
}

void SideCounter::BattingHalf(const HALF_INNING& half) {
  if (half.at_bats.empty()) return;
  ++s_.innings_batted;
  for (const AT_BAT& ab : half.at_bats) BattingPlate(ab);
}

void SideCounter::BattingPlate(const AT_BAT& ab) {
  const int b = BattingRow(View(ab.batter.name), ab.batter.position);
  int r = b;
  if (!ab.pinch_runner.name.empty() && View(ab.pinch_runner.name) != View(ab.batter.name)) {
    r = BattingRow(View(ab.pinch_runner.name), kPosPinchRunner);
  }
  if (b < 0) return;
  if (r < 0) r = b;
  const PLAYER& last = ab.pitchers[static_cast<std::size_t>(ab.PitcherCount() - 1)].pitcher;
  if (!SplitCounts(batting_split_, ThrowsRight(last))) return;

  BattingStat& bs = Bat(b);
  BattingStat& rs = Bat(r);
  const std::int32_t result = ResultOf(ab), out = OutOf(ab);
  // A turn cut short by the third out on the bases (no result, no out)
  // is no plate appearance: the batter leads off the next inning.
  if (ab.last_pitch >= 0 && (ab.reached || ab.out) && result != kReachTieBreaker)
    ++bs.plate_appearances;
  if (IsOfficialAtBat(ab)) ++bs.at_bats;
  switch (result) {
    case kReachOnBaseSingle:
      ++bs.bunt_hits;
      [[fallthrough]];
    case kReachSingle:
      ++bs.singles;
      ++bs.hits;
      break;
    case kReachDouble:
    case kReachGroundRuleDouble:
      ++bs.doubles;
      ++bs.hits;
      break;
    case kReachTriple:
      ++bs.triples;
      ++bs.hits;
      break;
    case kReachHomeRun:
    case kReachInsideParkHR:
      ++bs.home_runs;
      ++bs.hits;
      break;
    case kReachWalk:
    case kReachIntentionalWalk:
      ++bs.walks;
      break;
    case kReachHitByPitch:
      ++bs.hit_by_pitch;
      break;
    case kReachError:
    case kReachAssistWithError:
    case kReachDroppedThirdError:
      ++bs.reached_on_error;
      break;
    case kReachFieldersChoice:
    case kReachFieldersChoiceDP:
      ++bs.fielders_choices;
      break;
    default:
      break;
  }
  if (In(result, 13, 20, 21, 22) || In(out, 8, 9, 30, 38)) ++bs.all_sacrifices;
  if (In(result, 13, 20) || out == kOutSacrifice) ++bs.sacrifices;
  if (out == kOutSacBunt) ++bs.sacrifice_bunts;
  if (out == kOutSacFly || out == kOutSacFlyDP || result == kReachSacFlyWithError)
    ++bs.sacrifice_flies;
  if (result == kReachDroppedThirdWP) ++bs.dts_wild_pitch;
  if (result == kReachDroppedThirdPB) ++bs.dts_passed_ball;
  if (result == kReachDroppedThirdError) ++bs.dts_error;
  if (result == kReachInterference) {
    if (ab.reach_credits[0].position == kPosCatcher)
      ++bs.catcher_interference;
    else
      ++bs.other_interference;
  }
  if (In(out, 1, 11, 12) || In(result, 14, 15, 23))
    ++bs.so_swinging;
  else if (out == kOutStrikeLooking)
    ++bs.so_looking;
  switch (out) {
    case kOutGround:
      ++bs.ground_outs;
      break;
    case kOutFly:
      ++bs.fly_outs;
      break;
    case kOutFoul:
      ++bs.foul_fly_outs;
      break;
    case kOutPopOut:
      ++bs.pop_outs;
      break;
    case kOutInfieldFly:
      ++bs.infield_flies;
      break;
    case kOutInterference:
      ++bs.interference_outs;
      break;
    case kOutThrownBat:
      ++bs.thrown_bat;
      break;
    case kOutLineDrive:
      ++bs.line_drives;
      break;
    case kOutDoublePlay:
      ++bs.into_double_play;
      break;
    case kOutTriplePlay:
      ++bs.into_triple_play;
      break;
    case kOutHitByOwnBall:
      ++bs.hit_by_own_ball;
      break;
    case kOutBattedOutOfTurn:
      ++bs.batted_out_of_turn;
      break;
    case kOutBuntedFoul:
      ++bs.bunted_foul_second_strike;
      break;
    case kOutDroppedThird:
      ++bs.dropped_third_out;
      break;
    case kOutIllegallyBatted:
      ++bs.illegally_batted;
      break;
    case kOutCalledOut:
      ++bs.called_out;
      break;
    case kOutBuntOut:
      ++bs.bunt_outs;
      break;
    case kOutNonForceGdp:
      ++bs.non_force_dp;
      break;
    case kOutSacFlyDP:
      ++bs.sac_fly_dp;
      break;
    case kOutBaseLineViolation:
      ++rs.base_line_violation;
      break;
    case kOutMissedBase:
      ++rs.missed_base;
      break;
    case kOutHitByFairBall:
      ++rs.hit_by_fair_ball;
      break;
    case kOutForced:
      ++rs.force_outs;
      break;
    case kOutTagged:
      ++rs.tag_outs;
      break;
    case kOutLeftBaseEarly:
      ++rs.left_base_early;
      break;
    case kOutDidNotTagUp:
      ++rs.did_not_tag_up;
      break;
    case kOutLeftBasePath:
      ++rs.left_base_path;
      break;
    case kOutCircleViolation:
      ++rs.circle_violation;
      break;
    case kOutLeadingOff:
      ++rs.leading_off;
      break;
    case kOutHeadFirstSlide:
      ++rs.head_first_slide;
      break;
    case kOutOverRanBase:
      ++rs.over_ran_base;
      break;
    case kOutCaughtStealingDP:
      ++rs.caught_stealing_dp;
      break;
    default:
      break;
  }
  const int stood = ab.bases_reached;  // with an out: the base he was put out leaving
  if (out == kOutPickedOff) {
    if (stood == 1)
      ++rs.pko1;
    else if (stood == 2)
      ++rs.pko2;
    else if (stood == 3)
      ++rs.pko3;
  }
  // Steals: each base left on the way to the base finally reached.
  const int reached = std::clamp(ab.bases_reached, 0, 4);
  for (int base = 1; base < reached; ++base) {
    const std::int32_t how = ab.advances[base - 1];
    if (how == kAdvStolenBase || how == kAdvDoubleSteal || how == kAdvTripleSteal) {
      ++rs.stolen_bases;
      ++rs.steal_attempts;
      (base == 1 ? rs.sb2 : base == 2 ? rs.sb3 : rs.sbh)++;
    }
  }
  int caught_at = 0;  // the base he stood on when caught stealing
  if (out == kOutCaughtStealing || out == kOutCaughtStealingDP)
    caught_at = stood;
  else if (reached >= 2 && ab.advances[reached - 2] == kAdvCaughtStealingError)
    caught_at = reached - 1;
  if (caught_at >= 1 && caught_at <= 3) {
    ++rs.steal_attempts;
    (caught_at == 1 ? rs.cs2 : caught_at == 2 ? rs.cs3 : rs.csh)++;
  }
  if (ab.scored) ++rs.runs;
  // One plate appearance drives in at most four runs, whatever a damaged
  // file says (a sum of huge stored figures would overflow).
  if (ab.rbi > 0) bs.rbi += std::min(ab.rbi, 4);
}

void SideCounter::MarkAppeared(int row, int inning) {
  if (row < 0) return;
  BattingStat& b = Bat(row);
  if (!(b.last_inning == inning && b.last_game == n_)) {
    ++b.innings;
    b.last_inning = inning;
  }
  if (b.last_game != n_) {
    ++b.games;
    b.last_game = n_;
  }
}

void SideCounter::Appearances(int inning, const HALF_INNING& bat, const HALF_INNING& field) {
  if (!bat.at_bats.empty()) {
    named_.clear();
    for (const AT_BAT& ab : bat.at_bats) {
      named_.push_back(View(ab.batter.name));
      if (!ab.pinch_runner.name.empty()) named_.push_back(View(ab.pinch_runner.name));
    }
    for (const PLAYER& e : bat.offense) {
      const std::string_view name = View(e.name);
      const bool appeared = (e.active && e.position != kPosBench) ||
                            std::find(named_.begin(), named_.end(), name) != named_.end();
      if (appeared) MarkAppeared(BattingRow(name, e.position), inning);
    }
  }
  if (field.at_bats.empty()) return;
  const int plates = static_cast<int>(field.at_bats.size());
  // Outs made before each plate appearance of the half.
  outs_before_.assign(1, 0);
  for (const AT_BAT& ab : field.at_bats)
    outs_before_.push_back(outs_before_.back() + (ab.out ? 1 : 0));
  for (std::size_t d = 0; d < field.defense.size(); ++d) {
    const PLAYER& e = field.defense[d];
    const int f = FieldingRow(View(e.name), e.position);
    if (f < 0) continue;
    // In the field from his entry until the next player at his position.
    const int begin = std::min(Start(e, inning), plates);
    int end = plates;
    for (std::size_t later = d + 1; later < field.defense.size(); ++later) {
      if (field.defense[later].position == e.position) {
        end = std::clamp(Start(field.defense[later], inning), begin, plates);
        break;
      }
    }
    FieldingStat& fs = Fld(f);
    fs.outs_played +=
        outs_before_[static_cast<std::size_t>(end)] - outs_before_[static_cast<std::size_t>(begin)];
    if (fs.last_game != n_) {
      ++fs.games;
      fs.last_game = n_;
    }
    bool appeared = e.active && e.position != kPosBench;
    for (int a = 0; !appeared && a < plates; ++a) {
      const AT_BAT& ab = field.at_bats[static_cast<std::size_t>(a)];
      const std::string_view name = View(e.name);
      for (int k = 0; k < std::clamp(ab.out_credit_count, 0, kMaxCredits); ++k) {
        appeared = appeared || View(ab.out_credits[static_cast<std::size_t>(k)].name) == name;
      }
      for (const PITCHER_SLOT& s : ab.pitchers) appeared = appeared || View(s.pitcher.name) == name;
    }
    if (appeared) MarkAppeared(BattingRow(View(e.name), e.position), inning);
  }
  if (s_.rules.ll_pitching_rules) {
    for (const AT_BAT& ab : field.at_bats) {
      for (const PITCHER_SLOT& slot : ab.pitchers) {
        const int p = s_.FindPitching(View(slot.pitcher.name), team_);
        if (p < 0) continue;
        PitchingStat& ps = Pit(p);
        if (ps.last_game_seen == n_ && ps.last_inning_seen == inning) continue;
        ++ps.innings_pitched_in;
        ps.last_game_seen = n_;
        ps.last_inning_seen = inning;
      }
    }
  }
}

void SideCounter::EndOfGame() {
  if (starter_ >= 0 && final_plate_ != nullptr) {
    const PLAYER& last =
        final_plate_->pitchers[static_cast<std::size_t>(final_plate_->PitcherCount() - 1)].pitcher;
    if (s_.FindPitching(View(last.name), team_) == starter_) {
      ++Pit(starter_).complete_games;
      // The other side's runs, recomputed from the innings.
      std::int64_t runs = 0;  // stored figures of any size
      for (int i = 0; i <= game_.LastInning(); ++i)
        runs += game_.innings[static_cast<std::size_t>(i)].half(!batting_top_).runs;
      if (runs == 0) ++Pit(starter_).shutouts;
    }
  }
  const auto decision = [&](const PLAYER& who, std::int32_t PitchingStat::*counter) {
    const int p = s_.FindPitching(View(who.name), team_);
    if (p >= 0) ++(Pit(p).*counter);
  };
  decision(game_.winning_pitcher, &PitchingStat::wins);
  decision(game_.saving_pitcher, &PitchingStat::saves);
  decision(game_.losing_pitcher, &PitchingStat::losses);
}

}  // namespace scorewick::counting
