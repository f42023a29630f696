// The Scorer's turns at the plate and plays: pitches, pick-off attempts,
// batter results and runner movements, written into the boxes of the half.

#include "scoring/scorer.h"

#include <algorithm>

namespace scorewick::scoring {
namespace {

// Base the batter holds by his result alone.
int ResultBase(std::int32_t reach) { return reach == kReachTieBreaker ? 2 : ReachBases(reach); }

bool IsDroppedThird(const BatterPart& b) {
  if (b.reached) {
    return b.how_reached == kReachDroppedThirdWP || b.how_reached == kReachDroppedThirdPB ||
           b.how_reached == kReachDroppedThirdError;
  }
  return b.out && b.how_out == kOutDroppedThird;
}

bool ReachOnMisplay(std::int32_t reach) {
  switch (reach) {
    case kReachInterference:
    case kReachError:
    case kReachAssistWithError:
    case kReachSacrificeWithError:
    case kReachSacHitWithError:
    case kReachSacFlyWithError:
    case kReachDroppedThirdError:
      return true;
    default:
      return false;
  }
}

bool AdvanceOnMisplay(std::int32_t code) {
  switch (code) {
    case kAdvPassedBall:
    case kAdvError:
    case kAdvErrorContinued:
    case kAdvPassedBallContinued:
    case kAdvAssistWithError:
    case kAdvCaughtStealingError:
      return true;
    default:
      return false;
  }
}

}  // namespace

Status Scorer::Fail(std::string message) { return Status::Failed({}, std::move(message)); }

PLAYER Scorer::runner(int base) const {
  if (!occupied(base)) return PLAYER{};
  return bases_[static_cast<std::size_t>(base - 1)]->player;
}

int Scorer::RunnerRoom(int base) const {
  if (!occupied(base)) return 0;
  const auto& h = game_.innings[static_cast<std::size_t>(inning_)].half(top_);
  const AT_BAT& ab =
      h.at_bats[static_cast<std::size_t>(bases_[static_cast<std::size_t>(base - 1)]->at_bat)];
  return kMaxPitches - (ab.last_pitch + 1);
}

int Scorer::BatterRoom() const {
  if (!turn_open_) return 0;
  const auto& h = game_.innings[static_cast<std::size_t>(inning_)].half(top_);
  return kMaxPitches - (h.at_bats.back().last_pitch + 1);
}

int Scorer::PitchersThisTurn() const {
  if (!turn_open_) return 0;
  const auto& h = game_.innings[static_cast<std::size_t>(inning_)].half(top_);
  return h.at_bats.back().PitcherCount();
}

int Scorer::AtBatIndex() const {
  const auto& h = game_.innings[static_cast<std::size_t>(inning_)].half(top_);
  return static_cast<int>(h.at_bats.size()) - 1;
}

// --- The sequence ------------------------------------------------------------

Status Scorer::AppendEvent(int at_bat, std::int32_t event) {
  AT_BAT& ab = box(at_bat);
  if (ab.last_pitch + 1 >= kMaxPitches) {
    return Fail("the box of " + ab.batter.name.str() +
                " has no room for another entry (25 at most)");
  }
  PITCH& entry = ab.pitches[static_cast<std::size_t>(++ab.last_pitch)];
  entry = PITCH{};
  entry.event = event;
  entry.balls_before = static_cast<std::int16_t>(balls_);
  entry.strikes_before = static_cast<std::int16_t>(strikes_);
  const bool carries =
      event != kEventNone && (event < kEventOutNumberUp || event > kEventPitcherPickoff3rd);
  if (carries) {
    // A runner's entry copies the detail of the pitch at the plate.
    const bool at_plate = moment_ && moment_->at_bat < static_cast<int>(half().at_bats.size());
    const AT_BAT& from = at_plate ? box(moment_->at_bat) : ab;
    const int used = from.PitchDetailsInUse();
    if (used > 0) entry.detail = from.pitch_details[static_cast<std::size_t>(used - 1)];
    entry.detail.pitcher.batting_order = at_bat;
    entry.detail.pitcher.entered_inning = ab.last_pitch;
    if (moment_) MarkRunnerEntry(entry, *moment_, fielding().field[1]);
  }
  return {};
}

PITCH_DATA Scorer::MakeDetail(const PitchSpec& spec, bool strike, std::int32_t strike_type,
                              std::int32_t ball_type) const {
  const Side& f = side(top_);
  const AT_BAT& ab = game_.innings[static_cast<std::size_t>(inning_)].half(top_).at_bats.back();
  PITCH_DATA d;
  d.pitch_type = spec.type;
  d.pitcher = f.field[1];
  d.location_x = spec.x;
  d.location_y = spec.y;
  d.speed = spec.speed;
  d.strike = strike ? 1 : 0;
  d.valid = 1;
  // A switch hitter stands on the side away from the pitcher's arm.
  const std::uint8_t bats = ab.batter.bats;
  const bool right = bats == 1 || (bats != 0 && d.pitcher.throws_right == 0);
  d.right_handed_batter = right ? 1 : 0;
  d.strike_type = strike ? strike_type : 0;
  d.ball_type = strike ? 0 : ball_type;
  return d;
}

void Scorer::AddPitchDetail(const PITCH_DATA& detail) {
  AT_BAT& ab = half().at_bats.back();
  const int used = ab.PitchDetailsInUse();
  if (used < kMaxPitches) ab.pitch_details[static_cast<std::size_t>(used)] = detail;
  auto it = pitchers_.find(detail.pitcher.name.str());
  if (it != pitchers_.end()) ++it->second.pitches;
}

void Scorer::CountPitch(std::int32_t event) {
  if (event == kEventBall) ++balls_;
  if (event == kEventStrike) ++strikes_;
  if (event == kEventFoul && strikes_ < rules_.strikes_per_out - 1) ++strikes_;
  AT_BAT& ab = half().at_bats.back();
  ab.balls = balls_;
  ab.strikes = strikes_;
}

// --- A turn ------------------------------------------------------------------

Status Scorer::BeginAtBat() {
  if (!half_open_) return Fail("no half-inning is being played");
  if (turn_open_) return Fail("the batter at the plate has not finished his turn");
  if (HalfOver()) return Fail("the side is already out");
  Side& b = batting();
  AT_BAT ab;
  ab.batter = b.batting_slots[static_cast<std::size_t>(b.next_slot)];
  ab.pitchers[0].pitcher = fielding().field[1];
  ab.responsible_pitcher = fielding().field[1];
  half().at_bats.push_back(ab);
  turn_open_ = true;
  balls_ = 0;
  strikes_ = 0;
  walk_charge_ = -1;
  struck_out_batter_.reset();
  return {};
}

Status Scorer::Pitch(PitchCall call, const PitchSpec& spec) {
  if (!turn_open_) return Fail("no batter is at the plate");
  displaced_.clear();
  if (balls_ >= rules_.balls_per_walk || strikes_ >= rules_.strikes_per_out) {
    return Fail("the count is full: the turn must end");
  }
  if (BatterRoom() < 2) return Fail("the batter's box has no room for another pitch");
  std::int32_t event = kEventBall;
  bool strike = false;
  std::int32_t strike_type = 0;
  std::int32_t ball_type = kBallCalled;
  switch (call) {
    case PitchCall::kBall:
      break;
    case PitchCall::kIntentionalBall:
      ball_type = kBallIntentional;
      break;
    case PitchCall::kPitchOut:
      ball_type = kBallPitchOut;
      break;
    case PitchCall::kPitcherToMouth:
      ball_type = kBallPitcherToMouth;
      break;
    case PitchCall::kCalledStrike:
      event = kEventStrike;
      strike = true;
      strike_type = kStrikeTaken;
      break;
    case PitchCall::kSwingingStrike:
      event = kEventStrike;
      strike = true;
      strike_type = kStrikeSwinging;
      break;
    case PitchCall::kSwingingOnHitAndRun:
      event = kEventStrike;
      strike = true;
      strike_type = kStrikeSwingingOnHitAndRun;
      break;
    case PitchCall::kMissedBunt:
      event = kEventStrike;
      strike = true;
      strike_type = kStrikeBuntMissed;
      break;
    case PitchCall::kFoul:
      event = kEventFoul;
      strike = true;
      strike_type = kStrikeFoul;
      break;
    case PitchCall::kFoulBunt:
      event = kEventFoul;
      strike = true;
      strike_type = kStrikeFoulBunt;
      break;
    case PitchCall::kFoulOnHitAndRun:
      event = kEventFoul;
      strike = true;
      strike_type = kStrikeFoulOnHitAndRun;
      break;
  }
  AddPitchDetail(MakeDetail(spec, strike, strike_type, ball_type));
  Mark(AtBatIndex(), event);
  CountPitch(event);
  return {};
}

Status Scorer::PickoffAttempt(int base, bool by_catcher) {
  if (!turn_open_) return Fail("no batter is at the plate");
  if (!occupied(base)) return Fail("nobody is on base " + std::to_string(base) + " to pick off");
  if (BatterRoom() < 2) return Fail("the batter's box has no room for another entry");
  const std::int32_t event =
      (by_catcher ? kEventCatcherPickoff1st : kEventPitcherPickoff1st) + base - 1;
  return AppendEvent(AtBatIndex(), event);
}

Status Scorer::PlaceTieBreakerRunner() {
  if (!half_open_ || turn_open_ || !half().at_bats.empty()) {
    return Fail("the tie-breaker runner is placed before the first batter of a half");
  }
  Side& b = batting();
  const int n = static_cast<int>(b.batting_slots.size());
  const int slot = (b.next_slot + n - 1) % n;
  AT_BAT ab;
  ab.batter = b.batting_slots[static_cast<std::size_t>(slot)];
  ab.pitchers[0].pitcher = fielding().field[1];
  ab.responsible_pitcher = fielding().field[1];
  ab.reached = 1;
  ab.how_reached = kReachTieBreaker;
  ab.bases_reached = 2;
  half().at_bats.push_back(ab);
  const int index = AtBatIndex();
  // The reach entry counts one base and a second, uncoded advance entry the
  // other, so that the runner's later advances fall in the right slots.
  Mark(index, kEventReached);
  Mark(index, kEventAdvance);
  bases_[1] = Runner{index, ab.batter, ab.responsible_pitcher, false};
  return {};
}

Status Scorer::ErrorOnBatter(const ErrorMark& error) {
  if (!turn_open_) return Fail("no batter is at the plate");
  ApplyErrors(half().at_bats.back(), {error});
  return {};
}

Status Scorer::AddNote(std::string_view text) {
  if (halves_played_ == 0 || half().at_bats.empty()) return Fail("a note needs an at-bat");
  GAME_NOTE note;
  note.inning = inning_;
  note.at_bat = AtBatIndex();
  note.half = top_ ? 1 : 0;
  note.text.set(text);
  for (const GAME_NOTE& n : game_.notes) {
    if (n.inning == note.inning && n.at_bat == note.at_bat && n.half == note.half) {
      return Fail("this at-bat already has a note");
    }
  }
  game_.notes.push_back(note);
  return {};
}

// --- Plays -------------------------------------------------------------------

namespace {

// The outs a play makes: the runners' and the batter's.
int OutsOfPlay(const Play& play) {
  int outs = play.batter.present && play.batter.out ? 1 : 0;
  for (const RunnerMove& m : play.runners) outs += m.out ? 1 : 0;
  return outs;
}

// Whether a runner or the batter scores on the play.
bool RunScoresOnPlay(const Play& play) {
  const BatterPart& b = play.batter;
  if (b.present && !b.out && b.to == 4) return true;
  return std::any_of(play.runners.begin(), play.runners.end(),
                     [](const RunnerMove& m) { return !m.out && m.to >= 4; });
}

}  // namespace

// Each runner the play moves stands on his base, moves once, forwards, with
// a code for each base gained and room in his box for them.
Status Scorer::CheckRunnerMoves(const Play& play) {
  std::array<bool, 3> moving{};
  for (const RunnerMove& m : play.runners) {
    if (m.from < 1 || m.from > 3 || !occupied(m.from)) {
      return Fail("nobody is on base " + std::to_string(m.from));
    }
    if (moving[static_cast<std::size_t>(m.from - 1)])
      return Fail("a runner moves twice in one play");
    moving[static_cast<std::size_t>(m.from - 1)] = true;
    if (m.to < m.from || m.to > 4 || (m.out && m.to > 3))
      return Fail("a runner cannot go backwards");
    if (static_cast<int>(m.codes.size()) != m.to - m.from) {
      return Fail("one advance code is needed for each base a runner gains");
    }
    if (m.to - m.from + (m.out ? 1 : 0) > RunnerRoom(m.from)) {
      return Fail("the box of the runner on base " + std::to_string(m.from) + " is full");
    }
  }
  return {};
}

// The batter's result is there and his bases fit it, a code for each extra
// base he takes.
Status Scorer::CheckBatterBases(const BatterPart& b) {
  if (!turn_open_) return Fail("no batter is at the plate");
  if (!b.reached && !b.out) return Fail("the batter's result is missing");
  const int base = b.reached ? ResultBase(b.how_reached) : 0;
  if (b.to < base || b.to > 4 || (b.out && b.to > 3))
    return Fail("the batter's bases do not fit his result");
  if (static_cast<int>(b.codes.size()) != b.to - base) {
    return Fail("one advance code is needed for each extra base the batter takes");
  }
  return {};
}

// The batter's result fits the count: a strikeout on the last strike, a
// walk on the last ball, a bunted foul and a dropped third strike with two
// strikes, and nothing else once the count is full.
Status Scorer::CheckBatterCount(const BatterPart& b) {
  const bool strikeout =
      !b.reached && (b.how_out == kOutStrikeSwinging || b.how_out == kOutStrikeLooking);
  const bool walk =
      b.reached && (b.how_reached == kReachWalk || b.how_reached == kReachIntentionalWalk);
  if (strikeout && strikes_ < rules_.strikes_per_out)
    return Fail("a strikeout needs strike " + std::to_string(rules_.strikes_per_out));
  if (walk && balls_ < rules_.balls_per_walk)
    return Fail("a walk needs ball " + std::to_string(rules_.balls_per_walk));
  if (b.out && !b.reached && b.how_out == kOutBuntedFoul &&
      strikes_ != rules_.strikes_per_out - 1) {
    return Fail("a bunted foul is an out only with two strikes");
  }
  if (!strikeout && !walk &&
      (balls_ >= rules_.balls_per_walk || strikes_ >= rules_.strikes_per_out)) {
    return Fail("after the last ball or strike only a walk or strikeout can follow");
  }
  if (IsDroppedThird(b) && strikes_ != rules_.strikes_per_out - 1) {
    return Fail("a dropped third strike needs two strikes in the count");
  }
  return {};
}

// The batter's part of the play, when he has one: his bases, the count,
// and room in his box for the entries the play writes.
Status Scorer::CheckBatterPart(const Play& play) {
  const BatterPart& b = play.batter;
  if (!b.present) return {};
  if (Status ok = CheckBatterBases(b); !ok) return ok;
  if (Status ok = CheckBatterCount(b); !ok) return ok;
  const int needed = 1 + (b.reached && b.out ? 1 : 0) + static_cast<int>(b.codes.size()) +
                     std::max(0, DefaultRbi(play));
  if (needed > BatterRoom()) return Fail("the batter's box has no room for this play");
  return {};
}

// Where each man stands after the play, by the base he started from (0
// the batter): -1 when he is out or was never there.
std::array<int, 4> Scorer::StandingAfter(const Play& play) const {
  std::array<int, 4> stands{-1, -1, -1, -1};
  for (int base = 1; base <= 3; ++base) {
    if (occupied(base)) stands[static_cast<std::size_t>(base)] = base;
  }
  for (const RunnerMove& m : play.runners)
    stands[static_cast<std::size_t>(m.from)] = m.out ? -1 : m.to;
  stands[0] = play.batter.present && !play.batter.out ? play.batter.to : -1;
  return stands;
}

// After the play one man at most stands on each base, and no runner safe
// has passed one ahead of him who is safe on a base (the batter counts
// from the plate).
Status Scorer::CheckBasesAfter(const Play& play) {
  const std::array<int, 4> stands = StandingAfter(play);
  std::array<int, 3> after{};  // how many stand on each base after the play
  for (int s : stands) {
    if (s >= 1 && s <= 3) ++after[static_cast<std::size_t>(s - 1)];
  }
  for (int n : after) {
    if (n > 1) return Fail("two runners would stand on the same base");
  }
  for (int behind = 0; behind <= 3; ++behind) {
    for (int ahead = behind + 1; ahead <= 3; ++ahead) {
      const int a = stands[static_cast<std::size_t>(ahead)];
      const int r = stands[static_cast<std::size_t>(behind)];
      if (a >= 1 && a <= 3 && r > a) return Fail("a runner cannot pass the runner ahead of him");
    }
  }
  return {};
}

// The play makes no more outs than the side has left, and no run scores
// on the side's last out if that is a force out (unless the official score
// counted it all the same).
Status Scorer::CheckOutsLeft(const Play& play) {
  const int outs = outs_ + OutsOfPlay(play);
  if (outs > rules_.outs_per_inning) return Fail("the play makes more outs than the side has left");
  if (outs == rules_.outs_per_inning && RunScoresOnPlay(play) && !play.runs_beat_last_force &&
      LastOutIsForced(play)) {
    return Fail("no run scores when the side's last out is a force out");
  }
  return {};
}

// The rules a play must keep, in the order they are checked; each fails
// with its reason.
Status Scorer::CheckPlay(const Play& play) {
  if (!half_open_) return Fail("no half-inning is being played");
  if (Status ok = CheckRunnerMoves(play); !ok) return ok;
  if (Status ok = CheckBatterPart(play); !ok) return ok;
  if (Status ok = CheckBasesAfter(play); !ok) return ok;
  return CheckOutsLeft(play);
}

// Whether the out that ends the half in this play is a force out (or the
// batter's before he reached first), outs taken in the order the play
// makes them: the batter's first when his came first (a ball caught),
// then the runners from the lead runner back, else the batter's last.
bool Scorer::LastOutIsForced(const Play& play) const {
  const BatterPart& b = play.batter;
  const bool batter_forced = b.present && b.out && !b.reached;
  std::vector<const RunnerMove*> runners;
  for (const RunnerMove& m : play.runners) {
    if (m.out) runners.push_back(&m);
  }
  std::sort(runners.begin(), runners.end(),
            [](const RunnerMove* x, const RunnerMove* y) { return x->from > y->from; });
  std::vector<bool> forced;
  if (b.present && b.out && play.batter_out_first) forced.push_back(batter_forced);
  for (const RunnerMove* m : runners) forced.push_back(m->how_out == kOutForced);
  if (b.present && b.out && !play.batter_out_first) forced.push_back(batter_forced);
  const int last = rules_.outs_per_inning - outs_ - 1;
  return last >= 0 && last < static_cast<int>(forced.size()) &&
         forced[static_cast<std::size_t>(last)];
}

void Scorer::ApplyErrors(AT_BAT& ab, const std::vector<ErrorMark>& errors) {
  for (const ErrorMark& e : errors) {
    const std::size_t i = static_cast<std::size_t>(std::clamp(e.base, 1, 4) - 1);
    FIELDER_CREDIT credit;
    credit.position = e.position;
    credit.name = fielding().field[static_cast<std::size_t>(std::clamp(e.position, 1, 9))].name;
    if (!e.second && ab.error_credits[i].name.empty()) {
      ab.error_credits[i] = credit;
      ab.error_kinds[i] = e.kind;
      ab.error_bases[i] = e.bases;
    } else {
      ab.second_error_credits[i] = credit;
      ab.second_error_kinds[i] = e.kind;
    }
    if (e.kind == kErrPopFoul) ++phantom_outs_;
  }
}

void Scorer::AddReachCredit(AT_BAT& ab, std::int32_t position, std::int32_t credit) {
  if (ab.reach_credit_count >= kMaxCredits) return;
  FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(ab.reach_credit_count++)];
  c.position = position;
  c.name = fielding().field[static_cast<std::size_t>(std::clamp(int{position}, 1, 9))].name;
  c.credit = credit;
}

