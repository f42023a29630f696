#include "stats/accumulate.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "records/codes.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"

namespace scorewick {
namespace {

// A name field's text.  Names are short, so a plain scan beats a call to
// memchr over the whole field.
inline std::string_view View(const NameText& text) {
  const char* p = text.bytes.data();
  std::size_t n = 0;
  while (n < NameText::kCapacity && p[n] != '\0') ++n;
  return {p, n};
}

bool In(std::int32_t value, std::initializer_list<std::int32_t> set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

// Bases a batter gains by his own result.
int BasesOf(std::int32_t result) {
  switch (result) {
    case kReachDouble: case kReachGroundRuleDouble: return 2;
    case kReachTriple: return 3;
    case kReachHomeRun: case kReachInsideParkHR: return 4;
    default: return 1;
  }
}

// The batter's safe result and out codes, -1 when he has none.
std::int32_t ResultOf(const AT_BAT& ab) { return ab.reached ? ab.how_reached : -1; }
std::int32_t OutOf(const AT_BAT& ab) { return ab.out ? ab.how_out : -1; }

// An official at-bat.  A sacrifice of any kind is none, the sacrifice fly
// that ends in a double play (38) included.
bool IsOfficialAtBat(const AT_BAT& ab) {
  if (!ab.reached && !ab.out) return false;
  const std::int32_t result = ResultOf(ab), out = OutOf(ab);
  return !In(result, {5, 6, 7, 9, 13, 19, 20, 21, 22}) && !In(out, {8, 9, 30, 38});
}

bool ThrowsRight(const PLAYER& pitcher) { return pitcher.throws_right != 0; }

bool SplitCounts(int split, bool right) { return split == 2 || (split == 0) == right; }

// The side a batter stands on against this pitcher: a switch hitter bats
// against the pitcher's hand.
bool BatsRight(const PLAYER& batter, const PLAYER& pitcher) {
  if (batter.bats == 0) return false;
  if (batter.bats == 1) return true;
  return !ThrowsRight(pitcher);
}

struct Span {
  int begin = 0;
  int end = 0;
};

// Counts one side of one game.
class SideCounter {
 public:
  SideCounter(Stat& stat, const Game& game, int n, int pitching_split, int batting_split,
              bool counted_is_home)
      : s_(stat), game_(game), n_(n), pitching_split_(pitching_split),
        batting_split_(batting_split), batting_top_(!counted_is_home),
        team_((counted_is_home ? game.home : game.visitor).team_name.view()) {}

  void Count();

 private:
  // Rows looked up in this game, by name (and position): a game names a
  // few dozen players hundreds of times, so a short list answers faster
  // than the table's index.
  struct Seen {
    std::string_view name;
    std::int32_t position;
    int row;
  };
  int BattingRow(std::string_view name, std::int32_t position);
  int PitchingRow(std::string_view name);
  int FieldingRow(std::string_view name, std::int32_t position);
  std::vector<Seen> seen_batting_, seen_pitching_, seen_fielding_;
  std::vector<std::string_view> named_;  // batters and runners of a half
  std::vector<int> outs_before_;         // per plate appearance of the fielding half

  BattingStat& Bat(int i) { return s_.batting[static_cast<std::size_t>(i)]; }
  PitchingStat& Pit(int i) { return s_.pitching[static_cast<std::size_t>(i)]; }
  FieldingStat& Fld(int i) { return s_.fielding[static_cast<std::size_t>(i)]; }

  void BattingHalf(const HALF_INNING& half);
  void BattingPlate(const AT_BAT& ab);
  void PitchingPlate(const HALF_INNING& half, int inning, int index, const AT_BAT& ab);
  void FieldingCredits(const AT_BAT& ab, const std::array<bool, kBases>& passed_ball,
                       std::string_view catcher);
  void Appearances(int inning, const HALF_INNING& bat, const HALF_INNING& field);
  void MarkAppeared(int row, int inning);
  void EndOfGame();

  bool IsGamePitcher(std::string_view name);
  static bool InDefense(const HALF_INNING& half, std::string_view name);
  std::string_view Catcher(const HALF_INNING& half, int inning, int index, bool before_sub) const;
  int Start(const PLAYER& entry, int inning) const;

  Stat& s_;
  const Game& game_;
  int n_;
  int pitching_split_;
  int batting_split_;
  bool batting_top_;
  std::string_view team_;
  int starter_ = -1;
  std::vector<std::string_view> game_pitchers_;
  const AT_BAT* final_plate_ = nullptr;
};

int SideCounter::BattingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Seen& seen : seen_batting_) {
    if (seen.name == name) {
      Bat(seen.row).AddPosition(position);
      return seen.row;
    }
  }
  const int row = s_.FindOrAddBatting(name, team_, position);
  seen_batting_.push_back({name, 0, row});
  return row;
}

int SideCounter::PitchingRow(std::string_view name) {
  if (name.empty()) return -1;
  for (const Seen& seen : seen_pitching_) {
    if (seen.name == name) return seen.row;
  }
  const int row = s_.FindOrAddPitching(name, team_);
  seen_pitching_.push_back({name, 0, row});
  return row;
}

int SideCounter::FieldingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Seen& seen : seen_fielding_) {
    if (seen.position == position && seen.name == name) return seen.row;
  }
  const int row = s_.FindOrAddFielding(name, team_, position);
  seen_fielding_.push_back({name, position, row});
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
    game_pitchers_.erase(std::unique(game_pitchers_.begin(), game_pitchers_.end()), game_pitchers_.end());
    game_pitchers_.push_back({});  // marks the list as built
  }
  return std::find(game_pitchers_.begin(), game_pitchers_.end(), name) != game_pitchers_.end();
}

