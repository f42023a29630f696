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
#include <any>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <utility>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/box_pdf.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/game_arguments.h"
#include "cli/game_filter_arguments.h"
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
#include "stats/game_filter.h"

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
std::string StreamText(const reports::BoxScore& box, const Game& game, const Run& run) {
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

// The files of one game's box score as the run writes them into the folder
// or OUT, made on a worker: each file's path and text (the frames form's
// two pages beside its frameset page, else one).
using BoxFiles = std::vector<std::pair<std::string, std::string>>;

BoxFiles FilesOfGame(const reports::BoxScore& box, const Game& game, const std::string& out,
                     const Run& run) {
  return reports::BoxScoreExportFiles(out, box, FormOf(run.format), reports::BoxScoreTitle(game),
                                      run.style, run.when);
}

// Adds one game's files to the run's batch, all or none.  Empty when
// added, else why not.
std::string AddFiles(const BoxFiles& files, FileBatch& batch) {
  const std::size_t before = batch.size();
  for (const auto& [path, text] : files) {
    if (Status added = batch.Add(path, TextBytes(text)); !added) {
      batch.DropFrom(before);
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

// A file's keys in a folder's plan: its name and, when it is there, the
// file it is (a link to another game's).
std::vector<std::string> KeysOf(const std::string& file) {
  std::vector<std::string> keys{"name:" + file};
  if (const std::string id = FileIdentity(file); id.rfind("path:", 0) != 0) keys.push_back(id);
  return keys;
}

// Where the games chosen go in --out-dir, planned game by game in list
// order as they are handed over, each through the output check: a game
// whose files may not be written, or one of whose files (side pages
// included) an earlier game writes, is named and left out, so that what
// each file holds does not depend on which thread comes first.  The folder
// is made for the first game chosen, so that a run that chooses none makes
// nothing.
class FolderPlan {
 public:
  FolderPlan(const Request& r, const std::vector<std::string>& games) : r_(r) {
    // The games' own identities: no output may be written over one of
    // them.  Only a folder's plan needs them.
    if (r.out_dir.empty()) return;
    for (const std::string& g : games) {
      const std::string id = FileIdentity(g);
      if (id.rfind("path:", 0) != 0) inputs_.insert(id);
    }
  }

  // The file in the folder of a game's box score.
  std::string OutputOf(const std::string& game) const {
    return (std::filesystem::path(r_.out_dir) / OutputName(game, r_.format)).string();
  }

  // Whether the folder is there, made when missing; says why not.
  bool MakeFolder(CommandContext& ctx) {
    if (made_) return true;
    std::error_code ec;
    std::filesystem::create_directories(r_.out_dir, ec);
    std::error_code there;
    if (!std::filesystem::is_directory(r_.out_dir, there)) {
      if (!ec) ec = there;
      ctx.err << "scorewick: cannot make the folder " << TerminalText(r_.out_dir)
              << (ec ? ": " + ec.message() : std::string(": a file is there")) << "\n";
      return false;
    }
    made_ = true;
    return true;
  }

  // Whether game's box score may go to its files; otherwise says why.
  bool Take(const std::string& game, CommandContext& ctx) {
    const std::vector<std::string> files = FilesOf(OutputOf(game), r_.format);
    for (const std::string& file : files) {
      for (const std::string& key : KeysOf(file)) {
        const auto at = taken_.find(key);
        if (at == taken_.end()) continue;
        ctx.err << "scorewick: " << TerminalText(game) << " left out: its box score would go "
                << "to " << TerminalText(file) << ", where that of " << TerminalText(at->second)
                << " goes\n";
        return false;
      }
    }
    for (const std::string& file : files) {
      if (!r_.force && inputs_.count(FileIdentity(file))) {
        ctx.err << "scorewick: not written: " << TerminalText(file)
                << " is one of the games (give --force to write it anyway)\n";
        return false;
      }
      if (!MayWrite(file, ContentOfForm(r_.format), {}, r_.force, ctx, r_.out_dir)) return false;
    }
    for (const std::string& file : files) {
      for (const std::string& key : KeysOf(file)) taken_.emplace(key, game);
    }
    return true;
  }

 private:
  const Request& r_;
  std::set<std::string> inputs_;
  // Every file a kept game writes, by name and, when it is there, by the
  // file it is, with the game writing it.
  std::map<std::string, std::string> taken_;
  bool made_ = false;
};

// Whether the form makes pages of their own for each game (one game
// without --out-dir).
bool OwnPages(const std::string& format) {
  return format == "html" || format == "frames" || format == "pdf";
}

void SayOwnPages(const Request& r, CommandContext& ctx) {
  ctx.err << "scorewick: --format " << r.format
          << " makes pages of their own for each game: give --out-dir DIR for many games\n";
}

// The exit code of a request whose form cannot be made of its games:
// pages of their own for many games without --out-dir, the frames or the
// PDF without -o.  Nothing when the form fits.  Games the filters choose
// from are counted as they are chosen.
std::optional<int> RefuseForm(const Request& r, std::size_t games, bool filtered,
                              CommandContext& ctx) {
  if (!r.out_dir.empty()) return std::nullopt;
  if (games > 1 && !filtered && OwnPages(r.format)) {
    SayOwnPages(r, ctx);
    return kExitUsage;
  }
  if ((r.format == "frames" || r.format == "pdf") && r.out.empty()) {
    ctx.err << "scorewick: --format " << r.format << " needs -o OUT\n";
    return kExitUsage;
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

// Where the run's box scores go.
enum class Into {
  kFolder,  // --out-dir: a file (or files) a game
  kOut,     // -o OUT: the one game's files, or many games' text run together
  kStream,  // standard output
};

// How the run goes: where its box scores go, whether OUT may get one
// game's files or many games' text (both are made while the filters may
// still choose either), and what has come of the games so far.
struct BoxRun {
  BoxRun(const Request& r, std::size_t listed, bool filtered)
      : into(!r.out_dir.empty() ? Into::kFolder
             : !r.out.empty()   ? Into::kOut
                                : Into::kStream),
        one_into_out(into == Into::kOut && (listed == 1 || filtered || OwnPages(r.format))),
        many_into_out(into == Into::kOut && listed > 1 && !OwnPages(r.format)),
        many_listed(listed > 1),
        headlines(listed) {}

  Into into = Into::kStream;
  bool one_into_out = false;   // OUT may hold one game's box score as its files
  bool many_into_out = false;  // OUT may hold many games' text, run together
  bool many_listed = false;
  int written = 0;
  bool all_written = true;
  std::size_t chosen = 0;          // games handed over that were neither refused nor left
  std::optional<int> stopped;      // the run stopped: its exit code
  FileBatch files;                 // the folder's files, or OUT's, made durable together at the end
  std::string joined;              // many games into OUT, written whole at the end
  BoxFiles first;                  // the first game's files into OUT
  std::optional<Game> first_game;  // the first game, when OUT is its printed box score
  // The games' headlines as the filters read them, and how many they chose.
  std::vector<std::optional<GameHeadline>> headlines;
  std::size_t filtered = 0;
};

// One game into the folder, once the plan lets it go there: its printed
// box score, or its files into the batch.
void IntoFolder(FedGame& fed, const std::string& game, const Run& run, FolderPlan& plan,
                BoxRun& box, CommandContext& ctx) {
  if (!plan.MakeFolder(ctx)) {
    box.stopped = kExitRefused;
    return;
  }
  if (!plan.Take(game, ctx)) {
    box.all_written = false;
    return;
  }
  const std::string error = run.format == "pdf"
                                ? PrintOne(fed.game, plan.OutputOf(game), run)
                                : AddFiles(std::any_cast<const BoxFiles&>(fed.kept), box.files);
  if (!error.empty()) {
    ctx.err << "scorewick: " << TerminalText(error) << "\n";
    box.all_written = false;
  } else {
    ++box.written;
  }
}

// One game bound for OUT, kept until the feed is over: whether OUT holds
// one game's box score or many games' text is known only then.
void IntoOut(FedGame& fed, const Request& r, BoxRun& box, CommandContext& ctx) {
  if (OwnPages(r.format) && box.chosen > 1) {
    SayOwnPages(r, ctx);
    box.stopped = kExitUsage;
    return;
  }
  if (box.chosen == 1 && box.one_into_out) {
    if (r.format == "pdf") {
      box.first_game = fed.game;
    } else {
      box.first = std::any_cast<const BoxFiles&>(fed.kept);
    }
  }
  if (box.many_into_out) {
    if (box.chosen > 1) box.joined += '\n';
    box.joined += fed.made;
  }
}

// One game fed, in list order on the caller's thread: its refusal told,
// or its box score sent where the run's go.  False when the run stops.
bool TakeBoxScore(FedGame& fed, const std::vector<std::string>& games, const Request& r,
                  const Run& run, FolderPlan& plan, BoxRun& box, CommandContext& ctx) {
  NoteChosenHeadline(fed, box.headlines, box.filtered);
  ShowAll(ctx.ui, fed.messages);
  if (fed.refusal) {
    SayLeftOut(*fed.refusal, box.many_listed, ctx);
    return true;
  }
  if (fed.left) return true;
  ++box.chosen;
  const std::string& game = games[fed.index];
  if (box.into == Into::kFolder) {
    IntoFolder(fed, game, run, plan, box, ctx);
  } else if (box.into == Into::kOut) {
    IntoOut(fed, r, box, ctx);
  } else {
    // Box scores one after the other, a blank line between two.
    if (box.written > 0) ctx.out << '\n';
    ctx.out << fed.made;
    ++box.written;
  }
  fed.kept.reset();
  return !box.stopped;
}

// OUT written at the end: the one game's box score (its printed form, or
// its files), or many games' text run together.
void WriteOut(const Request& r, const Run& run, BoxRun& box, CommandContext& ctx) {
  std::string error;
  if (box.chosen == 1 && box.first_game) {
    error = PrintOne(*box.first_game, r.out, run);
  } else if (box.chosen == 1 && box.one_into_out) {
    error = AddFiles(box.first, box.files);
  } else if (box.many_into_out && box.chosen > 0) {
    if (const Status saved = WriteTextFileAtomically(r.out, box.joined); !saved) {
      error = saved.reason;
    }
  } else {
    return;
  }
  if (!error.empty()) {
    ctx.err << "scorewick: " << TerminalText(error) << "\n";
    box.stopped = kExitRefused;
    return;
  }
  box.written = static_cast<int>(box.chosen);
}

// The files of the batch made durable together: a file that could not be
// is named; the exit code when none could be said to be written.
std::optional<int> CommitFiles(BoxRun& box, CommandContext& ctx) {
  if (box.files.size() == 0) return std::nullopt;
  std::vector<Status> failed;
  const Status committed = box.files.Commit(&failed);
  if (committed) return std::nullopt;
  for (const Status& f : failed) ctx.err << "scorewick: " << TerminalText(f.reason) << "\n";
  if (failed.empty()) {
    ctx.err << "scorewick: " << TerminalText(committed.reason) << "\n";
    return kExitRefused;
  }
  box.all_written = false;
  return std::nullopt;
}

// The feed's options: what each worker makes of the games it reads.
FeedOptions BoxFeed(const Request& r, const std::vector<std::string>& games, const FolderPlan& plan,
                    const Run& run, BoxRun& box) {
  FeedOptions options;
  options.threads = r.games.threads;
  options.prior_format = true;            // a 2.0 game is converted as it is read
  if (r.format == "pdf") return options;  // printed on the caller's thread
  options.hand_over = false;
  options.make = [&r, &games, &plan, &run, &box](const Game& game, FedGame& fed) {
    // The box score is made once, whichever forms the run may want of it.
    const reports::BoxScore made = reports::MakeBoxScore(game, run.rules);
    if (box.into == Into::kFolder) {
      fed.kept = FilesOfGame(made, game, plan.OutputOf(games[fed.index]), run);
      return;
    }
    if (box.one_into_out) fed.kept = FilesOfGame(made, game, r.out, run);
    if (box.into == Into::kStream || box.many_into_out) fed.made = StreamText(made, game, run);
  };
  return options;
}

int Box(const Request& r, CommandContext& ctx) {
  if (r.format == "pdf" && !BoxPdfPrinter()) {
    if (const int code = HandOverToDrawing(ctx); code >= 0) return code;
    ctx.err << "scorewick: this build cannot print\n";
    return kExitRefused;
  }
  int code = kExitDone;
  GameFilter filter;
  std::optional<std::vector<std::string>> listed = TakeGameArguments(r.games, ctx, &code, filter);
  if (!listed) return code;
  const std::vector<std::string>& games = *listed;
  if (const auto refused = RefuseForm(r, games.size(), filter.Active(), ctx)) return *refused;
  if (!r.out.empty()) {
    for (const std::string& file : FilesOf(r.out, r.format)) {
      if (!MayWrite(file, ContentOfForm(r.format), games, r.force, ctx)) return kExitRefused;
    }
  }
  const Run run = RunOf(r, ctx);
  FolderPlan plan(r, games);
  BoxRun box(r, games.size(), filter.Active());
  FeedOptions options = BoxFeed(r, games, plan, run, box);
  ChooseByFilter(games, filter, options);
  FeedGames(games, options,
            [&](FedGame& fed) { return TakeBoxScore(fed, games, r, run, plan, box, ctx); });
  if (box.stopped) return *box.stopped;
  if (filter.Active() &&
      !FilterChoseGames(r.games.filters, filter, box.headlines, box.filtered, ctx, &code)) {
    return code;
  }
  if (box.into == Into::kOut) WriteOut(r, run, box, ctx);
  if (box.stopped) return *box.stopped;
  if (const auto refused = CommitFiles(box, ctx)) return *refused;
  if (box.written == 0) {
    if (box.many_listed) ctx.err << "scorewick: no box score could be written\n";
    return kExitRefused;
  }
  return box.all_written ? kExitDone : kExitRefused;
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
