#pragma once
// The scorebook: the text form of a scored game, in the usual scorer's
// shorthand (K, BB, 6-3, F8, 1B7, E6, SB2, WP ...), compiled into a game
// record through the Scorer: the words a game is scored in as it is played
// (scoring/live_book.h), the book any game can be told in
// (scoring/book_writer.h), and the short games the tests state by hand.
// The language is described in the help, resources/help/scorebook.html.

#include <string>
#include <vector>

#include "records/game.h"
#include "scoring/league_rules.h"

namespace scorewick::scoring {

struct ScorebookResult {
  bool ok = false;
  std::string error;           // "line 12: ..." when not ok
  scoring::LeagueRules rules;  // the rules the book states
};

// Compiles a scorebook into game (which should be new).  On failure the
// message names the line and what is wrong with it, and game must be
// discarded.
ScorebookResult CompileScorebook(const std::string& text, Game& game);

// The entries of a line typed while a game is scored, each a line of the
// book: a header, half or player line whole; otherwise each word of
// pitches, each word of what happens between pitches, each substitution
// with its name, and the result with its runners.  A note ("; text") goes
// with the last of them.  Quoted texts keep their quotes.
std::vector<std::string> BookEntries(const std::string& line);

}  // namespace scorewick::scoring