void Scorer::ApplyChain(AT_BAT& ab, const std::vector<Fielded>& chain) {
  const int n = std::min(static_cast<int>(chain.size()), kMaxCredits);
  ab.out_credit_count = n;
  for (int i = 0; i < n; ++i) {
    FIELDER_CREDIT& c = ab.out_credits[static_cast<std::size_t>(i)];
    c.position = chain[static_cast<std::size_t>(i)].position;
    c.name = fielding().field[static_cast<std::size_t>(std::clamp(int{c.position}, 1, 9))].name;
    c.credit = chain[static_cast<std::size_t>(i)].credit;
  }
}

void Scorer::PutOut(int at_bat) {
  AT_BAT& ab = box(at_bat);
  ab.out = 1;
  ab.box_number = ++outs_;
}

void Scorer::Score(int at_bat, const Runner& runner, std::optional<bool> earned) {
  AT_BAT& ab = box(at_bat);
  ab.scored = 1;
  ab.bases_reached = 4;
  if (!earned) earned = runner.clean && outs_ + phantom_outs_ < rules_.outs_per_inning;
  ab.earned = *earned ? 1 : 0;
  auto leader = [this]() -> int {
    return home_runs_ > visitor_runs_ ? 1 : visitor_runs_ > home_runs_ ? -1 : 0;
  };
  const int before = leader();
  (top_ ? visitor_runs_ : home_runs_) += 1;
  const int now = leader();
  if (now != 0 && now != before) {
    winner_of_record_ = batting().field[1];
    loser_of_record_ = runner.charged;
  }
}

