// The play records of a game: who bats, the pitches, and the batter's part
// of the play as the handheld keeps it in his box.

#include <algorithm>
#include <charconv>
#include <optional>

#include "interop/hit_location.h"
#include "interop/retrosheet_game_builder.h"
#include "records/codes.h"

namespace scorewick::interop::retro {
namespace {

using scoring::BatterPart;
using scoring::Fielded;
using scoring::PitchCall;
using scoring::PitchSpec;

bool ToInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// Pitches carry no place or speed in Retrosheet's files: strikes cross the
// middle of the zone, balls wide of it, as the scorebook records them.
PitchSpec SpecOf(bool strike) {
  PitchSpec spec;
  if (!strike) spec.x = 20;
  return spec;
}

bool Batted(PlayKind kind) {
  switch (kind) {
    case PlayKind::kFieldedOut:
    case PlayKind::kSingle:
    case PlayKind::kDouble:
    case PlayKind::kTriple:
    case PlayKind::kHomeRun:
    case PlayKind::kGroundRuleDouble:
    case PlayKind::kError:
    case PlayKind::kFieldersChoice:
      return true;
    default:
      return false;
  }
}

bool HasRunnerPlay(const ParsedPlay& play, RunnerPlayKind kind) {
  return std::any_of(play.runner_plays.begin(), play.runner_plays.end(),
                     [kind](const RunnerPlay& r) { return r.kind == kind; });
}

bool Bunt(const ParsedPlay& play) { return !play.trajectory.empty() && play.trajectory[0] == 'B'; }

}  // namespace

bool GameBuilder::PlayRecord(const RetroRecord& r) {
  // play,inning,side,batter,count,pitches,event
  int inning = 0, side = 0;
  if (r.fields.size() < 7 || !ToInt(r.at(1), inning) || inning < 1 || inning > kInnings ||
      !ToInt(r.at(2), side) || side < 0 || side > 1) {
    return Fail(
        "a play is written play,inning,side (0 visitors, 1 home),batter id,count,pitches,event");
  }
  event_text_ = r.at(6);
  const std::string what = "the play \"" + event_text_ + "\"";
  ParsedPlay play;
  if (Status parsed = ParsePlay(event_text_, play); !parsed) return Fail(parsed.reason);
  for (std::string& passed : play.passed_over) Note(std::move(passed) + ": read past");
  if (ending_) return Fail(what + " comes after the game is decided");
  if (!StartScoring()) return false;
  // "No play" stands where a substitution is made; at the start of a half
  // the fielding side's changes follow it, so it opens nothing.
  if (play.kind == PlayKind::kNoPlay && !scorer_->half_open() && r.at(5).empty()) {
    return true;
  }
  if (!ReachHalf(inning, side == 0)) return false;
  any_play_ = true;
  last_play_line_ = r.line;
  const bool home = side == 1;
  std::string batter;
  if (!PlayerName(home, r.at(3), batter)) return false;
  if (scorer_->turn_open()) {
    const auto& h = game_.innings[static_cast<std::size_t>(scorer_->inning())].half(scorer_->top());
    const std::string at_plate = h.at_bats.back().batter.name.str();
    if (at_plate != batter) {
      return Fail(batter + " bats, but " + at_plate +
                  " is still at the plate: his turn has no result yet");
    }
  } else {
    const PLAYER due = scorer_->InSlot(home, scorer_->DueUp(home));
    if (due.name != batter) {
      return Fail(batter + " bats, but " + due.name.str() + " (" +
                  std::to_string(scorer_->DueUp(home)) +
                  std::string(OrdinalSuffix(scorer_->DueUp(home))) + " in the order) is due up");
    }
  }
  const std::string_view all_pitches = r.at(5);
  std::vector<PitchStep> steps;
  std::string unknown;
  ReadPitches(NewPitches(all_pitches, turn_pitches_), steps, unknown);
  for (char c : unknown) Note(std::string("the pitch '") + c + "' is not known: read past");
  turn_pitches_ = all_pitches;
  if (play.kind == PlayKind::kNoPlay && steps.empty()) return true;
  // A play of the runners alone opens no box for the batter unless there
  // are pitches to put in it.
  const std::vector<PitchStep> to_record = StepsBeforeThePlay(play, steps);
  const bool batter_play = play.kind != PlayKind::kRunnerPlay && play.kind != PlayKind::kNoPlay;
  if (!scorer_->turn_open() && (batter_play || !to_record.empty()) &&
      !Scored(scorer_->BeginAtBat(), what)) {
    return false;
  }
  if (!RecordPitches(play, to_record)) return false;
  if (play.kind == PlayKind::kNoPlay) return true;
  if (!ImpliedPitches(play)) return false;
  if (!RecordEvent(play)) return false;
  NoteMidTurnPinchHitter();
  if (!scorer_->turn_open()) turn_pitches_.clear();
  CloseHalfIfOver();
  return true;
}

// A strikeout whose last strike is the play itself: a dropped third strike
// (the batter thrown out or safe), or a foul bunt with two strikes.
bool GameBuilder::StrikeoutOnPitchHeldBack(const ParsedPlay& play, const PitchStep& last) const {
  if (play.kind != PlayKind::kStrikeout || last.kind != PitchStep::Kind::kPitch || !last.strike) {
    return false;
  }
  if (!play.batter_chain.empty() || AdvanceOf(play, 0) != nullptr) return true;
  return last.call == PitchCall::kFoulBunt || play.bunted_foul;
}

// The pitches of the record before its play: the ball put in play, the
// pitch that hit the batter, the dropped third strike (or the bunted foul)
// and the throw that picked a runner off are the play itself and are kept
// for it (result_pitch_); a throw to a base nobody holds tells nothing.
std::vector<PitchStep> GameBuilder::StepsBeforeThePlay(const ParsedPlay& play,
                                                       const std::vector<PitchStep>& steps) {
  result_pitch_.reset();
  std::size_t count = steps.size();
  if (count > 0) {
    const PitchStep& last = steps.back();
    if ((Batted(play.kind) && last.kind == PitchStep::Kind::kInPlay) ||
        (play.kind == PlayKind::kHitByPitch && last.kind == PitchStep::Kind::kHitBatter) ||
        StrikeoutOnPitchHeldBack(play, last) ||
        (last.kind == PitchStep::Kind::kPickoffThrow &&
         (HasRunnerPlay(play, RunnerPlayKind::kPickoff) ||
          HasRunnerPlay(play, RunnerPlayKind::kPickoffCaughtStealing)))) {
      result_pitch_ = last;
      --count;
    }
  }
  std::vector<PitchStep> kept;
  for (std::size_t i = 0; i < count; ++i) {
    const PitchStep& step = steps[i];
    if (step.kind == PitchStep::Kind::kPitch ||
        (step.kind == PitchStep::Kind::kPickoffThrow && scorer_->occupied(step.base))) {
      kept.push_back(step);
    }
  }
  return kept;
}

bool GameBuilder::RecordPitches(const ParsedPlay& play, const std::vector<PitchStep>& steps) {
  const std::string what = "the pitches of \"" + event_text_ + "\"";
  // Only a walk takes the last ball, only a strikeout the last strike.
  const bool walk = play.kind == PlayKind::kWalk || play.kind == PlayKind::kIntentionalWalk;
  const bool strikeout = play.kind == PlayKind::kStrikeout;
  for (const PitchStep& step : steps) {
    switch (step.kind) {
      case PitchStep::Kind::kPitch: {
        const bool counts_strike =
            step.strike && (step.call != PitchCall::kFoul && step.call != PitchCall::kFoulBunt &&
                            step.call != PitchCall::kFoulOnHitAndRun);
        const bool last_ball = !step.strike && scorer_->balls() + 1 >= rules_.balls_per_walk;
        const bool last_strike = counts_strike && scorer_->strikes() + 1 >= rules_.strikes_per_out;
        if (scorer_->balls() >= rules_.balls_per_walk ||
            scorer_->strikes() >= rules_.strikes_per_out || (last_ball && !walk) ||
            (last_strike && !strikeout)) {
          // The pitches make a count the play does not fit (a fifth ball,
          // strike three before a hit): a slip of the archives, read past
          // as their researchers do.
          Note(what + " make a count the play does not fit: " +
               (step.strike ? "strike " + std::to_string(scorer_->strikes() + 1)
                            : "ball " + std::to_string(scorer_->balls() + 1)) +
               " and the pitches after it are read past");
          return true;
        }
        if (!Scored(scorer_->Pitch(step.call, SpecOf(step.strike)), what)) return false;
        break;
      }
      case PitchStep::Kind::kPickoffThrow:
        if (scorer_->BatterRoom() > 2 &&
            !Scored(scorer_->PickoffAttempt(step.base, step.by_catcher), what)) {
          return false;
        }
        break;
      case PitchStep::Kind::kInPlay:
      case PitchStep::Kind::kHitBatter:
        break;  // the play says what came of it
    }
  }
  return true;
}

// A walk needs its last ball and a strikeout its last strike in the count:
// where the file has no pitches (or too few), the play implies them.
bool GameBuilder::ImpliedPitches(const ParsedPlay& play) {
  const std::string what = "the pitches \"" + event_text_ + "\" implies";
  if (play.kind == PlayKind::kWalk || play.kind == PlayKind::kIntentionalWalk) {
    const PitchCall call =
        play.kind == PlayKind::kWalk ? PitchCall::kBall : PitchCall::kIntentionalBall;
    while (scorer_->balls() < rules_.balls_per_walk) {
      if (scorer_->strikes() >= rules_.strikes_per_out) break;
      if (!Scored(scorer_->Pitch(call, SpecOf(false)), what)) return false;
    }
  }
  if (play.kind == PlayKind::kStrikeout) {
    // A dropped third strike or a bunted foul is itself the last strike.
    const bool dropped = !play.batter_chain.empty() || AdvanceOf(play, 0) != nullptr;
    const bool bunted =
        play.bunted_foul || (result_pitch_ && result_pitch_->kind == PitchStep::Kind::kPitch &&
                             result_pitch_->call == PitchCall::kFoulBunt);
    const int needed = rules_.strikes_per_out - (dropped || bunted ? 1 : 0);
    const PitchCall call =
        play.called_third_strike ? PitchCall::kCalledStrike : PitchCall::kSwingingStrike;
    while (scorer_->strikes() < needed) {
      if (scorer_->balls() >= rules_.balls_per_walk) break;
      if (!Scored(scorer_->Pitch(call, SpecOf(true)), what)) return false;
    }
  }
  return true;
}

bool GameBuilder::BatterCaught(const ParsedPlay& play) const {
  if (play.sacrifice_fly || play.infield_fly || play.foul) return true;
  const std::string& t = play.trajectory;
  if (t == "F" || t == "L" || t == "P" || t == "BP" || t == "BL") return true;
  if (!t.empty()) return false;
  // No trajectory written: a ball an outfielder caught was in the air.
  for (const FieldedOut& o : play.outs) {
    if (o.runner == 0)
      return !o.chain.fielders.empty() && o.chain.fielders.front() >= 7 &&
             o.chain.fielders.size() == 1;
  }
  return false;
}

// The batter's out came before the runners': it is written first ("8(B)84(2)"),
// or a runner's out begins with the fielder who put the batter out ("13.2X3(35)").
bool GameBuilder::BatterOutCameFirst(const ParsedPlay& play) const {
  if (play.outs.empty()) return false;
  if (play.outs.front().runner == 0) return true;
  int put_out_by = 0;
  for (const FieldedOut& o : play.outs) {
    if (o.runner == 0 && !o.chain.fielders.empty()) put_out_by = o.chain.fielders.back();
  }
  return std::any_of(play.advances.begin(), play.advances.end(), [&](const Advance& a) {
    return a.out && !a.chain.fielders.empty() && a.chain.fielders.front() == put_out_by;
  });
}

std::int32_t GameBuilder::BatterOutType(const ParsedPlay& play) const {
  const int outs = OutsMade(play);
  // A bunt the official scorer calls a sacrifice stays one, double play
  // or not.
  if (play.sacrifice_hit) return kOutSacBunt;
  if (play.triple_play && outs >= 3) return kOutTriplePlay;
  if (play.double_play && !play.no_double_play && outs >= 2) {
    if (play.sacrifice_fly) return kOutSacFlyDP;
    if (BatterCaught(play)) return kOutDoublePlay;
    // G/DP without GDP: the second out was no force (a runner tagged).
    return play.ground_double_play ? kOutGroundDoublePlay : kOutNonForceGdp;
  }
  if (play.sacrifice_fly) return kOutSacFly;
  if (play.batter_interference) return kOutInterference;
  if (play.infield_fly) return kOutInfieldFly;
  if (play.foul) return kOutFoul;
  const std::string& t = play.trajectory;
  if (t == "F") return kOutFly;
  if (t == "P") return kOutPopOut;
  if (t == "L") return kOutLineDrive;
  if (t == "G") return kOutGround;
  if (!t.empty()) return kOutBuntOut;
  return BatterCaught(play) ? kOutFly : kOutGround;
}

// Where the ball went on the field picture: the hit location when the file
// gives one; else, for a ball that put the batter on base, where the
// fielder named with it plays (FielderBallSpot; a home run over the
// fence).  Outs without a location keep the program's own default, the
// spot of the fielder who handled the ball.
void GameBuilder::LocateBall(const ParsedPlay& play, BatterPart& b) const {
  if (!Batted(play.kind)) return;
  FieldSpot spot;
  const bool home_run = play.kind == PlayKind::kHomeRun && !play.inside_park;
  bool found = !play.location.empty() && HitLocationSpot(play.location, spot);
  // Safe on a force play or an error at a throw's end (64(1), 5E3): where
  // the fielder who first handled the ball plays.
  if (!found && play.kind == PlayKind::kFieldedOut && !play.batter_out) {
    const FieldingChain& first = play.outs.empty() ? play.batter_chain : play.outs.front().chain;
    const int fielder = !first.fielders.empty() ? first.fielders.front() : first.error_by;
    found = FielderSpot(fielder, spot);
  }
  if (!found && play.kind != PlayKind::kFieldedOut) {
    const int bases = play.kind == PlayKind::kDouble || play.kind == PlayKind::kGroundRuleDouble ? 2
                      : play.kind == PlayKind::kTriple                                           ? 3
                                                       : 1;
    found = FielderBallSpot(play.fielder, play.trajectory, bases, spot);
  }
  if (!found && home_run) {
    spot = {0, kFenceDistance};
    found = true;
  }
  if (!found) return;
  if (home_run) spot.distance = std::max(spot.distance, kFenceDistance - 2);
  int x = 0, y = 0;
  SpotPixel(spot, x, y);
  b.hit_x = x;
  b.hit_y = y;
}

namespace {

// The batter reaches base by how: his box says so and he holds its bases.
void Reach(std::int32_t how, BatterPart& b, Fate& batter) {
  b.reached = true;
  b.how_reached = how;
  batter.held = ReachBases(how);
}

// An error charged on the batter's way to first.
void ErrorOnFirst(BatterPart& b, int fielder, bool throwing) {
  b.errors.push_back({1, fielder, throwing ? kErrThrowing : kErrFielding, 1, false});
}

// The error of a dropped third strike: K+E2, or the error of the batter's
// advance (K.B-1(E2)).
int DroppedThirdErrorBy(const ParsedPlay& play, const Advance& run) {
  int error_by = run.error_by;
  for (const RunnerPlay& rp : play.runner_plays) {
    if (rp.kind == RunnerPlayKind::kError) error_by = rp.chain.error_by;
  }
  return error_by;
}

// How a batter safe on a hit, a walk or an error reached: nothing for a
// play the batter has no part in or a fielded play.
std::optional<std::int32_t> HowReached(const ParsedPlay& play) {
  const std::int32_t on_error = play.sacrifice_hit   ? kReachSacrificeWithError
                                : play.sacrifice_fly ? kReachSacFlyWithError
                                                     : kReachError;
  switch (play.kind) {
    case PlayKind::kWalk:
      return kReachWalk;
    case PlayKind::kIntentionalWalk:
      return kReachIntentionalWalk;
    case PlayKind::kHitByPitch:
      return kReachHitByPitch;
    case PlayKind::kInterference:
      return kReachInterference;
    case PlayKind::kSingle:
      return Bunt(play) ? kReachOnBaseSingle : kReachSingle;
    case PlayKind::kDouble:
      return kReachDouble;
    case PlayKind::kGroundRuleDouble:
      return kReachGroundRuleDouble;
    case PlayKind::kTriple:
      return kReachTriple;
    case PlayKind::kHomeRun:
      return play.inside_park ? kReachInsideParkHR : kReachHomeRun;
    case PlayKind::kError:
      return on_error;
    case PlayKind::kFieldersChoice:
      return play.sacrifice_hit ? kReachSacrificeFC : kReachFieldersChoice;
    default:
      return std::nullopt;
  }
}

}  // namespace

// The batter safe on a dropped third strike: on an error, a passed ball or
// a wild pitch (K+WP, K.B-1(PB)).
void GameBuilder::DroppedThirdReach(const ParsedPlay& play, const Advance& run, BatterPart& b,
                                    Fate& batter) {
  const int error_by = DroppedThirdErrorBy(play, run);
  if (error_by) {
    Reach(kReachDroppedThirdError, b, batter);
    b.reach_fielders = {error_by};
    ErrorOnFirst(b, error_by, run.throwing_error);
    // K.B-2(E2/TH): the advance names the error his result is.
    if (error_by == run.error_by) batter.result_error_by = error_by;
  } else if (HasRunnerPlay(play, RunnerPlayKind::kPassedBall) || run.passed_ball) {
    Reach(kReachDroppedThirdPB, b, batter);
    b.errors.push_back({1, kPosCatcher, kErrPassedBall, 1, false});
  } else if (HasRunnerPlay(play, RunnerPlayKind::kWildPitch) || run.wild_pitch) {
    Reach(kReachDroppedThirdWP, b, batter);
  } else {
    // Safe on the dropped third strike while the catcher put out a
    // runner instead (K/FO.3XH(2);B-1): a box has no such result.
    Reach(kReachDroppedThirdError, b, batter);
    Note("the play \"" + event_text_ +
         "\": the batter reached first on the third strike while a runner was put out; "
         "recorded as safe on a dropped third strike, with no error charged");
  }
}

// How the batter struck out: on a foul bunt, looking or swinging.
std::int32_t GameBuilder::StruckOutType(const ParsedPlay& play) const {
  const bool bunted =
      play.bunted_foul || (result_pitch_ && result_pitch_->kind == PitchStep::Kind::kPitch &&
                           result_pitch_->call == PitchCall::kFoulBunt);
  if (bunted) return kOutBuntedFoul;
  const auto& box = game_.innings[static_cast<std::size_t>(scorer_->inning())]
                        .half(scorer_->top())
                        .at_bats.back();
  const PITCH* last =
      box.last_pitch >= 0 ? &box.pitches[static_cast<std::size_t>(box.last_pitch)] : nullptr;
  const bool called = play.called_third_strike ||
                      (last && last->detail.valid && last->detail.strike_type == kStrikeTaken);
  return called ? kOutStrikeLooking : kOutStrikeSwinging;
}

// A strikeout: out, thrown out after the third strike was dropped, or safe
// on it.
void GameBuilder::StrikeoutResult(const ParsedPlay& play, BatterPart& b, Fate& batter) {
  const Advance* run = AdvanceOf(play, 0);
  b.pitch = SpecOf(true);
  if (!play.batter_chain.fielders.empty() || (run && run->out)) {
    // The third strike dropped and the batter thrown out.
    b.out = true;
    b.how_out = kOutDroppedThird;
    const FieldingChain& c = run && run->out ? run->chain : play.batter_chain;
    b.chain = CreditedChain(c.fielders);
  } else if (run) {
    DroppedThirdReach(play, *run, b, batter);
  } else {
    b.out = true;
    b.how_out = StruckOutType(play);
    b.chain = {{kPosCatcher, kCreditNone}};
  }
  batter_out_first_ = true;
}

// A fielded play: the batter put out, safe on an error at the end of a
// throw, or safe while runners were put out.
void GameBuilder::FieldedResult(const ParsedPlay& play, BatterPart& b, Fate& batter) {
  if (play.batter_out) {
    b.out = true;
    b.how_out = BatterOutType(play);
    batter_out_first_ = BatterCaught(play) || BatterOutCameFirst(play);
    for (const FieldedOut& o : play.outs) {
      if (o.runner == 0) b.chain = CreditedChain(o.chain.fielders);
    }
  } else if (play.batter_chain.error_by) {
    // Safe on an error at the end of a throw: the thrower has an assist.
    Reach(play.sacrifice_hit   ? kReachSacrificeWithError
          : play.sacrifice_fly ? kReachSacFlyWithError
                               : kReachAssistWithError,
          b, batter);
    b.reach_fielders = play.batter_chain.fielders;
    b.reach_fielders.push_back(play.batter_chain.error_by);
    ErrorOnFirst(b, play.batter_chain.error_by, play.throwing_error);
  } else {
    // Runners put out and the batter safe: a fielder's choice.
    const bool dp =
        (play.double_play || play.triple_play) && !play.no_double_play && OutsMade(play) >= 2;
    Reach(dp ? kReachFieldersChoiceDP : kReachFieldersChoice, b, batter);
    if (!play.outs.empty() && !play.outs.front().chain.fielders.empty()) {
      b.reach_fielders = {play.outs.front().chain.fielders.front()};
    }
  }
}

// The batter safe on a walk, a hit, an error or interference: the pitch of
// a walk, the fielders and the error on his way.
void GameBuilder::SafeResult(const ParsedPlay& play, std::int32_t how, BatterPart& b,
                             Fate& batter) {
  Reach(how, b, batter);
  switch (play.kind) {
    case PlayKind::kWalk:
    case PlayKind::kIntentionalWalk:
    case PlayKind::kHitByPitch:
      b.pitch = SpecOf(false);
      break;
    case PlayKind::kInterference: {
      const int f = play.fielder ? play.fielder : kPosCatcher;
      b.reach_fielders = {f};
      ErrorOnFirst(b, f, false);
      break;
    }
    case PlayKind::kError:
      b.reach_fielders = {play.fielder};
      ErrorOnFirst(b, play.fielder, play.throwing_error);
      break;
    case PlayKind::kFieldersChoice:
      if (play.fielder) b.reach_fielders = {play.fielder};
      break;
    default:
      break;
  }
}

// The batter's result: how he reached or was put out, the fielders
// credited, the errors, where the ball went.  batter receives the base his
// result gives him.
bool GameBuilder::BatterResult(const ParsedPlay& play, BatterPart& b, Fate& batter) {
  b.present = true;
  if (play.kind == PlayKind::kStrikeout) {
    StrikeoutResult(play, b, batter);
  } else if (play.kind == PlayKind::kFieldedOut) {
    FieldedResult(play, b, batter);
  } else if (const auto how = HowReached(play)) {
    SafeResult(play, *how, b, batter);
  } else {
    b.present = false;
    return true;
  }
  b.reach_fielders.resize(std::min<std::size_t>(b.reach_fielders.size(), kMaxCredits));
  if (b.out) batter.out = true, batter.how_out = b.how_out, batter.chain = b.chain;
  LocateBall(play, b);
  return true;
}

}  // namespace scorewick::interop::retro
