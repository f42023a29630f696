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

class Compiler {
 public:
  explicit Compiler(Game& game) : game_(game) {}
  ScorebookResult Run(const std::string& text);

 private:
  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = "line " + std::to_string(line_) + ": " + what;
    return false;
  }
  bool ScorerFail() { return Fail(scorer_->error()); }
  bool HeaderLine(const std::vector<Token>& t);
  bool PlayerLine(const std::vector<Token>& t);
  bool StartPlay();
  bool HalfLine(const std::vector<Token>& t);
  bool PlayLine(const std::vector<Token>& t, const std::string& note);
  bool Substitution(const std::vector<Token>& t, std::size_t& i, bool& handled);
  bool Event(const std::string& word, bool& handled);
  bool Result(const std::string& word, scoring::Play& play);
  bool RunnerToken(const std::string& word, scoring::Play& play, std::int32_t default_code);
  void ForcedDefaults(scoring::Play& play, std::int32_t default_code);
  void CloseHalfIfOver();
  bool Begin();

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
};

}  // namespace scorewick::scoring::book
