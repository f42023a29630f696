#pragma once
// Plain-text summaries of teams and games for the command line, in UTF-8
// (record texts converted from code page 1252; columns line up by
// character).

#include <string>

#include "records/game.h"
#include "records/team.h"

namespace scorewick::cli {

// True for a path whose extension names a game file (.gam, any case).
bool IsGamePath(const std::string& path);

// Name, manager, coach, line-up settings and the roster with numbers,
// positions, batting order and hands.
std::string TeamSummary(const Team& team);
// Date, time, field, umpires, teams, the line score by innings from the
// stored half-inning runs, at-bat counts and the notes.
std::string GameSummary(const Game& game);

}  // namespace scorewick::cli
