#pragma once
// The inside of BuildRetrosheetGame, shared by its source files: the
// records and line-ups (retrosheet_game.cpp), the plays
// (retrosheet_game_plays.cpp) and the runners' moves of a play
// (retrosheet_game_runners.cpp).

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "interop/retrosheet_game.h"
#include "interop/retrosheet_pitches.h"
#include "interop/retrosheet_play.h"
#include "scoring/scorer.h"

namespace scorewick::interop::retro {

// What becomes of the batter (index 0) or of the runner on a base in a play.
struct Fate {
  bool touched = false;  // something happens to him in this play
  int from = 0;
  int held = 0;  // the base he holds safely after the play (4: he scored)
  bool out = false;
  std::int32_t how_out = 0;
  std::vector<scoring::Fielded> chain;
  std::vector<std::int32_t> codes;  // one AdvanceType per base gained
  std::vector<scoring::ErrorMark> errors;
  std::vector<std::int32_t> assists;  // throws that ended in the error he advanced on
  std::optional<bool> earned;
  bool rbi = false;  // his run, if he scores, is batted in
  // Put out by the fielders' choice (a runner's out marked in the fielded
  // play, or an X on a fielder's choice): his pitcher's charge passes back.
  bool by_choice = false;
  // The batter's: the fielder whose error (written with his advance) his
  // result is.
  int result_error_by = 0;
};

// The fielders of a chain credited in turn: assists, then the put-out.
std::vector<scoring::Fielded> CreditedChain(const std::vector<int>& fielders);
// One play's credits gathered fielder by fielder, each once (a put-out and
// an assist make "PO and Assist"): the batter's box of a double or triple
// play carries them, the runners' boxes name their fielders without credit.
std::vector<scoring::Fielded> WholePlayCredits(const std::vector<std::vector<int>>& chains);

class GameBuilder {
 public:
  GameBuilder(const ClubFinder& clubs, Game& game, std::vector<ImportNote>& notes)
      : clubs_(clubs), game_(game), notes_(notes) {}
  bool Run(const std::vector<RetroRecord>& records, GameOrigin& origin, EventRefusal& refusal);

 private:
  struct Substitution {
    int line = 0;
    bool home = false;
    std::string name;
    int slot = 0;
    int position = 0;  // ours: 1..9, DH, PH, PR
  };

  bool Fail(std::string why);
  // Notes what was read past or approximated on the line being read.
  void Note(std::string text);
  // True when the scorer took what the line asked (what names it), else
  // the scorer's reason as the line's failure.
  bool Scored(const Status& taken, const std::string& what);

  // Records (retrosheet_game.cpp).
  bool IdRecord(const RetroRecord& r, GameOrigin& origin);
  bool StartRecord(const RetroRecord& r);
  bool SubRecord(const RetroRecord& r);
  bool AdjustmentRecord(const RetroRecord& r);
  bool BeginGame();
  bool StartScoring();
  bool FinishGame();
  void FillHeader();
  bool SetDecisions();
  const Club* ClubOf(bool home) const { return home ? home_ : visitor_; }
  // The name a player id has on a club; false with the reason.
  bool PlayerName(bool home, std::string_view id, std::string& name);
  std::string HalfName(int inning, bool top) const;

  // Halves and substitutions.
  bool ReachHalf(int inning, bool top);
  void CloseHalfIfOver();
  void NoteMidTurnPinchHitter();
  bool ImplicitDesignatedHitter(bool home);
  bool ApplySubstitution(const Substitution& s);
  bool SideBatsNow(bool home) const;

  // Plays (retrosheet_game_plays.cpp).
  bool PlayRecord(const RetroRecord& r);
  std::vector<PitchStep> StepsBeforeThePlay(const ParsedPlay& play,
                                            const std::vector<PitchStep>& steps);
  bool RecordPitches(const ParsedPlay& play, const std::vector<PitchStep>& steps);
  bool StrikeoutOnPitchHeldBack(const ParsedPlay& play, const PitchStep& last) const;
  bool ImpliedPitches(const ParsedPlay& play);
  bool RecordEvent(const ParsedPlay& play);
  bool PlayFates(const ParsedPlay& play, std::array<Fate, 4>& fates, scoring::Play& out);
  bool BatterResult(const ParsedPlay& play, scoring::BatterPart& b, Fate& batter);
  void StrikeoutResult(const ParsedPlay& play, scoring::BatterPart& b, Fate& batter);
  void DroppedThirdReach(const ParsedPlay& play, const Advance& run, scoring::BatterPart& b,
                         Fate& batter);
  std::int32_t StruckOutType(const ParsedPlay& play) const;
  void FieldedResult(const ParsedPlay& play, scoring::BatterPart& b, Fate& batter);
  void SafeResult(const ParsedPlay& play, std::int32_t how, scoring::BatterPart& b, Fate& batter);
  std::int32_t BatterOutType(const ParsedPlay& play) const;
  bool BatterCaught(const ParsedPlay& play) const;
  bool BatterOutCameFirst(const ParsedPlay& play) const;
  void LocateBall(const ParsedPlay& play, scoring::BatterPart& b) const;

  // Runners (retrosheet_game_runners.cpp).
  bool RunnerPlays(const ParsedPlay& play, std::array<Fate, 4>& fates);
  bool FieldedOuts(const ParsedPlay& play, std::array<Fate, 4>& fates);
  bool Advances(const ParsedPlay& play, std::array<Fate, 4>& fates);
  std::int32_t AdvanceOutType(const ParsedPlay& play, const Advance& a) const;
  void ForcedRunners(const ParsedPlay& play, std::array<Fate, 4>& fates);
  bool Forced(int base, const ParsedPlay& play) const;
  std::int32_t DefaultCode(const ParsedPlay& play) const;
  void Runs(const ParsedPlay& play, std::array<Fate, 4>& fates) const;

  const ClubFinder& clubs_;
  Game& game_;
  std::vector<ImportNote>& notes_;
  std::optional<scoring::Scorer> scorer_;
  scoring::LeagueRules rules_;
  const Club* home_ = nullptr;
  const Club* visitor_ = nullptr;
  int season_ = 0;
  std::string day_;  // the game's day, yyyymmdd, from its id
  int line_ = 0;
  std::string error_;
  std::map<std::string, std::string, std::less<>> info_;
  std::array<scoring::StartingSide, 2> sides_;         // [0] visitors, [1] home
  std::array<std::vector<std::string>, 2> started_;    // ids already in a starting line-up
  std::vector<Substitution> pending_;                  // made between halves
  std::array<std::vector<Substitution>, 2> deferred_;  // field changes of a side at bat
  std::string turn_pitches_;    // the pitches field of the open turn's last record
  std::string event_text_;      // the play being recorded, for messages
  bool earned_stated_ = false;  // the file gives earned runs (data,er records)
  bool any_play_ = false;
  bool pending_radj_ = false;  // a runner is placed on second when the next half starts
  bool ending_ = false;        // the last play ended the game
  int last_play_line_ = 0;
  // Of the play being recorded: its last pitch is the play itself (kept
  // back from the pitches), the batter's out came before the runners' (a
  // ball caught, a strikeout).
  std::optional<PitchStep> result_pitch_;
  bool batter_out_first_ = false;
  // A pinch hitter who came in during the open turn, noted when it ends.
  struct MidTurnPinch {
    int line = 0;
    std::string entering;
    std::string left;
    std::string count;
  };
  std::optional<MidTurnPinch> mid_turn_pinch_;
};

}  // namespace scorewick::interop::retro
