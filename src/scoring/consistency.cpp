#include "scoring/consistency.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "records/codes.h"
#include "scoring/play.h"

namespace scorewick::scoring {
namespace {

std::string N(int v) { return std::to_string(v); }

struct Where {
  std::vector<Inconsistency>& found;
  int inning;
  bool top;
  int at_bat;
  void operator()(std::string what) const {
    found.push_back({inning, top, at_bat, std::move(what)});
  }
};

bool OnRoster(const Team& team, const NameText& name) {
  return !name.empty() && team.IndexOfPlayer(name.view()) >= 0;
}

bool IsDroppedThirdReach(std::int32_t reach) {
  return reach == kReachDroppedThirdWP || reach == kReachDroppedThirdPB ||
         reach == kReachDroppedThirdError;
}

void CheckCredits(const std::array<FIELDER_CREDIT, kMaxCredits>& list, int count, const char* what,
                  const Team& fielding, const Where& report) {
  if (count < 0 || count > kMaxCredits) {
    report(std::string(what) + " count " + N(count) + " is outside 0..10");
    return;
  }
  for (int i = 0; i < kMaxCredits; ++i) {
    const FIELDER_CREDIT& c = list[static_cast<std::size_t>(i)];
    if (i >= count) {
      if (!(c == FIELDER_CREDIT{}))
        report(std::string(what) + " " + N(i) + " is filled beyond the count");
    } else if (!OnRoster(fielding, c.name)) {
      report(std::string(what) + " " + N(i) + " names " + c.name.str() +
             ", who is not on the fielding roster");
    }
  }
}

// What replaying a box's pitch sequence counts.
struct SequenceTally {
  int balls = 0;
  int strikes = 0;
  int details = 0;
  int reach_entries = 0;
  int out_entries = 0;
  int rbi_entries = 0;
  int bases = 0;
  bool ended = false;
  std::array<bool, 3> slot_used{};
};

// One entry being replayed: the box, the replay's tally so far, and where
// to report what is wrong with the entry.
struct EntryReplay {
  const AT_BAT& ab;
  const LeagueRules& rules;
  const Where& report;
  SequenceTally& t;
  std::string at;  // "entry 3 (Ball): "

