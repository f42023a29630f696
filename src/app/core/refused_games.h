#pragma once
// The message that names the games an analysis could not read, and the
// list of games without them.  A season can hold thousands of games, so a
// message names at most kMostListedLines of them: a message box taller
// than the screen hides its own OK button.

#include <cstddef>
#include <string>
#include <vector>

#include "stats/accumulate.h"

namespace scorewick::app {

inline constexpr std::size_t kMostListedLines = 20;

// The lines joined with line feeds; beyond `most` lines, the first `most`
// and then "... and N more".
std::string ListedLines(const std::vector<std::string>& lines, std::size_t most = kMostListedLines);

// "These games could not be read and are left out:\n" (or, when none is
// left, "No game could be read:\n"), then one line a game: its file and,
// in parentheses, why ("not in the 3.0 game format" for a prior format).
std::string RefusedGamesText(const std::vector<GameRefusal>& refusals, bool none_left);

// paths without the refused ones, in order.
std::vector<std::string> WithoutRefused(const std::vector<std::string>& paths,
                                        const std::vector<GameRefusal>& refusals);

}  // namespace scorewick::app
