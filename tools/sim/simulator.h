#pragma once
// The game simulator: from two rosters and a seed it plays a whole game
// pitch by pitch under the league's rules and scores it with the Scorer,
// so that the record reads as a game scored on the handheld.  The same
// teams, setup and seed always give the same game, byte for byte.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "records/game.h"
#include "scoring/league_rules.h"
#include "scoring/scorer.h"
#include "sim/rng.h"
#include "sim/team_plan.h"

namespace scorewick::sim {

// Everything about a game that is not played: its rules, seed, date, time,
// ballpark, umpires, crowd, and which pitcher of each rotation starts.
struct GameSetup {
  scoring::LeagueRules rules;
  std::uint64_t seed = 1;
  int year = 2024;
  int month = 5;
  int day = 4;
  int hour = 18;
  int minute = 5;
  std::string field = "Municipal Field";
  std::array<std::string, 4> umpires{"Home Plate", "First Base", "Second Base", "Third Base"};
  int attendance = 450;
  int home_rotation = 0;
  int visitor_rotation = 0;
};

// Plays one game between home and visitor into game (which should be new).
// False, with the reason in *error, when a roster cannot field a side.
bool SimulateGame(const Team& home, const Team& visitor, const GameSetup& setup, Game& game,
                  std::string* error);

// The engine behind SimulateGame; one object plays one game.
class GameSimulator {
 public:
  GameSimulator(Game& game, const GameSetup& setup);
  bool PlayGame(const Team& home, const Team& visitor, std::string* error);

 private:
  struct Bench {
    std::vector<PLAYER> players;
    std::vector<PLAYER> bullpen;
    // Batting slot -> position of the player a pinch hitter or runner
    // replaced there, until the side takes the field again.
    std::map<int, int> vacated;
  };

  // simulator.cpp: the game, halves and substitutions.
  void PlayHalf();
  void SetHeader();
  void PrepareDefence(bool home);
  void ConsiderPitchingChange(bool mid_turn);
  void ConsiderPinchHitter();
  void ConsiderPinchRunner();
  bool Bring(bool home, std::vector<PLAYER>& pool, PLAYER& who);
  bool Close() const;  // a close game late
  bool Late() const;
  int Lead(bool home) const;
  void MaybeNote();

  // sim_plate.cpp: a turn at the plate, pitch by pitch.
  void PlateAppearance();
  bool IntentionalWalk();
  void ThrowPitch(bool bunt, const Strength& bat, const Strength& arm);
  bool BetweenPitches();  // runner events; true when the turn cannot go on
  scoring::PitchSpec MakePitch(bool strike, bool in_play);
  void Walk(bool intentional);
  void HitBatsman(const scoring::PitchSpec& spec);
  void StrikeOut(bool looking, const scoring::PitchSpec& spec, bool runner_going);
  void DroppedThird(const scoring::PitchSpec& spec);
  void AwardedFirst(std::int32_t how);
  void StealAttempt(bool strike_three, bool looking);
  void AllRunnersAdvance(std::int32_t code, int catcher_error_kind);
  void Pickoff();
  void RareTurnEnd();

  // sim_batted.cpp: balls put in play.
  void BallInPlay(const scoring::PitchSpec& spec, bool bunt);
  void Bunt(const scoring::PitchSpec& spec);
  void Hit(const scoring::PitchSpec& spec, int bases, int fielder, std::int32_t how);
  void BatterAfterHit(scoring::Play& play, int fielder, std::int32_t how, bool infield);
  void GroundBall(const scoring::PitchSpec& spec, int fielder);
  void FlyBall(const scoring::PitchSpec& spec, int fielder, std::int32_t how);
  void ReachOnError(const scoring::PitchSpec& spec, int fielder);
  void RareBattedOut(const scoring::PitchSpec& spec);
  void Spot(scoring::BatterPart& b, int fielder, double spread);
  void OutfieldSpot(scoring::BatterPart& b, int bases, int outfielder);

  bool RecordOrDie(const scoring::Play& play);
  // Keeps the scorer's refusal of what the simulator asked (a pitch, a
  // substitution) as the game's error: "the simulator's WHAT was refused".
  void Take(const Status& taken, const char* what);
  Strength BatterStrength() const;
  Strength PitcherStrength() const;

  Game& game_;
  GameSetup setup_;
  Rng rng_;
  scoring::Scorer scorer_;
  std::array<Bench, 2> bench_;  // [0] visitors, [1] home
  std::string error_;
};

}  // namespace scorewick::sim
