// scorewick convert IN OUT: rewrites a team (.tem, .csv) or a game (.gam,
// format 2.0 or 3.0) in the form OUT's extension names.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/command.h"
#include "cli/output_check.h"
#include "cli/record_summary.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/path_names.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::cli {
namespace {

int Convert(const std::string& in, const std::string& out, bool force, CommandContext& ctx) {
  const std::string out_ext = ExtensionOf(out);
  if (IsGamePath(in)) {
    if (out_ext != "gam") {
      ctx.err << "scorewick: a game converts only to a game file (.gam), not ." << out_ext << "\n";
      return kExitUsage;
    }
    if (!MayWrite(out, FileContent::kGameFile, {in}, force, ctx)) return kExitRefused;
    Game game;
    if (!Report(LoadGame(in, game), ctx)) return kExitRefused;
    return Report(SaveGame(out, game), ctx) ? kExitDone : kExitRefused;
  }
  if (out_ext != "tem" && out_ext != "csv") {
    ctx.err << "scorewick: a team converts to a team file (.tem) or comma-separated text (.csv)\n";
    return kExitUsage;
  }
  if (!MayWrite(out, out_ext == "csv" ? FileContent::kTeamCsv : FileContent::kTeamFile, {in}, force,
                ctx)) {
    return kExitRefused;
  }
  Team team;
  if (!Report(LoadTeam(in, team), ctx)) return kExitRefused;
  const Status written =
      out_ext == "csv" ? WriteTextFileAtomically(out, TeamCsvText(team)) : SaveTeam(out, team);
  return Report(written, ctx) ? kExitDone : kExitRefused;
}

}  // namespace

void AddConvertCommand(CLI::App& app, CommandContext& ctx) {
  auto* cmd = app.add_subcommand(
      "convert", "Rewrite a team (.tem, .csv) or game (.gam) in the form OUT's extension names");
  auto in = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("IN", *in, "team or game file to read")->required();
  cmd->add_option("OUT", *out, "file to write (.tem, .csv or .gam)")->required();
  AddForceFlag(cmd, *force);
  cmd->callback([&ctx, in, out, force] { ctx.exit_code = Convert(*in, *out, *force, ctx); });
}

}  // namespace scorewick::cli
