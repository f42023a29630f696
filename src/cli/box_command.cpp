// scorewick box GAME [--format text|html|frames|csv|pdf] [-o OUT]
//
// The box score of a game: the text lines of the box score window (to
// standard output unless -o names a file), one HTML page, the frames form
// (a frameset page at OUT naming OUT_score and OUT_summary written beside
// it), comma-separated text, or the printed box score as a PDF file.  The
// league rules ("Outs Per Inning" ...) and the HTML colours and fonts come
// from scwk.ini in the current folder.

#include <filesystem>
#include <memory>
#include <ostream>

#include "app/core/html_style.h"
#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "cli/box_pdf.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/output_check.h"
#include "platform/terminal_text.h"
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
  std::string game;
  std::string format = "text";
  std::string out;
  bool force = false;
};

int Box(const Request& r, CommandContext& ctx) {
  if (r.format == "pdf" && !BoxPdfPrinter()) {
    if (const int code = HandOverToDrawing(ctx); code >= 0) return code;
    ctx.err << "scorewick: this build cannot print\n";
    return kExitRefused;
  }
  const bool needs_file = r.format == "frames" || r.format == "pdf";
  if (needs_file && r.out.empty()) {
    ctx.err << "scorewick: --format " << r.format << " needs -o OUT\n";
    return kExitUsage;
  }
  if (!r.out.empty()) {
    // The frames form writes two pages beside the frameset: each is
    // checked before anything is written.
    std::vector<std::string> outputs{r.out};
    if (r.format == "frames") {
      const reports::BoxScoreFrameFiles sides = reports::FrameFilesBeside(r.out);
      outputs.insert(outputs.begin(), {sides.score, sides.summary});
    }
    for (const std::string& out : outputs) {
      if (!MayWrite(out, ContentOfForm(r.format), {r.game}, r.force, ctx)) return kExitRefused;
    }
  }
  Game game;
  if (!Report(LoadGame(r.game, game), ctx)) return kExitRefused;
  app::Settings settings;
  std::error_code ec;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  const reports::BoxScore box = reports::MakeBoxScore(game, app::StatRulesOf(settings));
  const std::string title = reports::BoxScoreTitle(game);

  std::string error;
  bool written = true;
  if (r.format == "pdf") {
    written = BoxPdfPrinter()(box.lines(), title, game, r.out, &error);
  } else if (r.out.empty()) {
    if (r.format == "text") {
      ctx.out << RecordLines(box.lines());
    } else if (r.format == "html") {
      ctx.out << ForStandardOutput(
          ctx, reports::BoxScoreHtml(box, title, app::HtmlStyleOf(settings), Now()));
    } else {
      ctx.out << ForStandardOutput(ctx, reports::BoxScoreCsv(box)) << "\n";
    }
  } else {
    const reports::BoxScoreForm form = r.format == "text"   ? reports::BoxScoreForm::kText
                                       : r.format == "html" ? reports::BoxScoreForm::kHtml
                                       : r.format == "csv"  ? reports::BoxScoreForm::kCsv
                                                            : reports::BoxScoreForm::kFrames;
    written = reports::WriteBoxScoreExport(r.out, box, form, title, app::HtmlStyleOf(settings),
                                           Now(), &error);
  }
  if (!written) {
    ctx.err << "scorewick: " << TerminalText(error) << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

}  // namespace

void AddBoxCommand(CLI::App& app, CommandContext& ctx) {
  auto r = std::make_shared<Request>();
  CLI::App* cmd = app.add_subcommand("box", "The box score of a game, with its play-by-play");
  cmd->add_option("GAME", r->game, "game file (.gam)")->required();
  cmd->add_option(
         "--format", r->format,
         "text (default), html (one page), frames (OUT and OUT_score, OUT_summary beside it), "
         "csv or pdf")
      ->check(CLI::IsMember({"text", "html", "frames", "csv", "pdf"}));
  cmd->add_option("-o,--out", r->out,
                  "file to write (standard output when left out; frames and pdf need it)");
  AddForceFlag(cmd, r->force);
  cmd->callback([&ctx, r] { ctx.exit_code = Box(*r, ctx); });
}

}  // namespace scorewick::cli
