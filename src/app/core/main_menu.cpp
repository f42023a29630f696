#include "app/core/main_menu.h"

#include "app/core/command_ids.h"

namespace scorewick::app {
namespace {

using Kind = MenuEntry::Kind;

MenuEntry Item(std::string_view label, int command, std::string_view shortcut = {}) {
  return {Kind::kItem, label, command, shortcut, {}};
}
MenuEntry Separator() { return {Kind::kSeparator, {}, 0, {}, {}}; }
MenuEntry Submenu(std::string_view label, std::vector<MenuEntry> children) {
  return {Kind::kSubmenu, label, 0, {}, std::move(children)};
}

ToolbarEntry Button(int command, int bitmap, std::string_view tooltip) {
  return {ToolbarEntry::Kind::kButton, command, bitmap, 0, tooltip};
}
ToolbarEntry Gap(int units) { return {ToolbarEntry::Kind::kGap, 0, 0, units, {}}; }
ToolbarEntry Divider() { return {ToolbarEntry::Kind::kDivider, 0, 14, 0, {}}; }

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
  static const std::vector<MenuEntry> menu = {
      Submenu("&File",
              {
                  Submenu("&Team", {Item("&New...", kCmdNewTeam), Item("&Edit...", kCmdEditTeam)}),
                  Item("&Import Games from Retrosheet Files...", kCmdImportRetrosheet),
                  Item("&Export Games to Retrosheet...", kCmdExportRetrosheet),
                  Item("Publish Season &Website...", kCmdPublishSite),
                  Separator(),
                  Submenu("&Print", {Item("&Game...", kCmdPrintGame),
                                     Item("&Blank Score Sheets...", kCmdBlankScoreSheets)}),
                  Item("P&rinter Setup...", kCmdPrinterSetup),
                  Separator(),
                  Item("E&xit", kCmdExit, "Ctrl+X"),
              }),
      Submenu("&Game", {Item("&New Game...", kCmdNewGame),
                        Item("&Continue Scoring...", kCmdContinueScoring)}),
      Submenu("&Statistics",
              {Item("&Team and Player Stats...", kCmdTeamStats),
               Item("&Scatter Plots...", kCmdScatterPlots),
               Item("&Pitching Plots...", kCmdPitchingPlots), Item("&Box Scores...", kCmdBoxScores),
               Item("Pitcher &Workload...", kCmdPitcherWorkload)}),
      Item("&Options...", kCmdOptions),
      Submenu(
          "&PDA Utilities",
          {
              Submenu("Palm &Install", {Item("&Scorewick Companion", kCmdPalmInstallCompanion),
                                        Item("&Other ...", kCmdPalmInstallOther)}),
              Submenu("Palm &Export", {Item("&Game to Palm ...", kCmdPalmExportGame),
                                       Item("&Team to Palm ...", kCmdPalmExportTeam)}),
              Submenu("Palm I&mport", {Item("&Game from Palm ...", kCmdPalmImportGame),
                                       Item("&Team from Palm ...", kCmdPalmImportTeam)}),
              Separator(),
              Submenu("Pocket PC E&xport", {Item("&Game to Pocket PC ...", kCmdPpcExportGame),
                                            Item("&Team to Pocket PC ...", kCmdPpcExportTeam)}),
              Submenu("Pocket PC Im&port", {Item("Game from Pocket PC...", kCmdPpcImportGame),
                                            Item("Team from Pocket PC ...", kCmdPpcImportTeam)}),
          }),
      Submenu("&Help",
              {Item("&Index", kCmdHelpIndex, "F1"), Separator(), Item("&About...", kCmdAbout)}),
  };
  return menu;
}

const std::vector<ToolbarEntry>& MainToolbar() {
  static const std::vector<ToolbarEntry> toolbar = {
      Button(kCmdToolNewTeam, 6, "New Team"),
      Gap(4),
      Button(kCmdToolEditTeam, 15, "Edit Team"),
      Gap(4),
      Button(kCmdToolNewGame, 17, "New Game"),
      Gap(4),
      Button(kCmdToolPrintGame, 7, "Print Game"),
      Gap(4),
      Button(kCmdToolGameStats, 12, "Game Stats"),
      Gap(6),
      Divider(),
      Gap(6),
      Button(kCmdToolPalmExport, 8, "Export to Palm"),
      Gap(4),
      Button(kCmdToolPalmImport, 10, "Import from Palm"),
      Gap(6),
      Divider(),
      Gap(6),
      Button(kCmdToolPpcExport, 9, "Export to Pocket PC"),
      Gap(4),
      Button(kCmdToolPpcImport, 11, "Import from Pocket PC"),
  };
  return toolbar;
}

}  // namespace scorewick::app
