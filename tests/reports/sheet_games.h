#pragma once
// Short games in the scorebook shorthand for the score sheet tests.

#include <string>

#include "support/book_games.h"

namespace scorewick::testing {

inline const std::string kSheetHead = sim::testing::Book("sheet_head");
inline const std::string kMarksBook = sim::testing::Book("marks");
inline const std::string kBatAroundBook = sim::testing::Book("bat_around");

// A slot held by six players: the lead-off man walks and five pinch
// runners follow one another on first; the last of them stays in at
// shortstop.  In the bottom half a bench man comes into right field for
// the seventh slot and never bats.  The visitors carry a longer bench
// than the shared teams.
inline std::string ManyHoldersTeams() {
  std::string teams = sim::testing::kTeams;
  teams.insert(teams.find("home \"Hawks\""),
               "- \"Ty Trot\" SS 13 R/R\n- \"Uma Urge\" SS 14 R/R\n- \"Val Vim\" SS 15 R/R\n"
               "- \"Wes West\" RF 16 R/R\n");
  return teams;
}
inline const std::string kManyHoldersBook = sim::testing::Book("many_holders");

// The head above, the shared teams and plays; a book that does not compile
// throws.
inline Game CompileSheetGame(const std::string& plays,
                             const std::string& teams = sim::testing::kTeams) {
  return sim::testing::CompileBook(plays, std::string(kSheetHead) + teams);
}

}  // namespace scorewick::testing
