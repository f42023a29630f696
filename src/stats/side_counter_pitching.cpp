// The pitching half of a plate appearance: the pitchers who faced the
// batter, pitch by pitch, and the fielding credits of the play.
#include <algorithm>

#include "records/codes.h"
#include "stats/side_counter.h"

namespace scorewick::counting {

void SideCounter::PitchingPlate(const HALF_INNING& half, int inning, int index, const AT_BAT& ab) {
  const StatRules& rules = s_.rules;
  const std::int32_t result = ResultOf(ab);
  const bool official = IsOfficialAtBat(ab);
  const bool faced = ab.reached || ab.out;
  const int total = ab.PitchCount();
  const auto event = [&](int p) { return ab.pitches[static_cast<std::size_t>(p)].event; };

  // 1. The pitcher charged with the batter.
  bool charged = false;
  std::string_view responsible = View(ab.responsible_pitcher.name);
  const auto in_slots = [&](std::string_view name) {
    for (const PITCHER_SLOT& slot : ab.pitchers) {
      if (View(slot.pitcher.name) == name) return true;
    }
    return false;
  };
  if (!responsible.empty() && !in_slots(responsible) && !IsGamePitcher(responsible)) {
    responsible = View(ab.pitchers[0].pitcher.name);
  }
  if (!responsible.empty()) {
    const std::string_view who =
        InDefense(responsible) ? responsible : View(ab.pitchers[0].pitcher.name);
    const int p = PitchingRow(who);
    if (p >= 0) {
      PitchingStat& ps = Pit(p);
      if (ab.scored) {
        ++ps.runs;
        if (ab.earned) ++ps.earned_runs;
      }
      if (faced) ++ps.batters_faced;
      if (official) ++ps.opponent_at_bats;
      charged = true;
    }
  }

  // The pitch that makes the strikeout, and the ball that makes the walk.
  int strikeout_pitch = -1, walk_pitch = -1;
  {
    int strikes = 0, balls = 0;
    for (int p = 0; p < total; ++p) {
      const std::int32_t ev = event(p);
      if (ev == kEventStrike)
        ++strikes;
      else if (ev == kEventFoul && strikes < rules.strikes_per_out - 1)
        ++strikes;
      else if (ev == kEventBall && ++balls == rules.balls_per_walk && walk_pitch < 0)
        walk_pitch = p;
      if (strikeout_pitch < 0 &&
          (((ev == kEventStrike || ev == kEventFoul) && strikes >= rules.strikes_per_out) ||
           (ev == kEventOut && In(ab.how_out, 1, 2, 11, 12)) ||
           (ev == kEventReached && In(ab.how_reached, 14, 15, 23)))) {
        strikeout_pitch = p;
      }
    }
  }

  std::array<bool, kBases> passed_ball{};
  std::string_view catcher;
  bool out_credited = false;
  const int pitchers = ab.PitcherCount();
  for (int slot_index = 0; slot_index < pitchers; ++slot_index) {
    const PITCHER_SLOT& slot = ab.pitchers[static_cast<std::size_t>(slot_index)];
    Span range;
    range.begin =
        slot_index == 0 ? 0 : ab.pitchers[static_cast<std::size_t>(slot_index - 1)].last_pitch + 1;
    range.end = (slot_index == pitchers - 1 || slot.last_pitch < 0 || slot.last_pitch > 25)
                    ? total
                    : slot.last_pitch + 1;
    range.begin = std::clamp(range.begin, 0, total);
    range.end = std::clamp(range.end, range.begin, total);
    if (slot.pitcher.name.empty()) continue;
    if (!SplitCounts(pitching_split_, BatsRight(ab.batter, slot.pitcher))) continue;
    const std::string_view name = View(slot.pitcher.name);
    const int p = PitchingRow(name);
    if (inning == 0 && index == 0 && slot_index == 0) {
      ++Pit(p).games_started;
      starter_ = p;
    }
    // The catcher as this pitcher's range begins: after a change of catcher
    // announced earlier in the sequence, the new one.
    bool subbed = false;
    for (int q = 1; q < range.begin; ++q) subbed = subbed || event(q) == kEventCatcherSubbed;
    catcher = Catcher(half, inning, index, /*before_sub=*/!subbed);
    const auto catcher_row = [&] { return FieldingRow(catcher, kPosCatcher); };
    const auto pitcher_row = [&] { return FieldingRow(name, kPosPitcher); };

    if (!charged) {
      int balls = 0, bases = 0;
      for (int q = range.begin; q < range.end; ++q) {
        const std::int32_t ev = event(q);
        if (ev == kEventBall && ++balls >= rules.balls_per_walk) bases = BasesOf(ab.how_reached);
        if (ev == kEventReached) bases = BasesOf(ab.how_reached);
        if (ev == kEventAdvance) bases = 1;
        if (ev == kEventOut || ev == kEventReached || bases > 0) {
          PitchingStat& ps = Pit(p);
          ++ps.batters_faced;
          if (official) ++ps.opponent_at_bats;
          if (bases > 0) {
            if (ab.scored) {
              ++ps.runs;
              if (ab.earned) ++ps.earned_runs;
            }
            charged = true;
          }
          break;
        }
      }
    }
    if (strikeout_pitch >= range.begin && strikeout_pitch < range.end) {
      ++Pit(p).strikeouts;
      if (!In(result, 14, 15, 23)) {
        ++Pit(p).outs;
        out_credited = true;
      }
    }
    for (int q = range.begin; q < range.end; ++q) {
      const std::int32_t ev = event(q);
      if (ev < kEventStrike || ev > kEventOut) continue;
      if (ev == kEventBall || (ev == kEventReached && In(ab.how_reached, 5, 6, 7)))
        ++Pit(p).first_pitch_balls;
      else
        ++Pit(p).first_pitch_strikes;
      break;
    }
    if (walk_pitch >= range.begin && walk_pitch < range.end) ++Pit(p).walks;

    // Runner events while the batter is on base.
    if (ab.reached) {
      int base = 0;
      for (int q = range.begin; q < range.end; ++q) {
        const std::int32_t ev = event(q);
        if (ev == kEventReached) base = BasesOf(ab.how_reached);
        if (ev != kEventAdvance || base < 1 || base > 3) continue;
        switch (ab.advances[base - 1]) {
          case kAdvStolenBase: {
            const int c = catcher_row();
            if (c >= 0) ++Fld(c).steal_attempts;
            ++Fld(pitcher_row()).steal_attempts;
            break;
          }
          case kAdvBalk:
            ++Pit(p).balks;
            break;
          case kAdvWildPitch:
            ++Pit(p).wild_pitches;
            break;
          case kAdvPassedBall:
            if (ab.error_kinds[base] != kErrPassedBall)
              passed_ball[static_cast<std::size_t>(base)] = true;
            break;
          default:
            break;
        }
        ++base;
      }
    }

    // Pitch by pitch.
    for (int q = range.begin; q < range.end; ++q) {
      const std::int32_t ev = event(q);
      if (ev == kEventNone) break;
      PitchingStat* ps = &Pit(p);
      switch (ev) {
        case kEventStrike:
        case kEventBall: {
          ++ps->pitch_count;
          (ev == kEventStrike ? ps->total_strikes : ps->total_balls)++;
          const int c = catcher_row();
          if (c >= 0) ++Fld(c).pitches_received;
          break;
        }
        case kEventFoul:
          ++ps->pitch_count;
          ++ps->total_strikes;
          break;
        case kEventPitcherPickoff1st:
        case kEventPitcherPickoff2nd:
        case kEventPitcherPickoff3rd: {
          const int k = ev - kEventPitcherPickoff1st;
          (k == 0 ? ps->pkoa1 : k == 1 ? ps->pkoa2 : ps->pkoa3)++;
          FieldingStat& f = Fld(pitcher_row());
          (k == 0 ? f.pkoa1 : k == 1 ? f.pkoa2 : f.pkoa3)++;
          break;
        }
        case kEventCatcherPickoff1st:
        case kEventCatcherPickoff2nd:
        case kEventCatcherPickoff3rd: {
          const int c = catcher_row();
          if (c < 0) break;
          const int k = ev - kEventCatcherPickoff1st;
          FieldingStat& f = Fld(c);
          (k == 0 ? f.pkoa1 : k == 1 ? f.pkoa2 : f.pkoa3)++;
          break;
        }
        case kEventCatcherSubbed:
          if (q > 0) catcher = Catcher(half, inning, index, /*before_sub=*/false);
          break;
        case kEventReached: {
          const std::int32_t how = ab.how_reached;
          if (!In(how, 5, 6, 7, 8, 19)) {
            ++ps->pitch_count;
            ++ps->total_strikes;
          }
          bool catcher_named = false;
          for (int k = 0; k < std::clamp(ab.reach_credit_count, 0, kMaxCredits); ++k) {
            const FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(k)];
            if (c.position == kPosCatcher && !c.name.empty()) catcher_named = true;
          }
          int pchr = 0;
          if (how == kReachDroppedThirdPB || how == kReachDroppedThirdError) ++pchr;
          if (how == kReachInterference && ab.reach_credits[0].position == kPosCatcher) ++pchr;
          if ((pchr > 0 || (In(how, 14, 15, 23) && catcher_named))) {
            const int c = catcher_row();
            if (c >= 0) {
              Fld(c).pitches_received += pchr;
              if (In(how, 14, 15, 23) && catcher_named) ++Fld(c).dts_batter_reached;
            }
          }
          ps = &Pit(p);
          switch (how) {
            case kReachHitByPitch:
              ++ps->pitch_count;
              ++ps->total_balls;
              ++ps->hit_batsmen;
              break;
            case kReachSingle:
            case kReachOnBaseSingle:
              ++ps->singles;
              ++ps->hits;
              break;
            case kReachDouble:
            case kReachGroundRuleDouble:
              ++ps->doubles;
              ++ps->hits;
              break;
            case kReachTriple:
              ++ps->triples;
              ++ps->hits;
              break;
            case kReachHomeRun:
            case kReachInsideParkHR:
              ++ps->home_runs;
              ++ps->hits;
              break;
            case kReachDroppedThirdWP:
              ++ps->wild_pitches;
              break;
            case kReachDroppedThirdPB: {
              // The scorer may have charged the passed ball in the error
              // list already (then it is counted there, once).
              if (ab.error_kinds[0] == kErrPassedBall && !ab.error_credits[0].name.empty()) break;
              const int c = catcher_row();
              if (c >= 0) ++Fld(c).passed_balls;
              const int b = BattingRow(catcher, kPosCatcher);
              if (b >= 0) ++Bat(b).passed_balls;
              break;
            }
            default:
              break;
          }
          break;
        }
        case kEventOut: {
          const std::int32_t how = ab.how_out;
          if (In(how, 3, 4, 5, 6, 7, 8, 9, 11, 21, 24, 25, 30, 31, 32, 33, 34, 36, 38, 40)) {
            ++ps->pitch_count;
            ++ps->total_strikes;
          }
          if (how == kOutDroppedThird) {
            const int c = catcher_row();
            if (c >= 0) {
              ++Fld(c).pitches_received;
              ++Fld(c).dts_batter_out;
            }
          }
          if (!out_credited) {
            ++Pit(p).outs;
            out_credited = true;
          }
          const int base = ab.bases_reached;
          const int chain = std::clamp(ab.out_credit_count, 0, kMaxCredits);
          if (how == kOutPickedOff && chain > 0 && base >= 1 && base <= 3) {
            const FIELDER_CREDIT& first = ab.out_credits[0];
            if (first.position == kPosPitcher) {
              PitchingStat& pp = Pit(p);
              (base == 1 ? pp.pko1 : base == 2 ? pp.pko2 : pp.pko3)++;
              (base == 1 ? pp.pkoa1 : base == 2 ? pp.pkoa2 : pp.pkoa3)++;
              FieldingStat& f = Fld(pitcher_row());
              (base == 1 ? f.pko1 : base == 2 ? f.pko2 : f.pko3)++;
              (base == 1 ? f.pkoa1 : base == 2 ? f.pkoa2 : f.pkoa3)++;
            } else if (first.position == kPosCatcher) {
              const int c = catcher_row();
              if (c >= 0) {
                FieldingStat& f = Fld(c);
                (base == 1 ? f.pko1 : base == 2 ? f.pko2 : f.pko3)++;
                (base == 1 ? f.pkoa1 : base == 2 ? f.pkoa2 : f.pkoa3)++;
              }
            }
          }
          if ((how == kOutCaughtStealing || how == kOutCaughtStealingDP) && base >= 1 &&
              base <= 3 && !catcher.empty()) {
            for (int k = 0; k < chain; ++k) {
              if (View(ab.out_credits[static_cast<std::size_t>(k)].name) != catcher) continue;
              FieldingStat& f = Fld(catcher_row());
              (base == 1 ? f.cs2 : base == 2 ? f.cs3 : f.csh)++;
              if (base == 3 && k == chain - 1) ++f.cs_put_out_home;
            }
          }
          break;
        }
        default:
          break;
      }
    }

    // Balls that are no pitches: intentional balls, pitches to the mouth,
    // pitch-outs.
    for (const PITCH_DATA& d : ab.pitch_details) {
      if (!d.valid) break;  // details fill from the front
      if (d.strike || !In(d.ball_type, 2, 3, 4) || View(d.pitcher.name) != name) continue;
      --Pit(p).total_balls;
      --Pit(p).pitch_count;
      if (d.ball_type == kBallPitcherToMouth) {
        const int c = catcher_row();
        if (c >= 0) --Fld(c).pitches_received;
      }
    }
  }
  if (catcher.empty()) catcher = Catcher(half, inning, index, /*before_sub=*/false);
  FieldingCredits(ab, passed_ball, catcher);
}

