#pragma once
// Reading a plot's games in a plot window: the games that could not be read
// are named in one message ("Load Error") and dropped from the list, so
// that the printed list of files shows only the games plotted.

#include "platform/ui.h"
#include "stats/accumulate.h"
#include "stats/base_stat_game_struct.h"

namespace scorewick::app {

// False when no game of the list could be read (after the message).
bool AcceptPlotGames(const AccumulateReport& report, BaseStatGameStruct& games, Ui& ui);

}  // namespace scorewick::app
