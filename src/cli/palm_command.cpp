// scorewick palm export|import|kind: teams and games to and from Palm
// stream databases (.pdb), as the handheld's backup folder holds them.
//
//   palm export TEAM.tem|TEAM.csv|GAME.gam [-o OUT.pdb] [--install [--user NAME]]
//   palm import [--user NAME] DB.pdb [-o OUT]
//                                   a team becomes .tem, a game .gam; with
//                                   --user, DB is looked for in that Palm
//                                   user's Backup folder
//   palm kind DB.pdb                prints team, game or neither

#include <CLI/CLI.hpp>
#include <ostream>

#include "app/core/palm_link.h"
#include "app/core/session.h"
#include "cli/command.h"
#include "cli/output_check.h"
#include "cli/palm_user_option.h"
#include "cli/record_summary.h"
#include "cli/subcommand_group.h"
#include "exchange/install_aide.h"
#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "platform/terminal_text.h"
#include "records/file_io.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/path_names.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::cli {
namespace {

struct ExportOptions {
  std::string in;
  std::string out;
  bool install = false;
  std::string user;
  bool force = false;
};

// Queues the database for the next HotSync of the named (or only) user.
int Install(const std::string& database, const std::string& user, CommandContext& ctx) {
  app::Session session;
  app::CommandServices services{ctx.ui, session, PalmUserByName(user, ctx.err)};
  return app::InstallFileToPalm(services, database) ? kExitDone : kExitRefused;
}

// The named user's Backup folder, where HotSync leaves the handheld's
// databases; empty (with the reason on stderr) when there is none.
std::string BackupFolder(const std::string& user, CommandContext& ctx) {
  auto aide = InstallAide::Load();
  if (!aide) {
    ShowAll(ctx.ui, {CannotLoadInstallAideMessage()});
    return {};
  }
  if (!NamedPalmUserExists(user, ctx.err)) return {};
  const auto folder = aide->UserFolder(user);
  if (!folder) {
    ctx.err << "scorewick: the Palm user " << TerminalText(user) << " has no desktop folder\n";
    return {};
  }
  return *folder + "/Backup";
}

int Export(const std::string& in, std::string out, bool force, CommandContext& ctx) {
  const std::string ext = ExtensionOf(in);
  if (ext != "gam" && ext != "tem" && ext != "csv") {
    ctx.err << "scorewick: palm export takes a game (.gam) or team (.tem, .csv) file, not "
            << TerminalText(in) << "\n";
    return kExitUsage;
  }
  if (out.empty()) out = PalmExportName(in);
  if (!MayWrite(out, FileContent::kBinary, {in}, force, ctx)) return kExitRefused;
  if (ext == "gam") {
    Game game;
    if (!Report(LoadGame(in, game), ctx)) return kExitRefused;
    if (!Report(ExportPalmGame(game, out), ctx)) return kExitRefused;
  } else {
    Team team;
    if (!Report(LoadTeam(in, team), ctx)) return kExitRefused;
    if (!Report(ExportPalmTeam(team, out), ctx)) return kExitRefused;
  }
  ctx.out << "Palm database written: " << TerminalText(out) << "\n";
  return kExitDone;
}

int Import(std::string db, std::string out, const std::string& user, bool force,
           CommandContext& ctx) {
  if (!user.empty() && !db.empty() && db.front() != '/') {
    const std::string backup = BackupFolder(user, ctx);
    if (backup.empty()) return kExitRefused;
    db = backup + "/" + db;
  }
  const PalmKind kind = PalmStreamKind(db);
  if (kind == PalmKind::kNeither) {
    std::vector<std::uint8_t> first;
    if (const Status read = ReadFilePrefix(db, 1, first); !read) {
      ShowAll(ctx.ui, {CouldNotOpenInputFileMessage()});
      ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
    } else {
      ctx.err << "scorewick: " << TerminalText(db)
              << " holds neither a Palm team nor a Palm game\n";
    }
    return kExitRefused;
  }
  const std::string ext = kind == PalmKind::kTeam ? "tem" : "gam";
  out = out.empty() ? PalmImportName(db, ext) : WithExtension(out, ext);
  if (!MayWrite(out, kind == PalmKind::kTeam ? FileContent::kTeamFile : FileContent::kGameFile,
                {db}, force, ctx)) {
    return kExitRefused;
  }
  if (kind == PalmKind::kTeam) {
    Team team;
    if (!Report(ImportPalmTeam(team, db), ctx)) return kExitRefused;
    if (!Report(SaveTeam(out, team), ctx)) return kExitRefused;
    ctx.out << "Team Created from Palm Database: " << TerminalText(out) << "\n";
  } else {
    Game game;
    if (!Report(ImportPalmGame(game, db), ctx)) return kExitRefused;
    if (!Report(SaveGame(out, game), ctx)) return kExitRefused;
    ctx.out << "Game Created from Palm Database: " << TerminalText(out) << "\n";
  }
  return kExitDone;
}

int Kind(const std::string& db, CommandContext& ctx) {
  std::vector<std::uint8_t> first;
  if (const Status read = ReadFilePrefix(db, 1, first); !read) {
    ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
    return kExitRefused;
  }
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

}  // namespace

void AddPalmCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* palm =
      SubcommandGroup(app, "palm", "Carry teams and games to and from a Palm handheld");

