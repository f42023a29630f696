// A simulated turn at the plate, pitch by pitch, with what runners do
// between pitches: steals, pick-offs, wild pitches, passed balls, balks.

#include <cmath>

#include "scoring/play_builders.h"
#include "sim/simulator.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

float Tenths(double v) { return static_cast<float>(std::round(v * 10.0) / 10.0); }

}  // namespace

PitchSpec GameSimulator::MakePitch(bool strike, bool in_play) {
  PitchSpec p;
  static const double kTypeWeights[kPitchTypeCount] = {52,  3,  1.5, 6,   10,  0.7,
                                                       0.8, 13, 11,  0.4, 1.2, 0.4};
  p.type = rng_.Pick(kTypeWeights, kPitchTypeCount);
  static const double kSpeeds[kPitchTypeCount] = {91, 85, 83, 89, 76, 75, 70, 84, 82, 92, 79, 78};
  const double scale = setup_.rules.softball ? 0.68 : 1.0;
  p.speed = Tenths(rng_.Near(
      kSpeeds[p.type] * scale * (0.97 + 0.06 * (PitcherStrength().arm - 0.85) / 0.3), 3.0));
  if (strike || in_play) {
    p.x = 37 + rng_.Below(45);
    p.y = 64 + rng_.Below(61);
  } else {
    switch (rng_.Below(4)) {
      case 0:
        p.x = 8 + rng_.Below(26);
        p.y = 50 + rng_.Below(90);
        break;
      case 1:
        p.x = 85 + rng_.Below(26);
        p.y = 50 + rng_.Below(90);
        break;
      case 2:
        p.x = 25 + rng_.Below(70);
        p.y = 30 + rng_.Below(31);
        break;
      default:
        p.x = 25 + rng_.Below(70);
        p.y = 128 + rng_.Below(35);
        break;
    }
  }
  p.strike_type = kStrikeSwinging;
  return p;
}

// With first base open, a runner in scoring position and a close game
// late, the batter may be walked on purpose.  True when he was.
bool GameSimulator::IntentionalWalk() {
  const LeagueRules& r = setup_.rules;
  if (!(Late() && Close() && !scorer_.occupied(1) && (scorer_.occupied(2) || scorer_.occupied(3)) &&
        scorer_.outs() < r.outs_per_inning - 1 && rng_.Chance(0.12) && r.balls_per_walk < 8)) {
    return false;
  }
  for (int i = 0; i < r.balls_per_walk; ++i) {
    PitchSpec wide = MakePitch(false, false);
    wide.x = 110 + rng_.Below(6);
    Take(scorer_.Pitch(PitchCall::kIntentionalBall, wide), "pitch");
  }
  Walk(true);
  MaybeNote();
  return true;
}

