#pragma once
// The games of a command that takes many (stats, box, plot): the files
// named as arguments, the lists named with --games-from (one path a line,
// records/game_list_file.h; "-" reads the list from standard input),
// --threads, the number of threads that read them, and the filters over
// them (cli/game_filter_arguments.h).  Every such command takes its games
// through here, so that they all read lists and filter them alike.

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/game_filter_arguments.h"

namespace scorewick::cli {

struct GameArguments {
  std::vector<std::string> games;  // GAME... as typed
  std::vector<std::string> lists;  // --games-from, in order
  int threads = 0;                 // 0: one per core
  GameFilterArguments filters;     // --from, --to, --home, --away, --opponent, --last
};

// Adds GAME... (described as what), --games-from FILE, the filters and,
// for a command that reads its games on many threads, --threads N.  The
// filters' team is the command's --team: a command without one adds it
// with AddFilterTeamOption.
void AddGameArguments(CLI::App* cmd, GameArguments& args, const std::string& what,
                      bool threads_option = true);

// The games to take: the arguments, then each list's paths in turn, each
// file once (a file named again is said on stderr and left out).  A listed
// file that is missing is kept, to be named and left out as the games are
// read.  The games are not filtered here: filter receives the filter the
// options ask for (TakeGameFilter), for the command to apply as it reads
// the games (stats/game_filter.h: ChooseByFilter), and FilterChoseGames
// then says what it left.  Nothing, after saying why on stderr, when a
// list cannot be read (*code kExitRefused), no game is named at all (*code
// kExitUsage), or the filter options are refused (TakeGameFilter).
std::optional<std::vector<std::string>> TakeGameArguments(const GameArguments& args,
                                                          CommandContext& ctx, int* code,
                                                          GameFilter& filter);

}  // namespace scorewick::cli
