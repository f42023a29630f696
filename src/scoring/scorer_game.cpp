// The Scorer's game and line-ups: starting the game and each half, the
// substitutions, the half-inning totals, and the decisions at the end.

#include <algorithm>

#include "scoring/scorer.h"

namespace scorewick::scoring {
namespace {

std::string SlotText(int slot) { return std::to_string(slot) + std::string(OrdinalSuffix(slot)); }

}  // namespace

Scorer::Scorer(Game& game, const LeagueRules& rules) : game_(game), rules_(rules) {
  home_.home = true;
  home_.team = &game_.home;
  visitor_.team = &game_.visitor;
}

std::string Scorer::TeamName(bool home) const {
  const Team* t = side(home).team;
  return t->team_name.empty() ? (home ? "the home team" : "the visitors") : t->team_name.str();
}

bool Scorer::OnRoster(const Side& s, const PLAYER& p) const {
  return !p.name.empty() && s.team->IndexOfPlayer(p.name.view()) >= 0;
}

PLAYER Scorer::Entering(const PLAYER& roster_player, int position, int slot) const {
  PLAYER p = roster_player;
  p.position = position;
  p.batting_order = slot;
  // A player who comes in between halves enters in the half about to start.
  const int h = half_open_ ? halves_played_ - 1 : halves_played_;
  p.entered_inning = h / 2 + 1;
  // The at-bat at which he came in: the one being batted, or the next.
  const auto& boxes = game_.innings[static_cast<std::size_t>(inning_)].half(top_).at_bats;
  p.entry_value = half_open_ ? static_cast<std::int32_t>(boxes.size()) - (turn_open_ ? 1 : 0) : 0;
  p.entry_flag = h % 2 == 0 ? 1 : 0;
  p.active = 1;
  return p;
}

bool Scorer::HasPlayed(bool home, std::string_view name) const {
  const auto& played = side(home).played;
  return std::find(played.begin(), played.end(), std::string(name)) != played.end();
}

int Scorer::DueUp(bool home) const { return side(home).next_slot + 1; }

PLAYER Scorer::InSlot(bool home, int slot) const {
  const Side& s = side(home);
  if (slot < 1 || slot > static_cast<int>(s.batting_slots.size())) return PLAYER{};
  return s.batting_slots[static_cast<std::size_t>(slot - 1)];
}

PLAYER Scorer::AtPosition(bool home, int position) const {
  if (position < 1 || position > 9) return PLAYER{};
  return side(home).field[static_cast<std::size_t>(position)];
}

int Scorer::PitcherOuts(std::string_view name) const {
  if (pitchers_.find(std::string(name)) == pitchers_.end()) return 0;
  int outs = 0;
  for (int h = 0; h < halves_played_; ++h) {
    outs += OutsRecorded(game_.innings[static_cast<std::size_t>(h / 2)].half(h % 2 == 0), name);
  }
  return outs;
}

int Scorer::PitcherPitches(std::string_view name) const {
  auto it = pitchers_.find(std::string(name));
  return it == pitchers_.end() ? 0 : it->second.pitches;
}

void Scorer::NotePitcherEntered(const PLAYER& pitcher, bool home, bool starter) {
  PitcherLine line;
  line.home = home;
  line.starter = starter;
  line.order = pitcher_order_++;
  line.lead_at_entry = home ? home_runs_ - visitor_runs_ : visitor_runs_ - home_runs_;
  pitchers_.emplace(pitcher.name.str(), line);
}

// --- The game ------------------------------------------------------------

namespace {

// A starter as he enters the game: in the first inning, before the first
// box, active.
PLAYER Starter(const PLAYER& player, std::int32_t batting_order) {
  PLAYER p = player;
  p.batting_order = batting_order;
  p.entered_inning = 1;
  p.entry_value = 0;
  p.entry_flag = 1;
  p.active = 1;
  return p;
}

}  // namespace

// The starting batters in their order, each at his place in the field or
// as the designated hitter.
Status Scorer::PlaceStartingBatters(Side& s, const StartingSide& start) {
  if (start.batters.empty()) return Fail(TeamName(s.home) + " have no batters");
  for (std::size_t i = 0; i < start.batters.size(); ++i) {
    const PLAYER& b = start.batters[i];
    if (!OnRoster(s, b)) return Fail(b.name.str() + " is not on the roster of " + TeamName(s.home));
    if (HasPlayed(s.home, b.name.view()))
      return Fail(b.name.str() + " bats twice for " + TeamName(s.home));
    const PLAYER p = Starter(b, static_cast<std::int32_t>(i + 1));
    s.batting_slots.push_back(p);
    s.played.push_back(p.name.str());
    if (p.position >= 1 && p.position <= 9) {
      if (!s.field[static_cast<std::size_t>(p.position)].name.empty()) {
        return Fail("two players of " + TeamName(s.home) + " play " +
                    std::string(PositionName(p.position)));
      }
      s.field[static_cast<std::size_t>(p.position)] = p;
    } else if (p.position == kPosDesignatedHitter) {
      s.dh = true;
    } else {
      return Fail(p.name.str() + " of " + TeamName(s.home) + " needs a fielding position or DH");
    }
  }
  return {};
}

// The starting pitcher: one of the batters, or with a designated hitter
// batting for him, a pitcher who does not bat.
Status Scorer::PlaceStartingPitcher(Side& s, const StartingSide& start) {
  Team& team = *s.team;
  if (start.pitcher.name.empty()) {
    return Fail(TeamName(s.home) + " have no pitcher: a batter at P, or P \"Name\" P for one " +
                "who does not bat");
  }
  if (!OnRoster(s, start.pitcher)) {
    return Fail("the pitcher " + start.pitcher.name.str() + " is not on the roster of " +
                TeamName(s.home));
  }
  if (!s.dh) {
    if (s.field[1].name.view() != start.pitcher.name.view()) {
      return Fail("the pitcher of " + TeamName(s.home) +
                  " must bat, or a designated hitter bat for him");
    }
    team.uses_designated_hitter = 0;
    return {};
  }
  if (HasPlayed(s.home, start.pitcher.name.view()) || !s.field[1].name.empty()) {
    return Fail(TeamName(s.home) + " use a designated hitter, so their pitcher does not bat");
  }
  PLAYER p = Starter(start.pitcher, 0);
  p.position = kPosPitcher;
  s.field[1] = p;
  s.played.push_back(p.name.str());
  team.uses_designated_hitter = 1;
  for (const PLAYER& b : s.batting_slots) {
    if (b.position == kPosDesignatedHitter) team.designated_hitter = b;
  }
  team.dh_bats_for = p;
  return {};
}

Status Scorer::EveryPositionFilled(const Side& s) {
  for (int pos = 1; pos <= 9; ++pos) {
    if (s.field[static_cast<std::size_t>(pos)].name.empty()) {
      return Fail(TeamName(s.home) + " have nobody at " + std::string(PositionName(pos)));
    }
  }
  return {};
}

// One side's start: the game's copy of its team with the roster alone,
// its batters, its pitcher, every position filled.
Status Scorer::StartSide(bool is_home, const Team& source, const StartingSide& start) {
  Team& copy = is_home ? game_.home : game_.visitor;
  copy.CopyFrom(source);
  copy.no_personal_info = 1;
  std::vector<PLAYER> players = source.players();
  copy.SetRoster(players, std::vector<PLAYER_INFO>(players.size()));
  Side& s = side(is_home);
  s = Side{};
  s.home = is_home;
  s.team = &copy;
  if (Status ok = PlaceStartingBatters(s, start); !ok) return ok;
  if (Status ok = PlaceStartingPitcher(s, start); !ok) return ok;
  if (Status ok = EveryPositionFilled(s); !ok) return ok;
  copy.lineup_size = static_cast<std::int32_t>(s.batting_slots.size());
  NotePitcherEntered(s.field[1], is_home, true);
  return {};
}

Status Scorer::StartGame(const Team& home, const Team& visitor, const StartingSide& home_side,
                         const StartingSide& visitor_side) {
  if (started_) return Fail("the game has already started");
  if (Status ok = StartSide(true, home, home_side); !ok) return ok;
  if (Status ok = StartSide(false, visitor, visitor_side); !ok) return ok;
  started_ = true;
  return {};
}

Status Scorer::FieldReady(Side& s) {
  if (Status ok = EveryPositionFilled(s); !ok) return ok;
  for (std::size_t i = 0; i < s.batting_slots.size(); ++i) {
    PLAYER& p = s.batting_slots[i];
    int pos = 0;
    for (int q = 1; q <= 9; ++q) {
      if (s.field[static_cast<std::size_t>(q)].name.view() == p.name.view()) pos = q;
    }
    if (pos == 0 && !(s.dh && p.position == kPosDesignatedHitter)) {
      return Fail(p.name.str() + ", batting " + SlotText(static_cast<int>(i + 1)) + " for " +
                  TeamName(s.home) + ", has no position in the field");
    }
    if (pos != 0) p.position = pos;
  }
  for (int q = 1; q <= 9; ++q) {
    PLAYER& f = s.field[static_cast<std::size_t>(q)];
    f.position = q;
    f.batting_order = 0;
    for (std::size_t i = 0; i < s.batting_slots.size(); ++i) {
      if (s.batting_slots[i].name.view() == f.name.view())
        f.batting_order = static_cast<std::int32_t>(i + 1);
    }
    if (f.batting_order == 0 && !(s.dh && q == 1)) {
      return Fail(f.name.str() + " plays " + std::string(PositionName(q)) + " for " +
                  TeamName(s.home) + " but does not bat");
    }
  }
  return {};
}

Status Scorer::StartHalf() {
  if (!started_) return Fail("the game has not started");
  if (half_open_) return Fail("the half-inning before has not ended");
  if (GameOver()) return Fail("the game is over");
  if (halves_played_ >= 2 * kInnings) return Fail("a game has at most 40 innings");
  const int h = halves_played_;
  Side& f = side(h % 2 == 0);  // the home side fields in the top half
  if (Status ok = FieldReady(f); !ok) return ok;
  inning_ = h / 2;
  top_ = h % 2 == 0;
  ++halves_played_;
  half_open_ = true;
  turn_open_ = false;
  displaced_.clear();
  outs_ = 0;
  phantom_outs_ = 0;
  balls_ = 0;
  strikes_ = 0;
  bases_ = {};
  HALF_INNING& hf = half();
  hf = HALF_INNING{};
  for (PLAYER p : batting().batting_slots) {
    p.active = 1;
    hf.offense.push_back(p);
  }
  // Who came in between the halves and left before this one began: in
  // the order they entered, before those who take the field.
  for (PLAYER p : f.entered_between) {
    bool fields = false;
    for (int q = 1; q <= 9; ++q) fields |= f.field[static_cast<std::size_t>(q)].name == p.name;
    if (fields) continue;
    p.active = 0;
    hf.defense.push_back(p);
  }
  f.entered_between.clear();
  for (int q = 1; q <= 9; ++q) {
    PLAYER p = fielding().field[static_cast<std::size_t>(q)];
    p.active = 1;
    hf.defense.push_back(p);
  }
  return {};
}

Status Scorer::EndHalf() {
  if (!half_open_) return Fail("no half-inning is being played");
  TallyHalf();
  half_open_ = false;
  turn_open_ = false;
  return {};
}

void Scorer::TallyHalf() {
  HALF_INNING& hf = half();
  hf.runs = hf.hits = hf.errors = hf.left_on_base = 0;
  for (const AT_BAT& ab : hf.at_bats) {
    if (ab.scored) ++hf.runs;
    if (ReachIsHit(ab.how_reached)) ++hf.hits;
    if (ab.reached && !ab.out && !ab.scored) ++hf.left_on_base;
    for (int i = 0; i < kBases; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      auto counts = [](const FIELDER_CREDIT& c, std::int32_t kind) {
        return !c.name.empty() && c.name.view()[0] != ' ' && kind != kErrPassedBall &&
               kind != kErrPrevious;
      };
      if (counts(ab.error_credits[k], ab.error_kinds[k])) ++hf.errors;
      if (counts(ab.second_error_credits[k], ab.second_error_kinds[k])) ++hf.errors;
    }
  }
}

bool Scorer::GameOver() const {
  if (!started_ || halves_played_ == 0) return false;
  const int last = rules_.innings - 1;
  if (half_open_) return !top_ && inning_ >= last && home_runs_ > visitor_runs_;
  const int h = halves_played_ - 1;
  const int inning = h / 2;
  const bool top = h % 2 == 0;
  if (halves_played_ >= 2 * kInnings) return true;
  if (top) return inning >= last && home_runs_ > visitor_runs_;
  return inning >= last && home_runs_ != visitor_runs_;
}

void Scorer::FinishGame() {
  game_.ComputeRunTotals();
  if (halves_played_ > 0) {
    const HALF_INNING& last = half();
    game_.current_inning = inning_;
    game_.current_half_is_top = top_ ? 1 : 0;
    game_.current_at_bat = static_cast<std::int32_t>(last.at_bats.size());
    game_.batter_due_up = DueUp(!top_);
  }
  if (home_runs_ == visitor_runs_) {
    // Tied: nobody is in line for a decision (one leading earlier is not).
    game_.winning_pitcher = PLAYER{};
    game_.losing_pitcher = PLAYER{};
    game_.saving_pitcher = PLAYER{};
    return;
  }
  const bool home_won = home_runs_ > visitor_runs_;
  PLAYER winner = winner_of_record_;
  auto line = [this](const PLAYER& p) -> const PitcherLine* {
    auto it = pitchers_.find(p.name.str());
    return it == pitchers_.end() ? nullptr : &it->second;
  };
  // A starter must go five innings of nine (scaled to the game's length)
  // for the win; otherwise it goes to the reliever who got the most outs.
  const PitcherLine* w = line(winner);
  const int needed = std::max(1, rules_.innings * 5 / 9) * rules_.outs_per_inning;
  if (w && w->starter && PitcherOuts(winner.name.view()) < needed) {
    const std::string* best = nullptr;
    int best_outs = -1;
    for (const auto& [name, l] : pitchers_) {
      const int outs = PitcherOuts(name);
      if (l.home == home_won && !l.starter && outs > best_outs) {
        best = &name;
        best_outs = outs;
      }
    }
    if (best) winner.name.set(*best);
    if (best) {
      for (const INNING& in : game_.innings) {
        for (const PLAYER& p : (home_won ? in.top : in.bottom).defense) {
          if (p.name.view() == *best) winner = p;
        }
      }
    }
  }
  game_.winning_pitcher = winner;
  game_.losing_pitcher = loser_of_record_;
  // The save: the winning side's last pitcher, when he is not the winner,
  // came in with a lead of at most three or pitched three innings.
  const Side& ws = side(home_won);
  const PLAYER& closer = ws.field[1];
  const PitcherLine* c = line(closer);
  game_.saving_pitcher = PLAYER{};
  if (c && !c->starter && closer.name.view() != winner.name.view() &&
      ((c->lead_at_entry >= 1 && c->lead_at_entry <= 3) ||
       PitcherOuts(closer.name.view()) >= 3 * rules_.outs_per_inning)) {
    game_.saving_pitcher = closer;
  }
}

// --- Substitutions -----------------------------------------------------------

void Scorer::AppendOffense(const PLAYER& entry, int slot) {
  if (!half_open_) return;
  HALF_INNING& hf = half();
  for (PLAYER& p : hf.offense) {
    if (p.batting_order == slot) p.active = 0;
  }
  hf.offense.push_back(entry);
}

void Scorer::AppendDefense(const PLAYER& entry, int position) {
  if (!half_open_) return;
  HALF_INNING& hf = half();
  for (PLAYER& p : hf.defense) {
    if (p.position == position) p.active = 0;
  }
  hf.defense.push_back(entry);
}

Status Scorer::PinchHit(const PLAYER& player) {
  if (!half_open_) return Fail("a pinch hitter comes in for the side at bat");
  Side& b = batting();
  if (!OnRoster(b, player))
    return Fail(player.name.str() + " is not on the roster of " + TeamName(b.home));
  if (HasPlayed(b.home, player.name.view())) return Fail(player.name.str() + " has already played");
  // The slot due up, which is the batter's at the plate during a turn.
  const int slot = b.next_slot + 1;
  PLAYER p = Entering(player, kPosPinchHitter, slot);
  if (turn_open_) {
    AT_BAT& ab = half().at_bats.back();
    if (strikes_ == rules_.strikes_per_out - 1 && !struck_out_batter_) {
      struck_out_batter_ = ab.batter;
    }
    ab.batter = p;
  }
  b.batting_slots[static_cast<std::size_t>(slot - 1)] = p;
  b.played.push_back(p.name.str());
  AppendOffense(p, slot);
  return {};
}

Status Scorer::PinchRun(int base, const PLAYER& player) {
  if (!half_open_ || !occupied(base))
    return Fail("nobody is on base " + std::to_string(base) + " to run for");
  Side& b = batting();
  if (!OnRoster(b, player))
    return Fail(player.name.str() + " is not on the roster of " + TeamName(b.home));
  if (HasPlayed(b.home, player.name.view())) return Fail(player.name.str() + " has already played");
  Runner& r = *bases_[static_cast<std::size_t>(base - 1)];
  const int slot = r.player.batting_order;
  if (slot < 1 ||
      b.batting_slots[static_cast<std::size_t>(slot - 1)].name.view() != r.player.name.view()) {
    return Fail("the runner on base " + std::to_string(base) +
                " is no longer in the batting order");
  }
  PLAYER p = Entering(player, kPosPinchRunner, slot);
  b.batting_slots[static_cast<std::size_t>(slot - 1)] = p;
  b.played.push_back(p.name.str());
  r.player = p;
  box(r.at_bat).pinch_runner = p;
  // What the runner did before he was replaced stays his.
  MarkPinchRunnerFrom(box(r.at_bat), box(r.at_bat).last_pitch + 1);
  AppendOffense(p, slot);
  return {};
}

Status Scorer::ChangePitcher(const PLAYER& player, int slot) {
  // Between halves the change is for the side about to take the field.
  const bool home = half_open_ ? top_ : halves_played_ % 2 == 0;
  Side& f = side(home);
  if (!OnRoster(f, player))
    return Fail(player.name.str() + " is not on the roster of " + TeamName(home));
  if (HasPlayed(home, player.name.view())) return Fail(player.name.str() + " has already played");
  if (turn_open_) {
    AT_BAT& ab = half().at_bats.back();
    if (ab.last_pitch >= 0) {
      const int k = ab.PitcherCount();
      if (k >= kMaxPitchersPerAtBat) return Fail("at most three pitchers can face one batter");
      ab.pitchers[static_cast<std::size_t>(k - 1)].last_pitch = ab.last_pitch;
      if (balls_ >= 2 && balls_ > strikes_) walk_charge_ = k - 1;
    }
  }
  if (Status ok = SubstituteFielder(kPosPitcher, player, slot); !ok) return ok;
  if (turn_open_) {
    AT_BAT& ab = half().at_bats.back();
    const int k = ab.last_pitch >= 0 ? ab.PitcherCount() : 0;
    ab.pitchers[static_cast<std::size_t>(k)].pitcher = f.field[1];
    ab.pitchers[static_cast<std::size_t>(k)].last_pitch = -1;
    if (k == 0) ab.responsible_pitcher = f.field[1];
  }
  NotePitcherEntered(f.field[1], home, false);
  return {};
}

Status Scorer::SubstituteFielder(int position, const PLAYER& player, int slot) {
  if (position < 1 || position > 9) return Fail("fielding positions are 1 to 9");
  const bool home = half_open_ ? top_ : halves_played_ % 2 == 0;
  Side& f = side(home);
  if (!OnRoster(f, player))
    return Fail(player.name.str() + " is not on the roster of " + TeamName(home));
  if (HasPlayed(home, player.name.view())) return Fail(player.name.str() + " has already played");
  const PLAYER old = f.field[static_cast<std::size_t>(position)];
  if (slot == 0) {
    for (std::size_t i = 0; i < f.batting_slots.size(); ++i) {
      if (f.batting_slots[i].name.view() == old.name.view()) slot = static_cast<int>(i + 1);
    }
  }
  if (slot < 0 || slot > static_cast<int>(f.batting_slots.size()))
    return Fail("no such batting slot");
  PLAYER p = Entering(player, position, slot);
  if (position == kPosPitcher && !old.name.empty()) displaced_.push_back(old.name.str());
  f.field[static_cast<std::size_t>(position)] = p;
  f.played.push_back(p.name.str());
  if (!half_open_) f.entered_between.push_back(p);
  if (slot > 0) TakeSlot(f, slot, p);
  if (half_open_) {
    AppendDefense(p, position);
    // A new catcher during a turn is an entry of the batter's sequence.
    if (position == kPosCatcher && turn_open_ && half().at_bats.back().last_pitch >= 0) {
      Mark(AtBatIndex(), kEventCatcherSubbed);
    }
  }
  return {};
}

void Scorer::TakeSlot(Side& s, int slot, const PLAYER& entering) {
  PLAYER& held = s.batting_slots[static_cast<std::size_t>(slot - 1)];
  if (held.name.view() != entering.name.view()) {
    for (int q = 1; q <= 9; ++q) {
      PLAYER& f = s.field[static_cast<std::size_t>(q)];
      if (f.name.view() == held.name.view() && q != entering.position) f = PLAYER{};
    }
  }
  // The pitcher who bats, or who goes from the mound into the field and
  // the batting order, ends the designated hitter.
  const bool was_pitcher =
      s.field[1].name.view() == entering.name.view() || entering.position == kPosPitcher;
  held = entering;
  held.batting_order = slot;
  if (was_pitcher) s.dh = false;
}

// A pinch hitter or runner for the designated hitter stays on as the
// designated hitter.
Status Scorer::StaysOnAsDesignatedHitter(Side& f, std::string_view name) {
  for (PLAYER& p : f.batting_slots) {
    if (p.name.view() == name) {
      p.position = kPosDesignatedHitter;
      return {};
    }
  }
  return Fail(std::string(name) + " is not in the batting order of " + TeamName(f.home));
}

Status Scorer::MoveFielder(std::string_view name, int position, bool home_side, int slot) {
  // During a half only the side in the field can move its fielders.
  if (half_open_ && home_side != top_) return Fail("players change positions between halves");
  Side& f = side(home_side);
  if (position == kPosDesignatedHitter && f.dh) return StaysOnAsDesignatedHitter(f, name);
  if (position < 1 || position > 9) return Fail("fielding positions are 1 to 9");
  PLAYER who;
  int held_slot = 0;
  for (std::size_t i = 0; i < f.batting_slots.size(); ++i) {
    if (f.batting_slots[i].name.view() == name) {
      who = f.batting_slots[i];
      held_slot = static_cast<int>(i + 1);
    }
  }
  // The pitcher of a side with a designated hitter bats nowhere; nor does
  // one just replaced on the mound.
  const bool unslotted_pitcher = who.name.empty() && f.field[1].name.view() == name;
  if (unslotted_pitcher) who = f.field[1];
  const bool displaced = who.name.empty() && std::find(displaced_.begin(), displaced_.end(),
                                                       std::string(name)) != displaced_.end();
  if (displaced) {
    const int index = f.team->IndexOfPlayer(name);
    if (index >= 0) who = f.team->players()[static_cast<std::size_t>(index)];
  }
  if (who.name.empty())
    return Fail(std::string(name) + " is not in the batting order of " + TeamName(home_side));
  if (slot != 0 && held_slot != 0 && slot != held_slot) {
    return Fail(std::string(name) + " bats " + SlotText(held_slot) + ", not " + SlotText(slot));
  }
  if ((unslotted_pitcher || displaced) && slot == 0) {
    return Fail(std::string(name) + " does not bat: give the batting slot he takes");
  }
  if (slot < 0 || slot > static_cast<int>(f.batting_slots.size()))
    return Fail("no such batting slot");
  const PLAYER& there = f.field[static_cast<std::size_t>(position)];
  const bool stays = there.name.view() == name;
  if (position == kPosPitcher && !stays && !there.name.empty())
    displaced_.push_back(there.name.str());
  for (int q = 1; q <= 9; ++q) {
    if (f.field[static_cast<std::size_t>(q)].name.view() == name)
      f.field[static_cast<std::size_t>(q)] = PLAYER{};
  }
  who.position = position;
  if (held_slot == 0) {
    who.batting_order = slot;
    TakeSlot(f, slot, who);
    f.dh = false;
  }
  f.field[static_cast<std::size_t>(position)] = who;
  for (PLAYER& p : f.batting_slots) {
    if (p.name.view() == name) p.position = position;
  }
  if (half_open_ && !stays) {
    // The line-up of the half gains his entry at the new position.
    AppendDefense(Entering(who, position, who.batting_order), position);
    if (position == kPosCatcher && turn_open_ && half().at_bats.back().last_pitch >= 0) {
      Mark(AtBatIndex(), kEventCatcherSubbed);
    }
  }
  return {};
}

}  // namespace scorewick::scoring
