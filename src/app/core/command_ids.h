#pragma once
// The numbers of the main window's commands.  Menu items and their tool
// bar twins carry different numbers but run the same handler.

namespace scorewick::app {

enum Command : int {
  kCmdNewTeam = 1101,
  kCmdEditTeam = 1102,
  kCmdImportRetrosheet = 1111,
  kCmdExportRetrosheet = 1112,
  kCmdPublishSite = 1113,
  kCmdPrintGame = 1121,
  kCmdBlankScoreSheets = 1122,
  kCmdPrinterSetup = 1131,
  kCmdExit = 1133,
  kCmdNewGame = 1201,
  kCmdContinueScoring = 1202,
  kCmdTeamStats = 1301,
  kCmdScatterPlots = 1302,
  kCmdPitchingPlots = 1303,
  kCmdBoxScores = 1304,
  kCmdPitcherWorkload = 1305,
  kCmdOptions = 1401,
  kCmdPalmInstallCompanion = 11842,
  kCmdPalmInstallOther = 11843,
  kCmdPalmExportGame = 11844,
  kCmdPalmExportTeam = 11845,
  kCmdPalmImportTeam = 11846,
  kCmdPalmImportGame = 11847,
  kCmdPpcExportGame = 11851,
  kCmdPpcExportTeam = 11852,
  kCmdPpcImportGame = 11853,
  kCmdPpcImportTeam = 11854,
  kCmdHelpIndex = 901,
  kCmdHelpTopic = 903,  // the manual at its page on copying files by hand
  kCmdAbout = 999,
  // Tool bar buttons.
  kCmdToolPalmImport = 16660,
  kCmdToolPalmExport = 16661,
  kCmdToolPpcImport = 16662,
  kCmdToolPpcExport = 16663,
  kCmdToolNewTeam = 16664,
  kCmdToolPrintGame = 16665,
  kCmdToolGameStats = 16666,
  kCmdToolEditTeam = 16667,
  kCmdToolNewGame = 16668,
};

}  // namespace scorewick::app
