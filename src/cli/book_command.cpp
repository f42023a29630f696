// scorewick book GAME.gam [-o FILE] [--force]
//
// Writes the scorebook of a game, whether scored on a handheld, imported
// from elsewhere or scored live: the lines that, read again (scorewick
// score, or the scorebook reader), make the same game.  To standard output,
// or to FILE.

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/command.h"
#include "cli/counted_games.h"
#include "cli/output_check.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "scoring/book_writer.h"

namespace scorewick::cli {
namespace {

struct BookOptions {
  std::string game;
  std::string out;
  bool force = false;
};

int WriteGameBook(const BookOptions& o, CommandContext& ctx) {
  Game game;
  if (Status loaded = LoadGame(o.game, game); !loaded) {
    Report(loaded, ctx);
    return kExitRefused;
  }
  std::vector<std::string> lines;
  if (Status written = scoring::WriteBook(game, LeagueRulesOfCurrentFolder(), lines); !written) {
    ctx.err << "scorewick: " << TerminalText(o.game)
            << ": the book cannot be written: " << TerminalText(Cp1252ToUtf8(written.reason))
            << "\n";
    return kExitRefused;
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  if (o.out.empty()) {
    ctx.out << (ctx.out_is_terminal ? TerminalText(Cp1252ToUtf8(text), true) : text);
    return kExitDone;
  }
  if (Status saved = WriteTextFileAtomically(o.out, text); !saved) {
    ctx.err << "scorewick: " << TerminalText(saved.reason) << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

}  // namespace

void AddBookCommand(CLI::App& app, CommandContext& ctx) {
  auto o = std::make_shared<BookOptions>();
  CLI::App* cmd = app.add_subcommand(
      "book", "Write the scorebook of a game: the words that, scored again, make the same game");
  cmd->add_option("GAME", o->game, "the game file (.gam)")->required()->check(CLI::ExistingFile);
  cmd->add_option("-o,--out", o->out, "the file to write (default: standard output)");
  AddForceFlag(cmd, o->force);
  cmd->callback([&ctx, o] {
    if (!o->out.empty() && !MayWrite(o->out, FileContent::kText, {o->game}, o->force, ctx)) {
      ctx.exit_code = kExitRefused;
      return;
    }
    ctx.exit_code = WriteGameBook(*o, ctx);
  });
}

}  // namespace scorewick::cli
