#include "app/core/session.h"

#include <filesystem>
#include <system_error>

namespace scorewick::app {

namespace fs = std::filesystem;

std::string RunningProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return fs::current_path(ec).string();
  return exe.parent_path().string();
}

Session StartSession(const std::string& start_folder, const std::string& program_folder,
                     int desktop_width, int desktop_height) {
  Session session;
  session.start_folder = start_folder;
  session.program_folder = program_folder;
  session.folders = LoadRememberedFolders(start_folder);
  std::error_code ec;
  const bool start_has_fields = fs::is_directory(fs::path(start_folder) / "lightfield", ec);
  session.settings = DefaultSettings(desktop_width, desktop_height,
                                     start_has_fields ? start_folder : program_folder);
  LoadSettings(start_folder, session.settings);
  return session;
}

std::string ProgramFile(const Session& session, const std::string& relative) {
  std::error_code ec;
  fs::path in_start = fs::path(session.start_folder) / relative;
  if (fs::exists(in_start, ec)) return in_start.string();
  return (fs::path(session.program_folder) / relative).string();
}

namespace {

std::optional<FileChoice> ChooseFile(Session& session, Ui& ui, FileKind kind,
                                     FileDialogRequest& request, bool save,
                                     const std::string& fallback) {
  request.initial_folder =
      session.folders.For(kind, fallback.empty() ? session.start_folder : fallback);
  std::optional<FileChoice> choice = save ? ui.ChooseSaveFile(request) : ui.ChooseOpenFile(request);
  if (!choice || choice->path.empty()) return std::nullopt;
  session.folders.Remember(kind, choice->path);
  return choice;
}

}  // namespace

std::optional<FileChoice> ChooseFileToOpen(Session& session, Ui& ui, FileKind kind,
                                           FileDialogRequest request) {
  return ChooseFile(session, ui, kind, request, false, {});
}

std::optional<FileChoice> ChooseFileToSave(Session& session, Ui& ui, FileKind kind,
                                           FileDialogRequest request, const std::string& fallback) {
  return ChooseFile(session, ui, kind, request, true, fallback);
}

}  // namespace scorewick::app
