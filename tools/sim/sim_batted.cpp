// Balls put in play: where they go, who fields them, and what the batter
// and the runners make of them.  Locations are points of the field picture
// (home plate at (83, 117), second base at (83, 71), centre field at the
// top), near the fielder who handled the ball.

#include <algorithm>
#include <array>
#include <cmath>

#include "scoring/play_builders.h"
#include "sim/simulator.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

struct Point {
  double x;
  double y;
};

// Where each fielder stands on the field picture, by position code.
constexpr std::array<Point, 10> kStation = {{{83, 117},
                                             {83, 90},
                                             {83, 117},
                                             {106, 83},
                                             {97, 68},
                                             {58, 85},
                                             {66, 72},
                                             {37, 44},
                                             {83, 16},
                                             {128, 41}}};

// The infielder who takes the throw at second on a force or double play.
int Pivot(int fielder) {
  return fielder == kPosShortStop || fielder == kPosThird ? kPosSecond : kPosShortStop;
}

// The outfielder whose ground a ball past an infielder reaches.
int OutfielderBehind(int infielder) {
  switch (infielder) {
    case kPosThird:
    case kPosShortStop:
      return kPosLeftField;
    case kPosFirst:
    case kPosSecond:
      return kPosRightField;
    default:
      return kPosCenterField;
  }
}

}  // namespace

void GameSimulator::Spot(BatterPart& b, int fielder, double spread) {
  Point p = kStation[static_cast<std::size_t>(std::clamp(fielder, 1, 9))];
  if (fielder == kPosCatcher) p = {83, 124};  // behind the plate
  int x = static_cast<int>(std::lround(p.x + (rng_.Unit() * 2 - 1) * spread));
  int y = static_cast<int>(std::lround(p.y + (rng_.Unit() * 2 - 1) * spread));
  x = std::clamp(x, 0, 166);
  y = std::clamp(y, 0, 144);
  if (x == kNoHitX && y == kNoHitY) ++y;
  b.hit_x = x;
  b.hit_y = y;
}

void GameSimulator::OutfieldSpot(BatterPart& b, int bases, int outfielder) {
  const double lo = outfielder == kPosLeftField ? -40 : outfielder == kPosCenterField ? -12 : 13;
  const double angle = (lo + rng_.Unit() * 27) * 3.14159265358979 / 180.0;
  const double r = bases <= 1   ? 60 + rng_.Unit() * 20
                   : bases == 2 ? 85 + rng_.Unit() * 18
                   : bases == 3 ? 98 + rng_.Unit() * 10
                                : 110 + rng_.Unit() * 6;
  b.hit_x = std::clamp(static_cast<int>(std::lround(83 + r * std::sin(angle))), 0, 166);
  b.hit_y = std::clamp(static_cast<int>(std::lround(117 - r * std::cos(angle))), 0, 144);
}

