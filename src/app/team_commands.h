#pragma once
// File > Team > New and Edit (and the tool bar's New Team and Edit Team):
// each command makes its own team record, runs the team dialog on it,
// writes the team file on OK, and releases the record.

#include <functional>

#include "app/command_table.h"

namespace scorewick::app {

class TeamEditDialog;

void RunNewTeam(CommandEnv& env);
void RunEditTeam(CommandEnv& env);

// How the commands run the team dialog; tests replace it.
using TeamDialogRunner = std::function<int(TeamEditDialog& dialog)>;
TeamDialogRunner& TeamDialogRun();

inline constexpr const char* kTeamFileFilter = "Team File (*.tem)|*.tem|";
inline constexpr const char* kEditTeamFilter =
    "Team File (*.tem)|*.tem|CSV Team File (*.csv)|*.csv|";

}  // namespace scorewick::app
