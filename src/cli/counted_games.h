#pragma once
// What the commands that count games player by player (log, workload)
// share: feeding them the games, naming those left out, writing the
// report in the form asked, and naming what is there when a player or team
// asked for is not.

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/game_arguments.h"
#include "records/game.h"
#include "reports/report_table.h"
#include "scoring/league_rules.h"
#include "stats/game_filter.h"
#include "stats/stat_rules.h"

namespace scorewick::cli {

using TakeGame = std::function<void(const Game& game, const std::string& file, std::size_t index)>;

// Reads the games on args.threads threads (0: one per core) and hands each
// to take in list order: each file is read once, and the filters of args
// (filter, from TakeGameArguments) decide from its headline, on the thread
// that read it, whether it is read on; a game of neither team is read only
// as far as its teams when team is named (and not handed over).  Once
// every game is read, before anything is said of them, the filters are
// held to having chosen a game (FilterChoseGames); then a game that
// cannot be read is named on stderr and left out.  *teams receives the
// teams of every game whose headline was read, for naming them when a team
// asked for is not there.  False, with *code, when
// the filters refuse, a game is in a prior format (which refuses the run,
// as the statistics do) or no game could be read.
bool FeedCountedGames(const std::vector<std::string>& games, const std::string& team,
                      const GameFilter& filter, const GameArguments& args, CommandContext& ctx,
                      const TakeGame& take, int* code, std::set<std::string>* teams = nullptr);

// The league rules of scwk.ini in the current folder.
StatRules RulesOfCurrentFolder();
// The same rules as a scored game states them (innings, strikes, balls, outs).
scoring::LeagueRules LeagueRulesOfCurrentFolder();

// The names (record texts) shown in UTF-8, A to Z, comma-separated: at
// most 40 of them, then how many more.
std::string NameList(const std::set<std::string>& names);

// "no team \"X\" in these games; they hold: A, B, C": what is asked for,
// as typed (UTF-8), and the names that are there (NameList).
std::string NotThere(const std::string& what, const std::string& typed,
                     const std::set<std::string>& there);

// Adds --format text|csv|html (default text), -o OUT and --force.
void AddReportOptions(CLI::App* cmd, std::string& format, std::string& out, bool& force);

// Writes the tables as "text" (lines on standard output, or into out),
// "csv" or "html" (page_title in the page's head); standard output when
// out is empty.  The output check is the caller's.  Returns the exit code.
int WriteReportTables(const std::vector<reports::ReportTable>& tables,
                      const std::string& page_title, const std::string& format,
                      const std::string& out, CommandContext& ctx);

}  // namespace scorewick::cli
