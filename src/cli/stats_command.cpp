// scorewick stats GAME... (--team NAME | --all-teams) [--view team|opponents|combined]
//     [--batting-split rh|lh|all] [--pitching-split rh|lh|all]
//     [--table batting|running|fielding|pitching] [--sort KEY [--ascending]]
//     [--format csv|html|text|pdf] [-o OUT] [--append] [--width N] [--landscape]
//     [--min-pa N] [--min-ip N] [--hide-empty]
//
// Counts the games for a team (its opponents, both, or every team) and
// writes one table.  League rules, layouts and HTML colours come from the
// current folder (scwk.ini and the four layout files).  A game in a prior
// format refuses the whole run; a damaged or unreadable game, or a file
// that is no game, is named on stderr and left out; a game named twice is
// counted once.  A team that no game holds refuses the run.

#include <strings.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "cli/stats_pdf_hook.h"
#include "intake/game_intake.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/format_text.h"
#include "records/local_date.h"
#include "reports/stats_csv.h"
#include "reports/stats_html.h"
#include "reports/stats_text.h"
#include "reports/team_export.h"
#include "stats/qualifiers.h"
#include "stats/sort_table.h"
#include "stats/stat_layout.h"
#include "stats/stat_query.h"
#include "stats/totals.h"

namespace scorewick::cli {

StatsPdfPrinter& StatsPdf() {
  static StatsPdfPrinter printer;
  return printer;
}

namespace {

struct Request {
  GameArguments game_args;
  std::vector<std::string> games;  // taken from game_args
  GameFilter filter;               // taken from game_args, applied as the games are read
  int threads = 0;
  std::string team;
  bool all_teams = false;
  StatView view = StatView::kTeam;
  Split batting_split = Split::kAll;
  Split pitching_split = Split::kAll;
  StatTable table = StatTable::kBatting;
  std::string sort = "Name";
  bool sort_given = false;
  bool ascending = false;
  std::string format = "csv";
  std::string out;
  bool force = false;
  bool append = false;
  int width = 0;
  bool landscape = false;
  Qualifiers qualifiers;
};

// The column a sort key names: exact first, then ignoring case.
int SortColumn(StatTable table, const std::string& key) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int c = 0; c < ColumnCount(table); ++c) {
      const std::string_view k = ColumnKey(table, c);
      if (pass == 0
              ? k == key
              : (k.size() == key.size() && strncasecmp(k.data(), key.data(), k.size()) == 0)) {
        return c;
      }
    }
  }
  return -1;
}

// The usage faults found before any file is read; -1 when there are none.
// A PDF in a build without drawing hands the command over to the desktop
// program.
int UsageFault(const Request& r, CommandContext& ctx) {
  if (r.format == "pdf" && !StatsPdf()) {
    if (const int code = HandOverToDrawing(ctx); code >= 0) return code;
    ctx.err << "scorewick: this build prints no PDF files\n";
    return kExitUsage;
  }
  const char* fault = r.all_teams && r.view != StatView::kTeam
                          ? "with --all-teams there is only the team view"
                      : r.format == "pdf" && r.out.empty() ? "--format pdf needs -o OUT"
                      : r.format == "pdf" && r.append
                          ? "a PDF cannot be appended to; --append takes csv, html or text"
                          : nullptr;
  if (!fault) return -1;
  ctx.err << "scorewick: " << fault << "\n";
  return kExitUsage;
}