// One pitch of a turn and what follows it: a ball, a strike, a foul, the
// ball in play, a hit batsman or a rarer end of the turn.
void GameSimulator::ThrowPitch(bool bunt, const Strength& bat, const Strength& arm) {
  const LeagueRules& r = setup_.rules;
  const int balls = scorer_.balls();
  const int strikes = scorer_.strikes();
  const bool two_strikes = strikes == r.strikes_per_out - 1;
  const bool three_balls = balls == r.balls_per_walk - 1;
  double w_ball = 0.36 * bat.eye / arm.arm * (three_balls ? 0.8 : 1.0) * (two_strikes ? 0.9 : 1.0);
  double w_called = 0.16 * (two_strikes ? 0.45 : 1.0) * (three_balls ? 1.3 : 1.0);
  double w_swing = 0.10 * arm.arm / bat.contact * (two_strikes ? 1.15 : 1.0);
  double w_foul = 0.17 * (two_strikes ? 1.45 : 1.0);
  double w_play = 0.18 * bat.contact;
  double w_hbp = 0.0035;
  double w_rare = 0.0012;
  if (bunt && !two_strikes) {
    w_called = 0.05;
    w_swing = 0.06;
    w_foul = 0.12;
    w_play = 0.45;
  }
  if (scorer_.BatterRoom() <= 9) {  // a long turn must end: the box holds 25 entries
    w_ball = w_called = w_swing = w_foul = w_hbp = w_rare = 0;
    w_play = 1;
  }
  const bool loaded = scorer_.occupied(1) && scorer_.occupied(2) && scorer_.occupied(3);
  const bool going = (scorer_.occupied(1) && !scorer_.occupied(2)) ||
                     (scorer_.occupied(2) && !scorer_.occupied(3)) || (loaded && rng_.Chance(0.1));
  const bool steal = going && !bunt && rng_.Chance(0.035 * BatterStrength().speed);
  const int choice = rng_.Pick({w_ball, w_called, w_swing, w_foul, w_play, w_hbp, w_rare});
  if (choice == 4) {
    BallInPlay(MakePitch(true, true), bunt && !two_strikes);
  } else if (choice == 5) {
    HitBatsman(MakePitch(false, false));
  } else if (choice == 6) {
    RareTurnEnd();
  } else if (choice == 3) {
    PitchSpec spec = MakePitch(true, false);
    if (bunt && two_strikes) {
      Take(scorer_.Pitch(PitchCall::kFoulBunt, spec), "pitch");
      Play play;
      play.batter.present = true;
      play.batter.out = true;
      play.batter.how_out = kOutBuntedFoul;
      play.batter.chain = {{kPosCatcher, kCreditNone}};
      RecordOrDie(play);
    } else if (rng_.Chance(0.004) && scorer_.BatterRoom() > 10) {
      Take(scorer_.Pitch(PitchCall::kFoul, spec), "pitch");
      const int who = rng_.Pick({0.4, 0.3, 0.3});
      Take(scorer_.ErrorOnBatter({1,
                                  who == 0   ? kPosCatcher
                                  : who == 1 ? kPosFirst
                                             : kPosThird,
                                  kErrPopFoul, 0, false}),
           "error on a foul fly");
    } else {
      Take(scorer_.Pitch(bunt    ? PitchCall::kFoulBunt
                         : steal ? PitchCall::kFoulOnHitAndRun
                                 : PitchCall::kFoul,
                         spec),
           "pitch");
    }
  } else if (choice == 0) {
    const bool wide = rng_.Chance(0.004) && scorer_.occupied(1);
    PitchCall call = wide ? PitchCall::kPitchOut : PitchCall::kBall;
    if (r.softball && rng_.Chance(0.01)) call = PitchCall::kPitcherToMouth;
    Take(scorer_.Pitch(call, MakePitch(false, false)), "pitch");
    if (scorer_.balls() >= r.balls_per_walk) {
      Walk(false);
    } else if (steal) {
      StealAttempt(false, false);
    } else if ((scorer_.occupied(1) || scorer_.occupied(2) || scorer_.occupied(3)) &&
               rng_.Chance(0.025)) {
      AllRunnersAdvance(rng_.Chance(0.7) ? kAdvWildPitch : kAdvPassedBall, kErrPassedBall);
    }
  } else {
    const bool looking = choice == 1;
    PitchSpec spec = MakePitch(looking || rng_.Chance(0.6), false);
    spec.strike_type = looking ? kStrikeTaken : kStrikeSwinging;
    const bool first_open = !scorer_.occupied(1) || scorer_.outs() == r.outs_per_inning - 1;
    if (two_strikes && first_open && rng_.Chance(0.035)) {
      DroppedThird(spec);
      return;
    }
    PitchCall call = looking ? PitchCall::kCalledStrike
                     : bunt  ? PitchCall::kMissedBunt
                     : steal ? PitchCall::kSwingingOnHitAndRun
                             : PitchCall::kSwingingStrike;
    Take(scorer_.Pitch(call, spec), "pitch");
    if (scorer_.strikes() >= r.strikes_per_out) {
      if (steal && scorer_.outs() + 1 < r.outs_per_inning) {
        StealAttempt(true, looking);
      } else {
        StrikeOut(looking, spec, false);
      }
    } else if (steal) {
      StealAttempt(false, false);
    } else if ((scorer_.occupied(1) || scorer_.occupied(2) || scorer_.occupied(3)) &&
               rng_.Chance(0.008)) {
      AllRunnersAdvance(rng_.Chance(0.6) ? kAdvWildPitch : kAdvPassedBall, kErrPassedBall);
    }
  }
}