int Scorer::DefaultRbi(const Play& play) const {
  if (play.rbi >= 0) return play.rbi;
  const BatterPart& b = play.batter;
  if (!b.present) return 0;
  if (b.out && !b.reached &&
      (b.how_out == kOutGroundDoublePlay || b.how_out == kOutNonForceGdp ||
       b.how_out == kOutDoublePlay || b.how_out == kOutTriplePlay)) {
    return 0;
  }
  if (b.reached &&
      (ReachOnMisplay(b.how_reached) && b.how_reached != kReachSacrificeWithError &&
       b.how_reached != kReachSacHitWithError && b.how_reached != kReachSacFlyWithError)) {
    return 0;
  }
  if (b.reached && (b.how_reached == kReachDroppedThirdWP || b.how_reached == kReachDroppedThirdPB))
    return 0;
  int rbi = 0;
  for (const RunnerMove& m : play.runners) {
    if (m.out || m.to != 4) continue;
    if (!m.codes.empty() && AdvanceWithoutRbi(m.codes.back())) continue;
    ++rbi;
  }
  if (!b.out && b.to == 4 && b.reached &&
      (b.how_reached == kReachHomeRun || b.how_reached == kReachInsideParkHR)) {
    ++rbi;
  }
  return rbi;
}

void Scorer::CloseTurn() {
  Side& b = batting();
  b.next_slot = (b.next_slot + 1) % static_cast<int>(b.batting_slots.size());
  turn_open_ = false;
}