// Counts the side or sides the view shows from one reading of the games,
// naming the games left out on stderr.  Nothing when a game is in a prior
// format, which refuses the whole run (with the message the chooser shows),
// when the filters leave no game (*code), when no game could be read, or
// when none holds the team.
std::optional<StatResult> Count(const Request& r, const StatRules& rules, CommandContext& ctx,
                                int* code) {
  StatQuery query;
  query.chosen.games = r.games;
  query.chosen.team = RecordTextOf(r.team);
  query.chosen.all_teams = r.all_teams;
  query.chosen.filter = r.filter;
  query.rules = rules;
  query.batting_split = r.batting_split;
  query.pitching_split = r.pitching_split;
  query.sides = SidesOf(r.view);
  query.threads = r.threads;
  StatResult result = RunStatQuery(query);
  if (r.filter.Active() && !FilterChoseGames(r.game_args.filters, r.filter, result.report.headlines,
                                             result.report.games_chosen, ctx, code)) {
    return std::nullopt;
  }
  *code = kExitRefused;
  if (const GameRefusal* prior = result.PriorFormatRefusal()) {
    ctx.ui.ShowMessage(PriorFormatMessage(prior->file), kPriorFormatCaption,
                       MessageIcon::kExclamation);
    return std::nullopt;
  }
  for (const GameRefusal& refusal : result.report.refusals) {
    ctx.err << "scorewick: " << TerminalText(refusal.file)
            << " left out: " << TerminalText(refusal.reason) << "\n";
  }
  if (result.report.games_read == 0) {
    ctx.err << "scorewick: no game could be read\n";
    return std::nullopt;
  }
  if (result.report.games_of_team == 0) {
    ctx.err << "scorewick: no team \"" << TerminalText(r.team) << "\" in these games\n";
    return std::nullopt;
  }
  return result;
}

// The characters per printed line: --width, else the orientation's; held
// to the least that prints properly.
int PageWidth(const Request& r, CommandContext& ctx) {
  const int width = r.width > 0   ? r.width
                    : r.landscape ? reports::kLandscapePageWidth
                                  : reports::kPortraitPageWidth;
  if (width >= reports::kMinPageWidth) return width;
  ctx.err << "Sorry, your selection was too low and would not print properly.  Resetting to the "
             "lowest "
             "setting, 50\n";
  return reports::kMinPageWidth;
}

// The table in text sections: printed as a PDF, shown on standard output,
// or laid into text to write to OUT (nothing handed back then).
std::optional<int> WriteSections(const Request& r, const Stat& shown, const StatLayout& layout,
                                 std::string& text, CommandContext& ctx) {
  const int width = PageWidth(r, ctx);
  const auto sections = reports::StatsTextSections(
      shown, r.table, layout, SplitOf(r.table, r.batting_split, r.pitching_split), width);
  if (r.format == "pdf") {
    const Status written = StatsPdf()(sections, reports::StatsPrintTitle(shown.team_name, r.view),
                                      r.games, width, r.landscape, r.out);
    if (written) return kExitDone;
    ctx.err << "scorewick: " << TerminalText(written.reason) << "\n";
    return kExitRefused;
  }
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (r.out.empty()) {
      ctx.out << (i > 0 ? "\n" : "") << RecordLines(sections[i]);
      continue;
    }
    if (i > 0) text += '\n';
    text += TextFileLines(sections[i]);
  }
  if (!r.out.empty()) return std::nullopt;
  return kExitDone;
}

// Writes the counted table in the asked form, to standard output or OUT.
int Write(const Request& r, const Stat& shown, const StatLayout& layout,
          const app::Settings& settings, CommandContext& ctx) {
  std::string text;
  const bool appending = r.append && !r.out.empty() && FileExists(r.out);
  if (r.format == "csv") {
    text = reports::StatsCsv(shown, r.table, layout);
  } else if (r.format == "html") {
    text = reports::StatsHtml(shown, r.table, layout, r.view,
                              SplitOf(r.table, r.batting_split, r.pitching_split),
                              app::HtmlStyleOf(settings), Now(), appending);
  } else if (const std::optional<int> code = WriteSections(r, shown, layout, text, ctx)) {
    return *code;
  }
  if (r.out.empty()) {
    ctx.out << ForStandardOutput(ctx, text);
    return kExitDone;
  }
  return Report(reports::WriteExportText(r.out, text, appending), ctx) ? kExitDone : kExitRefused;
}

