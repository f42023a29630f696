// The pitching half of a plate appearance: the pitcher charged with the
// batter, then each pitcher who faced him in turn over his own pitches.
#include <algorithm>

#include "records/code_classes.h"
#include "records/pitcher_charges.h"
#include "stats/side_counter.h"

namespace scorewick::counting {
namespace {

using P = PitchingStat;

// The hit counters by the bases the hit gives (ReachBases), from one.
constexpr std::array<std::int32_t P::*, 4> kHitsByBases = {&P::singles, &P::doubles, &P::triples,
                                                           &P::home_runs};

}  // namespace

void SideCounter::PitchingPlate(const HALF_INNING& half, int inning, int index, const AT_BAT& ab) {
  plate_.Take(ab);
  field_half_ = &half;
  inning_ = inning;
  index_ = index;
  pitching_ = PitchingState{};
  for (int slot = 0; slot < plate_.pitcher_count; ++slot)
    pitching_.ranges[static_cast<std::size_t>(slot)] = RangeOf(slot);
  // Who is charged with the batter and who records his out are settled
  // over all his pitchers first, so that a split, which counts some of
  // them, shares out what all of them count.
  FindDecisivePitches();
  ChargeResponsiblePitcher();
  if (!pitching_.charged) ChargeByPitches();
  FindOutPitch();
  for (int slot = 0; slot < plate_.pitcher_count; ++slot) {
    Turn turn;
    if (!OpenTurn(slot, turn)) continue;
    ChargeInTurn(turn);
    CountStrikeoutAndWalk(turn);
    CountFirstPitch(turn);
    if (plate_.reached) CountRunnerEvents(turn);
    CountPitches(turn);
    TakeBackBallsWithoutPitch(turn);
  }
  if (plate_.reached) CountWildPitchesAndBalks();
  if (pitching_.catcher.empty())
    pitching_.catcher = Catcher(half, inning, index, /*entered_here=*/true);
  FieldingCredits();
}

// The pitcher the scorer charged with the batter gets his run, once, when
// the split counts the batter against him; the pitcher who faced him (the
// one who finished his turn, or for a walk the one the scorer charged)
// gets the batter faced and the at-bat.  A charged name that is no pitcher
// of the game stands for the first pitcher; so does one not in the half's
// line-up.
void SideCounter::ChargeResponsiblePitcher() {
  const AT_BAT& ab = *plate_.record;
  const PLAYER* pitcher = &ab.responsible_pitcher;
  std::string_view who = View(pitcher->name);
  if (who.empty()) return;
  const bool in_slots =
      std::any_of(ab.pitchers.begin(), ab.pitchers.end(),
                  [who](const PITCHER_SLOT& s) { return View(s.pitcher.name) == who; });
  if ((!in_slots && !IsGamePitcher(who)) || !InDefense(who)) {
    pitcher = &plate_.pitcher(0);
    who = View(pitcher->name);
    if (who.empty()) return;
  }
  pitching_.charged = true;
  if (plate_.scored && SplitCounts(pitching_split_, BatsRight(ab.batter, *pitcher))) {
    PitchingStat& ps = Pit(PitchingRow(who));
    ++ps.runs;
    if (plate_.earned) ++ps.earned_runs;
  }
  const PLAYER& facing = PitcherFacing(ab);
  pitching_.facing = View(facing.name);
  if (facing.name.empty() || !SplitCounts(pitching_split_, BatsRight(ab.batter, facing))) return;
  PitchingStat& ps = Pit(PitchingRow(pitching_.facing));
  if (plate_.faced()) ++ps.batters_faced;
  if (plate_.official) ++ps.opponent_at_bats;
  if (pitching_.walk_pitch >= 0 && IsWalk(plate_.result)) ++ps.walks;
}

// The pitch that makes the strikeout (a foul never brings the strikes to
// the limit) and the ball that makes the walk, counted from the first
// pitch of the plate appearance whoever threw them.
void SideCounter::FindDecisivePitches() {
  const StatRules& rules = s_.rules;
  int strikes = 0, balls = 0;
  for (int q = 0; q < plate_.pitch_count; ++q) {
    const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
    if (ev == kEventStrike)
      ++strikes;
    else if (ev == kEventFoul && strikes < rules.strikes_per_out - 1)
      ++strikes;
    else if (ev == kEventBall && ++balls == rules.balls_per_walk && pitching_.walk_pitch < 0)
      pitching_.walk_pitch = q;
    const bool struck_out =
        (ev == kEventStrike || ev == kEventFoul) && strikes >= rules.strikes_per_out;
    const bool out_on_strikes = ev == kEventOut && IsStrikeoutOut(plate_.how_out);
    const bool reached_on_strikes = ev == kEventReached && IsDroppedThirdReach(plate_.how_reached);
    if (pitching_.strikeout_pitch < 0 && (struck_out || out_on_strikes || reached_on_strikes))
      pitching_.strikeout_pitch = q;
  }
}

// The pitches of a slot's pitcher: from one past the previous slot's last
// pitch to his own last (the last slot, or one whose last pitch is not
// recorded, to the end).
Span SideCounter::RangeOf(int slot) const {
  const int total = plate_.pitch_count;
  const auto s = static_cast<std::size_t>(slot);
  const std::int32_t last = plate_.slot_last_pitch[s];
  Span range;
  range.begin = slot == 0 ? 0 : plate_.slot_last_pitch[s - 1] + 1;
  range.end = (slot == plate_.pitcher_count - 1 || last < 0 || last > 25) ? total : last + 1;
  range.begin = std::clamp(range.begin, 0, total);
  range.end = std::clamp(range.end, range.begin, total);
  return range;
}

// A batter nobody was charged with: the first pitcher whose pitches end
// his turn (an out, the ball in play, the fourth ball, a runner's advance)
// faced him, and is charged with him when he reached; when he did not,
// the next pitcher's pitches are read the same way.
void SideCounter::ChargeByPitches() {
  for (int slot = 0; slot < plate_.pitcher_count && !pitching_.charged; ++slot) {
    if (plate_.pitcher(slot).name.empty()) continue;
    const Span range = pitching_.ranges[static_cast<std::size_t>(slot)];
    int balls = 0, bases = 0;
    for (int q = range.begin; q < range.end; ++q) {
      const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
      if (ev == kEventBall && ++balls >= s_.rules.balls_per_walk)
        bases = ReachBases(plate_.how_reached);
      if (ev == kEventReached) bases = ReachBases(plate_.how_reached);
      if (ev == kEventAdvance) bases = 1;
      if (ev != kEventOut && ev != kEventReached && bases == 0) continue;
      const auto s = static_cast<std::size_t>(slot);
      pitching_.faced_in_slot[s] = true;
      pitching_.charged_in_slot[s] = pitching_.charged = bases > 0;
      break;
    }
  }
}

// The out pitch that records the batter's out: the first one the pitchers
// throw in turn (a pitcher's pitches end at "No Action"), unless a
// strikeout that is an out comes before it and is his out already.
void SideCounter::FindOutPitch() {
  for (int slot = 0; slot < plate_.pitcher_count; ++slot) {
    if (plate_.pitcher(slot).name.empty()) continue;
    const Span range = pitching_.ranges[static_cast<std::size_t>(slot)];
    if (range.Holds(pitching_.strikeout_pitch) && !IsDroppedThirdReach(plate_.result)) return;
    for (int q = range.begin; q < range.end; ++q) {
      const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
      if (ev == kEventNone) break;
      if (ev == kEventOut) {
        pitching_.out_pitch = q;
        return;
      }
    }
  }
}

// The pitcher of a slot and his pitches.  False when the slot is empty or
// the split leaves the batter out.  The game's first pitcher to its first
// batter is its starter.
bool SideCounter::OpenTurn(int slot, Turn& turn) {
  const Span range = pitching_.ranges[static_cast<std::size_t>(slot)];
  const PLAYER& pitcher = plate_.pitcher(slot);
  if (pitcher.name.empty()) return false;
  if (!SplitCounts(pitching_split_, BatsRight(plate_.record->batter, pitcher))) return false;
  turn.slot = slot;
  turn.name = View(pitcher.name);
  turn.row = PitchingRow(turn.name);
  turn.range = range;
  if (inning_ == 0 && index_ == 0 && slot == 0) {
    ++Pit(turn.row).games_started;
    starter_ = turn.row;
  }
  // The catcher as his pitches begin.  One who came in before the plate
  // appearance catches all of it; one whose coming in the pitch sequence
  // announces ("Catcher Subbed") takes over there.
  bool changed_before = false, changed_later = false;
  for (int q = 1; q < plate_.pitch_count; ++q) {
    if (plate_.events[static_cast<std::size_t>(q)] != kEventCatcherSubbed) continue;
    (q < range.begin ? changed_before : changed_later) = true;
  }
  pitching_.catcher =
      Catcher(*field_half_, inning_, index_, /*entered_here=*/changed_before || !changed_later);
  return true;
}

// The batter faced, and charged, as his pitches showed them.
void SideCounter::ChargeInTurn(const Turn& turn) {
  const auto s = static_cast<std::size_t>(turn.slot);
  if (!pitching_.faced_in_slot[s]) return;
  PitchingStat& ps = Pit(turn.row);
  ++ps.batters_faced;
  if (plate_.official) ++ps.opponent_at_bats;
  if (pitching_.charged_in_slot[s] && plate_.scored) {
    ++ps.runs;
    if (plate_.earned) ++ps.earned_runs;
  }
}

// The strikeout goes to the pitcher who threw its pitch; a strikeout on
// which the batter reached is no out.  The walk is the pitcher's charged
// with the batter faced (ChargeResponsiblePitcher), or where the scorer
// named nobody, the one who threw ball four.
void SideCounter::CountStrikeoutAndWalk(const Turn& turn) {
  PitchingStat& ps = Pit(turn.row);
  if (turn.range.Holds(pitching_.strikeout_pitch)) {
    ++ps.strikeouts;
    if (!IsDroppedThirdReach(plate_.result)) ++ps.outs;
  }
  const bool charged_walk = IsWalk(plate_.result) && !pitching_.facing.empty();
  if (turn.range.Holds(pitching_.walk_pitch) && !charged_walk) ++ps.walks;
}

// His first pitch to the batter is a ball (or the pitch a walk or hit
// batter reached on) or a strike.
void SideCounter::CountFirstPitch(const Turn& turn) {
  for (int q = turn.range.begin; q < turn.range.end; ++q) {
    const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
    if (!IsPitchToBatter(ev)) continue;
    if (ev == kEventBall || (ev == kEventReached && IsReachOnBall(plate_.how_reached)))
      ++Pit(turn.row).first_pitch_balls;
    else
      ++Pit(turn.row).first_pitch_strikes;
    return;
  }
}

// The wild pitches and balks that moved the batter once he was on base:
// each is the pitcher's on the mound then, counted once however many
// runners it moved, and under a split by the batter at the plate then.
void SideCounter::CountWildPitchesAndBalks() {
  const AT_BAT& ab = *plate_.record;
  int base = 0;
  for (int q = 0; q < plate_.pitch_count; ++q) {
    const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
    if (ev == kEventReached) base = ReachBases(plate_.how_reached);
    if (ev != kEventAdvance || base < 1 || base > 3) continue;
    const std::int32_t code = plate_.advances[static_cast<std::size_t>(base - 1)];
    ++base;
    if (code != kAdvWildPitch && code != kAdvBalk) continue;
    if (!FirstOfPlay(code == kAdvWildPitch ? wild_pitch_moments_ : balk_moments_, q)) continue;
    const PlayMoment moment = MomentOf(ab, index_, q);
    const auto& boxes = field_half_->at_bats;
    const PLAYER& at_plate = moment.at_bat >= 0 && moment.at_bat < static_cast<int>(boxes.size())
                                 ? boxes[static_cast<std::size_t>(moment.at_bat)].batter
                                 : ab.batter;
    const std::string_view name = PitcherOfEntry(field_half_->defense, ab, q);
    const PITCH& entry = ab.pitches[static_cast<std::size_t>(q)];
    const PLAYER& pitcher = entry.detail.pitcher.name.view() == name
                                ? entry.detail.pitcher
                                : plate_.pitcher(SlotOfEntry(ab, q));
    if (name.empty() || !SplitCounts(pitching_split_, BatsRight(at_plate, pitcher))) continue;
    PitchingStat& ps = Pit(PitchingRow(name));
    ++(code == kAdvWildPitch ? ps.wild_pitches : ps.balks);
  }
}

// The batter's advances as a runner while this pitcher pitched: the base
// he stands on follows his hit and each advance.  What happens once he is
// on base is the pitcher's on the mound then.
void SideCounter::CountRunnerEvents(const Turn& turn) {
  int base = 0;
  for (int q = turn.range.begin; q < turn.range.end; ++q) {
    const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
    if (ev == kEventReached) base = ReachBases(plate_.how_reached);
    if (ev != kEventAdvance || base < 1 || base > 3) continue;
    const auto b = static_cast<std::size_t>(base);
    switch (plate_.advances[b - 1]) {
      case kAdvStolenBase: {
        const int c = CatcherRow();
        if (c >= 0) ++Fld(c).steal_attempts;
        ++Fld(FieldingRow(OnMound(q, turn), kPosPitcher)).steal_attempts;
        break;
      }
      case kAdvPassedBall:
        if (plate_.error_kinds[b] != kErrPassedBall) pitching_.passed_ball[b] = true;
        break;
      default:
        break;
    }
    ++base;
  }
}

// His pitches one by one; "No Action" ends them.
void SideCounter::CountPitches(const Turn& turn) {
  for (int q = turn.range.begin; q < turn.range.end; ++q) {
    const std::int32_t ev = plate_.events[static_cast<std::size_t>(q)];
    if (ev == kEventNone) return;
    if (IsPickOffAttempt(ev)) CountPickOffAttempt(turn, ev);
    switch (ev) {
      case kEventStrike:
      case kEventBall: {
        PitchingStat& ps = Pit(turn.row);
        ++ps.pitch_count;
        ++(ev == kEventStrike ? ps.total_strikes : ps.total_balls);
        const int c = CatcherRow();
        if (c >= 0) ++Fld(c).pitches_received;
        break;
      }
      case kEventFoul:
        ++Pit(turn.row).pitch_count;
        ++Pit(turn.row).total_strikes;
        break;
      case kEventCatcherSubbed:
        if (q > 0)
          pitching_.catcher = Catcher(*field_half_, inning_, index_, /*entered_here=*/true);
        break;
      case kEventReached:
        CountReachPitch(turn, q);
        break;
      case kEventOut:
        CountOutPitch(turn, q);
        break;
      default:
        break;
    }
  }
}

std::string_view SideCounter::OnMound(int entry, const Turn& turn) const {
  const std::string_view named = PitcherOfEntry(field_half_->defense, *plate_.record, entry);
  return named.empty() ? turn.name : named;
}

bool SideCounter::FirstOfPlay(std::vector<PlayMoment>& counted, int entry) {
  const PlayMoment moment = MomentOf(*plate_.record, index_, entry);
  if (std::find(counted.begin(), counted.end(), moment) != counted.end()) return false;
  counted.push_back(moment);
  return true;
}

void SideCounter::CountPickOffAttempt(const Turn& turn, std::int32_t event) {
  if (event <= kEventPitcherPickoff3rd) {
    const auto base = static_cast<std::size_t>(event - kEventPitcherPickoff1st);
    ++Pit(turn.row).pkoa[base];
    ++Fld(FieldingRow(turn.name, kPosPitcher)).pkoa[base];
    return;
  }
  const int c = CatcherRow();
  if (c >= 0) ++Fld(c).pkoa[static_cast<std::size_t>(event - kEventCatcherPickoff1st)];
}

// The pitch the batter reached on: a strike unless he walked, was hit or
// was given the base; the catcher's part in a dropped third strike or
// interference; the hit, the hit batter, the wild pitch or passed ball.
void SideCounter::CountReachPitch(const Turn& turn, int pitch) {
  const std::int32_t how = plate_.how_reached;
  if (IsReachOnStrike(how)) {
    ++Pit(turn.row).pitch_count;
    ++Pit(turn.row).total_strikes;
  }
  bool catcher_named = false;
  for (int k = 0; k < plate_.reach_credit_count; ++k) {
    const FIELDER_CREDIT& c = plate_.reach_credit(k);
    if (c.position == kPosCatcher && !c.name.empty()) catcher_named = true;
  }
  const bool dropped_by_catcher = IsDroppedThirdReach(how) && catcher_named;
  int received = 0;
  if (how == kReachDroppedThirdPB || how == kReachDroppedThirdError) ++received;
  if (how == kReachInterference && plate_.reach_credit(0).position == kPosCatcher) ++received;
  if (received > 0 || dropped_by_catcher) {
    const int c = CatcherRow();
    if (c >= 0) {
      Fld(c).pitches_received += received;
      if (dropped_by_catcher) ++Fld(c).dts_batter_reached;
    }
  }
  PitchingStat& ps = Pit(turn.row);
  if (IsHit(how)) {
    ++ps.hits;
    ++(ps.*kHitsByBases[static_cast<std::size_t>(ReachBases(how) - 1)]);
  } else if (how == kReachHitByPitch) {
    ++ps.pitch_count;
    ++ps.total_balls;
    ++ps.hit_batsmen;
  } else if (how == kReachDroppedThirdWP) {
    if (FirstOfPlay(wild_pitch_moments_, pitch)) ++ps.wild_pitches;
  } else if (how == kReachDroppedThirdPB) {
    // The scorer may have charged the passed ball in the error list
    // already (then it is counted there, once).
    const AT_BAT& ab = *plate_.record;
    if (plate_.error_kinds[0] == kErrPassedBall && !ab.error_credits[0].name.empty()) return;
    const int c = CatcherRow();
    if (c >= 0) ++Fld(c).passed_balls;
    const int b = BattingRow(pitching_.catcher, kPosCatcher);
    if (b >= 0) ++Bat(b).passed_balls;
  }
}

// The pitch the batter was put out on: a strike he offered at; his out,
// when it is the pitch that records it; a pick-off by the pitcher or the
// catcher; the catcher's caught stealing.
void SideCounter::CountOutPitch(const Turn& turn, int pitch) {
  const std::int32_t how = plate_.how_out;
  if (IsOutOnStrike(how)) {
    ++Pit(turn.row).pitch_count;
    ++Pit(turn.row).total_strikes;
  }
  if (how == kOutDroppedThird) {
    const int c = CatcherRow();
    if (c >= 0) {
      ++Fld(c).pitches_received;
      ++Fld(c).dts_batter_out;
    }
  }
  const std::string_view on_mound = OnMound(pitch, turn);
  if (pitch == pitching_.out_pitch) ++Pit(PitchingRow(on_mound)).outs;
  const int base = plate_.bases_reached;
  const int chain = plate_.out_credit_count;
  if (base < 1 || base > 3) return;
  const auto b = static_cast<std::size_t>(base - 1);
  if (how == kOutPickedOff && chain > 0) {
    const std::int32_t first = plate_.out_credit(0).position;
    if (first == kPosPitcher) {
      PitchingStat& ps = Pit(PitchingRow(on_mound));
      ++ps.pko[b];
      ++ps.pkoa[b];
      FieldingStat& f = Fld(FieldingRow(on_mound, kPosPitcher));
      ++f.pko[b];
      ++f.pkoa[b];
    } else if (first == kPosCatcher) {
      const int c = CatcherRow();
      if (c >= 0) {
        ++Fld(c).pko[b];
        ++Fld(c).pkoa[b];
      }
    }
  }
  if (IsCaughtStealingOut(how) && !pitching_.catcher.empty()) {
    for (int k = 0; k < chain; ++k) {
      if (View(plate_.out_credit(k).name) != pitching_.catcher) continue;
      FieldingStat& f = Fld(CatcherRow());
      ++f.cs[b];
      if (base == 3 && k == chain - 1) ++f.cs_put_out_home;
    }
  }
}

// Balls that are no pitches (intentional balls, pitches to the mouth,
// pitch-outs) come back off his balls and pitches; a pitch to the mouth
// off the catcher's pitches received too.
void SideCounter::TakeBackBallsWithoutPitch(const Turn& turn) {
  for (const PITCH_DATA& d : plate_.record->pitch_details) {
    if (!d.valid) break;  // details fill from the front
    const std::int32_t ball_type = d.ball_type;
    if (d.strike || !IsBallWithoutPitch(ball_type) || View(d.pitcher.name) != turn.name) continue;
    --Pit(turn.row).total_balls;
    --Pit(turn.row).pitch_count;
    if (ball_type == kBallPitcherToMouth) {
      const int c = CatcherRow();
      if (c >= 0) --Fld(c).pitches_received;
    }
  }
}

}  // namespace scorewick::counting
