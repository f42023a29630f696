#pragma once
// The Scorer keeps a game the way the handheld does while it is being
// scored: it holds the state of play (inning, half, outs, count, runners,
// who is in the game) and writes every pitch, play and substitution into
// the Game record as the handheld would have stored it.
//
// What it writes, for each half-inning:
// - the line-ups of both sides as histories: at the start of the half every
//   current occupant (active 1); a substitution during the half appends the
//   new player (active 1) and clears the active flag of the one he replaced.
//   Every entry keeps the inning he entered (1-based), the at-bat index of
//   that half at which he entered (entry value) and whether that half was a
//   top half (entry flag);
// - one AT_BAT per batter: the pitchers who faced him (a reliever who comes
//   in during the turn takes the next slot, and the slot before gets the
//   index of the last pitch), one pitch detail per pitch, and the pitch
//   sequence: the pitches with the count before each, the reach or out
//   entry, then the same player's later runner events (an advance per base,
//   with its code in the slot of the base he left; his out on the bases),
//   and the RBI entries of his own turn.  Entries other than 0 and 8..12
//   carry a copy of the last valid pitch detail, whose pitcher copy holds
//   the at-bat index (batting order) and the entry index (entered inning);
//   those made as a runner, once his turn is over, name the pitcher on the
//   mound and the moment of the game (records/pitcher_charges.h);
// - in the reach credits, the fielders involved in his reaching base, and
//   marked as assists (credit PutOutAssist) those whose throw ended in the
//   error that let him reach or, as a runner, advance;
// - the out number of each out (1, 2, 3) as the box number;
// - the half's runs, hits, errors and runners left on base, from its boxes.
//
// Every operation fails, with its reason, when the game
// as it stands cannot take it (a steal from an empty base, a fourth out);
// nothing is written then.  The simulator never asks for such a thing; the
// scorebook compiler and the importers turn the reason into a message for
// the line at fault.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/game.h"
#include "records/pitcher_charges.h"
#include "records/status.h"
#include "scoring/league_rules.h"
#include "scoring/play.h"

namespace scorewick::scoring {

// How a side takes the field: its batters in order (position set in each)
// and its pitcher.  A pitcher who is not among the batters makes the side
// use a designated hitter.
struct StartingSide {
  std::vector<PLAYER> batters;
  PLAYER pitcher;
};

class Scorer {
 public:
  // The game should be new; the Scorer fills its teams, innings, decisions
  // and current position.  The header is the caller's.
  Scorer(Game& game, const LeagueRules& rules);

  const LeagueRules& rules() const { return rules_; }
  Game& game() { return game_; }
  const Game& game() const { return game_; }

  // --- The game ------------------------------------------------------------
  // Copies both teams into the game (without personal information) and sets
  // the starting line-ups.  Every player must be on his team's roster.
  Status StartGame(const Team& home, const Team& visitor, const StartingSide& home_side,
                   const StartingSide& visitor_side);
  // Opens the next half: top of the first, bottom of the first, top of the
  // second ...  The fielding side must have a player at every position.
  Status StartHalf();
  // Closes the open half and stores its totals.
  Status EndHalf();
  // Stores the open half's totals as its boxes make them so far (every
  // play does), so that a game in progress reads as it stands.
  void TallyHalf();
  // Decision pitchers, run totals and the current position.
  void FinishGame();

  // The game is decided: a regulation (or extra) inning is complete with a
  // side ahead, or the home side took the lead in its last half.
  bool GameOver() const;

  // --- A turn at the plate ---------------------------------------------------
  // Opens the turn of the batter due up.
  Status BeginAtBat();
  // A pitch that does not end the turn.  The count must still be open.
  Status Pitch(PitchCall call, const PitchSpec& spec);
  // A pick-off attempt at a base (1..3) by the pitcher or the catcher,
  // recorded in the batter's sequence.
  Status PickoffAttempt(int base, bool by_catcher);
  // A play: the batter's result (ending his turn) and/or runners moving.
  Status Record(const Play& play);
  // Extra-inning tie-breaker: the player who batted last (the one before the
  // batter due up) starts the half on second base, in a box of his own.
  Status PlaceTieBreakerRunner();
  // Attaches a note to the at-bat being scored (or the last one of the half).
  Status AddNote(std::string_view text);
  // Whether the out that would end the half in this play is a force out
  // (or the batter's before he reached first), so that no run of the play
  // can count.
  bool LastOutIsForced(const Play& play) const;

