// scorewick log GAME... --player NAME [--team NAME] [--format text|csv|html] [-o OUT]
//
// A player's game log: one line per game he appeared in, in date and
// start-time order, with his batting line, his pitching line and decision
// when he pitched, and the season's totals, every figure counted by the
// statistics engine game by game.  Without --team the player is looked for
// on both teams of every game; a name that plays for two teams asks for
// --team.

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <set>

#include "cli/command.h"
#include "cli/counted_games.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "reports/game_log_table.h"
#include "stats/game_log.h"

namespace scorewick::cli {
namespace {

struct Request {
  GameArguments game_args;
  std::string player;
  std::string team;
  std::string format = "text";
  std::string out;
  bool force = false;
};

int Run(const Request& r, CommandContext& ctx) {
  int code = kExitDone;
  GameFilter filter;
  std::optional<std::vector<std::string>> games =
      TakeGameArguments(r.game_args, ctx, &code, filter);
  if (!games) return code;
  if (!r.out.empty() && !MayWrite(r.out, ContentOfForm(r.format), *games, r.force, ctx)) {
    return kExitRefused;
  }
  GameLogCounter counter(RecordTextOf(r.player), RecordTextOf(r.team), RulesOfCurrentFolder());
  const TakeGame take = [&](const Game& game, const std::string& file, std::size_t index) {
    counter.Count(game, file, index);
  };
  std::set<std::string> teams;
  if (!FeedCountedGames(*games, RecordTextOf(r.team), filter, r.game_args, ctx, take, &code,
                        &teams)) {
    return code;
  }
  if (!counter.team_seen()) {
    ctx.err << "scorewick: " << NotThere("team", r.team, teams) << "\n";
    return kExitRefused;
  }
  if (counter.teams_of_player().empty()) {
    // A player on a roster who came into none of the games is there, but
    // has no game to log.
    if (counter.players().count(RecordTextOf(r.player)) > 0) {
      ctx.err << "scorewick: \"" << TerminalText(r.player)
              << "\" is on a roster of these games but played in none of them\n";
    } else {
      ctx.err << "scorewick: " << NotThere("player", r.player, counter.players()) << "\n";
    }
    return kExitRefused;
  }
  if (counter.teams_of_player().size() > 1) {
    ctx.err << "scorewick: \"" << TerminalText(r.player) << "\" plays for more than one team ("
            << NameList(counter.teams_of_player()) << "): name one with --team\n";
    return kExitRefused;
  }
  const GameLog log = counter.Finish();
  return WriteReportTables({reports::GameLogTable(log)}, "Game Log", r.format, r.out, ctx);
}

}  // namespace

void AddLogCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand("log", "A player's game log: his line game by game");
  AddGameArguments(cmd, r->game_args, "game files (.gam)");
  cmd->add_option("--player", r->player, "the player's name, as the games spell it")->required();
  cmd->add_option("--team", r->team, "his team (needed when the name plays for two teams)");
  AddReportOptions(cmd, r->format, r->out, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Run(*r, ctx); });
}

}  // namespace scorewick::cli