void GameSimulator::PlateAppearance() {
  ConsiderPinchRunner();
  if (error_.empty()) ConsiderPitchingChange(false);
  if (error_.empty()) ConsiderPinchHitter();
  if (!error_.empty()) return;
  if (Status begun = scorer_.BeginAtBat(); !begun) {
    error_ = "the simulator could not begin a turn: " + begun.reason;
    return;
  }
  const LeagueRules& r = setup_.rules;
  const Strength bat = BatterStrength();
  const Strength arm = PitcherStrength();
  const bool pitcher_bats =
      scorer_.InSlot(!scorer_.top(), scorer_.DueUp(!scorer_.top())).position == kPosPitcher;
  if (IntentionalWalk()) return;
  const bool runners_on = scorer_.occupied(1) || scorer_.occupied(2);
  const bool bunt =
      runners_on && !scorer_.occupied(3) && scorer_.outs() == 0 &&
      rng_.Chance(pitcher_bats ? 0.6 : (Late() && Close() ? 0.15 : (r.softball ? 0.08 : 0.03)));
  while (error_.empty() && scorer_.turn_open()) {
    if (scorer_.HalfOver() || scorer_.GameOver()) return;  // the turn stays unfinished
    if (BetweenPitches()) return;
    ConsiderPitchingChange(true);
    if (!error_.empty()) return;
    ThrowPitch(bunt, bat, arm);
  }
  MaybeNote();
}

bool GameSimulator::BetweenPitches() {
  const LeagueRules& r = setup_.rules;
  const bool any = scorer_.occupied(1) || scorer_.occupied(2) || scorer_.occupied(3);
  if (!any) return false;
  const bool fielding_home = scorer_.top();
  if (scorer_.occupied(1) && !scorer_.occupied(2) && scorer_.inning() >= r.innings - 1 &&
      Lead(fielding_home) >= 3 && rng_.Chance(0.06) && scorer_.RunnerRoom(1) > 2) {
    Play play;
    play.runners.push_back(Advance(1, 2, kAdvDefensiveIndifference));
    RecordOrDie(play);
  }
  if (scorer_.BatterRoom() > 10 &&
      ((scorer_.occupied(1) && !scorer_.occupied(2) && rng_.Chance(0.06)) ||
       (scorer_.occupied(2) && !scorer_.occupied(3) && rng_.Chance(0.012)) ||
       (scorer_.occupied(3) && rng_.Chance(0.006)))) {
    Pickoff();
  }
  // A catcher hurt by a foul tip gives way in the middle of a turn.
  const HALF_INNING& h =
      game_.innings[static_cast<std::size_t>(scorer_.inning())].half(scorer_.top());
  if (error_.empty() && scorer_.turn_open() && h.at_bats.back().last_pitch >= 0 &&
      scorer_.BatterRoom() > 10 && rng_.Chance(0.0004)) {
    Bench& bn = bench_[fielding_home ? 1 : 0];
    for (std::size_t i = 0; i < bn.players.size(); ++i) {
      if (bn.players[i].position != kPosCatcher ||
          scorer_.HasPlayed(fielding_home, bn.players[i].name.view()))
        continue;
      const PLAYER sub = bn.players[i];
      bn.players.erase(bn.players.begin() + static_cast<std::ptrdiff_t>(i));
      Take(scorer_.SubstituteFielder(kPosCatcher, sub), "new catcher");
      break;
    }
  }
  if (error_.empty() && !scorer_.HalfOver() && rng_.Chance(0.0015)) AllRunnersAdvance(kAdvBalk, 0);
  if (error_.empty() && r.softball && !scorer_.HalfOver() && rng_.Chance(0.004)) {
    // The runner infractions of the softball game.
    const int base = scorer_.occupied(1) ? 1 : scorer_.occupied(2) ? 2 : 3;
    if (scorer_.occupied(base) && scorer_.RunnerRoom(base) >= 2) {
      static const std::int32_t kHow[] = {kOutLeftBaseEarly, kOutCircleViolation, kOutLeadingOff,
                                          kOutHeadFirstSlide, kOutBaseLineViolation};
      const int cover = base == 1 ? kPosFirst : base == 2 ? kPosShortStop : kPosThird;
      Play play;
      play.runners.push_back(RunnerOut(base, base, kHow[rng_.Below(5)], {{cover, kCreditPutOut}}));
      RecordOrDie(play);
    }
  }
  return !error_.empty() || scorer_.HalfOver() || scorer_.GameOver() || !scorer_.turn_open();
}

void GameSimulator::Walk(bool intentional) {
  Play play;
  play.batter.present = true;
  play.batter.reached = true;
  play.batter.how_reached = intentional ? kReachIntentionalWalk : kReachWalk;
  play.batter.to = 1;
  play.runners = ForcedAlong(scorer_, kAdvForcedByWalk);
  RecordOrDie(play);
}

