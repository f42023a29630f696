// scorewick workload GAME... --team NAME [--as-of DATE] [--rules FILE]
//     [--format text|csv|html] [-o OUT]
//
// A team's pitchers under pitch-count rules: who may pitch on the as-of
// day (default today), and every outing with the pitches thrown (the PC of
// the statistics), the rest it requires, the day he may pitch again, and a
// day over the daily maximum flagged.  The rules come from --rules FILE,
// else from workload.txt in the current folder, else the youth table.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>

#include "cli/command.h"
#include "cli/counted_games.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "platform/terminal_text.h"
#include "records/local_date.h"
#include "reports/workload_tables.h"
#include "stats/pitcher_workload.h"

namespace scorewick::cli {
namespace {

struct Request {
  GameArguments game_args;
  std::string team;
  std::string as_of;
  std::string rules;
  std::string format = "text";
  std::string out;
  bool force = false;
};

int Run(const Request& r, CommandContext& ctx) {
  LocalDate as_of;
  if (r.as_of.empty()) {
    as_of = Today();
  } else if (const std::optional<LocalDate> day = ParseCalendarDay(r.as_of)) {
    as_of = *day;
  } else {
    ctx.err << "scorewick: --as-of " << TerminalText(r.as_of) << " is not a date: write it as "
            << kCalendarDayForm << " (2024-06-01)\n";
    return kExitRefused;
  }
  WorkloadRules rules;
  const bool given = !r.rules.empty();
  const std::string rules_file = given ? r.rules : std::string(kWorkloadRulesFileName);
  if (const Status loaded = LoadWorkloadRules(rules_file, !given, rules); !loaded) {
    ctx.err << "scorewick: " << TerminalText(loaded.reason) << "\n";
    return kExitRefused;
  }
  ctx.files_read.push_back(rules_file);
  int code = kExitDone;
  GameFilter filter;
  std::optional<std::vector<std::string>> games =
      TakeGameArguments(r.game_args, ctx, &code, filter);
  if (!games) return code;
  if (!r.out.empty() && !MayWrite(r.out, ContentOfForm(r.format), *games, r.force, ctx)) {
    return kExitRefused;
  }
  const std::string team = RecordTextOf(r.team);
  WorkloadCounter counter(team, RulesOfCurrentFolder());
  const TakeGame take = [&](const Game& game, const std::string&, std::size_t index) {
    counter.Count(game, index);
  };
  std::set<std::string> teams;
  if (!FeedCountedGames(*games, team, filter, r.game_args, ctx, take, &code, &teams)) return code;
  if (!counter.team_seen()) {
    ctx.err << "scorewick: " << NotThere("team", r.team, teams) << "\n";
    return kExitRefused;
  }
  return WriteReportTables(reports::WorkloadTables(counter.Finish(rules, as_of)),
                           "Pitcher Workload", r.format, r.out, ctx);
}

}  // namespace

void AddWorkloadCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand(
      "workload", "A team's pitchers under pitch-count rules: rest, and who may pitch");
  AddGameArguments(cmd, r->game_args, "game files (.gam)");
  cmd->add_option("--team", r->team, "the team's name, as the games spell it")->required();
  cmd->add_option("--as-of", r->as_of,
                  "the day to say who may pitch on, YYYY-MM-DD (default today)");
  cmd->add_option("--rules", r->rules,
                  "the pitch-count rules (default: workload.txt here, else the youth table)");
  AddReportOptions(cmd, r->format, r->out, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Run(*r, ctx); });
}

}  // namespace scorewick::cli