void GameSimulator::BallInPlay(const PitchSpec& spec, bool bunt) {
  if (bunt) {
    Bunt(spec);
    return;
  }
  if (rng_.Chance(0.005)) {
    RareBattedOut(spec);
    return;
  }
  const Strength bat = BatterStrength();
  const int kind = rng_.Pick({0.44, 0.28 * std::sqrt(bat.power), 0.21, 0.07});
  if (kind == 0) {  // a grounder
    static const int kInfield[] = {kPosPitcher, kPosCatcher, kPosFirst,
                                   kPosSecond,  kPosThird,   kPosShortStop};
    const int fielder = kInfield[rng_.Pick({0.06, 0.015, 0.13, 0.25, 0.2, 0.3})];
    const double r = rng_.Unit();
    if (r < 0.2 * bat.contact && fielder != kPosCatcher && fielder != kPosPitcher) {
      const bool down_the_line = rng_.Chance(0.07);
      Hit(spec, down_the_line ? 2 : 1, OutfielderBehind(fielder),
          down_the_line ? kReachDouble : kReachSingle);
    } else if (r < 0.2 * bat.contact + 0.03 * bat.speed) {
      Hit(spec, 1, fielder, kReachSingle);
    } else if (r < 0.2 * bat.contact + 0.03 * bat.speed + 0.022) {
      ReachOnError(spec, fielder);
    } else {
      GroundBall(spec, fielder);
    }
  } else if (kind == 1) {  // a fly ball
    if (rng_.Chance(0.12)) {
      static const int kFoulFly[] = {kPosCatcher, kPosFirst, kPosThird, kPosLeftField,
                                     kPosRightField};
      FlyBall(spec, kFoulFly[rng_.Pick({0.25, 0.25, 0.2, 0.15, 0.15})], kOutFoul);
      return;
    }
    const int fielder = kPosLeftField + rng_.Pick({0.33, 0.37, 0.3});
    const double r = rng_.Unit();
    const double hr = 0.1 * bat.power;
    const double triple = hr + 0.012 * bat.speed;
    const double dbl = triple + 0.09 * std::sqrt(bat.power);
    const double single = dbl + 0.06;
    if (r < hr) {
      Hit(spec, 4, fielder, kReachHomeRun);
    } else if (r < triple) {
      Hit(spec, 3, fielder, rng_.Chance(0.04) ? kReachInsideParkHR : kReachTriple);
    } else if (r < dbl) {
      Hit(spec, 2, fielder, rng_.Chance(0.06) ? kReachGroundRuleDouble : kReachDouble);
    } else if (r < single) {
      Hit(spec, 1, fielder, kReachSingle);
    } else if (r < single + 0.012) {
      ReachOnError(spec, fielder);
    } else {
      FlyBall(spec, fielder, kOutFly);
    }
  } else if (kind == 2) {  // a line drive
    if (rng_.Chance(0.62 * bat.contact)) {
      const int fielder = kPosLeftField + rng_.Below(3);
      const double r = rng_.Unit();
      Hit(spec,
          r < 0.02   ? 3
          : r < 0.22 ? 2
                     : 1,
          fielder,
          r < 0.02   ? kReachTriple
          : r < 0.22 ? kReachDouble
                     : kReachSingle);
    } else {
      FlyBall(spec, 1 + rng_.Pick({0.05, 0, 0.1, 0.15, 0.12, 0.15, 0.14, 0.15, 0.14}),
              kOutLineDrive);
    }
  } else {  // a pop-up
    const double r = rng_.Unit();
    if (r < 0.3) {
      static const int kFoulPop[] = {kPosCatcher, kPosFirst, kPosThird};
      FlyBall(spec, kFoulPop[rng_.Below(3)], kOutFoul);
    } else if (r < 0.35) {
      Hit(spec, 1, kPosLeftField + rng_.Below(3), kReachSingle);
    } else {
      static const int kPop[] = {kPosSecond, kPosThird,   kPosShortStop,
                                 kPosFirst,  kPosCatcher, kPosPitcher};
      const int fielder = kPop[rng_.Pick({0.25, 0.2, 0.25, 0.15, 0.1, 0.05})];
      const bool infield_fly = scorer_.occupied(1) && scorer_.occupied(2) &&
                               scorer_.outs() < setup_.rules.outs_per_inning - 1 &&
                               fielder != kPosCatcher;
      FlyBall(spec, fielder, infield_fly ? kOutInfieldFly : kOutPopOut);
    }
  }
}

