// scorewick box GAME... [--games-from LIST] [--format text|html|frames|csv|pdf]
//                       [-o OUT | --out-dir DIR]
//
// The box scores of games: the text lines of the box score window, one
// HTML page, the frames form (a frameset page naming a score page and a
// summary page written beside it), comma-separated text, or the printed box
// score as a PDF file.  The league rules ("Outs Per Inning" ...) and the
// HTML colours and fonts come from scwk.ini in the current folder.
//
// One game goes to standard output, or to OUT.  Many games go one file a
// game into DIR, named after the game file (game-007.gam gives
// game-007.txt, .htm, .csv or .pdf); without --out-dir, the text and
// comma-separated forms run one after the other, a blank line between
// games, on standard output or into OUT, and the forms that are pages of
// their own (html, frames, pdf) need --out-dir.  The games are read and
// their box scores made on every core, and written in the order given.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <span>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/box_pdf.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "intake/game_feed.h"
#include "intake/game_intake.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/format_text.h"
#include "records/game_file.h"
#include "records/local_date.h"
#include "reports/box_score.h"
#include "reports/box_score_export.h"

namespace scorewick::cli {

BoxPdfWriter& BoxPdfPrinter() {
  static BoxPdfWriter writer;
  return writer;
}

namespace {

struct Request {
  GameArguments games;
  std::string format = "text";
  std::string out;
  std::string out_dir;
  bool force = false;
};

// What is fixed for the whole run: the form, the league rules and page
// style, and the time the pages are stamped with.
struct Run {
  std::string format;
  StatRules rules;
  reports::HtmlStyle style;
  LocalDateTime when;
  bool for_terminal = false;  // text made for a terminal (converted and escaped)
};

reports::BoxScoreForm FormOf(const std::string& format) {
  return format == "text"   ? reports::BoxScoreForm::kText
         : format == "html" ? reports::BoxScoreForm::kHtml
         : format == "csv"  ? reports::BoxScoreForm::kCsv
                            : reports::BoxScoreForm::kFrames;
}

// A file's name in --out-dir for the form: the game file's name with the
// form's extension.
std::string OutputName(const std::string& game, const std::string& format) {
  const char* extension = format == "text"  ? ".txt"
                          : format == "csv" ? ".csv"
                          : format == "pdf" ? ".pdf"
                                            : ".htm";
  return std::filesystem::path(game).stem().string() + extension;
}

// The files one output of the form writes: the frames form writes its
// two pages beside the frameset page.
std::vector<std::string> FilesOf(const std::string& out, const std::string& format) {
  if (format != "frames") return {out};
  const reports::BoxScoreFrameFiles sides = reports::FrameFilesBeside(out);
  return {sides.score, sides.summary, out};
}

// The box score of one game as the run writes it to a stream or a shared
// file: the text lines, or the comma-separated text.  Made on a worker.
std::string StreamText(const Game& game, const Run& run) {
  const reports::BoxScore box = reports::MakeBoxScore(game, run.rules);
  if (run.format == "text") {
    return run.for_terminal ? RecordLines(box.lines()) : TextFileLines(box.lines());
  }
  if (run.format == "html") {
    const std::string page =
        reports::BoxScoreHtml(box, reports::BoxScoreTitle(game), run.style, run.when);
    return run.for_terminal ? TerminalText(Cp1252ToUtf8(page), true) : page;
  }
  const std::string csv = reports::BoxScoreCsv(box) + "\n";
  return run.for_terminal ? TerminalText(Cp1252ToUtf8(csv), true) : csv;
}

// Writes one game's box score at out, on a worker: empty when written,
// else why not.
std::string WriteOne(const Game& game, const std::string& out, const Run& run) {
  const reports::BoxScore box = reports::MakeBoxScore(game, run.rules);
  const Status saved = reports::WriteBoxScoreExport(
      out, box, FormOf(run.format), reports::BoxScoreTitle(game), run.style, run.when);
  if (saved) return {};
  return saved.reason.empty() ? "cannot write " + out : saved.reason;
}

// The files of a run into a folder, made durable together at its end: the
// workers add each game's files as they make them.
struct FolderBatch {
  FileBatch files;
  std::mutex lock;
};

// Adds one game's box score at out to the folder's batch, on a worker: its
// files all or none.  Empty when added, else why not.
std::string AddOne(const Game& game, const std::string& out, const Run& run, FolderBatch& batch) {
  const reports::BoxScore box = reports::MakeBoxScore(game, run.rules);
  const std::vector<std::pair<std::string, std::string>> files = reports::BoxScoreExportFiles(
      out, box, FormOf(run.format), reports::BoxScoreTitle(game), run.style, run.when);
  std::lock_guard<std::mutex> hold(batch.lock);
  const std::size_t before = batch.files.size();
  for (const auto& [path, text] : files) {
    if (Status added = batch.files.Add(path, TextBytes(text)); !added) {
      batch.files.DropFrom(before);
      return added.reason.empty() ? "cannot write " + path : added.reason;
    }
  }
  return {};
}

// Prints the printed box score of game into pdf, on the caller's thread
// (drawing stays on one thread).  Empty when written, else why not.
std::string PrintOne(const Game& game, const std::string& pdf, const Run& run) {
  const reports::BoxScore box = reports::MakeBoxScore(game, run.rules);
  const Status written = BoxPdfPrinter()(box.lines(), reports::BoxScoreTitle(game), game, pdf);
  if (written) return {};
  return written.reason.empty() ? "cannot write " + pdf : written.reason;
}

// Names a game that could not be read, and why; of many, it is left out.
void SayLeftOut(const GameRefusal& refusal, bool many, CommandContext& ctx) {
  ctx.err << "scorewick: " << TerminalText(refusal.file) << (many ? " left out: " : ": ")
          << TerminalText(refusal.reason) << "\n";
}

// The outputs of the games in --out-dir, each through the output check: a
// game whose files may not be written, or one of whose files (side pages
// included) an earlier game writes, is named and left out, so that what
// each file holds does not depend on which thread comes first.  Each kept
// game's output is in *outputs at the game's place (empty for a game left
// out).
bool PlanOutputs(const std::vector<std::string>& games, const Request& r,
                 std::vector<std::string>& outputs, CommandContext& ctx) {
  // The games' own identities: no output may be written over one of them.
  std::set<std::string> inputs;
  for (const std::string& g : games) {
    const std::string id = FileIdentity(g);
    if (id.rfind("path:", 0) != 0) inputs.insert(id);
  }
  // Every file a kept game writes, by name and, when it is there, by the
  // file it is (a link to another game's), with the game writing it.
  std::map<std::string, std::string> taken;
  const auto keys = [](const std::string& file) {
    std::vector<std::string> k{"name:" + file};
    if (const std::string id = FileIdentity(file); id.rfind("path:", 0) != 0) k.push_back(id);
    return k;
  };
  bool all = true;
  outputs.assign(games.size(), {});
  for (std::size_t i = 0; i < games.size(); ++i) {
    const std::string out =
        (std::filesystem::path(r.out_dir) / OutputName(games[i], r.format)).string();
    const std::vector<std::string> files = FilesOf(out, r.format);
    bool may = true;
    for (const std::string& file : files) {
      for (const std::string& key : keys(file)) {
        const auto at = taken.find(key);
        if (!may || at == taken.end()) continue;
        ctx.err << "scorewick: " << TerminalText(games[i]) << " left out: its box score would go "
                << "to " << TerminalText(file) << ", where that of " << TerminalText(at->second)
                << " goes\n";
        may = false;
      }
    }
    for (std::size_t f = 0; may && f < files.size(); ++f) {
      if (!r.force && inputs.count(FileIdentity(files[f]))) {
        ctx.err << "scorewick: not written: " << TerminalText(files[f])
                << " is one of the games (give --force to write it anyway)\n";
        may = false;
      } else {
        may = MayWrite(files[f], ContentOfForm(r.format), {}, r.force, ctx, r.out_dir);
      }
    }
    if (!may) {
      all = false;
      continue;
    }
    outputs[i] = out;
    for (const std::string& file : files) {
      for (const std::string& key : keys(file)) taken.emplace(key, games[i]);
    }
  }
  return all;
}

// The exit code of a request whose form cannot be made of its games:
// pages of their own for many games without --out-dir, the frames or the
// PDF without -o.  Nothing when the form fits.
std::optional<int> RefuseForm(const Request& r, std::size_t games, CommandContext& ctx) {
  if (!r.out_dir.empty()) return std::nullopt;
  const bool own_pages = r.format == "html" || r.format == "frames" || r.format == "pdf";
  if (games > 1 && own_pages) {
    ctx.err << "scorewick: --format " << r.format
            << " makes pages of their own for each game: give --out-dir DIR for many games\n";
    return kExitUsage;
  }
  if ((r.format == "frames" || r.format == "pdf") && r.out.empty()) {
    ctx.err << "scorewick: --format " << r.format << " needs -o OUT\n";
    return kExitUsage;
  }
  return std::nullopt;
}

// Where each game goes: into the folder (made when missing; *outputs holds
// each kept game's file and all_planned says whether every game is kept),
// into OUT, or to standard output.  The exit code when the run cannot
// write where it was asked to; nothing when it can.
std::optional<int> PlanDestinations(const Request& r, const std::vector<std::string>& games,
                                    std::vector<std::string>& outputs, bool& all_planned,
                                    CommandContext& ctx) {
  all_planned = true;
  if (!r.out_dir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(r.out_dir, ec);
    std::error_code there;
    if (!std::filesystem::is_directory(r.out_dir, there)) {
      if (!ec) ec = there;
      ctx.err << "scorewick: cannot make the folder " << TerminalText(r.out_dir)
              << (ec ? ": " + ec.message() : std::string(": a file is there")) << "\n";
      return kExitRefused;
    }
    all_planned = PlanOutputs(games, r, outputs, ctx);
  } else if (!r.out.empty()) {
    for (const std::string& file : FilesOf(r.out, r.format)) {
      if (!MayWrite(file, ContentOfForm(r.format), games, r.force, ctx)) return kExitRefused;
    }
  }
  return std::nullopt;
}

// What is fixed for the run: the form, the rules and style of scwk.ini in
// the current folder, the time, and whether the text is made for reading
// on standard output.
Run RunOf(const Request& r, const CommandContext& ctx) {
  app::Settings settings;
  std::error_code ec;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  Run run{r.format, app::StatRulesOf(settings), app::HtmlStyleOf(settings), Now()};
  // Text for reading on standard output is always converted and escaped;
  // the files' forms only when a terminal shows them.
  run.for_terminal =
      r.out.empty() && r.out_dir.empty() && (r.format == "text" || ctx.out_is_terminal);
  return run;
}

// The games the run reads and where each one's box score goes.
struct BoxFeed {
  std::vector<std::string> games;
  std::vector<std::string> outputs;  // OUT, a file in the folder, or empty for standard output
  bool one_file_each = false;        // each game's box score is a file (or files) of its own
  bool batched = false;              // into a folder, made durable together at the end
};

BoxFeed FeedOf(const Request& r, const std::vector<std::string>& games,
               const std::vector<std::string>& outputs) {
  BoxFeed feed;
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (!r.out_dir.empty() && outputs[i].empty()) continue;
    feed.games.push_back(games[i]);
    feed.outputs.push_back(r.out_dir.empty() ? r.out : outputs[i]);
  }
  feed.one_file_each = !r.out_dir.empty() || (games.size() == 1 && !r.out.empty());
  feed.batched = !r.out_dir.empty();
  return feed;
}

// What came of the games fed: how many box scores were written, whether
// all were, and the text of many games bound for OUT.
struct BoxTally {
  int written = 0;
  bool all_written = true;
  std::string joined;  // many games into OUT, written whole at the end
};

// One game fed: its box score printed, its file's outcome told, or its
// text sent to standard output or kept for OUT.
void TakeBoxScore(const FedGame& fed, const Request& r, const Run& run, const BoxFeed& feed,
                  BoxTally& tally, CommandContext& ctx) {
  ShowAll(ctx.ui, fed.messages);
  if (fed.refusal) {
    SayLeftOut(*fed.refusal, feed.games.size() > 1, ctx);
    return;
  }
  std::string error;
  if (r.format == "pdf") {
    error = PrintOne(fed.game, feed.outputs[fed.index], run);
  } else if (feed.one_file_each) {
    error = fed.made;
  } else if (r.out.empty()) {
    // Box scores one after the other, a blank line between two.
    if (tally.written > 0) ctx.out << '\n';
    ctx.out << fed.made;
  } else {
    if (tally.written > 0) tally.joined += '\n';
    tally.joined += fed.made;
  }
  if (!error.empty()) {
    ctx.err << "scorewick: " << TerminalText(error) << "\n";
    tally.all_written = false;
  } else {
    ++tally.written;
  }
}

// The files of the folder made durable together: a file that could not
// be is named; the exit code when none could be said to be written.
std::optional<int> CommitFolder(FolderBatch& batch, BoxTally& tally, CommandContext& ctx) {
  if (batch.files.size() == 0) return std::nullopt;
  std::vector<Status> failed;
  const Status committed = batch.files.Commit(&failed);
  if (committed) return std::nullopt;
  for (const Status& f : failed) ctx.err << "scorewick: " << TerminalText(f.reason) << "\n";
  if (failed.empty()) {
    ctx.err << "scorewick: " << TerminalText(committed.reason) << "\n";
    return kExitRefused;
  }
  tally.all_written = false;
  return std::nullopt;
}

int Box(const Request& r, CommandContext& ctx) {
  if (r.format == "pdf" && !BoxPdfPrinter()) {
    if (const int code = HandOverToDrawing(ctx); code >= 0) return code;
    ctx.err << "scorewick: this build cannot print\n";
    return kExitRefused;
  }
  int code = kExitDone;
  std::optional<std::vector<std::string>> listed = TakeGameArguments(r.games, ctx, &code);
  if (!listed) return code;
  const std::vector<std::string>& games = *listed;
  if (const auto refused = RefuseForm(r, games.size(), ctx)) return *refused;
  std::vector<std::string> outputs;
  BoxTally tally;
  if (const auto refused = PlanDestinations(r, games, outputs, tally.all_written, ctx)) {
    return *refused;
  }
  const Run run = RunOf(r, ctx);
  const BoxFeed feed = FeedOf(r, games, outputs);
  FeedOptions options;
  options.threads = r.games.threads;
  options.prior_format = true;  // a 2.0 game is converted as it is read
  // Many files into a folder are written as they are made and made
  // durable together at the end, rather than one sync a file.
  FolderBatch folder_batch;
  if (r.format != "pdf") {
    options.hand_over = false;
    options.make = [&](const Game& game, FedGame& fed) {
      fed.made = feed.batched         ? AddOne(game, feed.outputs[fed.index], run, folder_batch)
                 : feed.one_file_each ? WriteOne(game, feed.outputs[fed.index], run)
                                      : StreamText(game, run);
    };
  }
  FeedGames(feed.games, options, [&](FedGame& fed) {
    TakeBoxScore(fed, r, run, feed, tally, ctx);
    return true;
  });
  if (feed.batched) {
    if (const auto refused = CommitFolder(folder_batch, tally, ctx)) return *refused;
  }
  if (!feed.one_file_each && !r.out.empty() && tally.written > 0) {
    if (const Status saved = WriteTextFileAtomically(r.out, tally.joined); !saved) {
      ctx.err << "scorewick: " << TerminalText(saved.reason) << "\n";
      return kExitRefused;
    }
  }
  if (tally.written == 0) {
    if (feed.games.size() > 1) ctx.err << "scorewick: no box score could be written\n";
    return kExitRefused;
  }
  return tally.all_written ? kExitDone : kExitRefused;
}

}  // namespace

void AddBoxCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand("box", "The box scores of games, each with its play-by-play");
  AddGameArguments(cmd, r->games, "game files (.gam)");
  AddFilterTeamOption(cmd, r->games.filters);
  cmd->add_option(
         "--format", r->format,
         "text (default), html (one page), frames (OUT and OUT_score, OUT_summary beside it), "
         "csv or pdf")
      ->check(CLI::IsMember({"text", "html", "frames", "csv", "pdf"}));
  CLI::Option* out = cmd->add_option(
      "-o,--out", r->out,
      "file to write (standard output when left out; frames and pdf need it); many games in "
      "text or csv run one after the other in it");
  CLI::Option* dir = cmd->add_option(
      "--out-dir", r->out_dir,
      "folder to write one file a game into, named after the game file (made when missing)");
  out->excludes(dir);
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Box(*r, ctx); });
}

}  // namespace scorewick::cli