  // --- Substitutions ---------------------------------------------------------
  // A pinch hitter for the batter due up, or for the batter at the plate
  // in the middle of his count.  Both stay in the line-up; the box goes to
  // the one the scoring rules charge with the turn: the pinch hitter,
  // unless he came in with two strikes and completed a strikeout.
  Status PinchHit(const PLAYER& player);
  // A pinch runner for the runner on base (1..3).
  Status PinchRun(int base, const PLAYER& player);
  // A new pitcher for the fielding side (during a half, or before the side
  // takes the field).  He bats in the departing pitcher's slot, or in slot
  // `slot` (1-based) when given.
  Status ChangePitcher(const PLAYER& player, int slot = 0);
  // A new player at a fielding position (1..9) of the side in the field, or
  // of the side about to take it when called between halves; he bats in the
  // slot of the one he replaces, or in slot `slot` when given.
  Status SubstituteFielder(int position, const PLAYER& player, int slot = 0);
  // A player already in the game (a pinch hitter staying in, a fielder
  // changing places) takes a fielding position: between halves for either
  // side, during a half for the side in the field (its line-up of the half
  // then gains his entry at the new position).  A pitcher who does not bat
  // takes the batting slot `slot` when one is given: its player leaves the
  // game and the side gives up its designated hitter.  So does a pitcher
  // just replaced on the mound by a substitution of the same moment (no
  // pitch or play between them), who stays in the game elsewhere.
  Status MoveFielder(std::string_view name, int position, bool home_side, int slot = 0);

  // --- State -----------------------------------------------------------------
  int inning() const { return inning_; }  // 0-based
  bool top() const { return top_; }
  bool half_open() const { return half_open_; }
  bool turn_open() const { return turn_open_; }
  int outs() const { return outs_; }
  int balls() const { return balls_; }
  int strikes() const { return strikes_; }
  bool HalfOver() const { return outs_ >= rules_.outs_per_inning; }
  bool occupied(int base) const { return base >= 1 && base <= 3 && bases_[base - 1].has_value(); }
  // The player on a base (1..3); default PLAYER when empty.
  PLAYER runner(int base) const;
  // Entries left in the pitch sequence of the runner on base / the batter.
  int RunnerRoom(int base) const;
  int BatterRoom() const;
  int PitchersThisTurn() const;
  int runs(bool home) const { return home ? home_runs_ : visitor_runs_; }
  // 1-based slot of the batter due up for a side.
  int DueUp(bool home) const;
  // The current player in a batting slot (1-based) and at a position.
  PLAYER InSlot(bool home, int slot) const;
  PLAYER AtPosition(bool home, int position) const;
  bool UsesDh(bool home) const { return side(home).dh; }
  int SlotCount(bool home) const { return static_cast<int>(side(home).batting_slots.size()); }
  // Whether a roster player has already played (and so cannot come in).
  bool HasPlayed(bool home, std::string_view name) const;
  // Outs recorded by a pitcher so far, charged as the statistics charge
  // them (records/pitcher_charges.h), and pitches he threw.
  int PitcherOuts(std::string_view name) const;
  int PitcherPitches(std::string_view name) const;
  int AtBatIndex() const;  // index of the open (or last) at-bat in the half
  int halves_played() const { return halves_played_; }
  // An error that gives nobody a base (a dropped foul fly), charged in the
  // box of the batter at the plate.
  Status ErrorOnBatter(const ErrorMark& error);

 private:
  struct Side {
    Team* team = nullptr;
    bool home = false;
    bool dh = false;
    std::vector<PLAYER> batting_slots;  // current occupant of each batting slot
    std::array<PLAYER, 10> field{};     // by position, 1..9
    int next_slot = 0;                  // 0-based
    std::vector<std::string> played;
    // Fielders who came in between halves: one replaced before the next
    // half began (a pitcher hurt warming up) still has his line-up entry.
    std::vector<PLAYER> entered_between;
  };
  struct Runner {
    int at_bat = 0;  // box in the current half that tells his trip
    PLAYER player;
    PLAYER charged;     // pitcher charged if he scores
    bool clean = true;  // reached and moved without the help of errors
  };
  struct PitcherLine {
    bool home = false;
    int pitches = 0;
    int lead_at_entry = 0;
    bool starter = false;
    int order = 0;
  };

  Status Fail(std::string message);
  Side& side(bool home) { return home ? home_ : visitor_; }
  const Side& side(bool home) const { return home ? home_ : visitor_; }
  Side& batting() { return side(!top_); }
  Side& fielding() { return side(top_); }
  HALF_INNING& half() { return game_.innings[static_cast<std::size_t>(inning_)].half(top_); }
  AT_BAT& box(int index) { return half().at_bats[static_cast<std::size_t>(index)]; }
  std::string TeamName(bool home) const;

