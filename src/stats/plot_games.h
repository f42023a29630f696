#pragma once
// Reading the game list of a plot: the files are read on every core
// (records/game_feed.h) and handed to the caller one at a time, in list
// order.  Files that
// cannot be read, are not games, are in a prior format or are damaged are
// skipped and named in the report.

#include <functional>
#include <string>
#include <vector>

#include "records/game.h"
#include "stats/accumulate.h"

namespace scorewick {

// Calls use(game) for every readable game of the list, in list order.
// Never shows or prints anything.
AccumulateReport ForEachPlotGame(const std::vector<std::string>& games,
                                 const std::function<void(const Game&)>& use);

}  // namespace scorewick
