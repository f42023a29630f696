// scorewick ppc devices: the paired Pocket PC devices and their folders.
// scorewick ppc export FILE [--device NAME]: a team or game file into a
// device's synchronised-files folder.
// scorewick ppc import FILE [--device NAME] -o OUT: a team or game file
// from that folder to OUT.
// Files are read and written again, so copies have the current version.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/core/export_choice.h"
#include "app/core/sync_folder_choice.h"
#include "cli/command.h"
#include "cli/output_check.h"
#include "cli/record_summary.h"
#include "cli/subcommand_group.h"
#include "exchange/pocket_pc_partners.h"
#include "platform/terminal_text.h"
#include "records/game.h"
#include "records/game_file.h"
#include "records/path_names.h"
#include "records/team.h"
#include "records/team_file.h"

namespace scorewick::cli {
namespace {

namespace fs = std::filesystem;

// The folder of the device named (by display name or section name), or of
// the only device.
std::optional<std::string> DeviceFolder(const std::string& device, CommandContext& ctx) {
  std::vector<PocketPcPartner> partners;
  const Status read = ReadPartners(PartnersFilePath(), partners);
  if (!read || partners.empty()) {
    app::ShowNoSyncFolderMessage(ctx.ui);
    if (!read) ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
    return std::nullopt;
  }
  const PocketPcPartner* chosen = nullptr;
  if (device.empty() && partners.size() == 1) chosen = &partners.front();
  for (const auto& p : partners) {
    if (!device.empty() && (p.display_name == device || p.key == device)) chosen = &p;
  }
  if (chosen == nullptr) {
    ctx.err << (device.empty() ? "scorewick: several devices are paired; name one with --device:"
                               : "scorewick: no paired device is called \"" + device + "\":")
            << "\n";
    for (const auto& p : partners) ctx.err << "  " << TerminalText(p.display_name) << "\n";
    return std::nullopt;
  }
  if (!chosen->refusal.empty()) ctx.err << "scorewick: " << TerminalText(chosen->refusal) << "\n";
  if (!chosen->sync_folder) {
    app::ShowNoSyncFolderMessage(ctx.ui);
    return std::nullopt;
  }
  return chosen->sync_folder;
}

int ListDevices(CommandContext& ctx) {
  std::vector<PocketPcPartner> partners;
  if (const Status read = ReadPartners(PartnersFilePath(), partners); !read) {
    app::ShowNoSyncFolderMessage(ctx.ui);
    ctx.err << "scorewick: " << TerminalText(read.reason) << "\n";
    return kExitRefused;
  }
  for (const auto& p : partners) {
    ctx.out << TerminalText(p.display_name) << "\t"
            << TerminalText(p.sync_folder.value_or("(no synchronised-files folder)")) << "\n";
    if (!p.refusal.empty()) ctx.err << "scorewick: " << TerminalText(p.refusal) << "\n";
  }
  return kExitDone;
}

// Reads in and writes it to out as the same kind of file.
int Copy(const std::string& in, const std::string& out, bool force, CommandContext& ctx) {
  if (!MayWrite(out, IsGamePath(in) ? FileContent::kGameFile : FileContent::kTeamFile, {in}, force,
                ctx)) {
    return kExitRefused;
  }
  if (IsGamePath(in)) {
    Game game;
    if (!Report(LoadGame(in, game), ctx) || !Report(SaveGame(out, game), ctx)) return kExitRefused;
  } else {
    Team team;
    if (!Report(LoadTeam(in, team), ctx) || !Report(SaveTeam(out, team), ctx)) return kExitRefused;
  }
  ctx.out << TerminalText(out) << "\n";
  return kExitDone;
}

int Export(const std::string& file, const std::string& device, bool force, CommandContext& ctx) {
  const auto folder = DeviceFolder(device, ctx);
  if (!folder) return kExitRefused;
  const std::string name = ExtensionOf(file) == "csv" ? FileNameWithExtension(file, "tem")
                                                      : fs::path(file).filename().string();
  return Copy(file, (fs::path(*folder) / name).string(), force, ctx);
}

int Import(const std::string& file, const std::string& device, const std::string& out, bool force,
           CommandContext& ctx) {
  const auto folder = DeviceFolder(device, ctx);
  if (!folder) return kExitRefused;
  const fs::path in = fs::path(file).is_absolute() ? fs::path(file) : fs::path(*folder) / file;
  return Copy(in.string(), WithExtension(out, IsGamePath(in.string()) ? "gam" : "tem"), force, ctx);
}

}  // namespace

void AddPpcCommands(CLI::App& app, CommandContext& ctx) {
  CLI::App* ppc = SubcommandGroup(app, "ppc", "Carry teams and games to and from a Pocket PC");
  ppc->add_subcommand("devices", "List the paired devices and their synchronised-files folders")
      ->callback([&ctx] { ctx.exit_code = ListDevices(ctx); });

  auto file = std::make_shared<std::string>();
  auto device = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto force = std::make_shared<bool>(false);
  CLI::App* exp =
      ppc->add_subcommand("export", "Copy a team (.tem, .csv) or game (.gam) file to a device");
  exp->add_option("FILE", *file, "the team or game file")->required();
  exp->add_option("--device", *device, "the device (needed when several are paired)");
  AddForceFlag(exp, *force);
  exp->callback(
      [&ctx, file, device, force] { ctx.exit_code = Export(*file, *device, *force, ctx); });

  CLI::App* imp = ppc->add_subcommand("import", "Copy a team or game file from a device");
  imp->add_option("FILE", *file, "the file, in the device's folder unless a full path")->required();
  imp->add_option("--device", *device, "the device (needed when several are paired)");
  imp->add_option("-o,--output", *out, "where to write it")->required();
  AddForceFlag(imp, *force);
  imp->callback([&ctx, file, device, out, force] {
    ctx.exit_code = Import(*file, *device, *out, *force, ctx);
  });
}

}  // namespace scorewick::cli