void GameSimulator::HitBatsman(const PitchSpec& spec) {
  Play play;
  play.batter.present = true;
  play.batter.reached = true;
  play.batter.how_reached = kReachHitByPitch;
  play.batter.to = 1;
  play.batter.pitch = spec;
  play.runners = ForcedAlong(scorer_, kAdvAwarded);
  RecordOrDie(play);
}

void GameSimulator::AwardedFirst(std::int32_t how) {
  Play play;
  play.batter.present = true;
  play.batter.reached = true;
  play.batter.how_reached = how;
  play.batter.to = 1;
  play.batter.pitch = MakePitch(true, false);
  if (how == kReachInterference) {
    play.batter.reach_fielders = {kPosCatcher};
    play.batter.errors = {{1, kPosCatcher, kErrFielding, 1, false}};
  } else {
    play.batter.reach_fielders = {kPosFirst};
  }
  play.runners = ForcedAlong(scorer_, how == kReachInterference ? kAdvInterference : kAdvAwarded);
  RecordOrDie(play);
}

void GameSimulator::StrikeOut(bool looking, const PitchSpec&, bool) {
  Play play;
  play.batter.present = true;
  play.batter.out = true;
  play.batter.how_out = looking ? kOutStrikeLooking : kOutStrikeSwinging;
  play.batter.chain = {{kPosCatcher, kCreditNone}};
  RecordOrDie(play);
}

// Strike three gets away from the catcher with first base open.
void GameSimulator::DroppedThird(const PitchSpec& spec) {
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  const int pick = rng_.Pick({0.72, 0.13, 0.1, 0.05});
  if (pick == 0) {
    b.out = true;
    b.how_out = kOutDroppedThird;
    b.chain = Throw({kPosCatcher, kPosFirst});
  } else {
    b.reached = true;
    b.to = 1;
    b.how_reached = pick == 1   ? kReachDroppedThirdWP
                    : pick == 2 ? kReachDroppedThirdPB
                                : kReachDroppedThirdError;
    if (pick == 2) b.errors = {{1, kPosCatcher, kErrPassedBall, 1, false}};
    if (pick == 3) {
      b.reach_fielders = {kPosCatcher};
      b.errors = {{1, kPosCatcher, kErrThrowing, 1, false}};
    }
    // Runners not forced hold; a runner on first (two out) is forced.
    play.runners = ForcedAlong(scorer_, pick == 1   ? kAdvWildPitch
                                        : pick == 2 ? kAdvPassedBall
                                                    : kAdvBatted);
  }
  RecordOrDie(play);
}

void GameSimulator::StealAttempt(bool strike_three, bool looking) {
  Play play;
  if (strike_three) {
    play.batter.present = true;
    play.batter.out = true;
    play.batter.how_out = looking ? kOutStrikeLooking : kOutStrikeSwinging;
    play.batter.chain = {{kPosCatcher, kCreditNone}};
    play.batter_out_first = true;
  }
  const bool all_three = scorer_.occupied(1) && scorer_.occupied(2) && scorer_.occupied(3);
  int lead = scorer_.occupied(2) && !scorer_.occupied(3)   ? 2
             : scorer_.occupied(1) && !scorer_.occupied(2) ? 1
                                                           : 0;
  if (all_three && rng_.Chance(0.3)) lead = 3;
  if (lead == 0 || scorer_.RunnerRoom(lead) < 2) {
    if (strike_three) RecordOrDie(play);
    return;
  }
  const bool double_steal = (lead == 2 && scorer_.occupied(1) && rng_.Chance(0.4)) || lead == 3;
  const std::int32_t code = lead == 3      ? kAdvTripleSteal
                            : double_steal ? kAdvDoubleSteal
                                           : kAdvStolenBase;
  const double speed = StrengthOf(scorer_.runner(lead)).speed;
  const bool safe = rng_.Chance(0.42 + 0.28 * speed + (lead == 3 ? -0.2 : 0.0));
  const int receiver = lead == 1   ? (rng_.Chance(0.6) ? kPosShortStop : kPosSecond)
                       : lead == 2 ? kPosThird
                                   : kPosCatcher;
  const int thrower = lead == 3 ? kPosPitcher : kPosCatcher;
  if (safe) {
    play.runners.push_back(Advance(lead, lead + 1, code));
  } else if (rng_.Chance(0.12)) {
    RunnerMove m = Advance(lead, lead + 1, kAdvCaughtStealingError);
    m.errors = {{lead + 1, receiver, kErrFielding, 1, false}};
    play.runners.push_back(m);
  } else {
    const std::int32_t how = strike_three ? kOutCaughtStealingDP : kOutCaughtStealing;
    play.runners.push_back(RunnerOut(lead, lead, how, Throw({thrower, receiver})));
  }
  if (double_steal) {
    for (int base = lead - 1; base >= 1; --base) {
      if (scorer_.occupied(base) && scorer_.RunnerRoom(base) >= 2) {
        play.runners.push_back(Advance(base, base + 1, code));
      } else {
        break;
      }
    }
    // Trailing runners only run when they have a free base ahead.
    std::vector<RunnerMove> kept;
    int free_above = 4;
    for (const RunnerMove& m : play.runners) {
      if (m.to >= free_above && !m.out && m.to != 4) continue;
      kept.push_back(m);
      free_above = m.out ? m.from + 1 : m.to;
    }
    play.runners = kept;
  }
  RecordOrDie(play);
}

