// scorewick plot spray GAME... [--games-from LIST] [--batter NAME] [--pitcher NAME]
//                              (--points | --png OUT | --pdf OUT)
// scorewick plot pitches GAME... [--pitcher NAME] [--batter NAME] [--type NAME]
//                                [--hide strikes,balls,hits]
//                                (--summary | --png OUT | --pdf OUT)
//
// The spray chart and the pitch chart over the given games, as text (the
// points, or the summary line), as a picture of the printed page or as a
// PDF file.  Without a name every batter, pitcher or pitch type is taken.
// The field picture folder and the pitch colours come from scwk.ini in the
// current folder.

#include <CLI/CLI.hpp>
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/core/settings.h"
#include "cli/command.h"
#include "cli/drawing.h"
#include "cli/drawing/gui_application.h"
#include "cli/game_arguments.h"
#include "cli/output_check.h"
#include "cli/subcommand_group.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "reports/print/page_target.h"
#include "reports/print/pitch_chart_drawing.h"
#include "reports/print/printout.h"
#include "reports/print/spray_chart_drawing.h"
#include "stats/pitcher_info.h"
#include "stats/scatter_info.h"

namespace scorewick::cli {
namespace {

struct Output {
  std::string png;
  std::string pdf;
  bool force = false;
};

// Whether the picture or PDF asked for may be written (not over one of
// the games, nor over a file of another kind unless forced).
bool MayWriteOutput(const Output& out, const std::vector<std::string>& games, CommandContext& ctx) {
  if (out.png.empty() && out.pdf.empty()) return true;
  return out.pdf.empty() ? MayWrite(out.png, FileContent::kBinary, games, out.force, ctx)
                         : MayWrite(out.pdf, FileContent::kPdf, games, out.force, ctx);
}

app::Settings CurrentSettings() {
  app::Settings settings;
  std::error_code ec;
  app::LoadSettings(std::filesystem::current_path(ec).string(), settings);
  return settings;
}

// What the reading of the games plotted (each file once, the filters
// deciding from each headline as it was read) has to say.  False, after
// saying why, when the filters refuse (before a word of the games read) or
// no game could be read; games that could not be are named.
bool ReadGames(const GameArguments& args, const GameFilter& filter, const AccumulateReport& report,
               std::size_t listed, CommandContext& ctx, int* code) {
  if (filter.Active() &&
      !FilterChoseGames(args.filters, filter, report.headlines, report.games_chosen, ctx, code)) {
    return false;
  }
  *code = kExitRefused;
  for (const GameRefusal& refusal : report.refusals) {
    ctx.err << "scorewick: " << TerminalText(refusal.file)
            << " left out: " << TerminalText(refusal.reason) << "\n";
  }
  if (report.games_read == 0 && listed > 0) {
    ctx.err << "scorewick: no game could be read\n";
    return false;
  }
  *code = kExitDone;
  return true;
}

// The name given on the command line as the games spell it, or "" when
// no player of the list has it (the message printed).
bool ChooseName(const std::string& given, const std::vector<std::string>& names, const char* what,
                std::string& filter, CommandContext& ctx) {
  if (given.empty()) return true;
  const std::string name = RecordTextOf(given);
  if (std::find(names.begin(), names.end(), name) == names.end()) {
    ctx.err << "scorewick: no " << what << " \"" << TerminalText(given) << "\" in these games\n";
    return false;
  }
  filter = name;
  return true;
}

// The first page of the printout as a PNG picture (US letter at 100 dots
// to the inch), written whole or not at all.
Status WritePng(print::Printout& printout, const std::string& path) {
  print::ImagePageTarget target(QSize(850, 1100), 100);
  if (print::PrintPages(printout, target) < 1 || target.pages().empty()) {
    return Status::Failed(path, "cannot write " + path + ": the picture could not be drawn");
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!target.pages().front().save(&buffer, "PNG")) {
    return Status::Failed(path, "cannot write " + path + ": the picture could not be encoded");
  }
  return print::SaveBytes(path, buffer.data());
}

int WritePrintout(print::Printout& printout, const Output& out, CommandContext& ctx) {
  const std::string& path = out.pdf.empty() ? out.png : out.pdf;
  const Status written =
      out.pdf.empty() ? WritePng(printout, path) : print::PrintToPdf(printout, path);
  if (!written) {
    ctx.err << "scorewick: " << TerminalText(written.reason) << "\n";
    return kExitRefused;
  }
  return kExitDone;
}

struct SprayRequest {
  GameArguments games;
  std::string batter, pitcher;
  bool points = false;
  Output out;
};

int RunSpray(const SprayRequest& r, CommandContext& ctx) {
  int code = kExitDone;
  GameFilter filter;
  const std::optional<std::vector<std::string>> games =
      TakeGameArguments(r.games, ctx, &code, filter);
  if (!games) return code;
  if (!MayWriteOutput(r.out, *games, ctx)) return kExitRefused;
  auto app = EnsureGuiApplication();
  ScatterInfo info;
  info.games = *games;
  if (!ReadGames(r.games, filter, info.Load(filter), games->size(), ctx, &code)) return code;
  if (!ChooseName(r.batter, info.batters, "batter", info.batter_filter, ctx) ||
      !ChooseName(r.pitcher, info.pitchers, "pitcher", info.pitcher_filter, ctx)) {
    return kExitRefused;
  }
  info.Collect();
  if (r.points) {
    std::ostringstream text;
    for (const PlotPoint& p : info.on_base_points) text << "on-base " << p.x << ' ' << p.y << '\n';
    for (const PlotPoint& p : info.out_points) text << "out " << p.x << ' ' << p.y << '\n';
    ctx.out << text.str() << SpraySharesLine(ComputeSprayShares(info)) << '\n';
    return kExitDone;
  }
  print::SprayPrintout printout(info, print::LoadFieldPicture(CurrentSettings().field_image_path));
  return WritePrintout(printout, r.out, ctx);
}

struct PitchRequest {
  GameArguments games;
  std::string pitcher, batter, type;
  std::vector<std::string> hide;
  bool summary = false;
  Output out;
};

int RunPitches(const PitchRequest& r, CommandContext& ctx) {
  PitcherInfo info;
  if (!r.type.empty()) {
    info.type_filter = -1;
    for (int t = 0; t <= kPitchTypeCount; ++t) {
      const std::string_view name = t < kPitchTypeCount ? PitchTypeName(t) : kAllPitches;
      if (name == r.type) info.type_filter = t;
    }
    if (info.type_filter < 0) {
      ctx.err << "scorewick: no pitch type \"" << TerminalText(r.type) << "\"; the types are";
      for (int t = 0; t < kPitchTypeCount; ++t) ctx.err << ' ' << PitchTypeName(t);
      ctx.err << " and \"" << kAllPitches << "\"\n";
      return kExitUsage;
    }
  }
  for (const std::string& kind : r.hide) {
    if (kind == "strikes")
      info.show[0] = false;
    else if (kind == "balls")
      info.show[1] = false;
    else if (kind == "hits")
      info.show[2] = false;
    else {
      ctx.err << "scorewick: --hide takes strikes, balls and hits, not \"" << TerminalText(kind)
              << "\"\n";
      return kExitUsage;
    }
  }
  int code = kExitDone;
  GameFilter filter;
  const std::optional<std::vector<std::string>> games =
      TakeGameArguments(r.games, ctx, &code, filter);
  if (!games) return code;
  if (!MayWriteOutput(r.out, *games, ctx)) return kExitRefused;
  auto app = EnsureGuiApplication();
  info.games = *games;
  if (!ReadGames(r.games, filter, info.Load(filter), games->size(), ctx, &code)) return code;
  if (!ChooseName(r.pitcher, info.pitchers, "pitcher", info.pitcher_filter, ctx) ||
      !ChooseName(r.batter, info.batters, "batter", info.batter_filter, ctx)) {
    return kExitRefused;
  }
  if (r.summary) {
    const PitchFigures figures = info.Figures();
    ctx.out << PitchSummaryLine(info, figures) << '\n' << ZoneThirdsLine(figures) << '\n';
    return kExitDone;
  }
  const app::Settings settings = CurrentSettings();
  const print::PitchColors colors{
      app::ResolveColor(settings.pitch_strike_ball_color, app::ClassicSystemColor),
      app::ResolveColor(settings.pitch_not_strike_ball_color, app::ClassicSystemColor),
      app::ResolveColor(settings.pitch_hit_ball_color, app::ClassicSystemColor)};
  print::PitchPrintout printout(info, colors);
  return WritePrintout(printout, r.out, ctx);
}

// The text switch, --png OUT and --pdf OUT: exactly one of them.
void AddOutputs(CLI::App* cmd, Output& out, bool& text, const char* text_flag,
                const char* text_help) {
  CLI::Option_group* group = cmd->add_option_group("output", "what to write (one of them)");
  group->add_flag(text_flag, text, text_help);
  group->add_option("--png", out.png, "PNG picture of the printed page to write");
  group->add_option("--pdf", out.pdf, "PDF file to write");
  group->require_option(1);
  AddForceFlag(cmd, out.force);
}

}  // namespace

void AddPlotCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* group = SubcommandGroup(app, kPlotCommand.name, kPlotCommand.description);

