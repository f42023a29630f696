// scorewick score GAME.gam [--visitor TEAM.tem --home TEAM.tem] [--force]
//
// Scores a game as it happens (cli/scoring_session.h) from standard input.

#include <memory>

#include "cli/command.h"
#include "cli/output_check.h"
#include "cli/scoring_session.h"

namespace scorewick::cli {

void AddScoreCommand(CLI::App& app, CommandContext& ctx) {
  auto o = std::make_shared<ScoreOptions>();
  CLI::App* cmd = app.add_subcommand(
      "score",
      "Score a game as it happens, in the words of the scorebook (the book is kept beside the "
      "game, every word on the disk before it is answered)");
  cmd->add_option("GAME", o->game, "the game file (.gam); its book is GAME.book")->required();
  cmd->add_option("--visitor", o->visitor, "a new game: the visitors' team file");
  cmd->add_option("--home", o->home, "a new game: the home team's file");
  AddForceFlag(cmd, o->force);
  cmd->callback([&ctx, o] {
    std::vector<std::string> inputs;
    for (const std::string& team : {o->visitor, o->home}) {
      if (!team.empty()) inputs.push_back(team);
    }
    if (!MayWrite(o->game, FileContent::kGameFile, inputs, o->force, ctx) ||
        !MayWrite(BookPathOf(o->game), FileContent::kText, inputs, o->force, ctx)) {
      ctx.exit_code = kExitRefused;
      return;
    }
    ScoringSession session(*o, ctx);
    ctx.exit_code = session.Run();
  });
}

}  // namespace scorewick::cli
