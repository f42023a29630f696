#pragma once
// The scorebook compiler's inside, shared by its two source files: the
// header and roster lines (scorebook.cpp) and the play lines
// (scorebook_plays.cpp).

#include <optional>
#include <string>
#include <vector>

#include "records/game.h"
#include "scoring/book.h"
#include "scoring/book_words.h"
#include "scoring/scorer.h"

namespace scorewick::scoring::book {

// A runner's word in a play line, read into its parts (1X2(6-4)(UR)).
struct RunnerWord {
  int from = 0;    // 0 the batter, 1..3
  int target = 0;  // the base he ran for, 4 home
  bool out = false;
  std::string mod;             // the reason or the fielders in parentheses
  std::optional<bool> earned;  // (ER) or (UR)
};

// How a runner gained his bases: the code of the first, of those after,
// the errors on the way, the fielders who put him out.
struct RunnerGain {
  std::int32_t code = 0;
  std::int32_t more = 0;
  std::vector<std::int32_t> codes;
  std::vector<scoring::ErrorMark> errors;
  std::vector<int> chain;
};

class Compiler {
 public:
  explicit Compiler(Game& game) : game_(game) {}
  // The whole book: each line, then Finish.
  ScorebookResult Run(const std::string& text);
  // One line of the book; refused, with the reason ("line 12: ..."), when
  // the game cannot take it (the game may then hold part of it).
  Status Line(const std::string& raw);
  // The end of the book: the open half is closed and the game's totals
  // and decisions are set.
  ScorebookResult Finish();
  // The game as it stands: its score, position and decisions so far (the
  // ones the book names, else the scorer's).
  void Settle();

  // The play the words of a result and its runners make in the state the
  // game is in, without recording it; refused with the reason.
  Status ParsePlay(const std::string& words, scoring::Play& play);

  // The half-inning a line would open first ("top 2") when it is a play
  // that comes while no half is open; empty when it needs none.
  std::string HalfNeededBy(const std::string& raw) const;

  // The scorer once the first half has begun, else null.
  const Scorer* scorer() const { return scorer_ ? &*scorer_ : nullptr; }
  Scorer* scorer() { return scorer_ ? &*scorer_ : nullptr; }
  const LeagueRules& rules() const { return rules_; }
  bool called() const { return called_; }
  // The game the book is compiled into.
  const Game& game() const { return game_; }
  // Before the first half: the team whose players the lines list (0 the
  // visitors, 1 the home side, -1 none yet), each team as declared, and the
  // line-up listed for it so far.
  int listing() const { return team_; }
  bool declared(int k) const { return declared_[k]; }
  const Team& team(int k) const { return teams_[k]; }
  const scoring::StartingSide& side(int k) const { return sides_[k]; }

 private:
  // The line read into the game; false with the reason kept (the first
  // one met) for Line and Finish to hand on.
  bool TakeLine(const std::string& raw);
  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = "line " + std::to_string(line_) + ": " + what;
    return false;
  }
  // True when the scorer took what it was given, else its reason as the
  // line's failure.
  bool Scored(const Status& taken) { return taken || Fail(taken.reason); }
  bool HeaderLine(const std::vector<Token>& t);
  bool GameLine(const std::vector<Token>& t);
  bool GameSetting(const std::string& kv);
  bool UmpiresLine(const std::vector<Token>& t);
  bool RulesLine(const std::vector<Token>& t);
  bool RuleSetting(const std::string& kv);
  bool TeamLine(const std::vector<Token>& t);
  bool PlayerLine(const std::vector<Token>& t);
  bool LineUp(const std::vector<Token>& t, int listed);
  bool StartPlay();
  bool HalfLine(const std::vector<Token>& t);
  bool PlayLine(const std::vector<Token>& t, const std::string& note);
  bool Pitches(const std::string& word, std::size_t letters);
  bool Substitution(const std::vector<Token>& t, std::size_t& i, bool& handled);
  bool Event(const std::string& word, bool& handled);
  // Whether a word is of a kind, and then read or refused.
  enum class WordFit { kOther, kRead, kRefused };
  WordFit Refuse(const std::string& what) {
    Fail(what);
    return WordFit::kRefused;
  }
  WordFit StealWord(const std::string& word, scoring::Play& play);
  WordFit CaughtStealingErrorWord(const std::string& word, scoring::Play& play);
  WordFit CaughtOrPickedOffWord(const std::string& word, scoring::Play& play);
  WordFit BatteryWord(const std::string& word, scoring::Play& play);
  bool Result(const std::string& word, scoring::Play& play);
  bool GroundResult(const std::string& word, scoring::Play& play);
  bool ResultPlay(const std::vector<Token>& t, std::size_t i, scoring::Play& play);
  bool RunnerToken(const std::string& word, scoring::Play& play, std::int32_t default_code);
  bool ReadRunnerWord(const std::string& word, RunnerWord& r);
  bool ReadAdvanceReason(const std::string& word, const RunnerWord& r, int start, int held,
                         RunnerGain& gain);
  void ForcedDefaults(scoring::Play& play, std::int32_t default_code);
  void CloseHalfIfOver();
  bool Begin();
  bool Called();
  bool Decision(const std::vector<Token>& t);

  Game& game_;
  std::string error_;
  int line_ = 0;
  scoring::LeagueRules rules_;
  Team teams_[2];  // [0] visitors, [1] home
  scoring::StartingSide sides_[2];
  bool declared_[2] = {false, false};
  int team_ = -1;
  std::optional<scoring::Scorer> scorer_;
  bool begun_ = false;
  bool called_ = false;  // the game was called before the rules would end it
  // The winning, losing and saving pitchers the book names ("won \"Name\"",
  // "saved none"); unset where the book leaves them to the scorer.
  std::optional<std::string> decisions_[3];
};

}  // namespace scorewick::scoring::book