void SideCounter::FieldingCredits(const AT_BAT& ab, const std::array<bool, kBases>& passed_ball,
                                  std::string_view catcher) {
  const int chain = std::clamp(ab.out_credit_count, 0, kMaxCredits);
  for (int i = 0; i < chain; ++i) {
    const FIELDER_CREDIT& c = ab.out_credits[static_cast<std::size_t>(i)];
    if (c.name.empty()) continue;
    const int b = BattingRow(View(c.name), c.position);
    const int f = FieldingRow(View(c.name), c.position);
    int po = 0, a = 0, apo = 0, uapo = 0;
    switch (c.credit) {
      case kCreditNone:
        if (ab.out && chain == 1 && In(ab.how_out, 1, 2, 10, 11, 12, 21, 22, 23, 24, 26, 33))
          po = apo = 1;
        break;
      case kCreditAssist:
        a = 1;
        break;
      case kCreditPutOut:
        po = 1;
        break;
      case kCreditPutOutAndAssist:
        a = po = 1;
        break;
      case kCreditTwoPutOuts:
        po = 2;
        break;
      case kCreditThreePutOuts:
        po = 3;
        break;
      default:
        break;
    }
    if (c.credit != kCreditNone && po > 0) {
      const bool assisted =
          i > 0 && In(ab.out_credits[static_cast<std::size_t>(i - 1)].credit, 1, 3);
      (assisted ? apo : uapo) = po;
    }
    BattingStat& bs = Bat(b);
    bs.put_outs += po;
    bs.assists += a;
    bs.assisted_put_outs += apo;
    bs.unassisted_put_outs += uapo;
    FieldingStat& fs = Fld(f);
    fs.put_outs += po;
    fs.assists += a;
    fs.assisted_put_outs += apo;
    fs.unassisted_put_outs += uapo;
  }
  if (ab.reached && ab.how_reached == kReachInterference) {
    for (int k = 0; k < std::clamp(ab.reach_credit_count, 0, kMaxCredits); ++k) {
      const FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(k)];
      if (c.name.empty()) continue;
      ++Fld(FieldingRow(View(c.name), c.position)).interference;
      break;
    }
  }
  for (int list = 0; list < 2; ++list) {
    for (int k = 0; k < kBases; ++k) {
      const FIELDER_CREDIT& credit = list == 0
                                         ? ab.error_credits[static_cast<std::size_t>(k)]
                                         : ab.second_error_credits[static_cast<std::size_t>(k)];
      std::string_view name = View(credit.name);
      std::int32_t position = credit.position;
      std::int32_t kind = list == 0 ? ab.error_kinds[k] : ab.second_error_kinds[k];
      if (list == 0 && passed_ball[static_cast<std::size_t>(k)] && !catcher.empty()) {
        name = catcher;
        position = kPosCatcher;
        kind = kErrPassedBall;
      }
      if (name.empty()) continue;
      if (list == 0 && k >= 1 && ab.advances[k - 1] == kAdvErrorContinued) continue;
      const int b = BattingRow(name, position);
      const int f = FieldingRow(name, position);
      BattingStat& brow = Bat(b);
      FieldingStat& frow = Fld(f);
      if (kind == kErrPassedBall) {
        ++brow.passed_balls;
        ++frow.passed_balls;
        continue;
      }
      ++brow.errors;
      ++frow.errors;
      if (kind == kErrFielding) {
        ++brow.fielding_errors;
        ++frow.fielding_errors;
      }
      if (kind == kErrThrowing) {
        ++brow.throwing_errors;
        ++frow.throwing_errors;
      }
      if (kind == kErrBobble) {
        ++brow.bobbles;
        ++frow.bobbles;
      }
    }
  }
}

}  // namespace scorewick::counting