// After the runners of a hit: the batter may take one more base on the
// throw or an error, or be cut down over-running second.
void GameSimulator::BatterAfterHit(Play& play, int fielder, std::int32_t how, bool infield) {
  const LeagueRules& r = setup_.rules;
  BatterPart& b = play.batter;
  int outs_now = scorer_.outs();
  for (const RunnerMove& m : play.runners) outs_now += m.out ? 1 : 0;
  auto base_free = [&](int base) {
    for (int k = 1; k <= 3; ++k) {
      if (!scorer_.occupied(k)) continue;
      int at = k;
      for (const RunnerMove& m : play.runners) {
        if (m.from == k) at = m.out ? 0 : m.to;
      }
      if (at == base) return false;
    }
    return true;
  };
  if (outs_now < r.outs_per_inning && b.to < 3 && how != kReachGroundRuleDouble && !infield &&
      base_free(b.to + 1)) {
    bool thrown = false;
    for (const RunnerMove& m : play.runners) thrown |= m.to - m.from >= 2 || m.out;
    if (thrown && rng_.Chance(0.25)) {
      b.codes.push_back(kAdvOnThrow);
      ++b.to;
    } else if (rng_.Chance(0.015)) {
      b.codes.push_back(kAdvError);
      b.errors.push_back({b.to + 1, fielder, kErrBobble, 1, false});
      ++b.to;
    }
  }
  if (outs_now < r.outs_per_inning && how == kReachDouble && b.to == 2 && rng_.Chance(0.006)) {
    b.out = true;
    b.how_out = kOutOverRanBase;
    b.chain = Throw({fielder, kPosShortStop});
  }
}

void GameSimulator::Hit(const PitchSpec& spec, int bases, int fielder, std::int32_t how) {
  bases = ReachBases(how);
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.reached = true;
  b.how_reached = how;
  b.to = bases;
  b.pitch = spec;
  if (fielder >= kPosLeftField) {
    OutfieldSpot(b, bases, fielder);
  } else {
    Spot(b, fielder, 5);
  }
  const bool infield = fielder < kPosLeftField;
  // Where each runner wants to go, the lead runner first; nobody passes the
  // runner ahead of him.
  int ceiling = 5;
  bool runner_out = false;  // at most one runner is cut down on a hit
  for (int base = 3; base >= 1; --base) {
    if (!scorer_.occupied(base)) continue;
    const double speed = StrengthOf(scorer_.runner(base)).speed;
    int want = base + bases;
    std::int32_t code = kAdvBatted;
    if (how == kReachGroundRuleDouble) {
      code = kAdvAwarded;
    } else if (infield) {
      bool forced = true;
      for (int below = 1; below < base; ++below) forced &= scorer_.occupied(below);
      want = forced ? base + 1 : base;
    } else if (bases == 1 && base == 2 && rng_.Chance(0.45 + 0.25 * speed)) {
      want = 4;
    } else if (bases == 1 && base == 1 && rng_.Chance(0.2 + 0.2 * speed)) {
      want = 3;
    } else if (bases == 2 && base == 1 && rng_.Chance(0.3 + 0.3 * speed)) {
      want = 4;
    }
    want = std::min(want, 4);
    if (want < 4 && want >= ceiling) want = ceiling - 1;
    if (want <= b.to && want < 4) want = b.to + 1;  // the batter's base must be free
    if (want > 4) want = 4;
    if (want < base) want = base;
    if (want == base) {
      if (want < 4) ceiling = want;
      continue;
    }
    RunnerMove m = Advance(base, want, code);
    if (want - base >= 2 && code == kAdvBatted && rng_.Chance(0.3))
      m.codes.back() = kAdvAdditionalBase;
    if (scorer_.RunnerRoom(base) < want - base + 1) continue;
    // A runner trying for an extra base is sometimes thrown out.
    if (!runner_out && !infield && want - base >= 2 && rng_.Chance(0.08)) {
      runner_out = true;
      m.to = want - 1;
      m.codes.pop_back();
      m.out = true;
      m.how_out = kOutTagged;
      m.chain = Throw({fielder, want == 4 ? kPosCatcher : kPosThird});
      want = 5;  // no base taken
    } else if (!runner_out && !infield && base == 2 && want == 4 && !scorer_.occupied(1) &&
               rng_.Chance(0.004)) {
      runner_out = true;
      m.to = 2;
      m.codes.clear();
      m.out = true;
      m.how_out = kOutMissedBase;
      m.chain = {{kPosThird, kCreditPutOut}};
      want = 5;
    }
    play.runners.push_back(m);
    if (want < 4) ceiling = want;
  }
  BatterAfterHit(play, fielder, how, infield);
  RecordOrDie(play);
}

