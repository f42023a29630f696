// scorewick export retrosheet GAME... [--games-from LIST] [FILTERS] -o DIR [--force]
//
// Writes game files as Retrosheet's files in DIR: an event file per home
// club and season (2019SEA.EVA in a park with the designated hitter, .EVN
// otherwise), a roster file per club and season (SEA2019.ROS) and the team
// file of each season (TEAM2019).  Each game refused is named on stderr
// with the reason, and what a game holds that the files cannot carry is
// said as a note; the summary line goes to standard output.  Exit status
// 1 when a game or file was refused or kept.

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>

#include "cli/command.h"
#include "cli/game_arguments.h"
#include "cli/interop_summary.h"
#include "cli/output_check.h"
#include "cli/subcommand_group.h"
#include "interop/retrosheet_export.h"

namespace scorewick::cli {
namespace {

struct ExportOptions {
  GameArguments games;
  std::string folder;
  bool force = false;
};

int ExportRetrosheetFiles(const ExportOptions& o, CommandContext& ctx) {
  int code = kExitDone;
  GameFilter filter;
  std::optional<std::vector<std::string>> games = TakeGameArguments(o.games, ctx, &code, filter);
  if (!games) return code;
  // The export reads every game's headline to plan the files: the filters
  // choose from those, and the folder is made only once they have chosen.
  interop::RetrosheetExportRequest request{*games, o.folder, o.force, {}};
  const HeadlineChoice filtered = FilterChoice(o.games.filters, filter, ctx, &code);
  request.choose = [&](const std::vector<std::optional<GameHeadline>>& headlines,
                       std::vector<bool>& chosen) {
    if (!filtered(headlines, chosen)) return false;
    code = kExitRefused;
    return MakeOutputFolder(o.folder, ctx);
  };
  const interop::ExportSummary summary = interop::ExportRetrosheet(request);
  if (summary.declined) return code;
  return ReportInterop(summary.messages, summary.KeptAny(), summary.Line(), ctx);
}

}  // namespace

void AddExportCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* group = SubcommandGroup(app, "export", "Export games for other programs");
  auto o = std::make_shared<ExportOptions>();
  CLI::App* retro = group->add_subcommand(
      "retrosheet",
      "Write games as Retrosheet's files: an event file per home club and season (.EVA, .EVN), "
      "a roster file per club (TTTyyyy.ROS) and the team file (TEAMyyyy)");
  AddGameArguments(retro, o->games, "game files (.gam)", false);
  AddFilterTeamOption(retro, o->games.filters);
  retro->add_option("-o,--out", o->folder, "folder to write the files in")->required();
  AddForceFlag(retro, o->force);
  retro->callback([&ctx, o] { ctx.exit_code = ExportRetrosheetFiles(*o, ctx); });
}

}  // namespace scorewick::cli