bool SideCounter::InDefense(const HALF_INNING& half, std::string_view name) {
  for (const PLAYER& p : half.defense) {
    if (View(p.name) == name) return true;
  }
  return false;
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
  if (ab.last_pitch >= 0 && (ab.reached || ab.out) && result != kReachTieBreaker) ++bs.plate_appearances;
  if (IsOfficialAtBat(ab)) ++bs.at_bats;
  switch (result) {
    case kReachOnBaseSingle: ++bs.bunt_hits; [[fallthrough]];
    case kReachSingle: ++bs.singles; ++bs.hits; break;
    case kReachDouble: case kReachGroundRuleDouble: ++bs.doubles; ++bs.hits; break;
    case kReachTriple: ++bs.triples; ++bs.hits; break;
    case kReachHomeRun: case kReachInsideParkHR: ++bs.home_runs; ++bs.hits; break;
    case kReachWalk: case kReachIntentionalWalk: ++bs.walks; break;
    case kReachHitByPitch: ++bs.hit_by_pitch; break;
    case kReachError: case kReachAssistWithError: case kReachDroppedThirdError: ++bs.reached_on_error; break;
    case kReachFieldersChoice: case kReachFieldersChoiceDP: ++bs.fielders_choices; break;
    default: break;
  }
  if (In(result, {13, 20, 21, 22}) || In(out, {8, 9, 30, 38})) ++bs.all_sacrifices;
  if (In(result, {13, 20}) || out == kOutSacrifice) ++bs.sacrifices;
  if (out == kOutSacBunt) ++bs.sacrifice_bunts;
  if (out == kOutSacFly || out == kOutSacFlyDP || result == kReachSacFlyWithError) ++bs.sacrifice_flies;
  if (result == kReachDroppedThirdWP) ++bs.dts_wild_pitch;
  if (result == kReachDroppedThirdPB) ++bs.dts_passed_ball;
  if (result == kReachDroppedThirdError) ++bs.dts_error;
  if (result == kReachInterference) {
    if (ab.reach_credits[0].position == kPosCatcher) ++bs.catcher_interference;
    else ++bs.other_interference;
  }
  if (In(out, {1, 11, 12}) || In(result, {14, 15, 23})) ++bs.so_swinging;
  else if (out == kOutStrikeLooking) ++bs.so_looking;
  switch (out) {
    case kOutGround: ++bs.ground_outs; break;
    case kOutFly: ++bs.fly_outs; break;
    case kOutFoul: ++bs.foul_fly_outs; break;
    case kOutPopOut: ++bs.pop_outs; break;
    case kOutInfieldFly: ++bs.infield_flies; break;
    case kOutInterference: ++bs.interference_outs; break;
    case kOutThrownBat: ++bs.thrown_bat; break;
    case kOutLineDrive: ++bs.line_drives; break;
    case kOutDoublePlay: ++bs.into_double_play; break;
    case kOutTriplePlay: ++bs.into_triple_play; break;
    case kOutHitByOwnBall: ++bs.hit_by_own_ball; break;
    case kOutBattedOutOfTurn: ++bs.batted_out_of_turn; break;
    case kOutBuntedFoul: ++bs.bunted_foul_second_strike; break;
    case kOutDroppedThird: ++bs.dropped_third_out; break;
    case kOutIllegallyBatted: ++bs.illegally_batted; break;
    case kOutCalledOut: ++bs.called_out; break;
    case kOutBuntOut: ++bs.bunt_outs; break;
    case kOutNonForceGdp: ++bs.non_force_dp; break;
    case kOutSacFlyDP: ++bs.sac_fly_dp; break;
    case kOutBaseLineViolation: ++rs.base_line_violation; break;
    case kOutMissedBase: ++rs.missed_base; break;
    case kOutHitByFairBall: ++rs.hit_by_fair_ball; break;
    case kOutForced: ++rs.force_outs; break;
    case kOutTagged: ++rs.tag_outs; break;
    case kOutLeftBaseEarly: ++rs.left_base_early; break;
    case kOutDidNotTagUp: ++rs.did_not_tag_up; break;
    case kOutLeftBasePath: ++rs.left_base_path; break;
    case kOutCircleViolation: ++rs.circle_violation; break;
    case kOutLeadingOff: ++rs.leading_off; break;
    case kOutHeadFirstSlide: ++rs.head_first_slide; break;
    case kOutOverRanBase: ++rs.over_ran_base; break;
    case kOutCaughtStealingDP: ++rs.caught_stealing_dp; break;
    default: break;
  }
  const int stood = ab.bases_reached;  // with an out: the base he was put out leaving
  if (out == kOutPickedOff) {
    if (stood == 1) ++rs.pko1;
    else if (stood == 2) ++rs.pko2;
    else if (stood == 3) ++rs.pko3;
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
  if (out == kOutCaughtStealing || out == kOutCaughtStealingDP) caught_at = stood;
  else if (reached >= 2 && ab.advances[reached - 2] == kAdvCaughtStealingError) caught_at = reached - 1;
  if (caught_at >= 1 && caught_at <= 3) {
    ++rs.steal_attempts;
    (caught_at == 1 ? rs.cs2 : caught_at == 2 ? rs.cs3 : rs.csh)++;
  }
  if (ab.scored) ++rs.runs;
  if (ab.rbi > 0) bs.rbi += ab.rbi;
}

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
    const std::string_view who = InDefense(half, responsible) ? responsible : View(ab.pitchers[0].pitcher.name);
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
      if (ev == kEventStrike) ++strikes;
      else if (ev == kEventFoul && strikes < rules.strikes_per_out - 1) ++strikes;
      else if (ev == kEventBall && ++balls == rules.balls_per_walk && walk_pitch < 0) walk_pitch = p;
      if (strikeout_pitch < 0 &&
          (((ev == kEventStrike || ev == kEventFoul) && strikes >= rules.strikes_per_out) ||
           (ev == kEventOut && In(ab.how_out, {1, 2, 11, 12})) ||
           (ev == kEventReached && In(ab.how_reached, {14, 15, 23})))) {
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
    range.begin = slot_index == 0 ? 0 : ab.pitchers[static_cast<std::size_t>(slot_index - 1)].last_pitch + 1;
    range.end = (slot_index == pitchers - 1 || slot.last_pitch < 0 || slot.last_pitch > 25) ? total
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
    catcher = Catcher(half, inning, index, /*before_sub=*/true);
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
      if (!In(result, {14, 15, 23})) {
        ++Pit(p).outs;
        out_credited = true;
      }
    }
    for (int q = range.begin; q < range.end; ++q) {
      const std::int32_t ev = event(q);
      if (ev < kEventStrike || ev > kEventOut) continue;
      if (ev == kEventBall || (ev == kEventReached && In(ab.how_reached, {5, 6, 7}))) ++Pit(p).first_pitch_balls;
      else ++Pit(p).first_pitch_strikes;
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
          case kAdvBalk: ++Pit(p).balks; break;
          case kAdvWildPitch: ++Pit(p).wild_pitches; break;
          case kAdvPassedBall:
            if (ab.error_kinds[base] != kErrPassedBall) passed_ball[static_cast<std::size_t>(base)] = true;
            break;
          default: break;
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
        case kEventStrike: case kEventBall: {
          ++ps->pitch_count;
          (ev == kEventStrike ? ps->total_strikes : ps->total_balls)++;
          const int c = catcher_row();
          if (c >= 0) ++Fld(c).pitches_received;
          break;
        }
        case kEventFoul: ++ps->pitch_count; ++ps->total_strikes; break;
        case kEventPitcherPickoff1st: case kEventPitcherPickoff2nd: case kEventPitcherPickoff3rd: {
          const int k = ev - kEventPitcherPickoff1st;
          (k == 0 ? ps->pkoa1 : k == 1 ? ps->pkoa2 : ps->pkoa3)++;
          FieldingStat& f = Fld(pitcher_row());
          (k == 0 ? f.pkoa1 : k == 1 ? f.pkoa2 : f.pkoa3)++;
          break;
        }
        case kEventCatcherPickoff1st: case kEventCatcherPickoff2nd: case kEventCatcherPickoff3rd: {
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
          if (!In(how, {5, 6, 7, 8, 19})) {
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
          if ((pchr > 0 || (In(how, {14, 15, 23}) && catcher_named))) {
            const int c = catcher_row();
            if (c >= 0) {
              Fld(c).pitches_received += pchr;
              if (In(how, {14, 15, 23}) && catcher_named) ++Fld(c).dts_batter_reached;
            }
          }
          ps = &Pit(p);
          switch (how) {
            case kReachHitByPitch: ++ps->pitch_count; ++ps->total_balls; ++ps->hit_batsmen; break;
            case kReachSingle: case kReachOnBaseSingle: ++ps->singles; ++ps->hits; break;
            case kReachDouble: case kReachGroundRuleDouble: ++ps->doubles; ++ps->hits; break;
            case kReachTriple: ++ps->triples; ++ps->hits; break;
            case kReachHomeRun: case kReachInsideParkHR: ++ps->home_runs; ++ps->hits; break;
            case kReachDroppedThirdWP: ++ps->wild_pitches; break;
            case kReachDroppedThirdPB: {
              const int c = catcher_row();
              if (c >= 0) ++Fld(c).passed_balls;
              const int b = BattingRow(catcher, kPosCatcher);
              if (b >= 0) ++Bat(b).passed_balls;
              break;
            }
            default: break;
          }
          break;
        }
        case kEventOut: {
          const std::int32_t how = ab.how_out;
          if (In(how, {3, 4, 5, 6, 7, 8, 9, 11, 21, 24, 25, 30, 31, 32, 33, 34, 36, 38, 40})) {
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
          if ((how == kOutCaughtStealing || how == kOutCaughtStealingDP) && base >= 1 && base <= 3 &&
              !catcher.empty()) {
            for (int k = 0; k < chain; ++k) {
              if (View(ab.out_credits[static_cast<std::size_t>(k)].name) != catcher) continue;
              FieldingStat& f = Fld(catcher_row());
              (base == 1 ? f.cs2 : base == 2 ? f.cs3 : f.csh)++;
              if (base == 3 && k == chain - 1) ++f.cs_put_out_home;
            }
          }
          break;
        }
        default: break;
      }
    }

    // Balls that are no pitches: intentional balls, pitches to the mouth,
    // pitch-outs.
    for (const PITCH_DATA& d : ab.pitch_details) {
      if (!d.valid) break;  // details fill from the front
      if (d.strike || !In(d.ball_type, {2, 3, 4}) || View(d.pitcher.name) != name) continue;
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
        if (ab.out && chain == 1 && In(ab.how_out, {1, 2, 10, 11, 12, 21, 22, 23, 24, 26, 33})) po = apo = 1;
        break;
      case kCreditAssist: a = 1; break;
      case kCreditPutOut: po = 1; break;
      case kCreditPutOutAndAssist: a = po = 1; break;
      case kCreditTwoPutOuts: po = 2; break;
      case kCreditThreePutOuts: po = 3; break;
      default: break;
    }
    if (c.credit != kCreditNone && po > 0) {
      const bool assisted = i > 0 && In(ab.out_credits[static_cast<std::size_t>(i - 1)].credit, {1, 3});
      (assisted ? apo : uapo) = po;
    }
    BattingStat& bs = Bat(b);
    bs.put_outs += po; bs.assists += a; bs.assisted_put_outs += apo; bs.unassisted_put_outs += uapo;
    FieldingStat& fs = Fld(f);
    fs.put_outs += po; fs.assists += a; fs.assisted_put_outs += apo; fs.unassisted_put_outs += uapo;
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
      const FIELDER_CREDIT& credit = list == 0 ? ab.error_credits[static_cast<std::size_t>(k)]
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
      if (kind == kErrFielding) { ++brow.fielding_errors; ++frow.fielding_errors; }
      if (kind == kErrThrowing) { ++brow.throwing_errors; ++frow.throwing_errors; }
      if (kind == kErrBobble) { ++brow.bobbles; ++frow.bobbles; }
    }
  }
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
  for (const AT_BAT& ab : field.at_bats) outs_before_.push_back(outs_before_.back() + (ab.out ? 1 : 0));
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
    fs.outs_played += outs_before_[static_cast<std::size_t>(end)] - outs_before_[static_cast<std::size_t>(begin)];
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
    const PLAYER& last = final_plate_->pitchers[static_cast<std::size_t>(final_plate_->PitcherCount() - 1)].pitcher;
    if (s_.FindPitching(View(last.name), team_) == starter_) {
      ++Pit(starter_).complete_games;
      // The other side's runs, recomputed from the innings.
      int runs = 0;
      for (int i = 0; i <= game_.LastInning(); ++i) runs += game_.innings[static_cast<std::size_t>(i)].half(!batting_top_).runs;
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

}  // namespace