// The batter's own part of a play: the pitch that ended his turn, his box's
// result and credits, and who is charged if he scores.  Returns him as a
// runner.
Scorer::Runner Scorer::RecordBatter(const Play& play, int batter_index) {
  const BatterPart& b = play.batter;
  AT_BAT& ab = box(batter_index);
  const bool pitch = b.reached ? ReachIsPitch(b.how_reached) : OutIsPitch(b.how_out);
  const bool dropped_third = IsDroppedThird(b);
  if (pitch || dropped_third) {
    const bool hbp = b.reached && b.how_reached == kReachHitByPitch;
    PITCH_DATA d = MakeDetail(b.pitch, !hbp, b.pitch.strike_type, kBallCalled);
    d.hit = b.reached && ReachIsHit(b.how_reached) ? 1 : 0;
    AddPitchDetail(d);
  }
  // The count of the turn is the one the last pitch left; a dropped third
  // strike is itself the third strike.
  Mark(batter_index, b.reached ? kEventReached : kEventOut);
  if (dropped_third) CountPitch(kEventStrike);
  ab.balls = balls_;
  ab.strikes = strikes_;
  ab.hit_x = b.hit_x;
  ab.hit_y = b.hit_y;
  // Safe on an error at the end of a throw: the fielders before the one
  // who erred made assists.
  const bool thrown =
      b.reached &&
      (b.how_reached == kReachAssistWithError || b.how_reached == kReachSacrificeWithError ||
       b.how_reached == kReachSacHitWithError || b.how_reached == kReachSacFlyWithError);
  ab.reach_credit_count = 0;
  for (std::size_t i = 0; i < b.reach_fielders.size(); ++i) {
    const bool assist = thrown && i + 1 < b.reach_fielders.size();
    AddReachCredit(ab, b.reach_fielders[i], assist ? kCreditAssist : kCreditNone);
  }
  for (std::int32_t f : b.assists) AddReachCredit(ab, f, kCreditAssist);
  ApplyErrors(ab, b.errors);
  if (b.reached) {
    ab.reached = 1;
    ab.how_reached = b.how_reached;
    ab.bases_reached = ResultBase(b.how_reached);
  }
  if (b.out) {
    ab.how_out = b.how_out;
    ApplyChain(ab, b.chain);
  }
  // A pinch hitter who came in with two strikes and struck out: the
  // strikeout is the batter's he replaced.
  const bool strikeout = b.out && !b.reached &&
                         (b.how_out == kOutStrikeSwinging || b.how_out == kOutStrikeLooking ||
                          b.how_out == kOutBuntedFoul || b.how_out == kOutDroppedThird);
  if (struck_out_batter_ && strikeout) ab.batter = *struck_out_batter_;
  struck_out_batter_.reset();
  // Who is charged if he scores: the pitcher who finished the turn, but a
  // walk after a change in a count that favoured the batter stays with the
  // pitcher who left, and a batter safe on a force play takes over the
  // charge of the runner forced out.
  const AT_BAT& cur = box(batter_index);
  PLAYER charged = cur.pitchers[static_cast<std::size_t>(cur.PitcherCount() - 1)].pitcher;
  const bool walked =
      b.reached && (b.how_reached == kReachWalk || b.how_reached == kReachIntentionalWalk);
  if (walked && walk_charge_ >= 0) {
    charged = cur.pitchers[static_cast<std::size_t>(walk_charge_)].pitcher;
  }
  box(batter_index).responsible_pitcher = charged;
  if (b.reached && ReachOnMisplay(b.how_reached)) ++phantom_outs_;
  Runner runner{batter_index, cur.batter, charged, !(b.reached && ReachOnMisplay(b.how_reached))};
  if (b.reached && b.how_reached == kReachDroppedThirdPB) runner.clean = false;
  if (b.out && !b.reached && play.batter_out_first) PutOut(batter_index);
  return runner;
}