  void Report(const std::string& what) const { report(at + what); }
  // A pitch thrown: its detail is the next, and must agree on the strike.
  void CountDetail(bool strike) const {
    ++t.details;
    if (t.details <= kMaxPitches &&
        ab.pitch_details[static_cast<std::size_t>(t.details - 1)].strike != (strike ? 1 : 0)) {
      Report("its pitch detail has the wrong strike flag");
    }
  }
};

// A strike, a ball or a foul: the count moves on.
void ReplayPitch(std::int32_t event, const EntryReplay& r) {
  SequenceTally& t = r.t;
  if (t.ended) r.Report("a pitch after the turn ended");
  r.CountDetail(event != kEventBall);
  if (event == kEventBall) ++t.balls;
  if (event == kEventStrike) ++t.strikes;
  if (event == kEventFoul && t.strikes < r.rules.strikes_per_out - 1) ++t.strikes;
}

// The batter reached: the turn ends, on a pitch for a walk or a dropped
// third strike, with the bases his result gives.
void ReplayReach(const EntryReplay& r) {
  SequenceTally& t = r.t;
  const std::int32_t how = r.ab.how_reached;
  if (++t.reach_entries > 1 || t.ended) r.Report("a second result entry");
  t.ended = true;
  if (ReachIsPitch(how)) r.CountDetail(how != kReachHitByPitch);
  if (IsDroppedThirdReach(how)) ++t.strikes;
  t.bases += how == kReachTieBreaker ? 1 : ReachBases(how);
}

// The batter out: at the plate it ends the turn (a strikeout on a pitch);
// as a runner it follows his reach.
void ReplayOut(const EntryReplay& r) {
  SequenceTally& t = r.t;
  if (++t.out_entries > 1) r.Report("a second out entry");
  if (t.ended) return;
  t.ended = true;
  if (OutIsPitch(r.ab.how_out)) r.CountDetail(true);
  if (r.ab.how_out == kOutDroppedThird) ++t.strikes;
}

// The runner on to the next base: its slot must carry a code, unless he
// was placed on second to start the half.
void ReplayAdvance(const EntryReplay& r) {
  SequenceTally& t = r.t;
  if (t.reach_entries == 0 || t.out_entries > 0) r.Report("an advance by a player not on base");
  ++t.bases;
  const int slot = t.bases - 2;
  if (slot < 0 || slot > 2) {
    r.Report("an advance beyond home");
    return;
  }
  t.slot_used[static_cast<std::size_t>(slot)] = true;
  const bool placed = r.ab.how_reached == kReachTieBreaker && slot == 0;
  if (r.ab.advances[static_cast<std::size_t>(slot)] == kAdvNone && !placed) {
    r.Report("an advance with no code in slot " + N(slot));
  }
}

void ReplayEntry(std::int32_t event, const EntryReplay& r) {
  switch (event) {
    case kEventStrike:
    case kEventBall:
    case kEventFoul:
      ReplayPitch(event, r);
      break;
    case kEventReached:
      ReplayReach(r);
      break;
    case kEventOut:
      ReplayOut(r);
      break;
    case kEventAdvance:
      ReplayAdvance(r);
      break;
    case kEventRbi:
      ++r.t.rbi_entries;
      break;
    case kEventPitcherPickoff1st:
    case kEventPitcherPickoff2nd:
    case kEventPitcherPickoff3rd:
    case kEventCatcherPickoff1st:
    case kEventCatcherPickoff2nd:
    case kEventCatcherPickoff3rd:
    case kEventCatcherSubbed:
      if (r.t.ended) r.Report("an entry of the turn after it ended");
      break;
    case kEventOutNumberUp:
    case kEventOutNumberDown:
      break;
    default:
      r.Report("an empty or unknown entry inside the sequence");
  }
}

// The pitch detail an entry carries: the last pitch's while the turn is
// on; once it is over, the moment of the game it was made and the pitcher
// then.  Out numbers and pick-offs carry none.
void CheckEntryDetail(const PITCH& p, int i, int index, const EntryReplay& r) {
  const SequenceTally& t = r.t;
  const bool carries =
      p.event != kEventNone && (p.event < kEventOutNumberUp || p.event > kEventPitcherPickoff3rd);
  if (carries && t.ended && p.detail.pitcher.entry_value < 0) {
    // Made once the turn was over: it names the moment of the game (a
    // box at the plate no earlier than this one) and the pitcher then.
    if (p.detail.pitcher.entered_inning != i || p.detail.pitcher.batting_order < index ||
        p.detail.pitcher.name.empty()) {
      r.Report("does not name the moment and the pitcher it came with");
    }
  } else if (carries) {
    PITCH_DATA want = t.details > 0 && t.details <= kMaxPitches
                          ? r.ab.pitch_details[static_cast<std::size_t>(t.details - 1)]
                          : PITCH_DATA{};
    want.pitcher.batting_order = index;
    want.pitcher.entered_inning = i;
    if (!(p.detail == want)) r.Report("does not carry the last pitch detail");
  } else if (p.detail.valid) {
    r.Report("carries a pitch detail it should not");
  }
}

// Replays the entries up to the last pitch, checking each as it comes.
void ReplayEntries(const AT_BAT& ab, int index, const LeagueRules& rules, const Where& report,
                   SequenceTally& t) {
  for (int i = 0; i <= ab.last_pitch; ++i) {
    const PITCH& p = ab.pitches[static_cast<std::size_t>(i)];
    const EntryReplay r{ab, rules, report, t,
                        "entry " + N(i) + " (" + std::string(PitchEventName(p.event)) + "): "};
    if (!t.ended && (p.balls_before != t.balls || p.strikes_before != t.strikes)) {
      r.Report("count before is " + N(p.balls_before) + "-" + N(p.strikes_before) +
               ", the pitches make " + N(t.balls) + "-" + N(t.strikes));
    }
    ReplayEntry(p.event, r);
    CheckEntryDetail(p, i, index, r);
  }
}

// The runner's bases, his run and his advance slots against the entries.
void CheckBases(const AT_BAT& ab, const Where& report, const SequenceTally& t) {
  if (ab.reached || ab.out) {
    if (t.bases != ab.bases_reached)
      report("bases reached " + N(ab.bases_reached) + ", entries make " + N(t.bases));
    if (ab.out && ab.bases_reached > 3) report("out after reaching home");
    if ((ab.scored != 0) != (!ab.out && ab.bases_reached == 4))
      report("scored flag and bases disagree");
  } else if (ab.bases_reached != 0 || ab.scored || ab.rbi) {
    report("a turn with no result has bases or runs");
  }
  if (ab.earned && !ab.scored) report("an earned run that did not score");
  for (int s = 0; s < 3; ++s) {
    if (!t.slot_used[static_cast<std::size_t>(s)] &&
        ab.advances[static_cast<std::size_t>(s)] != kAdvNone) {
      report("advance slot " + N(s) + " has a code but no advance entry");
    }
  }
}

// Checks the box's fields against what the replay counted.
void CheckTally(const AT_BAT& ab, const LeagueRules& rules, const Where& report,
                const SequenceTally& t) {
  for (int i = ab.last_pitch + 1; i < kMaxPitches; ++i) {
    if (!(ab.pitches[static_cast<std::size_t>(i)] == PITCH{}))
      report("entry " + N(i) + " is filled after the last pitch");
  }
  if (ab.PitchDetailsInUse() != t.details) {
    report("pitch details in use " + N(ab.PitchDetailsInUse()) + ", pitches thrown " +
           N(t.details));
  }
  for (int i = 0; i < kMaxPitches; ++i) {
    const bool used = ab.pitch_details[static_cast<std::size_t>(i)].valid != 0;
    if (used != (i < t.details))
      report("pitch detail " + N(i) + " is out of step with the pitches");
  }
  if (ab.balls != t.balls || ab.strikes != t.strikes) {
    report("final count " + N(ab.balls) + "-" + N(ab.strikes) + ", the pitches make " + N(t.balls) +
           "-" + N(t.strikes));
  }
  if (t.balls > rules.balls_per_walk || t.strikes > rules.strikes_per_out)
    report("the count runs past its limits");
  if ((t.reach_entries == 1) != (ab.reached != 0))
    report("reached flag and reach entries disagree");
  if ((t.out_entries == 1) != (ab.out != 0)) report("out flag and out entries disagree");
  if (t.rbi_entries != ab.rbi)
    report("RBI " + N(ab.rbi) + " but " + N(t.rbi_entries) + " RBI entries");
  const bool strikeout = ab.out && !ab.reached &&
                         (ab.how_out == kOutStrikeSwinging || ab.how_out == kOutStrikeLooking);
  if (strikeout && t.strikes != rules.strikes_per_out)
    report("a strikeout without the last strike");
  if (!strikeout && !ab.reached && ab.out && t.strikes >= rules.strikes_per_out &&
      ab.how_out != kOutDroppedThird) {
    report("three strikes but not a strikeout");
  }
  const bool walk =
      ab.reached && (ab.how_reached == kReachWalk || ab.how_reached == kReachIntentionalWalk);
  if (walk != (t.balls >= rules.balls_per_walk)) report("ball four and the walk disagree");
  CheckBases(ab, report, t);
}

// Replays one box's pitch sequence against its fields.
void CheckSequence(const AT_BAT& ab, int index, const LeagueRules& rules, const Where& report) {
  if (ab.last_pitch < -1 || ab.last_pitch >= kMaxPitches) {
    report("last pitch " + N(ab.last_pitch) + " is outside -1..24");
    return;
  }
  SequenceTally tally;
  ReplayEntries(ab, index, rules, report, tally);
  CheckTally(ab, rules, report, tally);
}

void CheckPitchers(const AT_BAT& ab, const Team& fielding, const Where& report) {
  const int n = ab.PitcherCount();
  for (int s = 0; s < kMaxPitchersPerAtBat; ++s) {
    const PITCHER_SLOT& slot = ab.pitchers[static_cast<std::size_t>(s)];
    if (s < n) {
      if (!OnRoster(fielding, slot.pitcher.name))
        report("pitcher slot " + N(s) + " is not on the fielding roster");
      const int prev = s == 0 ? -1 : ab.pitchers[static_cast<std::size_t>(s - 1)].last_pitch;
      if (s < n - 1 && (slot.last_pitch <= prev || slot.last_pitch > ab.last_pitch)) {
        report("pitcher slot " + N(s) + " has last pitch " + N(slot.last_pitch) + " out of order");
      }
      if (s == n - 1 && slot.last_pitch != -1) report("the last pitcher's last pitch is not -1");
    } else if (!(slot == PITCHER_SLOT{})) {
      report("pitcher slot " + N(s) + " is filled after an empty one");
    }
  }
  for (int i = 0; i < ab.PitchDetailsInUse() && i < kMaxPitches; ++i) {
    const NameText& who = ab.pitch_details[static_cast<std::size_t>(i)].pitcher.name;
    bool found = false;
    for (int s = 0; s < n; ++s)
      found |= ab.pitchers[static_cast<std::size_t>(s)].pitcher.name == who;
    if (!found)
      report("pitch detail " + N(i) + " names " + who.str() + ", who did not face the batter");
  }
  if (!ab.responsible_pitcher.name.empty() && !OnRoster(fielding, ab.responsible_pitcher.name)) {
    report("the responsible pitcher is not on the fielding roster");
  }
}

void CheckAtBat(const AT_BAT& ab, int index, const LeagueRules& rules, const Team& batting,
                const Team& fielding, const Where& report) {
  if (!OnRoster(batting, ab.batter.name))
    report("batter " + ab.batter.name.str() + " is not on the batting roster");
  if (!ab.pinch_runner.name.empty() && !OnRoster(batting, ab.pinch_runner.name)) {
    report("pinch runner " + ab.pinch_runner.name.str() + " is not on the batting roster");
  }
  CheckPitchers(ab, fielding, report);
  CheckCredits(ab.out_credits, ab.out_credit_count, "out credit", fielding, report);
  CheckCredits(ab.reach_credits, ab.reach_credit_count, "reach credit", fielding, report);
  for (int b = 0; b < kBases; ++b) {
    for (const FIELDER_CREDIT* c : {&ab.error_credits[static_cast<std::size_t>(b)],
                                    &ab.second_error_credits[static_cast<std::size_t>(b)]}) {
      if (!c->name.empty() && !OnRoster(fielding, c->name))
        report("error credit names " + c->name.str() + ", not on the fielding roster");
    }
  }
  CheckSequence(ab, index, rules, report);
  if (ab.HasHitLocation() && (ab.hit_x < 0 || ab.hit_x > 166 || ab.hit_y < 0 || ab.hit_y > 144)) {
    report("hit location (" + N(ab.hit_x) + ", " + N(ab.hit_y) +
           ") lies outside the field picture");
  }
}

void CheckLineup(const std::vector<PLAYER>& lineup, const Team& team, bool offense,
                 const Where& report) {
  std::map<int, int> active;
  for (const PLAYER& p : lineup) {
    if (!OnRoster(team, p.name)) report("line-up entry " + p.name.str() + " is not on the roster");
    // Copies: a field of a packed record is no place to bind a reference.
    const int key = offense ? int{p.batting_order} : int{p.position};
    active[key] += p.active ? 1 : 0;
  }
  if (offense) {
    for (const auto& [slot, n] : active) {
      if (n != 1) report("batting slot " + N(slot) + " has " + N(n) + " active entries");
    }
  } else {
    for (int pos = 1; pos <= 9; ++pos) {
      if (active[pos] != 1)
        report(std::string(PositionName(pos)) + " has " + N(active[pos]) + " active entries");
    }
  }
}

// The errors charged in a box: a passed ball and the marks of an earlier
// error carried along count as none, nor does a name left blank.
int ErrorsCharged(const AT_BAT& ab) {
  auto counts = [](const FIELDER_CREDIT& c, std::int32_t kind) {
    return !c.name.empty() && c.name.view()[0] != ' ' && kind != kErrPassedBall &&
           kind != kErrPrevious;
  };
  int errors = 0;
  for (std::size_t k = 0; k < static_cast<std::size_t>(kBases); ++k) {
    errors += counts(ab.error_credits[k], ab.error_kinds[k]) ? 1 : 0;
    errors += counts(ab.second_error_credits[k], ab.second_error_kinds[k]) ? 1 : 0;
  }
  return errors;
}

// What a half's boxes add up to.
struct HalfTally {
  int runs = 0;
  int hits = 0;
  int errors = 0;
  int lob = 0;
  int outs = 0;
  std::set<int> out_numbers;
  std::set<int> left_on;
};

// One box of a half counted into the half's tally: a runner left on a base
// another holds, an out number used twice, a turn with no result that is
// not the last.
void CountBox(const AT_BAT& ab, bool last_box, const Where& at, HalfTally& t) {
  t.runs += ab.scored ? 1 : 0;
  t.hits += ReachIsHit(ab.how_reached) ? 1 : 0;
  t.errors += ErrorsCharged(ab);
  if (ab.reached && !ab.out && !ab.scored) {
    ++t.lob;
    if (!t.left_on.insert(int{ab.bases_reached}).second)
      at("two runners left on base " + N(ab.bases_reached));
  }
  if (ab.out) {
    ++t.outs;
    if (!t.out_numbers.insert(int{ab.box_number}).second)
      at("out number " + N(ab.box_number) + " used twice");
  } else if (ab.box_number != 0) {
    at("a box number without an out");
  }
  if (!ab.reached && !ab.out && !last_box) at("a turn with no result before the last box");
}

// A half's totals and outs against what its boxes add up to.
void CheckHalfTally(const HALF_INNING& half, bool completed, const LeagueRules& rules,
                    const HalfTally& t, const Where& report) {
  if (t.runs != half.runs || t.hits != half.hits || t.errors != half.errors ||
      t.lob != half.left_on_base) {
    report("totals " + N(half.runs) + " R " + N(half.hits) + " H " + N(half.errors) + " E " +
           N(half.left_on_base) + " LOB, boxes make " + N(t.runs) + " R " + N(t.hits) + " H " +
           N(t.errors) + " E " + N(t.lob) + " LOB");
  }
  if (completed && t.outs != rules.outs_per_inning) report(N(t.outs) + " outs in a completed half");
  if (t.outs > rules.outs_per_inning) report(N(t.outs) + " outs in one half");
  if (t.left_on.size() > 3 ||
      (!t.left_on.empty() && (*t.left_on.begin() < 1 || *t.left_on.rbegin() > 3))) {
    report("runners left on base do not stand on first to third");
  }
  int number = 1;
  for (int n : t.out_numbers) {
    if (n != number++) {
      report("out numbers do not run 1, 2, 3");
      break;
    }
  }
}

// A half where scoring went on: its line-ups, its boxes, its totals.
void CheckPlayedHalf(const Game& game, int inning, bool top, bool completed,
                     const LeagueRules& rules, std::vector<Inconsistency>& found) {
  const HALF_INNING& half = game.innings[static_cast<std::size_t>(inning)].half(top);
  const Where report{found, inning, top, -1};
  const Team& batting = top ? game.visitor : game.home;
  const Team& fielding = top ? game.home : game.visitor;
  CheckLineup(half.offense, batting, true, report);
  CheckLineup(half.defense, fielding, false, report);
  HalfTally tally;
  for (std::size_t i = 0; i < half.at_bats.size(); ++i) {
    const AT_BAT& ab = half.at_bats[i];
    const Where at{found, inning, top, static_cast<int>(i)};
    CheckAtBat(ab, static_cast<int>(i), rules, batting, fielding, at);
    CountBox(ab, i + 1 == half.at_bats.size(), at, tally);
  }
  CheckHalfTally(half, completed, rules, tally, report);
}

// The last half with a line-up: the one where scoring stopped (-1 for
// none).
int LastScoredHalf(const Game& game) {
  int last_half = -1;
  for (int h = 0; h < 2 * kInnings; ++h) {
    const HALF_INNING& half = game.innings[static_cast<std::size_t>(h / 2)].half(h % 2 == 0);
    if (!half.offense.empty()) last_half = h;
  }
  return last_half;
}

// The header's score against the halves' runs, and the pitchers of
// record: on the side that won or lost, never in a tied game.
void CheckScoreAndDecisions(const Game& game, int visitor_runs, int home_runs,
                            const Where& report) {
  // The header keeps the score (the in-memory totals are recomputed on
  // demand and not stored).
  if (game.header.home_score != home_runs || game.header.visitor_score != visitor_runs) {
    report("score " + N(game.header.visitor_score) + "-" + N(game.header.home_score) +
           ", halves make " + N(visitor_runs) + "-" + N(home_runs));
  }
  const bool home_won = home_runs > visitor_runs;
  const bool decided = home_runs != visitor_runs;
  auto check_decision = [&](const PLAYER& p, bool winners, const char* what) {
    if (p.name.empty()) return;
    if (!decided) report(std::string(what) + " pitcher in a tied game");
    const Team& team = winners == home_won ? game.home : game.visitor;
    if (!OnRoster(team, p.name))
      report(std::string(what) + " pitcher " + p.name.str() + " is not on his team");
  };
  check_decision(game.winning_pitcher, true, "winning");
  check_decision(game.saving_pitcher, true, "saving");
  check_decision(game.losing_pitcher, false, "losing");
}

}  // namespace

std::string Inconsistency::Text() const {
  std::string where;
  if (inning >= 0) {
    where = std::string(top ? "top " : "bottom ") + N(inning + 1);
    if (at_bat >= 0) where += ", box " + N(at_bat + 1);
    where += ": ";
  }
  return where + what;
}

std::vector<Inconsistency> CheckGame(const Game& game, const LeagueRules& rules) {
  std::vector<Inconsistency> found;
  const int last_half = LastScoredHalf(game);
  int home_runs = 0;
  int visitor_runs = 0;
  for (int h = 0; h < 2 * kInnings; ++h) {
    const int inning = h / 2;
    const bool top = h % 2 == 0;
    const HALF_INNING& half = game.innings[static_cast<std::size_t>(inning)].half(top);
    if (h > last_half) {
      if (!half.at_bats.empty() || !half.defense.empty()) {
        const Where report{found, inning, top, -1};
        report("a half after the last one has boxes or a line-up");
      }
      continue;
    }
    CheckPlayedHalf(game, inning, top, h < last_half, rules, found);
    (top ? visitor_runs : home_runs) += half.runs;
  }
  CheckScoreAndDecisions(game, visitor_runs, home_runs, Where{found, -1, true, -1});
  return found;
}

}  // namespace scorewick::scoring