std::string PriorFormatMessage(const std::string& path) {
  return path + "\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)";
}

void AccumulateGame(Stat& stat, const Game& game, int n, int pitching_split, int batting_split,
                    bool opponents) {
  if (stat.all_teams) {
    for (bool home : {true, false}) {
      stat.team_name = (home ? game.home : game.visitor).team_name.str();
      SideCounter(stat, game, n, pitching_split, batting_split, home).Count();
    }
    return;
  }
  const std::string_view team = stat.team_name;
  bool named_home;
  if (game.home.team_name.view() == team) named_home = true;
  else if (game.visitor.team_name.view() == team) named_home = false;
  else return;
  SideCounter(stat, game, n, pitching_split, batting_split, opponents ? !named_home : named_home).Count();
}

namespace {

// Whether the named team plays in the game file: its two teams, which
// come right after the header, are read without the rest.  A file whose
// teams cannot be read is decoded in full, so that its fault is reported.
bool TeamPlays(std::span<const std::uint8_t> bytes, std::string_view team, Team& scratch) {
  ByteReader in(bytes);
  in.Skip(4 + kGameHeaderSize);
  UserMessages ignored;
  for (int side = 0; side < 2; ++side) {
    scratch.Clear();
    scratch.no_personal_info = 1;  // a game's teams carry none
    if (!in.ok() || ReadTeam(in, scratch, ignored) != TeamReadResult::kOk) return true;
    if (scratch.team_name.view() == team) return true;
  }
  return false;
}

}  // namespace