// The runners' part of a play, the lead runner first: advances, outs and
// runs, leaving each runner where he ends in next.
void Scorer::MoveRunners(const Play& play, std::array<std::optional<Runner>, 3>& next) {
  std::vector<RunnerMove> moves = play.runners;
  std::sort(moves.begin(), moves.end(),
            [](const RunnerMove& x, const RunnerMove& y) { return x.from > y.from; });
  for (const RunnerMove& m : moves) next[static_cast<std::size_t>(m.from - 1)].reset();
  for (const RunnerMove& m : moves) {
    Runner r = *bases_[static_cast<std::size_t>(m.from - 1)];
    AT_BAT& ab = box(r.at_bat);
    ApplyErrors(ab, m.errors);
    for (std::int32_t f : m.assists) AddReachCredit(ab, f, kCreditAssist);
    for (std::size_t i = 0; i < m.codes.size(); ++i) {
      const int left = m.from + static_cast<int>(i);  // base he leaves
      Mark(r.at_bat, kEventAdvance);
      box(r.at_bat).advances[static_cast<std::size_t>(left - 1)] = m.codes[i];
      box(r.at_bat).bases_reached = left + 1;
      if (AdvanceOnMisplay(m.codes[i])) r.clean = false;
    }
    if (m.out) {
      Mark(r.at_bat, kEventOut);
      box(r.at_bat).how_out = m.how_out;
      ApplyChain(box(r.at_bat), m.chain);
      PutOut(r.at_bat);
    } else if (m.to == 4) {
      Score(r.at_bat, r, m.earned);
    } else {
      next[static_cast<std::size_t>(m.to - 1)] = r;
    }
  }
}

