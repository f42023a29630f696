#pragma once
// File > Team > New and Edit (and the tool bar's New Team and Edit Team):
// each command makes its own team record, runs the team dialog on it,
// writes the team file on OK, and releases the record.

#include "app/command_table.h"

namespace scorewick::app {

void RunNewTeam(CommandEnv& env);
void RunEditTeam(CommandEnv& env);

inline constexpr const char* kTeamFileFilter = "Team File (*.tem)|*.tem|";
inline constexpr const char* kEditTeamFilter =
    "Team File (*.tem)|*.tem|CSV Team File (*.csv)|*.csv|";

}  // namespace scorewick::app
