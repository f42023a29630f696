// The runners' part of a play: steals, caught stealing and pick-offs,
// runners put out by the fielders, the advances written after the dot,
// runners forced along, and which runs are earned and batted in.

#include <algorithm>

#include "interop/retrosheet_game_builder.h"
#include "records/codes.h"

namespace scorewick::interop::retro {
namespace {

using scoring::ErrorMark;
using scoring::Fielded;

const char* BaseName(int base) {
  static const char* kNames[] = {"the plate", "first base", "second base", "third base", "home"};
  return kNames[std::clamp(base, 0, 4)];
}

// The bases from where he stands to `to`, the first on `first`, the others
// on `more`.
void Gain(Fate& f, int to, std::int32_t first, std::int32_t more) {
  for (int base = f.held; base < to; ++base) f.codes.push_back(base == f.held ? first : more);
  f.held = std::max(f.held, to);
}

// The bases to `to` on an error by fielder, as the score sheet marks them:
// the error on the first base gained, "previous error" on those after it.
// An error that gained nothing is marked on the base he was going to,
// `going` (the next one when not given).
void GainOnError(Fate& f, int to, int fielder, std::int32_t kind, std::int32_t first_code,
                 int going = 0) {
  if (to <= f.held) {
    f.errors.push_back({going > 0 ? going : f.held + 1, fielder, kind, 0, false});
    return;
  }
  f.errors.push_back({f.held + 1, fielder, kind, to - f.held, false});
  for (int base = f.held + 2; base <= to && base <= 3; ++base) {
    f.errors.push_back({base, fielder, kErrPrevious, 1, false});
  }
  Gain(f, to, first_code, kAdvErrorContinued);
}

std::int32_t MoreOf(std::int32_t code) {
  switch (code) {
    case kAdvWildPitch:
      return kAdvWildPitchContinued;
    case kAdvPassedBall:
      return kAdvPassedBallContinued;
    case kAdvBalk:
      return kAdvBalkContinued;
    case kAdvError:
    case kAdvAssistWithError:
    case kAdvCaughtStealingError:
      return kAdvErrorContinued;
    default:
      return code;
  }
}

// A wild pitch, passed ball or balk: the pitcher's or catcher's misplay
// that moves the runners.
bool IsMisplayCode(std::int32_t code) {
  return code == kAdvWildPitch || code == kAdvPassedBall || code == kAdvBalk;
}

bool BatterEvent(PlayKind kind) {
  return kind != PlayKind::kRunnerPlay && kind != PlayKind::kNoPlay;
}

}  // namespace

std::vector<Fielded> CreditedChain(const std::vector<int>& fielders) {
  std::vector<Fielded> chain;
  for (int f : fielders) {
    // A fielder who handles the ball twice in a rundown has one assist.
    const bool again =
        std::any_of(chain.begin(), chain.end(), [f](const Fielded& c) { return c.position == f; });
    chain.push_back({f, again ? kCreditNone : kCreditAssist});
  }
  if (!chain.empty()) chain.back().credit = kCreditPutOut;
  if (chain.size() > static_cast<std::size_t>(kMaxCredits)) chain.resize(kMaxCredits);
  return chain;
}

std::vector<Fielded> WholePlayCredits(const std::vector<std::vector<int>>& chains) {
  struct Tally {
    int fielder;
    int put_outs = 0;
    int assists = 0;  // one for each out he helped make, however often he handled the ball
  };
  std::vector<Tally> tallies;
  auto of = [&](int fielder) -> Tally& {
    for (Tally& t : tallies) {
      if (t.fielder == fielder) return t;
    }
    tallies.push_back({fielder});
    return tallies.back();
  };
  for (const std::vector<int>& chain : chains) {
    std::vector<int> assisted;
    for (std::size_t i = 0; i < chain.size(); ++i) {
      Tally& t = of(chain[i]);
      if (i + 1 == chain.size()) {
        ++t.put_outs;
      } else if (std::find(assisted.begin(), assisted.end(), chain[i]) == assisted.end()) {
        assisted.push_back(chain[i]);
        ++t.assists;
      }
    }
  }
  std::vector<Fielded> credits;
  for (Tally& t : tallies) {
    if (t.put_outs == 1 && t.assists > 0) {
      credits.push_back({t.fielder, kCreditPutOutAndAssist});
      --t.assists;
    } else if (t.put_outs >= 1) {
      credits.push_back({t.fielder, t.put_outs == 1   ? kCreditPutOut
                                    : t.put_outs == 2 ? kCreditTwoPutOuts
                                                      : kCreditThreePutOuts});
    }
    for (int a = 0; a < t.assists; ++a) credits.push_back({t.fielder, kCreditAssist});
  }
  if (credits.size() > static_cast<std::size_t>(kMaxCredits)) credits.resize(kMaxCredits);
  return credits;
}

// Forced: the batter ran (he did not strike out or hit a ball that was
// caught) and every base behind the runner was taken.
bool GameBuilder::Forced(int base, const ParsedPlay& play) const {
  if (!BatterEvent(play.kind) || play.kind == PlayKind::kFoulError) return false;
  if (play.kind == PlayKind::kStrikeout && AdvanceOf(play, 0) == nullptr) return false;
  if (play.kind == PlayKind::kFieldedOut && BatterCaught(play)) return false;
  for (int b = 1; b < base; ++b) {
    if (!scorer_->occupied(b)) return false;
  }
  return true;
}

// How runners gain bases in this play when nothing else is written.
std::int32_t GameBuilder::DefaultCode(const ParsedPlay& play) const {
  for (const RunnerPlay& r : play.runner_plays) {
    switch (r.kind) {
      case RunnerPlayKind::kWildPitch:
        return kAdvWildPitch;
      case RunnerPlayKind::kPassedBall:
        return kAdvPassedBall;
      case RunnerPlayKind::kBalk:
        return kAdvBalk;
      case RunnerPlayKind::kDefensiveIndifference:
        return kAdvDefensiveIndifference;
      default:
        break;
    }
  }
  switch (play.kind) {
    case PlayKind::kWalk:
    case PlayKind::kIntentionalWalk:
      return kAdvForcedByWalk;
    case PlayKind::kHitByPitch:
      return kAdvAwarded;
    case PlayKind::kInterference:
      return kAdvInterference;
    case PlayKind::kFieldersChoice:
      return kAdvFieldersChoice;
    case PlayKind::kFieldedOut:
      return play.batter_out || play.batter_chain.error_by ? kAdvBatted : kAdvFieldersChoice;
    case PlayKind::kRunnerPlay:
    case PlayKind::kStrikeout:
      return kAdvAdditionalBase;
    default:
      return kAdvBatted;
  }
}

bool GameBuilder::RunnerPlays(const ParsedPlay& play, std::array<Fate, 4>& fates) {
  const int steals = static_cast<int>(
      std::count_if(play.runner_plays.begin(), play.runner_plays.end(),
                    [](const RunnerPlay& r) { return r.kind == RunnerPlayKind::kStolenBase; }));
  const std::int32_t steal_code = steals >= 3   ? kAdvTripleSteal
                                  : steals == 2 ? kAdvDoubleSteal
                                                : kAdvStolenBase;
  for (const RunnerPlay& rp : play.runner_plays) {
    const bool pickoff = rp.kind == RunnerPlayKind::kPickoff;
    const bool steal_try = rp.kind == RunnerPlayKind::kStolenBase ||
                           rp.kind == RunnerPlayKind::kCaughtStealing ||
                           rp.kind == RunnerPlayKind::kPickoffCaughtStealing;
    if (!pickoff && !steal_try) continue;
    const int from = pickoff ? rp.base : rp.base - 1;
    if (!scorer_->occupied(from)) {
      return Fail("the play \"" + event_text_ + "\": nobody is on " + BaseName(from));
    }
    Fate& f = fates[static_cast<std::size_t>(from)];
    if (f.touched) return Fail("the play \"" + event_text_ + "\" moves one runner twice");
    f.touched = true;
    const std::int32_t error_kind = rp.throwing_error ? kErrThrowing : kErrFielding;
    if (rp.kind == RunnerPlayKind::kStolenBase) {
      Gain(f, rp.base, steal_code, steal_code);
    } else if (rp.chain.error_by) {
      // Safe on an error: a caught stealing charged all the same, or a
      // pick-off throw gone wrong; the advance after the dot says how far.
      if (pickoff) {
        f.errors.push_back({from + 1, rp.chain.error_by, kErrPickOff, 0, false});
      } else {
        GainOnError(f, rp.base, rp.chain.error_by, error_kind, kAdvCaughtStealingError);
      }
      f.assists.insert(f.assists.end(), rp.chain.fielders.begin(), rp.chain.fielders.end());
    } else {
      f.out = true;
      f.how_out = pickoff                                                 ? kOutPickedOff
                  : play.double_play && play.kind == PlayKind::kStrikeout ? kOutCaughtStealingDP
                                                                          : kOutCaughtStealing;
      f.chain = CreditedChain(rp.chain.fielders);
    }
  }
  return true;
}

bool GameBuilder::FieldedOuts(const ParsedPlay& play, std::array<Fate, 4>& fates) {
  for (const FieldedOut& o : play.outs) {
    if (o.runner == 0) continue;
    if (!scorer_->occupied(o.runner)) {
      return Fail("the play \"" + event_text_ + "\" puts out a runner from " + BaseName(o.runner) +
                  ", but nobody is there");
    }
    Fate& f = fates[static_cast<std::size_t>(o.runner)];
    f.touched = true;
    f.out = true;
    f.by_choice = true;
    f.how_out = play.runner_interference                   ? kOutInterference
                : BatterCaught(play)                       ? kOutDidNotTagUp
                : play.force_out || Forced(o.runner, play) ? kOutForced
                                                           : kOutTagged;
    f.chain = CreditedChain(o.chain.fielders);
  }
  return true;
}

namespace {

// The bases to target gained on an advance's error: after a dropped third
// strike's, a wild pitch's and an error's together, or a throw's that ended
// in the error.
void GainOnAdvanceError(const ParsedPlay& play, const Advance& a, int target,
                        std::int32_t first_code, Fate& f) {
  const std::int32_t kind = a.throwing_error ? kErrThrowing : kErrFielding;
  if (a.from == 0 && a.error_by == f.result_error_by) {
    // B-1(E2) of a batter safe on a dropped third strike, B-2(E2/TH)
    // after it: the error is his result's, charged once; the bases past
    // first come on it.
    for (int base = std::max(f.held, 1) + 1; base <= target && base <= 3; ++base) {
      f.errors.push_back({base, a.error_by, kErrPrevious, 1, false});
    }
    Gain(f, target, kAdvErrorContinued, kAdvErrorContinued);
    return;
  }
  if (IsMisplayCode(first_code) && play.kind == PlayKind::kRunnerPlay && target > f.held) {
    // WP.1-3(E2/TH): the wild pitch took him a base, the error the rest.
    Gain(f, f.held + 1, first_code, first_code);
    GainOnError(f, target, a.error_by, kind, kAdvError, std::min(a.to, 4));
    return;
  }
  // A throw that ended in the error (1X2(4E6), 1-3(6E4)): its fielders
  // made assists.
  const bool assisted = !a.out && !a.chain.fielders.empty();
  if (assisted) f.assists.insert(f.assists.end(), a.chain.fielders.begin(), a.chain.fielders.end());
  const int start = f.held;
  GainOnError(f, target, a.error_by, kind, assisted ? kAdvAssistWithError : kAdvError,
              std::min(a.to, 4));
  if (a.second_error_by) {
    f.errors.push_back({start + 1, a.second_error_by,
                        a.second_throwing_error ? kErrThrowing : kErrFielding, 0, true});
  }
}

// The bases to target gained on the advance, each with how he gained it.
void GainOnAdvance(const ParsedPlay& play, const Advance& a, int target, std::int32_t first_code,
                   Fate& f) {
  const bool after_pickoff_error =
      !f.errors.empty() && f.errors.back().kind == kErrPickOff && f.errors.back().bases == 0;
  const bool on_error =
      !f.codes.empty() && (f.codes.back() == kAdvCaughtStealingError ||
                           f.codes.back() == kAdvError || f.codes.back() == kAdvErrorContinued);
  if (after_pickoff_error) {
    // The throw that missed him sent him on: those bases are the error's.
    f.errors.back().bases = target - f.held;
    Gain(f, target, kAdvError, kAdvErrorContinued);
  } else if (a.error_by) {
    GainOnAdvanceError(play, a, target, first_code, f);
  } else if (a.wild_pitch) {
    Gain(f, target, kAdvWildPitch, kAdvWildPitchContinued);
  } else if (a.passed_ball) {
    Gain(f, target, kAdvPassedBall, kAdvPassedBallContinued);
  } else if (on_error) {
    // Further on the same error (caught stealing, safe on the throw and on to third).
    Gain(f, target, kAdvErrorContinued, kAdvErrorContinued);
  } else if (a.on_throw || a.from == 0) {
    // The batter's bases beyond his hit come on the throw.
    Gain(f, target, kAdvOnThrow, kAdvOnThrow);
  } else {
    Gain(f, target, first_code, MoreOf(first_code));
  }
}

}  // namespace

// How a runner put out on his advance was put out.
std::int32_t GameBuilder::AdvanceOutType(const ParsedPlay& play, const Advance& a) const {
  if (a.interference || play.runner_interference || play.batter_interference) {
    return kOutInterference;
  }
  if (a.to == a.from && a.from > 0) return BatterCaught(play) ? kOutDidNotTagUp : kOutTagged;
  if (a.from > 0 && a.to == a.from + 1 && Forced(a.from, play)) return kOutForced;
  return kOutTagged;
}

bool GameBuilder::Advances(const ParsedPlay& play, std::array<Fate, 4>& fates) {
  const std::int32_t first_code = DefaultCode(play);
  for (const Advance& a : play.advances) {
    const std::string what = "the runner \"" + a.text + "\" of \"" + event_text_ + "\"";
    Fate& f = fates[static_cast<std::size_t>(a.from)];
    if (a.from == 0) {
      if (!BatterEvent(play.kind)) return Fail(what + ": the batter has no part in this play");
      if (f.out && !a.out) return Fail(what + ": the batter is out in this play");
    } else if (!scorer_->occupied(a.from)) {
      return Fail(what + ": nobody is on " + BaseName(a.from));
    }
    if (f.out) {
      if (!a.out) return Fail(what + ": the runner is put out in this play");
      continue;  // his out is written twice
    }
    const int target = a.out ? std::max(f.held, a.to - 1) : a.to;
    if (target < f.held) return Fail(what + ": the runner cannot go back a base");
    f.touched = true;
    GainOnAdvance(play, a, target, first_code, f);
    if (a.out) {
      f.out = true;
      f.by_choice = play.kind == PlayKind::kFieldersChoice;
      f.how_out = AdvanceOutType(play, a);
      f.chain = CreditedChain(a.chain.fielders);
    }
  }
  return true;
}

// Runners not written move as little as the batter makes them (a walk
// pushes the runner on first to second; a home run brings everybody home);
// a balk moves every runner up one base.
void GameBuilder::ForcedRunners(const ParsedPlay& play, std::array<Fate, 4>& fates) {
  const std::int32_t code = DefaultCode(play);
  if (play.kind == PlayKind::kRunnerPlay &&
      std::any_of(play.runner_plays.begin(), play.runner_plays.end(),
                  [](const RunnerPlay& r) { return r.kind == RunnerPlayKind::kBalk; }) &&
      std::none_of(fates.begin() + 1, fates.end(), [](const Fate& f) { return f.touched; })) {
    for (int base = 3; base >= 1; --base) {
      if (!scorer_->occupied(base)) continue;
      Fate& f = fates[static_cast<std::size_t>(base)];
      f.touched = true;
      Gain(f, base + 1, kAdvBalk, kAdvBalkContinued);
    }
    return;
  }
  const Fate& batter = fates[0];
  if (!BatterEvent(play.kind) || batter.out || batter.held < 1) return;
  int taken = batter.held;
  for (int base = 1; base <= 3; ++base) {
    if (!scorer_->occupied(base)) continue;
    Fate& f = fates[static_cast<std::size_t>(base)];
    if (f.touched) {
      if (!f.out && f.held < 4) taken = std::max(taken, f.held);
      continue;
    }
    if (base > taken) {
      taken = base;
      continue;
    }
    f.touched = true;
    Gain(f, std::min(4, taken + 1), code, MoreOf(code));
    if (f.held < 4) taken = f.held;
  }
}

// Earned runs: the file's (UR) marks an unearned run; (TUR) one unearned
// to the team but earned to the pitcher, which is what a box keeps.  When
// the file states the earned runs of its pitchers, every other run is
// earned; when it does not, the scorer's own rule decides.  Runs batted in
// follow the batter's play (hits, outs but the ground double play, walks,
// fielder's choices, and the run from third when he reached on an error:
// the file writes (NR) where the official scorer gave none) unless written
// otherwise, (NR) or (RBI), or scored on an error of their own.
void GameBuilder::Runs(const ParsedPlay& play, std::array<Fate, 4>& fates) const {
  bool rbi_play = false;
  switch (play.kind) {
    case PlayKind::kSingle:
    case PlayKind::kDouble:
    case PlayKind::kTriple:
    case PlayKind::kHomeRun:
    case PlayKind::kGroundRuleDouble:
    case PlayKind::kWalk:
    case PlayKind::kIntentionalWalk:
    case PlayKind::kHitByPitch:
    case PlayKind::kInterference:
    case PlayKind::kFieldersChoice:
    case PlayKind::kError:
      rbi_play = true;
      break;
    case PlayKind::kFieldedOut:
      rbi_play = !(play.batter_out && BatterOutType(play) == kOutGroundDoublePlay) &&
                 !(!play.batter_out && (play.double_play || play.triple_play) &&
                   !play.no_double_play && OutsMade(play) >= 2);
      break;
    default:
      break;
  }
  for (std::size_t i = 0; i < fates.size(); ++i) {
    Fate& f = fates[i];
    if (f.out || f.held != 4) continue;
    const Advance* a = AdvanceOf(play, static_cast<int>(i));
    // A steal of home may carry the mark itself: SBH(UR).
    const bool stolen_unearned =
        i == 3 &&
        std::any_of(play.runner_plays.begin(), play.runner_plays.end(), [](const RunnerPlay& r) {
          return r.kind == RunnerPlayKind::kStolenBase && r.base == 4 && r.unearned;
        });
    if ((a && a->unearned) || stolen_unearned) {
      f.earned = false;
    } else if ((a && a->team_unearned) || earned_stated_) {
      f.earned = true;
    }
    // Reaching on an error drives in only the runner from third, who
    // would have scored on the play made.
    const bool batted_in = rbi_play && (play.kind != PlayKind::kError || i == 3);
    if (a && a->rbi) {
      f.rbi = true;
    } else {
      f.rbi = batted_in && !(a && (a->no_rbi || a->error_by));
    }
  }
}

namespace {

// Every man where he stood before the play: the batter at the plate, the
// runners on their bases.
std::array<Fate, 4> FatesBeforeThePlay() {
  std::array<Fate, 4> fates;
  for (int base = 0; base <= 3; ++base) {
    fates[static_cast<std::size_t>(base)].from = base;
    fates[static_cast<std::size_t>(base)].held = base;
  }
  return fates;
}

// A passed ball is charged to the catcher in the box of each runner it
// moved, as the handheld keeps it.
void ChargePassedBalls(std::array<Fate, 4>& fates) {
  for (std::size_t i = 1; i < fates.size(); ++i) {
    Fate& f = fates[i];
    for (std::size_t k = 0; k < f.codes.size(); ++k) {
      if (f.codes[k] != kAdvPassedBall) continue;
      const int base = f.from + static_cast<int>(k) + 1;
      const bool marked = std::any_of(f.errors.begin(), f.errors.end(),
                                      [base](const ErrorMark& e) { return e.base == base; });
      if (!marked) f.errors.push_back({base, kPosCatcher, kErrPassedBall, 1, false});
    }
  }
}

int OutsOf(const std::array<Fate, 4>& fates) {
  return static_cast<int>(
      std::count_if(fates.begin(), fates.end(), [](const Fate& f) { return f.out; }));
}

bool RunScores(const std::array<Fate, 4>& fates) {
  return std::any_of(fates.begin(), fates.end(),
                     [](const Fate& f) { return !f.out && f.held == 4; });
}

// On a double or triple play that puts the batter out, his box carries the
// whole play's credits and the runners' boxes name their fielders.
void CreditWholeDoublePlay(const ParsedPlay& play, std::array<Fate, 4>& fates,
                           scoring::BatterPart& batter) {
  if (!fates[0].out || !(play.double_play || play.triple_play) || play.no_double_play ||
      OutsOf(fates) < 2 || play.kind != PlayKind::kFieldedOut) {
    return;
  }
  std::vector<std::vector<int>> chains;
  for (const FieldedOut& o : play.outs) chains.push_back(o.chain.fielders);
  for (const Advance& a : play.advances) {
    if (a.out) chains.push_back(a.chain.fielders);
  }
  batter.chain = WholePlayCredits(chains);
  for (std::size_t i = 1; i < fates.size(); ++i) {
    for (Fielded& f : fates[i].chain) f.credit = kCreditNone;
  }
}

// The batter's fate written into his box: the bases beyond those his
// result gives, the errors and assists on his way, his run.  1 when he
// drove himself in, else 0.
int WriteBatterFate(const Fate& b, scoring::BatterPart& batter) {
  if (!batter.present) return 0;
  batter.to = b.held;
  batter.codes = b.codes;
  batter.errors.insert(batter.errors.end(), b.errors.begin(), b.errors.end());
  batter.assists = b.assists;
  if (b.out && batter.reached) {
    batter.out = true;
    batter.how_out = b.how_out;
    batter.chain = b.chain;
  }
  batter.earned = b.earned;
  return !b.out && b.held == 4 && b.rbi ? 1 : 0;
}

// The runners the play moved, each as a move of the play; the runs they
// drove in.
int WriteRunnerFates(const std::array<Fate, 4>& fates, std::vector<scoring::RunnerMove>& moves) {
  int rbi = 0;
  for (std::size_t i = 1; i < fates.size(); ++i) {
    const Fate& f = fates[i];
    if (!f.touched) continue;
    scoring::RunnerMove m;
    m.from = f.from;
    m.to = f.held;
    m.codes = f.codes;
    m.out = f.out;
    m.how_out = f.how_out;
    m.chain = f.chain;
    m.errors = f.errors;
    m.assists = f.assists;
    m.earned = f.earned;
    m.passes_charge_back = f.by_choice;
    moves.push_back(std::move(m));
    if (!f.out && f.held == 4 && f.rbi) ++rbi;
  }
  return rbi;
}

}  // namespace

// Every man's fate on the play: the batter's result, then the runners'
// plays, the fielded outs, the advances, the runners forced along.
bool GameBuilder::PlayFates(const ParsedPlay& play, std::array<Fate, 4>& fates,
                            scoring::Play& out) {
  batter_out_first_ = false;
  if (BatterEvent(play.kind)) {
    fates[0].touched = true;
    if (!BatterResult(play, out.batter, fates[0])) return false;
  }
  if (!RunnerPlays(play, fates) || !FieldedOuts(play, fates) || !Advances(play, fates)) {
    return false;
  }
  ForcedRunners(play, fates);
  if (play.kind == PlayKind::kRunnerPlay &&
      std::none_of(fates.begin() + 1, fates.end(), [](const Fate& f) { return f.touched; })) {
    return Fail("the play \"" + event_text_ +
                "\" moves no runner: write where the runners went, like WP.1-2");
  }
  return true;
}

bool GameBuilder::RecordEvent(const ParsedPlay& play) {
  const std::string what = "the play \"" + event_text_ + "\"";
  if (play.kind == PlayKind::kFoulError) {
    return Scored(scorer_->ErrorOnBatter({1, play.fielder, kErrPopFoul, 0, false}), what);
  }
  std::array<Fate, 4> fates = FatesBeforeThePlay();
  scoring::Play out;
  if (!PlayFates(play, fates, out)) return false;
  Runs(play, fates);
  ChargePassedBalls(fates);
  // A run that counts on the play that ends the half was not beaten by a
  // force out: the runner put out there had passed the base, or was
  // tagged going back.
  const bool run_scores = RunScores(fates);
  const bool ends_half = scorer_->outs() + OutsOf(fates) >= rules_.outs_per_inning;
  if (run_scores && ends_half) {
    for (std::size_t i = 1; i < fates.size(); ++i) {
      if (fates[i].how_out == kOutForced) fates[i].how_out = kOutTagged;
    }
  }
  CreditWholeDoublePlay(play, fates, out.batter);
  out.rbi = WriteBatterFate(fates[0], out.batter);
  out.rbi += WriteRunnerFates(fates, out.runners);
  out.batter_out_first = batter_out_first_;
  if (run_scores && ends_half && scorer_->LastOutIsForced(out)) {
    // The batter forced out at first for the last out, and the run counted
    // all the same: the official score is kept.
    out.runs_beat_last_force = true;
    Note(what +
         ": a run counts although the side's last out is a force out, as the official "
         "score has it");
  }
  return Scored(scorer_->Record(out), what);
}

}  // namespace scorewick::interop::retro