AccumulateReport Accumulate(Stat& stat, int pitching_split, int batting_split, bool opponents) {
  AccumulateReport report;
  Game game;
  Team scratch;
  std::vector<std::uint8_t> bytes;
  UserMessages messages;
  for (int i = 0; i < stat.game_count(); ++i) {
    const std::string& path = stat.file_name(i);
    std::string error;
    if (!ReadWholeFile(path, bytes, &error)) {
      report.refusals.push_back({GameRefusal::Kind::kUnreadable, path, error});
      continue;
    }
    if (bytes.size() < 4 || !(bytes[0] == 0x00 && bytes[1] == 0x03 && bytes[2] == 0 && bytes[3] == 0)) {
      report.refusals.push_back({GameRefusal::Kind::kPriorFormat, path, PriorFormatMessage(path)});
      continue;
    }
    if (!stat.all_teams && !TeamPlays(bytes, stat.team_name, scratch)) continue;
    messages.clear();
    if (DecodeGameFile(bytes, game, messages, &error) != GameReadResult::kOk) {
      report.refusals.push_back({GameRefusal::Kind::kDamaged, path, error});
      continue;
    }
    ++report.games_read;
    AccumulateGame(stat, game, i + 1, pitching_split, batting_split, opponents);
  }
  FinishTables(stat);
  return report;
}

void Accumulate(Stat& stat, const Game& current_game, int pitching_split, int batting_split,
                bool opponents) {
  AccumulateGame(stat, current_game, 1, pitching_split, batting_split, opponents);
  FinishTables(stat);
}

}  // namespace scorewick