void GameSimulator::GroundBall(const PitchSpec& spec, int fielder) {
  const int left = setup_.rules.outs_per_inning - scorer_.outs();
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  Spot(b, fielder, 5);
  const bool on1 = scorer_.occupied(1), on2 = scorer_.occupied(2), on3 = scorer_.occupied(3);
  const int pivot = Pivot(fielder);
  auto out_at_first = [&]() {
    b.out = true;
    b.how_out = kOutGround;
    b.chain = fielder == kPosFirst ? std::vector<Fielded>{{kPosFirst, kCreditPutOut}}
                                   : Throw({fielder, kPosFirst});
  };
  const double r = rng_.Unit();
  if (on1 && left >= 2) {
    if (on2 && !on3 && left >= 3 && fielder == kPosThird && r < 0.06) {
      // Around the horn for three.
      b.out = true;
      b.how_out = kOutTriplePlay;
      b.chain = {{kPosThird, kCreditPutOutAndAssist},
                 {kPosSecond, kCreditPutOutAndAssist},
                 {kPosFirst, kCreditPutOut}};
      play.runners.push_back(RunnerOut(2, 2, kOutForced, {{kPosThird, kCreditNone}}));
      play.runners.push_back(
          RunnerOut(1, 1, kOutForced, Uncredited(Throw({kPosThird, kPosSecond}))));
    } else if (on2 && left >= 3 && r < 0.05) {
      // Both lead runners forced; the batter is safe at first.
      b.reached = true;
      b.how_reached = kReachFieldersChoiceDP;
      b.to = 1;
      b.reach_fielders = {fielder};
      play.runners.push_back(RunnerOut(2, 2, kOutForced, Throw({fielder, kPosThird})));
      play.runners.push_back(RunnerOut(1, 1, kOutForced, Throw({kPosThird, kPosSecond})));
      if (on3) play.runners.push_back(Advance(3, 4, kAdvFieldersChoice));
    } else if (r < 0.45) {
      b.out = true;
      b.how_out = kOutGroundDoublePlay;
      b.chain = fielder == pivot ? std::vector<Fielded>{{pivot, kCreditPutOutAndAssist},
                                                        {kPosFirst, kCreditPutOut}}
                                 : std::vector<Fielded>{{fielder, kCreditAssist},
                                                        {pivot, kCreditPutOutAndAssist},
                                                        {kPosFirst, kCreditPutOut}};
      play.runners.push_back(RunnerOut(1, 1, kOutForced, Uncredited(Throw({fielder, pivot}))));
      if (left >= 3) {
        if (on3) play.runners.push_back(Advance(3, 4, kAdvBatted));
        if (on2) play.runners.push_back(Advance(2, 3, kAdvBatted));
      }
    } else if (r < 0.72) {
      b.reached = true;
      b.how_reached = kReachFieldersChoice;
      b.to = 1;
      b.reach_fielders = {fielder};
      play.runners.push_back(RunnerOut(1, 1, kOutForced, Throw({fielder, pivot})));
      if (on2) play.runners.push_back(Advance(2, 3, kAdvFieldersChoice));
      if (on3) play.runners.push_back(Advance(3, 4, kAdvFieldersChoice));
    } else {
      out_at_first();
      if (on3) play.runners.push_back(Advance(3, 4, kAdvBatted));
      if (on2) play.runners.push_back(Advance(2, 3, kAdvBatted));
      play.runners.push_back(Advance(1, 2, kAdvBatted));
    }
  } else if (on1) {
    // Two out: the easy out ends the half, nobody moves.
    if (r < 0.3) {
      b.reached = true;
      b.how_reached = kReachFieldersChoice;
      b.to = 1;
      b.reach_fielders = {fielder};
      play.runners.push_back(RunnerOut(1, 1, kOutForced, Throw({fielder, pivot})));
    } else {
      out_at_first();
    }
  } else if (left >= 2 && on2 && !on3 && r < 0.02) {
    // The runner breaks for third and is caught after the out at first.
    b.out = true;
    b.how_out = kOutNonForceGdp;
    b.chain = {
        {fielder, kCreditAssist}, {kPosFirst, kCreditPutOutAndAssist}, {kPosThird, kCreditPutOut}};
    play.runners.push_back(RunnerOut(2, 2, kOutTagged, Uncredited(Throw({kPosFirst, kPosThird}))));
  } else if (left >= 2 && (on2 || on3) && r < 0.04) {
    // Caught in a rundown, the runner leaves the base path.
    const int base = on3 ? 3 : 2;
    b.reached = true;
    b.how_reached = kReachFieldersChoice;
    b.to = 1;
    b.reach_fielders = {fielder};
    play.runners.push_back(RunnerOut(base, base, kOutLeftBasePath,
                                     Throw({fielder, base == 3 ? kPosCatcher : kPosThird})));
  } else if (left >= 2 && on3 && r < 0.18) {
    b.reached = true;
    b.how_reached = kReachFieldersChoice;
    b.to = 1;
    b.reach_fielders = {fielder};
    play.runners.push_back(RunnerOut(3, 3, kOutTagged, Throw({fielder, kPosCatcher})));
    if (on2) play.runners.push_back(Advance(2, 3, kAdvFieldersChoice));
  } else {
    out_at_first();
    if (left >= 2) {
      if (on3 && rng_.Chance(0.55)) play.runners.push_back(Advance(3, 4, kAdvBatted));
      const bool third_free = !on3 || play.runners.size() == 1;
      if (on2 && third_free &&
          (fielder == kPosFirst || fielder == kPosSecond || rng_.Chance(0.3))) {
        play.runners.push_back(Advance(2, 3, kAdvBatted));
      }
    }
  }
  RecordOrDie(play);
}