  auto spray = std::make_shared<SprayRequest>();
  CLI::App* cmd = group->add_subcommand("spray", "Where the batted balls went");
  AddGameArguments(cmd, spray->games, "game files (.gam)", false);
  AddFilterTeamOption(cmd, spray->games.filters);
  cmd->add_option("--batter", spray->batter, "one batter (default: ALL BATTERS)");
  cmd->add_option("--pitcher", spray->pitcher, "one pitcher (default: ALL PITCHERS)");
  AddOutputs(cmd, spray->out, spray->points, "--points", "print the points, one a line");
  cmd->callback([&ctx, spray] { ctx.exit_code = RunSpray(*spray, ctx); });

  auto pitches = std::make_shared<PitchRequest>();
  cmd = group->add_subcommand("pitches", "Where the pitches crossed the plate");
  AddGameArguments(cmd, pitches->games, "game files (.gam)", false);
  AddFilterTeamOption(cmd, pitches->games.filters);
  cmd->add_option("--pitcher", pitches->pitcher, "one pitcher (default: ALL PITCHERS)");
  cmd->add_option("--batter", pitches->batter, "one batter (default: ALL BATTERS)");
  cmd->add_option("--type", pitches->type,
                  "one pitch type, as FastBall or Slider (default: All Pitches)");
  cmd->add_option("--hide", pitches->hide, "kinds not shown: strikes, balls, hits")->delimiter(',');
  AddOutputs(cmd, pitches->out, pitches->summary, "--summary", "print the summary line");
  cmd->callback([&ctx, pitches] { ctx.exit_code = RunPitches(*pitches, ctx); });
}

}  // namespace scorewick::cli
