#include "cli/game_filter_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "intake/game_headline.h"
#include "platform/terminal_text.h"
#include "records/calendar_day.h"
#include "records/cp1252.h"
#include "stats/game_filter.h"

namespace scorewick::cli {
namespace {

// "A, B and C", the names as the terminal shows them.
std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += TerminalText(Cp1252ToUtf8(names[i]));
  }
  return text.empty() ? "none" : text;
}

// A name in quotes as it was typed (a name the code page lacks, such as
// an emoji, is shown as typed, not as its bytes read in the code page).
std::string Quoted(const std::string& typed) { return "\"" + TerminalText(typed) + "\""; }

// The team --team names, as typed; empty when none is named.
std::string TypedTeam(const GameFilterArguments& args) {
  if (!args.command) return {};
  const CLI::Option* team = args.command->get_option_no_throw("--team");
  return team && team->count() > 0 ? team->as<std::string>() : std::string();
}

// The date typed for option, into *date; false after saying what form it takes.
bool TakeDate(const char* option, const std::string& typed, std::optional<LocalDate>& date,
              CommandContext& ctx) {
  if (typed.empty()) return true;
  date = ParseCalendarDay(typed);
  if (date) return true;
  ctx.err << "scorewick: " << option << " " << TerminalText(typed) << " is no date: give it as "
          << kCalendarDayForm << " (2024-05-03)\n";
  return false;
}

// The filter the options ask for; nothing after saying why (a usage fault).
std::optional<GameFilter> AskedFilter(const GameFilterArguments& args, CommandContext& ctx) {
  GameFilter filter;
  if (!TakeDate("--from", args.from, filter.from, ctx) ||
      !TakeDate("--to", args.to, filter.to, ctx))
    return std::nullopt;
  if (filter.DaysReversed()) {
    ctx.err << "scorewick: --from " << args.from << " is after --to " << args.to << "\n";
    return std::nullopt;
  }
  filter.ground = args.home ? Ground::kHome : args.away ? Ground::kAway : Ground::kAny;
  filter.opponent = RecordTextOf(args.opponent);
  filter.last = args.last;
  filter.team = RecordTextOf(TypedTeam(args));
  if (filter.NeedsTeam() && filter.team.empty()) {
    ctx.err << "scorewick: --home, --away and --last choose among a team's games: name the team "
               "with --team\n";
    return std::nullopt;
  }
  return filter;
}

}  // namespace

void AddGameFilterOptions(CLI::App* cmd, GameFilterArguments& args) {
  args.command = cmd;
  cmd->add_option("--from", args.from, "only games on or after this day (YYYY-MM-DD)");
  cmd->add_option("--to", args.to, "only games on or before this day (YYYY-MM-DD)");
  CLI::Option* home = cmd->add_flag("--home", args.home, "only the named team's home games");
  CLI::Option* away = cmd->add_flag("--away", args.away, "only the named team's away games");
  home->excludes(away);
  cmd->add_option("--opponent", args.opponent,
                  "only games against this team (of the named team, or any game it plays)");
  cmd->add_option("--last", args.last, "only the named team's last N games, by day and start time")
      ->check(CLI::Range(1, 1000000));
}

void AddFilterTeamOption(CLI::App* cmd, GameFilterArguments& args) {
  args.team_chooses_games = true;
  cmd->add_option("--team", args.team,
                  "only this team's games; with --home, --away, --opponent and --last, its home, "
                  "away, opponent's or last games");
}

std::optional<GameFilter> TakeGameFilter(const GameFilterArguments& args, CommandContext& ctx,
                                         int* code) {
  const std::optional<GameFilter> filter = AskedFilter(args, ctx);
  if (!filter) {
    *code = kExitUsage;
    return std::nullopt;
  }
  // A command's own --team names the team it counts (its games are found
  // there): alone, it chooses no games.
  GameFilter choosing = *filter;
  if (!args.team_chooses_games) choosing.team.clear();
  if (!choosing.Active()) return GameFilter{};
  return filter;
}

bool FilterChoseGames(const GameFilterArguments& args, const GameFilter& filter,
                      const std::vector<std::optional<GameHeadline>>& headlines, std::size_t chosen,
                      CommandContext& ctx, int* code) {
  const std::size_t total = headlines.size();
  *code = kExitRefused;
  if (filter.OfTeam()) {
    const std::vector<std::string> teams = TeamsOfGames(headlines);
    if (std::find(teams.begin(), teams.end(), filter.team) == teams.end()) {
      ctx.err << "scorewick: no team " << Quoted(TypedTeam(args))
              << " in these games; the teams there: " << NameList(teams) << "\n";
      return false;
    }
  }
  if (!filter.opponent.empty()) {
    const std::vector<std::string> opponents = OpponentsOf(headlines, filter.team);
    if (std::find(opponents.begin(), opponents.end(), filter.opponent) == opponents.end()) {
      ctx.err << "scorewick: no opponent " << Quoted(args.opponent);
      if (!filter.team.empty()) ctx.err << " of " << Quoted(TypedTeam(args));
      ctx.err << " in these games; the " << (filter.team.empty() ? "teams" : "opponents")
              << " there: " << NameList(opponents) << "\n";
      return false;
    }
  }
  if (chosen == 0) {
    ctx.err << "scorewick: the filters leave none of the " << total << " game"
            << (total == 1 ? "" : "s") << "\n";
    return false;
  }
  *code = kExitDone;
  return true;
}

HeadlineChoice FilterChoice(const GameFilterArguments& args, const GameFilter& filter,
                            CommandContext& ctx, int* code) {
  return [&args, filter, &ctx, code](const std::vector<std::optional<GameHeadline>>& headlines,
                                     std::vector<bool>& chosen) {
    if (!filter.Active()) return true;
    const FilteredGames left = FilterGames(headlines, filter);
    if (!FilterChoseGames(args, filter, headlines, left.matched, ctx, code)) return false;
    chosen.assign(headlines.size(), false);
    for (const std::size_t i : left.kept) chosen[i] = true;
    return true;
  };
}

}  // namespace scorewick::cli
