#include "app/import_commands.h"

#include <algorithm>
#include <filesystem>

#include "app/import_summary_dialog.h"
#include "app/main_window.h"
#include "interop/retrosheet_import.h"
#include "records/file_io.h"
#include "records/path_names.h"

namespace scorewick::app {
namespace {

constexpr const char* kCaption = "Import Games from Retrosheet Files";

// The files of the import already in folder, named for the question.
std::vector<std::string> AlreadyThere(const std::vector<std::string>& event_files,
                                      const std::string& folder) {
  std::vector<std::string> there;
  for (const std::string& name : interop::PlannedImportFiles(event_files)) {
    if (FileExists((std::filesystem::path(folder) / name).string())) there.push_back(name);
  }
  return there;
}

// The names of the files in folder that the import would not write.
std::vector<std::string> OtherFilesIn(const std::string& folder,
                                      const std::vector<std::string>& event_files) {
  const std::vector<std::string> planned = interop::PlannedImportFiles(event_files);
  std::vector<std::string> others;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::error_code entry_ec;
    if (!entry.is_regular_file(entry_ec)) continue;  // sub-folders are no mix-up
    const std::string name = entry.path().filename().string();
    if (std::find(planned.begin(), planned.end(), name) == planned.end()) others.push_back(name);
  }
  std::sort(others.begin(), others.end());
  return others;
}

std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < 4; ++i) text += (i ? ", " : "") + names[i];
  if (names.size() > 4) text += " and " + std::to_string(names.size() - 4) + " more";
  return text;
}

}  // namespace

bool AskToReplace(Ui& ui, const std::vector<std::string>& there, const std::string& what,
                  const std::string& folder, const std::string& others, const char* caption) {
  if (there.empty()) return false;
  return ui.AskYesNo(std::to_string(there.size()) + " of the " + what + " " +
                         (there.size() == 1 ? "is" : "are") + " already in " + folder + " (" +
                         Listed(there) + ").  Replace them?\n\nNo keeps them as they are and " +
                         others + ".",
                     caption, MessageIcon::kQuestion);
}

ImportSummaryRunner& ImportSummaryRun() {
  static ImportSummaryRunner run = [](ImportSummaryDialog& dialog) { return dialog.exec(); };
  return run;
}

std::function<bool(int, int)>& ImportProgressHook() {
  static std::function<bool(int, int)> hook;
  return hook;
}

void RunImportRetrosheet(CommandEnv& env) {
  Ui& ui = env.services.ui;
  Session& session = env.services.session;
  FileDialogRequest request;
  request.title = "Select Retrosheet Event Files";
  request.filter = kEventFileFilter;
  // The event files are looked for where they were last found, not where
  // the games went.
  request.initial_folder = session.folders.For(
      FileKind::kEventFile, session.folders.For(FileKind::kGame, session.start_folder));
  const std::vector<std::string> event_files = ui.ChooseOpenFiles(request);
  if (event_files.empty()) return;
  session.folders.RememberFolder(FileKind::kEventFile, FolderOf(event_files.front()));
  const std::optional<std::string> folder =
      ui.BrowseFolder("Choose the Folder to Write the Games and Teams In",
                      session.folders.For(FileKind::kGame, FolderOf(event_files.front())));
  if (!folder) return;
  // A folder typed and confirmed with Enter is taken at once: a folder that
  // holds other files (another season, the sample games) is asked about.
  if (const std::vector<std::string> others = OtherFilesIn(*folder, event_files);
      !others.empty() &&
      !ui.AskYesNo(*folder + " already holds " + std::to_string(others.size()) + " other file" +
                       (others.size() == 1 ? "" : "s") + " (" + Listed(others) +
                       ").  Write the imported games and teams among them?\n\nNo imports "
                       "nothing: choose or make a folder of their own.",
                   kCaption, MessageIcon::kQuestion)) {
    return;
  }
  const std::vector<std::string> there = AlreadyThere(event_files, *folder);
  const bool force =
      AskToReplace(ui, there, "games and teams to import", *folder, "imports the others", kCaption);
  const interop::ImportSummary summary = WithProgress(
      env.window, "Importing the games ...", kCaption, [&](const interop::ImportProgress& tell) {
        return interop::ImportRetrosheet({event_files, *folder, force}, tell);
      });
  session.folders.RememberFolder(FileKind::kGame, *folder);
  // The files written over: those there before that the import wrote.
  std::vector<std::string> replaced;
  for (const auto* written : {&summary.games_written, &summary.teams_written}) {
    for (const std::string& path : *written) {
      const std::string name = FileNameOf(path);
      if (force && std::find(there.begin(), there.end(), name) != there.end())
        replaced.push_back(name);
    }
  }
  // Games kept as they were are counted in the line, not listed.
  const bool listed =
      !replaced.empty() || std::any_of(summary.refusals.begin(), summary.refusals.end(),
                                       [](const auto& r) { return !r.kept; });
  if (!listed) {
    ui.ShowMessage(summary.Line() + ", in " + *folder + ".", kCaption, MessageIcon::kInformation);
    return;
  }
  ImportSummaryDialog dialog(summary, *folder, replaced, &env.window);
  ImportSummaryRun()(dialog);
}

}  // namespace scorewick::app