  // Line-ups.
  PLAYER Entering(const PLAYER& roster_player, int position, int slot) const;
  bool OnRoster(const Side& s, const PLAYER& p) const;
  void AppendOffense(const PLAYER& entry, int slot);
  void AppendDefense(const PLAYER& entry, int position);
  void NotePitcherEntered(const PLAYER& pitcher, bool home, bool starter);
  Status FieldReady(Side& s);
  Status StaysOnAsDesignatedHitter(Side& f, std::string_view name);
  Status StartSide(bool is_home, const Team& source, const StartingSide& start);
  Status PlaceStartingBatters(Side& s, const StartingSide& start);
  Status PlaceStartingPitcher(Side& s, const StartingSide& start);
  Status EveryPositionFilled(const Side& s);
  // The player of a batting slot (1-based) leaves it for `entering`: he
  // gives up his place in the field too, and a pitcher who now bats ends
  // the side's designated hitter.
  void TakeSlot(Side& s, int slot, const PLAYER& entering);

  // The sequence.
  Status AppendEvent(int at_bat, std::int32_t event);
  // An entry the play's checks have made room for (a full box keeps what
  // it has).
  void Mark(int at_bat, std::int32_t event) { static_cast<void>(AppendEvent(at_bat, event)); }
  PITCH_DATA MakeDetail(const PitchSpec& spec, bool strike, std::int32_t strike_type,
                        std::int32_t ball_type) const;
  void AddPitchDetail(const PITCH_DATA& detail);
  void CountPitch(std::int32_t event);

  // Plays.
  Status CheckPlay(const Play& play);
  Status CheckRunnerMoves(const Play& play);
  Status CheckBatterPart(const Play& play);
  Status CheckBatterBases(const BatterPart& b);
  Status CheckBatterCount(const BatterPart& b);
  std::array<int, 4> StandingAfter(const Play& play) const;
  Status CheckBasesAfter(const Play& play);
  Status CheckOutsLeft(const Play& play);
  void ApplyErrors(AT_BAT& ab, const std::vector<ErrorMark>& errors);
  void ApplyChain(AT_BAT& ab, const std::vector<Fielded>& chain);
  void AddReachCredit(AT_BAT& ab, std::int32_t position, std::int32_t credit);
  void PutOut(int at_bat);
  void Score(int at_bat, const Runner& runner, std::optional<bool> earned);
  void CloseTurn();
  int DefaultRbi(const Play& play) const;
  Runner RecordBatter(const Play& play, int batter_index);
  void MoveRunners(const Play& play, std::array<std::optional<Runner>, 3>& next);
  void PassChargesBack(const Play& play, std::optional<Runner>& batter);
  void PassChargeBack(int base, std::optional<Runner>& batter);
  void FinishBatter(const Play& play, int batter_index, int rbi, Runner r,
                    std::array<std::optional<Runner>, 3>& next);

  Game& game_;
  LeagueRules rules_;
  Side home_;
  Side visitor_;
  int inning_ = 0;
  bool top_ = true;
  bool started_ = false;
  bool half_open_ = false;
  bool turn_open_ = false;
  int halves_played_ = 0;
  int outs_ = 0;
  int phantom_outs_ = 0;  // outs the defence would have made without its errors
  int balls_ = 0;
  int strikes_ = 0;
  int walk_charge_ = -1;  // pitcher slot charged if this turn ends in a walk
  // The batter a pinch hitter replaced in the middle of the open turn, when
  // he left with two strikes: a strikeout is charged to him.
  std::optional<PLAYER> struck_out_batter_;
  // Pitchers taken off the mound by substitutions since the last pitch or
  // play, who may still move to another position in the same moment.
  std::vector<std::string> displaced_;
  // While a play's moves are written: the moment of the game they happen
  // at, which each runner's entry names with the pitcher on the mound.
  std::optional<PlayMoment> moment_;
  std::array<std::optional<Runner>, 3> bases_;
  int home_runs_ = 0;
  int visitor_runs_ = 0;
  std::map<std::string, PitcherLine> pitchers_;
  int pitcher_order_ = 0;
  // The last change of lead: who took it, his pitcher then, the pitcher
  // charged with the run that did it.
  std::optional<bool> leader_home_;
  PLAYER winner_of_record_;
  PLAYER loser_of_record_;
};

}  // namespace scorewick::scoring
