// scorewick palm export|import|kind: teams and games to and from Palm
// stream databases (.pdb), as the handheld's backup folder holds them.
//
//   palm export TEAM.tem|TEAM.csv|GAME.gam [-o OUT.pdb]
//   palm import DB.pdb [-o OUT]     a team becomes .tem, a game .gam
//   palm kind DB.pdb                prints team, game or neither

#include <ostream>

#include "cli/command.h"
#include "cli/record_summary.h"
#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "records/file_io.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::cli {
namespace {

int Export(const std::string& in, std::string out, CommandContext& ctx) {
  const std::string ext = Extension(in);
  if (ext != "gam" && ext != "tem" && ext != "csv") {
    ctx.err << "scorewick: palm export takes a game (.gam) or team (.tem, .csv) file, not " << in
            << "\n";
    return kExitUsage;
  }
  if (out.empty()) out = PalmExportName(in);
  bool done = false;
  if (ext == "gam") {
    Game game;
    if (!LoadGame(in, game, ctx.ui)) {
      if (!ctx.ui.reported_problem()) ctx.err << "scorewick: cannot read game file " << in << "\n";
      return kExitRefused;
    }
    done = ExportPalmGame(game, out, ctx.ui);
  } else {
    Team team;
    if (!LoadTeam(in, team, ctx.ui)) {
      if (!ctx.ui.reported_problem()) ctx.err << "scorewick: cannot read team file " << in << "\n";
      return kExitRefused;
    }
    done = ExportPalmTeam(team, out, ctx.ui);
  }
  if (!done) return kExitRefused;
  ctx.out << "Palm database written: " << out << "\n";
  return kExitDone;
}

// A chosen name without a dot in its file name gets the extension.
std::string WithExtension(const std::string& path, const std::string& ext) {
  std::size_t slash = path.find_last_of("/\\");
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return path + "." + ext;
  }
  return path;
}

int Import(const std::string& db, std::string out, CommandContext& ctx) {
  const PalmKind kind = PalmStreamKind(db);
  if (kind == PalmKind::kNeither) {
    if (!FileExists(db)) {
      ctx.ui.ShowMessage("Could not Open Input File", "Error", MessageIcon::kNone);
      ctx.err << "scorewick: " << db << "\n";
    } else {
      ctx.err << "scorewick: " << db << " holds neither a Palm team nor a Palm game\n";
    }
    return kExitRefused;
  }
  const std::string ext = kind == PalmKind::kTeam ? "tem" : "gam";
  out = out.empty() ? PalmImportName(db, ext) : WithExtension(out, ext);
  std::string error;
  if (kind == PalmKind::kTeam) {
    Team team;
    if (!ImportPalmTeam(team, db, ctx.ui)) return kExitRefused;
    if (!SaveTeam(out, team, &error)) {
      ctx.err << "scorewick: " << error << "\n";
      return kExitRefused;
    }
    ctx.out << "Team Created from Palm Database: " << out << "\n";
  } else {
    Game game;
    if (!ImportPalmGame(game, db, ctx.ui)) return kExitRefused;
    if (!SaveGame(out, game, &error)) {
      ctx.err << "scorewick: " << error << "\n";
      return kExitRefused;
    }
    ctx.out << "Game Created from Palm Database: " << out << "\n";
  }
  return kExitDone;
}

int Kind(const std::string& db, CommandContext& ctx) {
  switch (PalmStreamKind(db)) {
    case PalmKind::kTeam:
      ctx.out << "team\n";
      return kExitDone;
    case PalmKind::kGame:
      ctx.out << "game\n";
      return kExitDone;
    case PalmKind::kNeither:
      break;
  }
  ctx.out << "neither\n";
  return kExitRefused;
}

RegisterCommand reg([](CLI::App& app, CommandContext& ctx) {
  auto* palm = app.add_subcommand("palm", "Carry teams and games to and from Palm databases (.pdb)");
  palm->require_subcommand(1);

  auto* exp = palm->add_subcommand(
      "export", "Write a team (.tem, .csv) or game (.gam) as a Palm database");
  auto exp_in = std::make_shared<std::string>();
  auto exp_out = std::make_shared<std::string>();
  exp->add_option("FILE", *exp_in, "team or game file to export")->required();
  exp->add_option("-o,--output", *exp_out,
                  "database to write (default: FILE's name with .pdb, in the current folder)");
  exp->callback([&ctx, exp_in, exp_out] { ctx.exit_code = Export(*exp_in, *exp_out, ctx); });

  auto* imp = palm->add_subcommand(
      "import", "Turn a Palm database into a team (.tem) or game (.gam) file");
  auto imp_in = std::make_shared<std::string>();
  auto imp_out = std::make_shared<std::string>();
  imp->add_option("DB", *imp_in, "Palm database, as the handheld's backup folder holds it")
      ->required();
  imp->add_option("-o,--output", *imp_out,
                  "file to write; .tem or .gam is added to a name without extension "
                  "(default: DB's name with .tem or .gam, in the current folder)");
  imp->callback([&ctx, imp_in, imp_out] { ctx.exit_code = Import(*imp_in, *imp_out, ctx); });

  auto* kind = palm->add_subcommand("kind", "Print whether a Palm database holds a team or a game");
  auto kind_in = std::make_shared<std::string>();
  kind->add_option("DB", *kind_in, "Palm database")->required();
  kind->callback([&ctx, kind_in] { ctx.exit_code = Kind(*kind_in, ctx); });
});

}  // namespace
}  // namespace scorewick::cli