  auto* exp =
      palm->add_subcommand("export", "Write a team (.tem, .csv) or game (.gam) as a Palm database");
  auto exp_opt = std::make_shared<ExportOptions>();
  exp->add_option("FILE", exp_opt->in, "team or game file to export")->required();
  exp->add_option("-o,--output", exp_opt->out,
                  "database to write (default: FILE's name with .pdb, in the current folder)");
  exp->add_flag("--install", exp_opt->install,
                "queue the database for the next HotSync of a Palm user");
  exp->add_option("--user", exp_opt->user,
                  "the Palm user to install for (needed when there are several)");
  AddForceFlag(exp, exp_opt->force);
  exp->callback([&ctx, exp_opt] {
    if (!NamedPalmUserExists(exp_opt->user, ctx.err)) {
      ctx.exit_code = kExitRefused;
      return;
    }
    if (exp_opt->out.empty()) exp_opt->out = PalmExportName(exp_opt->in);
    ctx.exit_code = Export(exp_opt->in, exp_opt->out, exp_opt->force, ctx);
    if (ctx.exit_code == kExitDone && exp_opt->install) {
      ctx.exit_code = Install(exp_opt->out, exp_opt->user, ctx);
    }
  });

  auto* imp =
      palm->add_subcommand("import", "Turn a Palm database into a team (.tem) or game (.gam) file");
  auto imp_in = std::make_shared<std::string>();
  auto imp_out = std::make_shared<std::string>();
  auto imp_user = std::make_shared<std::string>();
  auto imp_force = std::make_shared<bool>(false);
  imp->add_option("--user", *imp_user,
                  "read DB from this Palm user's Backup folder (unless DB is a full path)");
  imp->add_option("DB", *imp_in, "Palm database, as the handheld's backup folder holds it")
      ->required();
  imp->add_option("-o,--output", *imp_out,
                  "file to write; .tem or .gam is added to a name without extension "
                  "(default: DB's name with .tem or .gam, in the current folder)");
  AddForceFlag(imp, *imp_force);
  imp->callback([&ctx, imp_in, imp_out, imp_user, imp_force] {
    ctx.exit_code = Import(*imp_in, *imp_out, *imp_user, *imp_force, ctx);
  });

  auto* kind = palm->add_subcommand("kind", "Print whether a Palm database holds a team or a game");
  auto kind_in = std::make_shared<std::string>();
  kind->add_option("DB", *kind_in, "Palm database")->required();
  kind->callback([&ctx, kind_in] { ctx.exit_code = Kind(*kind_in, ctx); });
}

}  // namespace scorewick::cli
