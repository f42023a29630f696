#pragma once
// The reports over chosen games that follow one player or one team's
// pitchers: a player's game log (opened from the Statistics window by a
// double click on his row) and Statistics > Pitcher Workload (the game
// chooser, then the workload of the chosen team's pitchers as of the day
// chosen there, which the window can change, under the rules of
// workload.txt in the start folder).

#include <QWidget>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/core/session.h"
#include "platform/ui.h"
#include "stats/stat_rules.h"

namespace scorewick::app {

// Reads the games with a progress dialog and shows the player's game log
// in a window.  Games that cannot be read are named in one message; the
// person cancelling the reading shows nothing.
void OpenGameLog(const std::vector<std::string>& games, const std::string& player,
                 const std::string& team, const StatRules& rules, Session& session, Ui& ui,
                 QWidget* parent);

// Statistics > Pitcher Workload.
void RunPitcherWorkload(CommandEnv& env);

}  // namespace scorewick::app
