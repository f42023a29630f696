// scorewick palm users: the Palm desktop users, in the install aide's order.
// scorewick palm install FILE [--user NAME]: queues a database or
// application for a user's next HotSync.

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "app/core/command_services.h"
#include "app/core/palm_link.h"
#include "cli/command.h"
#include "cli/palm_user_option.h"
#include "cli/subcommand_group.h"
#include "exchange/install_aide.h"
#include "platform/terminal_text.h"
#include "records/file_io.h"

namespace scorewick::cli {
namespace {

int ListUsers(CommandContext& ctx) {
  auto aide = InstallAide::Load();
  if (!aide) {
    ShowAll(ctx.ui, {CannotLoadInstallAideMessage()});
    return kExitRefused;
  }
  const int count = aide->UserCount();
  if (count <= 0) ctx.err << "scorewick: no Palm users are set up for HotSync\n";
  for (int i = 0; i < count; ++i) ctx.out << TerminalText(aide->UserName(i)) << "\n";
  return kExitDone;
}

int Install(const std::string& file, const std::string& user, CommandContext& ctx) {
  std::vector<std::uint8_t> first;
  if (const Status read = ReadFilePrefix(file, 1, first); !read) {
    ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
    return kExitRefused;
  }
  if (!NamedPalmUserExists(user, ctx.err)) return kExitRefused;
  app::Session session;
  app::CommandServices services{ctx.ui, session, PalmUserByName(user, ctx.err)};
  return app::InstallFileToPalm(services, file) ? kExitDone : kExitRefused;
}

}  // namespace

void AddPalmLinkCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* palm =
      SubcommandGroup(app, "palm", "Carry teams and games to and from a Palm handheld");
  palm->add_subcommand("users", "List the Palm desktop users, in order")->callback([&ctx] {
    ctx.exit_code = ListUsers(ctx);
  });

  auto file = std::make_shared<std::string>();
  auto user = std::make_shared<std::string>();
  CLI::App* install =
      palm->add_subcommand("install", "Queue a file (.pdb, .prc) for a user's next HotSync");
  install->add_option("FILE", *file, "the database or application to install")->required();
  install->add_option("--user", *user, "the Palm user (needed when there are several)");
  install->callback([&ctx, file, user] { ctx.exit_code = Install(*file, *user, ctx); });
}

}  // namespace scorewick::cli
