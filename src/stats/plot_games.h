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
#include "stats/game_filter.h"

namespace scorewick {

// Calls use(game) for every readable game of the list that the filter
// leaves, in list order: each file is read once, the filter deciding from
// its headline on the thread that read it.  With an active filter the
// report holds every game's headline and how many the filter chose.
// Never shows or prints anything.
AccumulateReport ForEachPlotGame(const std::vector<std::string>& games,
                                 const std::function<void(const Game&)>& use,
                                 const GameFilter& filter = {});

}  // namespace scorewick
