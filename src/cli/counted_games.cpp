#include "cli/counted_games.h"

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

namespace scorewick::cli {
namespace {

app::Settings SettingsOfCurrentFolder() {
  std::error_code ec;
  app::Settings settings;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  return settings;
}

}  // namespace

bool FeedCountedGames(const std::vector<std::string>& games, const std::string& team, int threads,
                      CommandContext& ctx, const TakeGame& take, int* code) {
  FeedOptions options;
  options.threads = threads;
  options.team = team;
  int read = 0;
  bool prior = false;
  FeedGames(games, options, [&](FedGame& fed) {
    if (fed.refusal) {
      if (fed.refusal->kind == GameRefusal::Kind::kPriorFormat) {
        ctx.ui.ShowMessage(PriorFormatMessage(fed.refusal->file), kPriorFormatCaption,
                           MessageIcon::kExclamation);
        prior = true;
        return false;
      }
      ctx.err << "scorewick: " << TerminalText(fed.refusal->file)
              << " left out: " << TerminalText(fed.refusal->reason) << "\n";
      return true;
    }
    ++read;
    if (!fed.other_teams) take(fed.game, games[fed.index], fed.index);
    return true;
  });
  if (prior) {
    *code = kExitRefused;
    return false;
  }
  if (read == 0) {
    ctx.err << "scorewick: no game could be read\n";
    *code = kExitRefused;
    return false;
  }
  return true;
}

std::set<std::string> TeamsOfGames(const std::vector<std::string>& games, int threads) {
  std::set<std::string> teams;
  FeedOptions options;
  options.threads = threads;
  FeedGames(games, options, [&](FedGame& fed) {
    if (!fed.refusal) {
      teams.emplace(fed.game.home.team_name.view());
      teams.emplace(fed.game.visitor.team_name.view());
    }
    return true;
  });
  return teams;
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
