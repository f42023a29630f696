// scorewick team export TEAM --csv|--html|--tem OUT [--append]
// scorewick team addresses TEAM --csv|--html OUT [--append]
//
// Writes a team (a .tem file, or a comma-separated team file) as
// comma-separated text, as the HTML roster page, or as a team file; or the
// players' address list as comma-separated text or HTML.  The HTML pages
// take their colours and fonts from scwk.ini in the current folder.
// --append adds a line feed and a second block to an existing file.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "cli/command.h"
#include "cli/output_check.h"
#include "cli/subcommand_group.h"
#include "records/file_io.h"
#include "records/local_date.h"
#include "records/team_file.h"
#include "reports/team_export.h"

namespace scorewick::cli {
namespace {

struct Outputs {
  std::string team;
  std::string csv;
  std::string html;
  std::string tem;
  bool append = false;
  bool force = false;
};

reports::HtmlStyle CurrentHtmlStyle() {
  app::Settings settings;
  std::error_code ec;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  return app::HtmlStyleOf(settings);
}

int ExportTeam(const Outputs& o, CommandContext& ctx) {
  using reports::TeamFileForm;
  const TeamFileForm form = !o.csv.empty()    ? TeamFileForm::kCsv
                            : !o.html.empty() ? TeamFileForm::kHtml
                                              : TeamFileForm::kTeamFile;
  const std::string& out = !o.csv.empty() ? o.csv : !o.html.empty() ? o.html : o.tem;
  if (form == TeamFileForm::kTeamFile && o.append) {
    ctx.err << "scorewick: a team file cannot be appended to\n";
    return kExitUsage;
  }
  const FileContent content = form == TeamFileForm::kCsv    ? FileContent::kTeamCsv
                              : form == TeamFileForm::kHtml ? FileContent::kHtml
                                                            : FileContent::kTeamFile;
  if (!MayWrite(out, content, {o.team}, o.force, ctx)) return kExitRefused;
  Team team;
  if (!Report(LoadTeam(o.team, team), ctx)) return kExitRefused;
  return Report(reports::WriteTeamExport(out, team, form, o.append && FileExists(out),
                                         CurrentHtmlStyle(), Now()),
                ctx)
             ? kExitDone
             : kExitRefused;
}

int ExportAddresses(const Outputs& o, CommandContext& ctx) {
  Team team;
  if (!Report(LoadTeam(o.team, team), ctx)) return kExitRefused;
  const bool html = !o.html.empty();
  const std::string& out = html ? o.html : o.csv;
  if (!MayWrite(out, html ? FileContent::kHtml : FileContent::kText, {o.team}, o.force, ctx)) {
    return kExitRefused;
  }
  return Report(reports::WriteAddressList(out, team, html, o.append && FileExists(out),
                                          CurrentHtmlStyle(), Now()),
                ctx)
             ? kExitDone
             : kExitRefused;
}

}  // namespace

void AddTeamCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* team = SubcommandGroup(app, "team", "Write a team or its address list");

  auto o = std::make_shared<Outputs>();
  CLI::App* exp = team->add_subcommand(
      "export", "Write a team as comma-separated text, an HTML roster page or a team file");
  exp->add_option("TEAM", o->team, "team file (.tem) or comma-separated team (.csv)")->required();
  CLI::Option_group* form = exp->add_option_group("form", "the form to write (one of)");
  form->add_option("--csv", o->csv, "comma-separated team file to write");
  form->add_option("--html", o->html, "HTML roster page to write");
  form->add_option("--tem", o->tem, "team file to write");
  form->require_option(1);
  exp->add_flag("--append", o->append, "append to an existing file (text forms)");
  AddForceFlag(exp, o->force);
  exp->callback([&ctx, o] { ctx.exit_code = ExportTeam(*o, ctx); });

  auto a = std::make_shared<Outputs>();
  CLI::App* addresses = team->add_subcommand(
      "addresses", "Write the players' address list as comma-separated text or HTML");
  addresses->add_option("TEAM", a->team, "team file (.tem)")->required();
  CLI::Option_group* list = addresses->add_option_group("form", "the form to write (one of)");
  list->add_option("--csv", a->csv, "comma-separated address list to write");
  list->add_option("--html", a->html, "HTML address list to write");
  list->require_option(1);
  addresses->add_flag("--append", a->append, "append to an existing file");
  AddForceFlag(addresses, a->force);
  addresses->callback([&ctx, a] { ctx.exit_code = ExportAddresses(*a, ctx); });
}

}  // namespace scorewick::cli
