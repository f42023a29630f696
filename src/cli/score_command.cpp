// scorewick score GAME.gam [--visitor TEAM.tem --home TEAM.tem] [--force]
//
// Scores a game as it happens (cli/scoring_session.h) from standard input.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"
#include "cli/drawing.h"
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
  cmd->add_flag("--window", o->window,
                "score in the scoring window (mouse, touch screen or keyboard) instead of on "
                "standard input");
  AddForceFlag(cmd, o->force);
  cmd->callback([&ctx, o] {
    std::vector<std::string> inputs;
    for (const std::string& team : {o->visitor, o->home}) {
      if (!team.empty()) inputs.push_back(team);
    }
    if (!MayWrite(o->game, FileContent::kGameFile, inputs, o->force, ctx) ||
        !MayWrite(scoring::BookPathOf(o->game), FileContent::kText, inputs, o->force, ctx)) {
      ctx.exit_code = kExitRefused;
      return;
    }
    if (o->window) {
      if (!DrawsHere()) {
        ctx.exit_code = HandOverToDrawing(ctx);
        if (ctx.exit_code == -1) {
          ctx.err << "scorewick: this build has no windows: score on standard input\n";
          ctx.exit_code = kExitRefused;
        }
        return;
      }
      if (ScoringWindowEntry window = LinkedDrawing().scoring_window) {
        ctx.exit_code = window(o->game, o->visitor, o->home);
        return;
      }
    }
    ScoringSession session(*o, ctx);
    ctx.exit_code = session.Run();
  });
}

}  // namespace scorewick::cli
