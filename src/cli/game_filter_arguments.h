#pragma once
// The filters of the commands that take many games: --from DATE, --to DATE,
// --home or --away, --opponent NAME, --last N, over the games of the team
// the command's --team names (stats has its own; box and plot add one for
// the filters).  cli/game_arguments.h adds them with the game arguments.

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "intake/game_headline.h"
#include "stats/game_filter.h"

namespace scorewick::cli {

struct GameFilterArguments {
  std::string from, to;  // as typed: YYYY-MM-DD
  bool home = false;
  bool away = false;
  std::string opponent;
  int last = 0;
  std::string team;             // --team, when AddFilterTeamOption added it
  CLI::App* command = nullptr;  // whose --team names the team
  // True when --team is the filters' own (box, plot, export): then the
  // team alone chooses its games.  A command's own --team (stats, log,
  // workload) names the team it counts, which finds its games itself.
  bool team_chooses_games = false;
};

void AddGameFilterOptions(CLI::App* cmd, GameFilterArguments& args);

// Adds --team NAME, the team the filters look at, to a command that names
// no team of its own.
void AddFilterTeamOption(CLI::App* cmd, GameFilterArguments& args);

// The filter the options ask for: not active when none is given (a
// command's own --team alone chooses no games).  Nothing, after saying why
// on stderr, for a date not written as YYYY-MM-DD, --from after --to, or
// --home, --away or --last without a team (*code kExitUsage).
std::optional<GameFilter> TakeGameFilter(const GameFilterArguments& args, CommandContext& ctx,
                                         int* code);

// Whether the filter chose any of the games whose headlines were read
// (nothing for a game whose headline could not be read), chosen of them;
// false, after saying why on stderr, for a team or an opponent no game
// holds (the names there are listed) or filters that leave no game (*code
// kExitRefused).
bool FilterChoseGames(const GameFilterArguments& args, const GameFilter& filter,
                      const std::vector<std::optional<GameHeadline>>& headlines, std::size_t chosen,
                      CommandContext& ctx, int* code);

// The choice handed to a command that reads every game's headline for its
// own plan (export, site): the games the filter leaves, all of them when
// it is not active.  It declines, after saying why, as FilterChoseGames
// does (*code).  args and ctx are held by reference.
HeadlineChoice FilterChoice(const GameFilterArguments& args, const GameFilter& filter,
                            CommandContext& ctx, int* code);

}  // namespace scorewick::cli