void GameSimulator::FlyBall(const PitchSpec& spec, int fielder, std::int32_t how) {
  const int left = setup_.rules.outs_per_inning - scorer_.outs();
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  b.out = true;
  b.how_out = how;
  b.chain = {{fielder, kCreditPutOut}};
  play.batter_out_first = true;
  if (how == kOutFoul && (fielder == kPosFirst || fielder == kPosRightField)) {
    Spot(b, fielder, 4);
    b.hit_x = std::min(166, b.hit_x + 14);  // beyond the line
  } else if (how == kOutFoul && (fielder == kPosThird || fielder == kPosLeftField)) {
    Spot(b, fielder, 4);
    b.hit_x = std::max(0, b.hit_x - 14);
  } else {
    Spot(b, fielder, fielder >= kPosLeftField ? 9 : 5);
  }
  const bool outfield = fielder >= kPosLeftField;
  const double r = rng_.Unit();
  if (how == kOutFly && outfield && left >= 2 && scorer_.occupied(3) && r < 0.75) {
    if (rng_.Chance(0.04)) {
      // The runner is thrown out at the plate after the catch.
      b.how_out = kOutSacFlyDP;
      b.chain = {{fielder, kCreditPutOutAndAssist}, {kPosCatcher, kCreditPutOut}};
      play.runners.push_back(RunnerOut(3, 3, kOutTagged, Uncredited(b.chain)));
    } else if (rng_.Chance(0.03)) {
      // The catch is dropped: everybody safe, the run scores.
      b.out = false;
      b.reached = true;
      b.how_reached = kReachSacFlyWithError;
      b.to = 1;
      b.chain.clear();
      b.reach_fielders = {fielder};
      b.errors = {{1, fielder, kErrFielding, 1, false}};
      play.batter_out_first = false;
      play.runners = ForcedAlong(scorer_, kAdvBatted);
      if (play.runners.size() < 3) play.runners.push_back(Advance(3, 4, kAdvBatted));
    } else {
      b.how_out = kOutSacFly;
      play.runners.push_back(Advance(3, 4, kAdvBatted));
      if (scorer_.occupied(2) && rng_.Chance(0.3))
        play.runners.push_back(Advance(2, 3, kAdvBatted));
    }
  } else if ((how == kOutLineDrive || how == kOutFly) && left >= 2 &&
             r < (how == kOutLineDrive ? 0.12 : 0.02) &&
             (scorer_.occupied(1) || scorer_.occupied(2))) {
    // A runner caught off base is doubled off.
    const int base = scorer_.occupied(2) ? 2 : 1;
    const int cover = base == 1 ? kPosFirst : kPosSecond == fielder ? kPosShortStop : kPosSecond;
    b.how_out = kOutDoublePlay;
    b.chain = {{fielder, kCreditPutOutAndAssist}, {cover, kCreditPutOut}};
    play.runners.push_back(RunnerOut(base, base, kOutDidNotTagUp, Uncredited(b.chain)));
  } else if (how == kOutFly && outfield && left >= 2 && scorer_.occupied(2) &&
             !scorer_.occupied(3) && r < 0.3) {
    play.runners.push_back(Advance(2, 3, kAdvBatted));
  }
  RecordOrDie(play);
}

