#include "app/command_table.h"

#include <algorithm>

#include "app/box_score_commands.h"
#include "app/core/command_ids.h"
#include "app/export_commands.h"
#include "app/handheld_commands.h"
#include "app/import_commands.h"
#include "app/player_reports.h"
#include "app/plot_commands.h"
#include "app/print_commands.h"
#include "app/scoring_commands.h"
#include "app/shell_commands.h"
#include "app/site_commands.h"
#include "app/stats_commands.h"
#include "app/team_commands.h"

namespace scorewick::app {
namespace {

constexpr CommandRow kCommands[] = {
    // File > Team, and the tool bar's New Team and Edit Team.
    {kCmdNewTeam, &RunNewTeam},
    {kCmdToolNewTeam, &RunNewTeam},
    {kCmdEditTeam, &RunEditTeam},
    {kCmdToolEditTeam, &RunEditTeam},
    // File > Import Games from Retrosheet Files.
    {kCmdImportRetrosheet, &RunImportRetrosheet},
    // File > Export Games to Retrosheet.
    {kCmdExportRetrosheet, &RunExportRetrosheet},
    // File > Publish Season Website.
    {kCmdPublishSite, &RunPublishSite},
    // File > Print, and the tool bar's Print Game.
    {kCmdPrintGame, &RunPrintGame},
    {kCmdToolPrintGame, &RunPrintGame},
    {kCmdBlankScoreSheets, &RunBlankScoreSheets},
    {kCmdPrinterSetup, &RunPrinterSetup},
    {kCmdExit, &RunExit},
    // Game, and the tool bar's New Game.
    {kCmdNewGame, &RunNewGame},
    {kCmdToolNewGame, &RunNewGame},
    {kCmdContinueScoring, &RunContinueScoring},
    // Statistics, and the tool bar's Game Stats.
    {kCmdTeamStats, &RunTeamStats},
    {kCmdToolGameStats, &RunTeamStats},
    {kCmdScatterPlots, &RunScatterPlots},
    {kCmdPitchingPlots, &RunPitchingPlots},
    {kCmdBoxScores, &RunBoxScores},
    {kCmdPitcherWorkload, &RunPitcherWorkload},
    {kCmdOptions, &RunOptions},
    // Palm.
    {kCmdPalmInstallCompanion, &RunPalmInstallCompanion},
    {kCmdPalmInstallOther, &RunPalmInstallOther},
    {kCmdPalmExportGame, &RunPalmExportGame},
    {kCmdPalmExportTeam, &RunPalmExportTeam},
    {kCmdToolPalmExport, &RunPalmExportChoose},
    {kCmdPalmImportTeam, &RunPalmImportTeam},
    {kCmdPalmImportGame, &RunPalmImportGame},
    {kCmdToolPalmImport, &RunPalmImportChoose},
    // Pocket PC.
    {kCmdPpcExportGame, &RunPocketPcExportGame},
    {kCmdPpcExportTeam, &RunPocketPcExportTeam},
    {kCmdToolPpcExport, &RunPocketPcExportChoose},
    {kCmdPpcImportGame, &RunPocketPcImportGame},
    {kCmdPpcImportTeam, &RunPocketPcImportTeam},
    {kCmdToolPpcImport, &RunPocketPcImportChoose},
    // Help.
    {kCmdHelpIndex, &RunHelpIndex},
    {kCmdHelpTopic, &RunHelpTopic},
    {kCmdAbout, &RunAbout},
};

}  // namespace

std::span<const CommandRow> CommandTable() { return kCommands; }

const CommandRow* FindCommand(int command) {
  const auto* row = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [command](const CommandRow& r) { return r.command == command; });
  return row == std::end(kCommands) ? nullptr : row;
}

}  // namespace scorewick::app