// The batter's trip after his result: advances, out or run, RBI entries;
// closes his turn.
void Scorer::FinishBatter(const Play& play, int batter_index, int rbi, Runner r,
                          std::array<std::optional<Runner>, 3>& next) {
  const BatterPart& b = play.batter;
  const int base = b.reached ? ResultBase(b.how_reached) : 0;
  for (std::size_t i = 0; i < b.codes.size(); ++i) {
    const int left = base + static_cast<int>(i);
    Mark(batter_index, kEventAdvance);
    box(batter_index).advances[static_cast<std::size_t>(left - 1)] = b.codes[i];
    box(batter_index).bases_reached = left + 1;
    if (AdvanceOnMisplay(b.codes[i])) r.clean = false;
  }
  if (b.out) {
    if (b.reached) Mark(batter_index, kEventOut);
    if (b.reached || !play.batter_out_first) PutOut(batter_index);
  } else if (b.to == 4) {
    Score(batter_index, r, b.earned);
  } else if (b.to >= 1) {
    next[static_cast<std::size_t>(b.to - 1)] = r;
  }
  for (int i = 0; i < rbi; ++i) Mark(batter_index, kEventRbi);
  box(batter_index).rbi += rbi;
  CloseTurn();
}

// A runner put out by the fielders' choice hands the pitcher charged with
// him to the runner behind him, whose own charge passes on the same way
// down to the batter, so that each pitcher stays charged with as many
// runners as he put on.
void Scorer::PassChargeBack(int base, std::optional<Runner>& batter) {
  const PLAYER& charged = bases_[static_cast<std::size_t>(base - 1)]->charged;
  for (int behind = base - 1; behind >= 1; --behind) {
    std::optional<Runner>& r = bases_[static_cast<std::size_t>(behind - 1)];
    if (!r) continue;
    PassChargeBack(behind, batter);
    r->charged = charged;
    box(r->at_bat).responsible_pitcher = charged;
    return;
  }
  if (batter) {
    batter->charged = charged;
    box(batter->at_bat).responsible_pitcher = charged;
  }
}