void GameSimulator::AllRunnersAdvance(std::int32_t code, int catcher_error_kind) {
  Play play;
  int runners = 0;
  for (int base = 3; base >= 1; --base) {
    if (!scorer_.occupied(base)) continue;
    if (scorer_.RunnerRoom(base) < 3) return;
    ++runners;
    RunnerMove m = Advance(base, base + 1, code);
    if (code == kAdvPassedBall) m.errors = {{base + 1, kPosCatcher, catcher_error_kind, 1, false}};
    play.runners.push_back(m);
  }
  if (runners == 1 && play.runners[0].from <= 2 && rng_.Chance(0.08)) {
    RunnerMove& m = play.runners[0];
    const std::int32_t more = code == kAdvWildPitch    ? kAdvWildPitchContinued
                              : code == kAdvPassedBall ? kAdvPassedBallContinued
                                                       : kAdvBalkContinued;
    m.to += 1;
    m.codes.push_back(more);
  }
  RecordOrDie(play);
}

void GameSimulator::Pickoff() {
  const int base = scorer_.occupied(1) && !scorer_.occupied(2)   ? 1
                   : scorer_.occupied(2) && !scorer_.occupied(3) ? 2
                                                                 : 3;
  const bool by_catcher = rng_.Chance(0.15);
  if (!scorer_.PickoffAttempt(base, by_catcher)) return;
  const double r = rng_.Unit();
  const int thrower = by_catcher ? kPosCatcher : kPosPitcher;
  const int cover = base == 1          ? kPosFirst
                    : base == 3        ? kPosThird
                    : rng_.Chance(0.5) ? kPosShortStop
                                       : kPosSecond;
  Play play;
  if (r < 0.035) {
    std::vector<Fielded> chain = Throw({thrower, cover});
    if (rng_.Chance(0.2))
      chain = Throw({thrower, cover,
                     base == 1   ? kPosShortStop
                     : base == 2 ? kPosThird
                                 : kPosCatcher});
    play.runners.push_back(RunnerOut(base, base, kOutPickedOff, chain));
  } else if (r < 0.05 && scorer_.RunnerRoom(base) >= 3 &&
             (base == 3 || !scorer_.occupied(base + 1))) {
    RunnerMove m = Advance(base, base + 1, kAdvError);
    m.errors = {{base + 1, thrower, kErrPickOff, 1, false}};
    if (base == 1 && !scorer_.occupied(3) && rng_.Chance(0.3)) {
      m.to = 3;
      m.codes.push_back(kAdvErrorContinued);
      m.errors[0].bases = 2;
      m.errors.push_back({3, thrower, kErrPrevious, 1, false});
    }
    play.runners.push_back(m);
  } else {
    return;
  }
  RecordOrDie(play);
}

// The turns that end without the ball in play or four balls or three
// strikes: the batter called out by the umpire, or awarded first.
void GameSimulator::RareTurnEnd() {
  const int pick = rng_.Pick({0.2, 0.2, 0.15, 0.25, 0.2});
  if (pick == 3) {
    AwardedFirst(kReachInterference);
    return;
  }
  if (pick == 4) {
    AwardedFirst(kReachAwardedBase);
    return;
  }
  Play play;
  play.batter.present = true;
  play.batter.out = true;
  play.batter.how_out = pick == 0   ? kOutBattedOutOfTurn
                        : pick == 1 ? kOutCalledOut
                                    : kOutInterference;
  play.batter.chain = {{kPosCatcher, kCreditNone}};
  RecordOrDie(play);
}

}  // namespace scorewick::sim
