#pragma once
// What a batter's turn can end in, as the buttons of a scoring window offer
// it: each result with the word of the book it writes, the fielders it
// takes (none, one, or the chain of a play such as 6-4-3) and whether the
// situation allows it (a double play needs a runner to force, a sacrifice
// fly fewer than two outs and a runner on third), with the reason when not.
// And the runners after a play: where the book's defaults put each of them,
// and the words that say where they went instead.

#include <string>
#include <string_view>
#include <vector>

#include "scoring/live_book.h"
#include "scoring/play.h"
#include "scoring/scorer.h"

namespace scorewick::scoring {

enum class FieldersTaken { kNone, kOptional, kOne, kChain };

struct ResultKind {
  std::string_view label;   // "Double play"
  std::string_view prefix;  // the word before the fielders: "1B", "F", "SF", "" for 6-3
  std::string_view suffix;  // after them: "DP", "TP"
  FieldersTaken fielders = FieldersTaken::kNone;
  int min_chain = 1;  // fielders a chain needs at least
};

struct ResultChoice {
  ResultKind kind;
  std::string why_not;  // empty: the situation allows it
};

// Every result of a ball in play or of the turn's last pitch, in the order
// a window shows them, with what the situation says of each.
std::vector<ResultChoice> ResultChoices(const Scorer& s);
// The same, each result the situation allows then tried by the scorer on
// the book as it stands (with fielders that make a whole word: 6-3, F6,
// 6-4-3DP); one the scorer refuses carries its reason.
std::vector<ResultChoice> ResultChoices(const LiveBook& book);

// The word of a result with its fielders (digits 1..9; for kOptional the
// first, when any, is where the ball went).  Empty when the fielders do not
// fit the kind.
std::string ResultWord(const ResultKind& kind, const std::vector<int>& fielders);

// Where a runner ends a play.
struct RunnerEnd {
  int from = 0;  // 0 the batter, 1..3 a runner
  int to = 0;    // the base he holds, 4 when he scored
  bool out = false;
  std::vector<int> fielders;  // who put him out (a chain)
  std::string reason;         // why he went beyond the play's own bases: "T", "E6", "WP", "PB"
};

// Where each runner (and the batter, when he reached) ends the play as
// given, the runners in base order then the batter.
std::vector<RunnerEnd> RunnerEnds(const Scorer& s, const Play& play);

// The runner words (1-3, 2-H, 1X3(8-5), B-2(T), 2-3(E6)) that take the
// runners where the person put them (chosen) instead of where the play
// puts them (proposed): none when nothing changed, else every runner who
// moves, so that no default follows the change unseen.
std::vector<std::string> RunnerWords(const std::vector<RunnerEnd>& proposed,
                                     const std::vector<RunnerEnd>& chosen);

}  // namespace scorewick::scoring
