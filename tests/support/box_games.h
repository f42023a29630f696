#pragma once
// Short games in the scorebook shorthand whose play-by-play and box scores
// the report tests work out by hand (the teams of support/book_games.h).

#include "support/book_games.h"

namespace scorewick::reports::testing {

inline const std::string kTwoInnings = sim::testing::Book("two_innings");
inline const std::string kNineInnings = sim::testing::Book("nine_innings");
inline const std::string kTie = sim::testing::Book("tie");

using sim::testing::CompileBook;

}  // namespace scorewick::reports::testing