int Run(Request r, CommandContext& ctx) {
  if (const int code = UsageFault(r, ctx); code >= 0) return code;
  int code = kExitDone;
  std::optional<std::vector<std::string>> games =
      TakeGameArguments(r.game_args, ctx, &code, r.filter);
  if (!games) return code;
  r.games = std::move(*games);
  r.threads = r.game_args.threads;
  if (!r.out.empty() && !MayWrite(r.out, ContentOfForm(r.format), r.games, r.force, ctx)) {
    return kExitRefused;
  }
  const int column = SortColumn(r.table, r.sort);
  if (column < 0) {
    ctx.err << "scorewick: no column " << TerminalText(r.sort) << " in this table\n";
    return kExitUsage;
  }

  std::error_code ec;
  const std::string folder = std::filesystem::current_path(ec).string();
  const StatLayout layout = LoadLayout(folder, r.table);
  if (ShownColumns(layout).empty()) {
    ctx.err << "scorewick: the layout " << TerminalText(std::string(LayoutFileName(r.table)))
            << " hides every column of this table: there is nothing to write\n";
    return kExitRefused;
  }
  app::Settings settings;
  app::LoadSettings(folder, settings);
  std::optional<StatResult> counted = Count(r, app::StatRulesOf(settings), ctx, &code);
  if (!counted) return code;
  Stat& shown = counted->Of(r.view);
  // --sort puts the largest first unless --ascending; by default names run A to Z.
  SortTable(shown, r.table, column, r.sort_given && !r.ascending);
  HideUnqualified(shown, r.table, r.qualifiers);
  return Write(r, shown, layout, settings, ctx);
}

}  // namespace

void AddStatsCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand("stats", "Count games into a statistics table and write it");
  AddGameArguments(cmd, r->game_args, "game files (.gam)");
  CLI::Option_group* who = cmd->add_option_group("team", "whose players to count (one of)");
  who->add_option("--team", r->team, "the team's name, as the games spell it");
  who->add_flag("--all-teams", r->all_teams, "every team of every game");
  who->require_option(1);
  const std::map<std::string, StatView> views = {{"team", StatView::kTeam},
                                                 {"opponents", StatView::kOpponents},
                                                 {"combined", StatView::kCombined}};
  cmd->add_option("--view", r->view, "team (default), opponents or combined")
      ->transform(CLI::CheckedTransformer(views));
  const std::map<std::string, Split> splits = {
      {"rh", Split::kRight}, {"lh", Split::kLeft}, {"all", Split::kAll}};
  cmd->add_option("--batting-split", r->batting_split,
                  "against rh, lh or all pitchers (default all)")
      ->transform(CLI::CheckedTransformer(splits));
  cmd->add_option("--pitching-split", r->pitching_split,
                  "against rh, lh or all batters (default all)")
      ->transform(CLI::CheckedTransformer(splits));
  const std::map<std::string, StatTable> tables = {{"batting", StatTable::kBatting},
                                                   {"running", StatTable::kRunning},
                                                   {"fielding", StatTable::kFielding},
                                                   {"pitching", StatTable::kPitching}};
  cmd->add_option("--table", r->table, "batting (default), running, fielding or pitching")
      ->transform(CLI::CheckedTransformer(tables));
  cmd->add_option("--sort", r->sort, "column key to sort by, largest first (default: names A to Z)")
      ->each([r](const std::string&) { r->sort_given = true; });
  cmd->add_flag("--ascending", r->ascending, "sort smallest first");
  cmd->add_option("--format", r->format, "csv (default), html, text or pdf")
      ->check(CLI::IsMember({"csv", "html", "text", "pdf"}));
  cmd->add_option("-o,--out", r->out, "file to write (default: standard output; pdf needs one)");
  cmd->add_flag("--append", r->append, "append to an existing csv, html or text file");
  cmd->add_option("--width", r->width, "characters per printed line (default 85, landscape 125)");
  cmd->add_flag("--landscape", r->landscape, "print in landscape");
  cmd->add_option("--min-pa", "batting and running: leave out players with fewer plate appearances")
      ->check(CLI::Validator(
          [r](std::string& value) {
            return ParsePlateAppearances(value, &r->qualifiers.min_plate_appearances)
                       ? std::string()
                       : "expected a whole number of plate appearances, 0 or more, not " + value;
          },
          "N"));
  cmd->add_option("--min-ip", "pitching: leave out pitchers with fewer innings pitched (6.33)")
      ->check(CLI::Validator(
          [r](std::string& value) {
            return ParseInnings(value, &r->qualifiers.min_innings_hundredths)
                       ? std::string()
                       : "expected innings as the IP column shows them (10, 6.33), 0 or more, "
                         "not " +
                             value;
          },
          "IP"));
  cmd->add_flag("--hide-empty", r->qualifiers.hide_empty,
                "leave out batters without a plate appearance and pitchers without a batter faced");
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Run(*r, ctx); });
}

}  // namespace scorewick::cli
