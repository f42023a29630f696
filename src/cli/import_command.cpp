// scorewick import retrosheet EVENTFILE... [-o DIR] [--force]
//
// Imports Retrosheet event files: one game file per game (named by its id)
// and one team file per club (named by its code) in DIR, from the team and
// roster files beside each event file.  Each game refused is named on
// stderr with its file, line and reason; the summary line goes to standard
// output.  Exit status 1 when a game or file was refused.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command.h"
#include "cli/interop_summary.h"
#include "cli/output_check.h"
#include "cli/subcommand_group.h"
#include "interop/retrosheet_import.h"

namespace scorewick::cli {
namespace {

struct ImportOptions {
  std::vector<std::string> event_files;
  std::string folder;
  bool force = false;
};

int ImportRetrosheetFiles(const ImportOptions& o, CommandContext& ctx) {
  if (!MakeOutputFolder(o.folder, ctx)) return kExitRefused;
  interop::RetrosheetImportRequest request;
  request.event_files = o.event_files;
  request.output_folder = o.folder;
  request.force = o.force;
  const interop::ImportSummary summary = interop::ImportRetrosheet(request);
  return ReportInterop(summary.refusals, summary.KeptAny(), summary.Line(), ctx);
}

}  // namespace

void AddImportCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* group = SubcommandGroup(app, "import", "Import games scored in other programs");
  auto o = std::make_shared<ImportOptions>();
  CLI::App* retro = group->add_subcommand(
      "retrosheet",
      "Import Retrosheet event files (.EVA, .EVN ...): a game file per game, a team file per "
      "club, from the TEAMyyyy and roster files beside them");
  // A file that cannot be read is refused as the import reads it, with the
  // system's reason.
  retro->add_option("EVENTFILE", o->event_files, "event files to import")->required();
  retro->add_option("-o,--out", o->folder,
                    "folder to write the games and teams in (default: here)");
  AddForceFlag(retro, o->force);
  retro->callback([&ctx, o] { ctx.exit_code = ImportRetrosheetFiles(*o, ctx); });
}

}  // namespace scorewick::cli
