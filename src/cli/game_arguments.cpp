#include "cli/game_arguments.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <iterator>
#include <ostream>

#include "platform/terminal_text.h"
#include "records/file_io.h"
#include "records/game_list_file.h"

namespace scorewick::cli {
namespace {

// The list read from standard input: relative paths are taken from the
// current folder.  At most kMaxInputFileSize bytes are taken.
Status ReadListFromInput(std::istream& in, std::vector<std::string>& paths) {
  std::string text;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxInputFileSize) {
      return Status::Failed("-", "the list on standard input is too large");
    }
  }
  if (in.bad()) return Status::Failed("-", "cannot read the list on standard input");
  Status parsed = ParseGameList(text, "", paths);
  if (!parsed) parsed.reason = "the list on standard input: " + parsed.reason;
  return parsed;
}

}  // namespace

void AddGameArguments(CLI::App* cmd, GameArguments& args, const std::string& what,
                      bool threads_option) {
  cmd->add_option("GAME", args.games, what);
  cmd->add_option("--games-from", args.lists,
                  "a file listing games, one path a line (- reads standard input); blank lines "
                  "and lines beginning with # are skipped, relative paths are taken from the "
                  "list's folder");
  AddGameFilterOptions(cmd, args.filters);
  if (!threads_option) return;
  cmd->add_option(
         "--threads", args.threads,
         "threads that read the games (default: one per idle core; the result is the same)")
      ->check(CLI::Range(1, 64));
}

std::optional<std::vector<std::string>> TakeGameArguments(const GameArguments& args,
                                                          CommandContext& ctx, int* code,
                                                          GameFilter& filter) {
  std::vector<std::string> games = args.games;
  bool input_taken = false;
  for (const std::string& list : args.lists) {
    Status read;
    if (list == "-") {
      if (input_taken) continue;  // standard input holds one list
      input_taken = true;
      read = ReadListFromInput(ctx.in ? *ctx.in : std::cin, games);
    } else {
      read = ReadGameList(list, games);
      ctx.files_read.push_back(list);
    }
    if (!read) {
      ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
      *code = kExitRefused;
      return std::nullopt;
    }
  }
  if (games.empty()) {
    ctx.err << "scorewick: no game named: give game files"
            << (args.lists.empty() ? " or --games-from LIST" : "") << "\n";
    *code = args.lists.empty() ? kExitUsage : kExitRefused;
    return std::nullopt;
  }
  std::vector<std::string> distinct = DistinctGames(games, ctx);
  const std::optional<GameFilter> asked = TakeGameFilter(args.filters, ctx, code);
  if (!asked) return std::nullopt;
  filter = *asked;
  return distinct;
}

}  // namespace scorewick::cli
