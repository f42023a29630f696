// scorewick inspect FILE: a readable summary of a team or a game file.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/command.h"
#include "cli/record_summary.h"
#include "platform/terminal_text.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::cli {
namespace {

int Inspect(const std::string& path, CommandContext& ctx) {
  if (IsGamePath(path)) {
    Game game;
    if (!Report(LoadGame(path, game), ctx)) return kExitRefused;
    ctx.out << TerminalText(GameSummary(game), true);
    return kExitDone;
  }
  Team team;
  if (!Report(LoadTeam(path, team), ctx)) return kExitRefused;
  ctx.out << TerminalText(TeamSummary(team), true);
  return kExitDone;
}

}  // namespace

void AddInspectCommand(CLI::App& app, CommandContext& ctx) {
  auto* cmd =
      app.add_subcommand("inspect", "Print a summary of a team (.tem, .csv) or game (.gam) file");
  auto path = std::make_shared<std::string>();
  cmd->add_option("FILE", *path, "team or game file")->required();
  cmd->callback([&ctx, path] { ctx.exit_code = Inspect(*path, ctx); });
}

}  // namespace scorewick::cli
