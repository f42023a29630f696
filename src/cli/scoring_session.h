#pragma once
// A game scored as it happens, in the words of the scorebook: one or several
// a line, each applied through the scorer and answered (on a terminal) with
// the situation after it.  A word the game cannot take is refused with the
// reason and changes nothing.  The book is kept beside the game
// (GAME.book): every word is on the disk before it is answered, and the
// game file is written whole after every word, so that any other command
// can read the game while it is scored and a stopped run goes on where its
// book ends.  Besides the words: undo [N], book, fix N WORDS, insert N
// WORDS, delete N, box, help.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/command.h"
#include "scoring/kept_book.h"
#include "stats/workload_rules.h"

namespace scorewick::cli {

struct ScoreOptions {
  std::string game;
  std::string visitor;
  std::string home;
  bool force = false;
  bool window = false;  // the scoring window instead of standard input
};

class ScoringSession {
 public:
  ScoringSession(const ScoreOptions& o, CommandContext& ctx);

  // Start, then every line of standard input to its end (or "quit").
  int Run();
  // The game begun, taken on from its book or its game file; false, said,
  // when it cannot be.
  bool Start();
  // One line of words or a command, answered.
  void Answer(const std::string& line);

 private:
  bool GameFileWritten();
  bool Command(const std::string& line, bool& handled);
  void Refuse(const std::string& why);
  void Show(const std::string& text);

  const ScoreOptions& o_;
  CommandContext& ctx_;
  scoring::KeptBook kept_;
  WorkloadRules workload_;
  bool interactive_ = false;
  bool refused_ = false;
};

}  // namespace scorewick::cli
