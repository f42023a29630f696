// scorewick site GAME... [--games-from LIST] [FILTERS] (--team NAME | --all-teams) -o DIR
//     [--title TEXT] [--names full|initials] [--force]
//
// Publishes a season as a website in DIR: index.html and the pages beside
// it (reports/site/season_site.h), with relative links only, so the folder
// works from a stick, any static host or a zip file.  Players show as first
// name and last initial unless --names full; nothing of the team files'
// personal information is ever read.  League rules, layouts, qualifiers and
// pitch-count rules come from the current folder as for the other commands.
//
// DIR may be missing, empty, or a site this command wrote before: then only
// the pages whose text changed are written, and the pages it wrote that the
// site no longer has are removed.  Any other folder is refused without
// --force (which still removes nothing it did not write).

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>

#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/command.h"
#include "cli/counted_games.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "platform/terminal_text.h"
#include "reports/site/season_site.h"
#include "reports/site/site_folder.h"
#include "reports/site/site_publish.h"
#include "stats/workload_rules.h"

namespace scorewick::cli {
namespace {

struct Request {
  GameArguments games;
  std::string team;
  bool all_teams = false;
  std::string out;
  std::string title;
  std::string names = "initials";
  bool force = false;
};

int Site(const Request& r, CommandContext& ctx) {
  const site::FolderKind kind = site::KindOfFolder(r.out);
  if (kind == site::FolderKind::kOther && !r.force) {
    ctx.err << "scorewick: " << TerminalText(r.out)
            << " holds files this command did not write: give an empty or new folder, or one it "
               "published to before (or --force to write into it anyway)\n";
    return kExitRefused;
  }
  std::error_code ec;
  if (std::filesystem::exists(r.out, ec) && !std::filesystem::is_directory(r.out, ec)) {
    ctx.err << "scorewick: " << TerminalText(r.out) << " is not a folder\n";
    return kExitRefused;
  }
  int code = kExitDone;
  GameFilter filter;
  std::optional<std::vector<std::string>> games = TakeGameArguments(r.games, ctx, &code, filter);
  if (!games) return code;

  const std::string here = std::filesystem::current_path(ec).string();
  app::Settings settings;
  app::LoadSettings(here, settings);
  site::SiteRequest request;
  request.games = *games;
  request.team = RecordTextOf(r.team);
  request.all_teams = r.all_teams;
  request.title = RecordTextOf(r.title);
  request.names = r.names == "full" ? site::NameMode::kFull : site::NameMode::kInitials;
  request.rules = app::StatRulesOf(settings);
  for (int t = 0; t < kStatTableCount; ++t)
    request.layouts[t] = LoadLayout(here, static_cast<StatTable>(t));
  request.qualifiers = LoadQualifiers(here);
  if (const Status loaded =
          LoadWorkloadRules(std::string(kWorkloadRulesFileName), true, request.workload);
      !loaded) {
    ctx.err << "scorewick: " << TerminalText(loaded.reason) << "\n";
    return kExitRefused;
  }
  request.threads = r.games.threads;
  // The site reads every game's headline to name its pages: the filters
  // choose from those.
  request.choose = FilterChoice(r.games.filters, filter, ctx, &code);

  const site::PublishSummary summary = site::PublishSite(request, r.out);
  const site::SiteReport& report = summary.report;
  if (report.declined) return code;
  for (const GameRefusal& refusal : report.refusals) {
    ctx.err << "scorewick: " << TerminalText(refusal.file)
            << " left out: " << TerminalText(refusal.reason) << "\n";
  }
  for (const std::string& error : summary.errors)
    ctx.err << "scorewick: " << TerminalText(error) << "\n";
  if (!summary.published) {
    const std::set<std::string> teams(report.teams.begin(), report.teams.end());
    if (!r.all_teams && !teams.count(request.team)) {
      ctx.err << "scorewick: " << NotThere("team", r.team, teams) << "\n";
    } else if (summary.errors.empty()) {
      ctx.err << "scorewick: no game could be read\n";
    }
    return kExitRefused;
  }
  ctx.err << "scorewick: " << TerminalText(summary.Line(r.out)) << "\n";
  return summary.errors.empty() && report.refusals.empty() ? kExitDone : kExitRefused;
}

}  // namespace

void AddSiteCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand(
      "site", "Publish a season as a website: a folder of pages with relative links only");
  AddGameArguments(cmd, r->games, "game files (.gam)");
  CLI::Option_group* who = cmd->add_option_group("team", "whose season to publish (one of)");
  who->add_option("--team", r->team, "the team's name, as the games spell it");
  who->add_flag("--all-teams", r->all_teams, "every team of the games, with the standings");
  who->require_option(1);
  cmd->add_option("-o,--out", r->out, "the site's folder (made when missing)")->required();
  cmd->add_option("--title", r->title, "the site's title (default: the team's name, or League)");
  cmd->add_option("--names", r->names,
                  "initials (default: first name and last initial, for minors) or full")
      ->check(CLI::IsMember({"initials", "full"}));
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Site(*r, ctx); });
}

}  // namespace scorewick::cli
