// The simulated game as a whole: line-ups, halves, pitching changes, pinch
// hitters and runners, defensive changes, notes and the game header.

#include "sim/simulator.h"

#include <algorithm>
#include <cmath>

namespace scorewick::sim {

using namespace scoring;

bool SimulateGame(const Team& home, const Team& visitor, const GameSetup& setup, Game& game,
                  std::string* error) {
  GameSimulator sim(game, setup);
  return sim.PlayGame(home, visitor, error);
}

GameSimulator::GameSimulator(Game& game, const GameSetup& setup)
    : game_(game), setup_(setup), rng_(setup.seed), scorer_(game, setup.rules) {}

void GameSimulator::Take(const Status& taken, const char* what) {
  if (!taken && error_.empty())
    error_ = std::string("the simulator's ") + what + " was refused: " + taken.reason;
}

bool GameSimulator::RecordOrDie(const Play& play) {
  if (!error_.empty()) return false;
  const Status taken = scorer_.Record(play);
  if (taken) return true;
  std::string on;
  for (int base = 1; base <= 3; ++base) on += scorer_.occupied(base) ? std::to_string(base) : "";
  error_ = "the simulator made a play the scorer refused: " + taken.reason + " [" +
           DescribePlay(play) + " bases " + on + ", " + std::to_string(scorer_.outs()) + " out]";
  return false;
}

Strength GameSimulator::BatterStrength() const {
  return StrengthOf(scorer_.InSlot(!scorer_.top(), scorer_.DueUp(!scorer_.top())));
}

Strength GameSimulator::PitcherStrength() const {
  return StrengthOf(scorer_.AtPosition(scorer_.top(), 1));
}

int GameSimulator::Lead(bool home) const {
  return home ? scorer_.runs(true) - scorer_.runs(false) : scorer_.runs(false) - scorer_.runs(true);
}

bool GameSimulator::Late() const { return scorer_.inning() >= setup_.rules.innings - 3; }

bool GameSimulator::Close() const { return std::abs(Lead(true)) <= 2; }

bool GameSimulator::PlayGame(const Team& home, const Team& visitor, std::string* error) {
  std::string why;
  auto home_plan = PlanTeam(home, setup_.home_rotation, &why);
  if (!home_plan) {
    if (error) *error = why;
    return false;
  }
  auto visitor_plan = PlanTeam(visitor, setup_.visitor_rotation, &why);
  if (!visitor_plan) {
    if (error) *error = why;
    return false;
  }
  bench_[1] = Bench{home_plan->bench, home_plan->bullpen, {}};
  bench_[0] = Bench{visitor_plan->bench, visitor_plan->bullpen, {}};
  if (Status started = scorer_.StartGame(home, visitor, home_plan->start, visitor_plan->start);
      !started) {
    if (error) *error = started.reason;
    return false;
  }
  SetHeader();
  while (error_.empty() && !scorer_.GameOver() && scorer_.halves_played() < 2 * kInnings)
    PlayHalf();
  scorer_.FinishGame();
  // About a minute for every two pitches, two for each pitching change.
  int pitches = 0;
  int changes = 0;
  for (const INNING& inning : game_.innings) {
    for (const HALF_INNING* h : {&inning.top, &inning.bottom}) {
      for (const AT_BAT& ab : h->at_bats) pitches += ab.PitchDetailsInUse();
      changes += std::max(0, static_cast<int>(h->defense.size()) - 9);
    }
  }
  const int minutes = 22 + pitches * 9 / 20 + 2 * changes + rng_.Below(12);
  game_.header.duration_hours = minutes / 60;
  game_.header.duration_minutes = minutes % 60;
  if (!error_.empty()) {
    if (error) *error = error_;
    return false;
  }
  return true;
}

void GameSimulator::SetHeader() {
  GameHeader& h = game_.header;
  h.field.set(setup_.field);
  for (std::size_t i = 0; i < 4; ++i) h.umpires[i].set(setup_.umpires[i]);
  h.list_names[0] = game_.home.team_name;
  h.list_names[1] = game_.visitor.team_name;
  h.year = setup_.year;
  h.month = static_cast<std::uint8_t>(setup_.month);
  h.day = static_cast<std::uint8_t>(setup_.day);
  h.start_hour = setup_.hour;
  h.start_minute = setup_.minute;
  h.creation_year = setup_.year;
  h.attendance = setup_.attendance;
}

void GameSimulator::PlayHalf() {
  const bool next_top = scorer_.halves_played() % 2 == 0;
  PrepareDefence(next_top);  // the home side fields in the top half
  if (!error_.empty()) return;
  if (Status started = scorer_.StartHalf(); !started) {
    error_ = "the simulator could not start a half: " + started.reason;
    return;
  }
  if (setup_.rules.tie_breaker && scorer_.inning() >= setup_.rules.innings)
    static_cast<void>(scorer_.PlaceTieBreakerRunner());
  while (error_.empty() && !scorer_.HalfOver() && !scorer_.GameOver()) PlateAppearance();
  static_cast<void>(scorer_.EndHalf());
}

bool GameSimulator::Bring(bool home, std::vector<PLAYER>& pool, PLAYER& who) {
  for (std::size_t i = 0; i < pool.size(); ++i) {
    if (!scorer_.HasPlayed(home, pool[i].name.view())) {
      who = pool[i];
      pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

// Before a side takes the field: whoever pinch hit or ran for a fielder
// stays in his place or gives it to a substitute; a reliever takes a
// pitcher's slot; late with a lead, a defensive replacement; a tired
// pitcher is relieved.
void GameSimulator::PrepareDefence(bool home) {
  Bench& bn = bench_[home ? 1 : 0];
  for (const auto& [slot, position] : bn.vacated) {
    const PLAYER in_slot = scorer_.InSlot(home, slot);
    PLAYER sub;
    Status ok;
    if (position == kPosPitcher) {
      if (Bring(home, bn.bullpen, sub) || Bring(home, bn.players, sub)) {
        ok = scorer_.ChangePitcher(sub, slot);
      } else {
        ok = scorer_.MoveFielder(in_slot.name.view(), position, home);
      }
    } else if (position == kPosDesignatedHitter || rng_.Chance(0.5) ||
               !Bring(home, bn.players, sub)) {
      ok = scorer_.MoveFielder(in_slot.name.view(), position, home);
    } else {
      ok = scorer_.SubstituteFielder(position, sub, slot);
    }
    if (!ok) error_ = "the simulator's defensive change was refused: " + ok.reason;
  }
  bn.vacated.clear();
  if (!error_.empty()) return;
  if (Late() && Lead(home) >= 1 && Lead(home) <= 3 && rng_.Chance(0.15)) {
    const int position = 7 + rng_.Below(3);
    PLAYER sub;
    if (Bring(home, bn.players, sub)) {
      if (Status in = scorer_.SubstituteFielder(position, sub); !in)
        error_ = "the simulator's defensive replacement was refused: " + in.reason;
    }
  }
  ConsiderPitchingChange(false);
}

void GameSimulator::ConsiderPitchingChange(bool mid_turn) {
  // Between halves the side about to field changes; during one, the side
  // in the field.
  const bool home = scorer_.half_open() ? scorer_.top() : scorer_.halves_played() % 2 == 0;
  Bench& bn = bench_[home ? 1 : 0];
  const PLAYER pitcher = scorer_.AtPosition(home, 1);
  const int pitches = scorer_.PitcherPitches(pitcher.name.view());
  const int outs = scorer_.PitcherOuts(pitcher.name.view());
  const bool starter = pitcher.entered_inning == 1 && pitcher.entry_value == 0;
  const double arm = StrengthOf(pitcher).arm;
  const int limit =
      starter ? static_cast<int>(70 + 40 * (arm - 0.85) / 0.3) : 22 + static_cast<int>(12 * arm);
  bool change = pitches > limit + rng_.Below(15);
  const bool closing = !mid_turn && !scorer_.half_open() &&
                       scorer_.inning() + (scorer_.top() ? 0 : 1) >= setup_.rules.innings - 1 &&
                       Lead(home) >= 1 && Lead(home) <= 3 && !starter && outs >= 3;
  if (!mid_turn && starter && scorer_.half_open()) {
    // A starter knocked around in this half.
    const HALF_INNING& h =
        game_.innings[static_cast<std::size_t>(scorer_.inning())].half(scorer_.top());
    int runs = 0;
    for (const AT_BAT& ab : h.at_bats) runs += ab.scored;
    if (runs >= 4 && rng_.Chance(0.35)) change = true;
  }
  if (closing && rng_.Chance(0.5)) change = true;
  if (mid_turn) {
    // Tired arms, and now and then a pitcher hurt or thrown out of the game.
    const int here = scorer_.PitchersThisTurn();
    change = here < kMaxPitchersPerAtBat && ((pitches > limit + 20 && rng_.Chance(0.04)) ||
                                             rng_.Chance(here >= 2 ? 0.03 : 0.0006));
  }
  if (!change) return;
  PLAYER reliever;
  if (!Bring(home, bn.bullpen, reliever)) return;
  if (Status in = scorer_.ChangePitcher(reliever); !in)
    error_ = "the simulator's pitching change was refused: " + in.reason;
}

void GameSimulator::ConsiderPinchHitter() {
  const bool home = !scorer_.top();
  Bench& bn = bench_[home ? 1 : 0];
  const int slot = scorer_.DueUp(home);
  const PLAYER batter = scorer_.InSlot(home, slot);
  const bool pitcher_bats = batter.position == kPosPitcher;
  double chance = 0.0;
  if (Late() && pitcher_bats)
    chance = Lead(home) <= 0 ? 0.85 : 0.4;
  else if (Late() && Close())
    chance = 0.03;
  if (chance == 0.0 || !rng_.Chance(chance)) return;
  PLAYER ph;
  if (!Bring(home, bn.players, ph)) return;
  if (!bn.vacated.count(slot)) bn.vacated[slot] = batter.position;
  if (Status in = scorer_.PinchHit(ph); !in)
    error_ = "the simulator's pinch hitter was refused: " + in.reason;
}

void GameSimulator::ConsiderPinchRunner() {
  const bool home = !scorer_.top();
  if (!Late() || !Close() || !rng_.Chance(0.05)) return;
  for (int base : {2, 1}) {
    if (!scorer_.occupied(base) || scorer_.RunnerRoom(base) < 5) continue;
    const PLAYER runner = scorer_.runner(base);
    if (StrengthOf(runner).speed > 1.0 && runner.position != kPosPitcher) continue;
    Bench& bn = bench_[home ? 1 : 0];
    PLAYER pr;
    if (!Bring(home, bn.players, pr)) return;
    const int slot = runner.batting_order;
    if (!bn.vacated.count(slot)) bn.vacated[slot] = runner.position;
    if (Status in = scorer_.PinchRun(base, pr); !in)
      error_ = "the simulator's pinch runner was refused: " + in.reason;
    return;
  }
}

void GameSimulator::MaybeNote() {
  if (!rng_.Chance(0.03) || scorer_.AtBatIndex() < 0) return;
  const HALF_INNING& h =
      game_.innings[static_cast<std::size_t>(scorer_.inning())].half(scorer_.top());
  const AT_BAT& ab = h.at_bats.back();
  const std::string name = ab.batter.name.str();
  static const char* const kNotes[] = {
      "%s fouled off several tough pitches before the play.",
      "Wind blowing in from left field.",
      "%s argued the call at first base; the umpire held firm.",
      "Nice play by the infield on a hard-hit ball.",
      "%s shaken up on the play, stayed in the game.",
      "Ball lost briefly in the lights.",
      "Mound visit by the manager before this pitch.",
      "%s hit the ball well but right at a fielder.",
      "Light rain started falling during this at-bat.\r\nGrounds crew worked the mound afterwards.",
  };
  const char* form = kNotes[rng_.Below(static_cast<int>(std::size(kNotes)))];
  std::string text = form;
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, name);
  static_cast<void>(scorer_.AddNote(text));
}

}  // namespace scorewick::sim
