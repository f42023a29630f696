// scorewick print roster TEAM --pdf OUT
// scorewick print addresses TEAM --pdf OUT
// scorewick print blank [--columns N] [--rows N] [--pages N] --pdf OUT
// scorewick print game GAME [--side visitors|home|both] [--columns fit|N]
//                           [--notes] [--empty-fields] --pdf OUT
//
// Prints the roster (or the players' address list) of a team, blank score
// sheets, or a scored game's score sheet, into a PDF file, without a
// display: the drawing needs only Qt's offscreen platform.  The game
// sheet's hit line takes its colour from scwk.ini in the current folder.

#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "app/core/settings.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/drawing/gui_application.h"
#include "cli/output_check.h"
#include "cli/subcommand_group.h"
#include "platform/terminal_text.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "reports/print/blank_sheets_out.h"
#include "reports/print/game_out.h"
#include "reports/print/phone_out.h"
#include "reports/print/print_team.h"
#include "reports/print/printout.h"

namespace scorewick::cli {
namespace {

struct Request {
  std::string team;
  std::string pdf;
  bool force = false;
};

int WritePdf(print::Printout& printout, const std::string& pdf, CommandContext& ctx) {
  if (const Status written = print::PrintToPdf(printout, pdf); !written) {
    ctx.err << "scorewick: " << TerminalText(written.reason) << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

int Print(const Request& r, bool addresses, CommandContext& ctx) {
  if (!MayWrite(r.pdf, FileContent::kPdf, {r.team}, r.force, ctx)) return kExitRefused;
  Team team;
  if (!Report(LoadTeam(r.team, team), ctx)) return kExitRefused;
  auto app = EnsureGuiApplication();
  std::unique_ptr<print::Printout> printout;
  if (addresses) {
    printout = std::make_unique<print::TPhoneOut>(team);
  } else {
    printout = std::make_unique<print::TPrintTeam>(team);
  }
  return WritePdf(*printout, r.pdf, ctx);
}

struct BlankRequest {
  int columns = print::kDefaultBlankColumns;
  int rows = print::kDefaultBlankRows;
  int pages = 1;
  std::string pdf;
  bool force = false;
};

void AddBlank(CLI::App& group, CommandContext& ctx) {
  auto r = std::make_shared<BlankRequest>();
  CLI::App* cmd = group.add_subcommand("blank", "Print blank score sheets");
  cmd->add_option("--columns", r->columns, "at-bat columns per page (1 to 15, default 9)")
      ->check(CLI::Range(1, print::kMaxSheetColumns));
  cmd->add_option("--rows", r->rows, "line-up positions (1 to 15, default 9)")
      ->check(CLI::Range(1, print::kMaxSheetRows));
  cmd->add_option("--pages", r->pages, "number of pages (1 to 100, default 1)")
      ->check(CLI::Range(1, print::kMaxBlankPages));
  cmd->add_option("--pdf", r->pdf, "PDF file to write")->required();
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] {
    if (!MayWrite(r->pdf, FileContent::kPdf, {}, r->force, ctx)) {
      ctx.exit_code = kExitRefused;
      return;
    }
    auto app = EnsureGuiApplication();
    print::TBlankSheetsOut printout(r->columns, r->rows, r->pages);
    ctx.exit_code = WritePdf(printout, r->pdf, ctx);
  });
}

void AddPrint(CLI::App& group, const char* name, const char* description, bool addresses,
              CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = group.add_subcommand(name, description);
  cmd->add_option("TEAM", r->team, "team file (.tem) or comma-separated team (.csv)")->required();
  cmd->add_option("--pdf", r->pdf, "PDF file to write")->required();
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r, addresses] { ctx.exit_code = Print(*r, addresses, ctx); });
}

struct GameRequest {
  std::string game;
  reports::PrintSide side = reports::PrintSide::kVisitors;
  std::string columns = "fit";
  bool notes = false;
  bool empty_fields = false;
  std::string pdf;
  bool force = false;
};

// A count of innings per page written in decimal digits, 1 to 15 ("0x0F"
// and "4.5" are no such count).
std::optional<int> InningsPerPage(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 ||
      value > print::kMaxSheetColumns) {
    return std::nullopt;
  }
  return value;
}

std::uint32_t CurrentHitLineColor() {
  app::Settings settings;
  std::error_code ec;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  return app::ResolveColor(settings.hit_to_line_color, app::ClassicSystemColor);
}

int PrintGame(const GameRequest& r, CommandContext& ctx) {
  reports::GamePrintOptions options;
  options.side = r.side;
  options.notes = r.notes;
  options.empty_fields = r.empty_fields;
  options.fit = r.columns == "fit";
  if (!options.fit) options.columns = *InningsPerPage(r.columns);

  if (!MayWrite(r.pdf, FileContent::kPdf, {r.game}, r.force, ctx)) return kExitRefused;
  Game game;
  if (!Report(LoadGame(r.game, game), ctx)) return kExitRefused;
  auto app = EnsureGuiApplication();
  print::TGameOut printout(game, options);
  printout.set_hit_line_color(print::ColorFromColorRef(CurrentHitLineColor()));
  return WritePdf(printout, r.pdf, ctx);
}

void AddGame(CLI::App& group, CommandContext& ctx) {
  auto r = std::make_shared<GameRequest>();
  CLI::App* cmd = group.add_subcommand("game", "Print a scored game as a score sheet");
  cmd->add_option("GAME", r->game, "game file (.gam)")->required();
  const std::map<std::string, reports::PrintSide> sides{{"visitors", reports::PrintSide::kVisitors},
                                                        {"home", reports::PrintSide::kHome},
                                                        {"both", reports::PrintSide::kBoth}};
  cmd->add_option("--side", r->side, "visitors (default), home or both (home first)")
      ->transform(CLI::CheckedTransformer(sides, CLI::ignore_case));
  cmd->add_option("--columns", r->columns,
                  "fit (default: every inning across the page) or 1 to 15 innings per page")
      ->check(CLI::Validator(
          [](std::string& value) {
            return value == "fit" || InningsPerPage(value)
                       ? std::string()
                       : "--columns takes fit or a whole number from 1 to 15, not " + value;
          },
          "fit|1..15"));
  cmd->add_flag("--notes", r->notes, "a page of the game's notes at the end");
  cmd->add_flag("--empty-fields", r->empty_fields, "draw the empty box under every box's marks");
  cmd->add_option("--pdf", r->pdf, "PDF file to write")->required();
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = PrintGame(*r, ctx); });
}

}  // namespace

void AddPrintCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* print = SubcommandGroup(app, kPrintCommand.name, kPrintCommand.description);
  AddPrint(*print, "roster", "Print a team's roster", false, ctx);
  AddPrint(*print, "addresses", "Print a team's address list", true, ctx);
  AddBlank(*print, ctx);
  AddGame(*print, ctx);
}

}  // namespace scorewick::cli