void GameSimulator::ReachOnError(const PitchSpec& spec, int fielder) {
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  b.reached = true;
  b.to = 1;
  Spot(b, fielder, fielder >= kPosLeftField ? 9 : 5);
  const int kind = rng_.Pick({0.55, 0.35, 0.1});
  const bool infield = fielder < kPosLeftField;
  if (infield && fielder != kPosFirst && rng_.Chance(0.15)) {
    // The throw was in time; the first baseman dropped it.
    b.how_reached = kReachAssistWithError;
    b.reach_fielders = {fielder, kPosFirst};
    b.errors = {{1, kPosFirst, kErrFielding, 1, false}};
    play.runners = ForcedAlong(scorer_, kAdvAssistWithError);
  } else {
    b.how_reached = kReachError;
    b.reach_fielders = {fielder};
    const std::int32_t error_kind = kind == 0   ? kErrFielding
                                    : kind == 1 ? kErrThrowing
                                                : kErrBobble;
    b.errors = {{1, fielder, error_kind, 1, false}};
    play.runners = ForcedAlong(scorer_, kAdvBatted);
    // A wild throw lets everybody take one more base.
    if (error_kind == kErrThrowing && rng_.Chance(0.3)) {
      bool room = true;
      for (int base = 1; base <= 3; ++base)
        room &= !scorer_.occupied(base) || scorer_.RunnerRoom(base) >= 4;
      if (room) {
        b.errors[0].bases = 2;
        b.codes = {kAdvErrorContinued};
        b.errors.push_back({2, fielder, kErrPrevious, 1, false});
        b.to = 2;
        std::vector<RunnerMove> moves;
        for (int base = 3; base >= 1; --base) {
          if (!scorer_.occupied(base)) continue;
          RunnerMove m = Advance(base, std::min(4, base + 2), kAdvBatted);
          bool forced = true;
          for (int below = 1; below < base; ++below) forced &= scorer_.occupied(below);
          if (!forced) m = Advance(base, std::min(4, base + 1), kAdvErrorContinued);
          if (!forced && m.to < 4) m.errors = {{m.to, fielder, kErrPrevious, 1, false}};
          if (forced && m.to - base == 2) {
            m.codes.back() = kAdvErrorContinued;
            if (m.to < 4) m.errors = {{m.to, fielder, kErrPrevious, 1, false}};
          }
          moves.push_back(m);
        }
        play.runners = moves;
      }
    }
  }
  RecordOrDie(play);
}