void Scorer::PassChargesBack(const Play& play, std::optional<Runner>& batter) {
  const BatterPart& b = play.batter;
  const bool on_choice =
      b.present && b.reached &&
      (b.how_reached == kReachFieldersChoice || b.how_reached == kReachFieldersChoiceDP ||
       b.how_reached == kReachSacrificeFC);
  std::vector<const RunnerMove*> moves;
  for (const RunnerMove& m : play.runners) moves.push_back(&m);
  std::sort(moves.begin(), moves.end(),
            [](const RunnerMove* x, const RunnerMove* y) { return x->from > y->from; });
  for (const RunnerMove* m : moves) {
    const bool passes = m->passes_charge_back.value_or(on_choice && m->how_out == kOutForced);
    if (m->out && passes) PassChargeBack(m->from, batter);
  }
}

Status Scorer::Record(const Play& play) {
  if (Status ok = CheckPlay(play); !ok) return ok;
  displaced_.clear();
  const int rbi = DefaultRbi(play);
  const int batter_index = play.batter.present ? AtBatIndex() : -1;
  std::optional<Runner> batter_runner;
  if (play.batter.present) batter_runner = RecordBatter(play, batter_index);
  PassChargesBack(play, batter_runner);
  // The pitch the play came on; between two turns, before the next
  // batter's first pitch.
  moment_ = turn_open_ || play.batter.present
                ? PlayMoment{AtBatIndex(), box(AtBatIndex()).last_pitch}
                : PlayMoment{static_cast<int>(half().at_bats.size()), -1};
  std::array<std::optional<Runner>, 3> next = bases_;
  MoveRunners(play, next);
  if (play.batter.present) FinishBatter(play, batter_index, rbi, *batter_runner, next);
  moment_.reset();
  bases_ = next;
  TallyHalf();
  return {};
}

}  // namespace scorewick::scoring
