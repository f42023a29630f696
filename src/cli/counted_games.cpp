#include "cli/counted_games.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/output_check.h"
#include "intake/game_feed.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/format_text.h"
#include "records/local_date.h"
#include "reports/team_export.h"
#include "stats/game_filter.h"

namespace scorewick::cli {
namespace {

app::Settings SettingsOfCurrentFolder() {
  std::error_code ec;
  app::Settings settings;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  return settings;
}

}  // namespace

bool FeedCountedGames(const std::vector<std::string>& games, const std::string& team,
                      const GameFilter& filter, const GameArguments& args, CommandContext& ctx,
                      const TakeGame& take, int* code, std::set<std::string>* teams) {
  FeedOptions options;
  options.threads = args.threads;
  options.team = team;
  ChooseByFilter(games, filter, options);
  // Without a filter every game is chosen: its headline is still kept, to
  // name the teams there.
  if (!options.choose) options.choose = [](std::size_t, const GameHeadline&) { return true; };
  std::vector<std::optional<GameHeadline>> headlines(games.size());
  std::size_t chosen = 0;
  int read = 0;
  std::optional<GameRefusal> prior;
  std::vector<GameRefusal> left_out;
  FeedGames(games, options, [&](FedGame& fed) {
    NoteChosenHeadline(fed, headlines, chosen);
    if (fed.refusal) {
      if (!fed.refusal->prior_format()) {
        left_out.push_back(std::move(*fed.refusal));
        return true;
      }
      prior = std::move(fed.refusal);
      return false;
    }
    if (fed.left) return true;
    ++read;
    if (!fed.other_teams) take(fed.game, games[fed.index], fed.index);
    return true;
  });
  if (teams) {
    for (const std::string& name : TeamsOfGames(headlines)) teams->insert(name);
  }
  if (!prior && filter.Active() &&
      !FilterChoseGames(args.filters, filter, headlines, chosen, ctx, code)) {
    return false;
  }
  *code = kExitRefused;
  if (prior) {
    ctx.ui.ShowMessage(PriorFormatMessage(prior->file), kPriorFormatCaption,
                       MessageIcon::kExclamation);
    return false;
  }
  for (const GameRefusal& refusal : left_out) {
    ctx.err << "scorewick: " << TerminalText(refusal.file)
            << " left out: " << TerminalText(refusal.reason) << "\n";
  }
  if (read == 0) {
    ctx.err << "scorewick: no game could be read\n";
    return false;
  }
  *code = kExitDone;
  return true;
}

StatRules RulesOfCurrentFolder() { return app::StatRulesOf(SettingsOfCurrentFolder()); }

scoring::LeagueRules LeagueRulesOfCurrentFolder() {
  return app::LeagueRulesOf(RulesOfCurrentFolder());
}

std::string NameList(const std::set<std::string>& names) {
  std::string text;
  std::size_t shown = 0;
  for (const std::string& n : names) {
    if (shown == 40) {
      text += ", and " + std::to_string(names.size() - shown) + " more";
      break;
    }
    text += (shown++ > 0 ? ", " : "") + TerminalText(Cp1252ToUtf8(n));
  }
  return text;
}

std::string NotThere(const std::string& what, const std::string& typed,
                     const std::set<std::string>& there) {
  std::string text = "no " + what + " \"" + TerminalText(typed) + "\" in these games";
  if (!there.empty()) text += "; they hold: " + NameList(there);
  return text;
}

void AddReportOptions(CLI::App* cmd, std::string& format, std::string& out, bool& force) {
  cmd->add_option("--format", format, "text (default), csv or html")
      ->check(CLI::IsMember({"text", "csv", "html"}));
  cmd->add_option("-o,--out", out, "file to write (default: standard output)");
  AddForceFlag(cmd, force);
}

int WriteReportTables(const std::vector<reports::ReportTable>& tables,
                      const std::string& page_title, const std::string& format,
                      const std::string& out, CommandContext& ctx) {
  std::string text;
  if (format == "text") {
    const std::vector<std::string> lines = reports::ReportTextLines(tables);
    if (out.empty()) {
      ctx.out << RecordLines(lines);
      return kExitDone;
    }
    text = TextFileLines(lines);
  } else if (format == "csv") {
    text = reports::ReportCsv(tables);
  } else {
    text =
        reports::ReportHtml(tables, page_title, app::HtmlStyleOf(SettingsOfCurrentFolder()), Now());
  }
  if (out.empty()) {
    ctx.out << ForStandardOutput(ctx, text);
    return kExitDone;
  }
  return Report(reports::WriteExportText(out, text, false), ctx) ? kExitDone : kExitRefused;
}

}  // namespace scorewick::cli