void GameSimulator::Bunt(const PitchSpec& spec) {
  static const int kBuntFielder[] = {kPosPitcher, kPosCatcher, kPosFirst, kPosThird};
  const int fielder = kBuntFielder[rng_.Pick({0.35, 0.15, 0.3, 0.2})];
  const int cover = fielder == kPosFirst ? kPosSecond : kPosFirst;
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  Spot(b, fielder, 3);
  const int pick = rng_.Pick({0.6, 0.1, 0.06, 0.05, 0.1, 0.07, 0.02});
  switch (pick) {
    case 0:  // the sacrifice
      b.out = true;
      b.how_out = rng_.Chance(0.05) ? kOutSacrifice : kOutSacBunt;
      b.chain = Throw({fielder, cover});
      play.runners = ForcedAlong(scorer_, kAdvBatted);
      if (play.runners.empty()) {
        // A squeeze when a runner stands on third.
        if (scorer_.occupied(3)) play.runners.push_back(Advance(3, 4, kAdvBatted));
        if (scorer_.occupied(2)) play.runners.push_back(Advance(2, 3, kAdvBatted));
      }
      break;
    case 1:  // beaten out
      b.reached = true;
      b.how_reached = kReachOnBaseSingle;
      b.to = 1;
      play.runners = ForcedAlong(scorer_, kAdvBatted);
      break;
    case 2:  // the throw to the lead base is late
      b.reached = true;
      b.how_reached = kReachSacrificeFC;
      b.to = 1;
      b.reach_fielders = {fielder};
      play.runners = ForcedAlong(scorer_, kAdvFieldersChoice);
      break;
    case 3:  // the throw is wild
    case 6:
      b.reached = true;
      b.how_reached = pick == 3 ? kReachSacrificeWithError : kReachSacHitWithError;
      b.to = 1;
      b.reach_fielders = {fielder};
      b.errors = {{1, fielder, pick == 3 ? kErrThrowing : kErrFielding, 1, false}};
      play.runners = ForcedAlong(scorer_, kAdvBatted);
      break;
    case 4:  // the lead runner is forced
      if (scorer_.occupied(1)) {
        b.reached = true;
        b.how_reached = kReachFieldersChoice;
        b.to = 1;
        b.reach_fielders = {fielder};
        play.runners.push_back(RunnerOut(1, 1, kOutForced, Throw({fielder, kPosShortStop})));
        if (scorer_.occupied(2)) play.runners.push_back(Advance(2, 3, kAdvFieldersChoice));
        break;
      }
      [[fallthrough]];
    default:  // popped up
      b.out = true;
      b.how_out = kOutBuntOut;
      b.chain = {{fielder, kCreditPutOut}};
      play.batter_out_first = true;
      break;
  }
  RecordOrDie(play);
}

// The rare ways a batted ball ends a turn: the batter out for how he hit
// it, or a runner struck by it.
void GameSimulator::RareBattedOut(const PitchSpec& spec) {
  Play play;
  BatterPart& b = play.batter;
  b.present = true;
  b.pitch = spec;
  const bool one_runner = (scorer_.occupied(1) != scorer_.occupied(2)) && !scorer_.occupied(3);
  const int pick = rng_.Pick({0.3, 0.3, setup_.rules.softball ? 0.3 : 0.0, one_runner ? 0.6 : 0.0});
  if (pick == 3) {
    const int base = scorer_.occupied(1) ? 1 : 2;
    const int near = base == 1 ? kPosSecond : kPosShortStop;
    b.reached = true;
    b.how_reached = kReachSingle;
    b.to = 1;
    Spot(b, near, 4);
    play.runners.push_back(RunnerOut(base, base, kOutHitByFairBall, {{near, kCreditNone}}));
  } else {
    b.out = true;
    b.how_out = pick == 0 ? kOutIllegallyBatted : pick == 1 ? kOutHitByOwnBall : kOutThrownBat;
    b.chain = {{kPosCatcher, kCreditNone}};
  }
  RecordOrDie(play);
}

}  // namespace scorewick::sim
