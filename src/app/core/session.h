#pragma once
// What the commands share for the whole run: the settings, the start folder
// (the current folder when the program started: the settings file, the
// help manual and the companion application are looked up there), where
// the program itself lies, and the folder each kind of file was last
// chosen in.

#include <optional>
#include <string>

#include "app/core/remembered_folders.h"
#include "app/core/settings.h"
#include "platform/ui.h"
#include "records/path_names.h"
#include "stats/game_choice.h"

namespace scorewick::app {

struct Session {
  Settings settings;
  std::string start_folder;
  std::string program_folder;
  // Where the file dialogs start, by kind of file (the start folder for a
  // kind not chosen yet).
  RememberedFolders folders;
  // Characters per printed line of the statistics tables, once the person
  // chose a number in this run (0 until then).
  int stats_print_width = 0;
  // The games, team and filters last chosen in a game chooser in this run,
  // chosen again when the next one opens.
  std::optional<GameChoice> last_choice;
};

// The folder of the running executable (from /proc/self/exe), or the
// current folder when that cannot be read.
std::string RunningProgramFolder();

// A session for a program started in start_folder whose files lie in
// program_folder: default settings (window centred on a desktop of the
// given size), then the settings file of the start folder read over them.
// The folders of the file dialogs are read from beside the settings file.
Session StartSession(const std::string& start_folder, const std::string& program_folder,
                     int desktop_width, int desktop_height);

// A file the program brings with it (the help manual, the field pictures):
// start_folder/relative when that exists, else program_folder/relative.
// The path returned may not exist.
std::string ProgramFile(const Session& session, const std::string& relative);

// An open or save dialog that starts in the folder last used for kind
// (else in fallback, else in the start folder) and, on OK, remembers the
// chosen file's folder.  Empty when the person cancelled or chose no name.
std::optional<FileChoice> ChooseFileToOpen(Session& session, Ui& ui, FileKind kind,
                                           FileDialogRequest request);
std::optional<FileChoice> ChooseFileToSave(Session& session, Ui& ui, FileKind kind,
                                           FileDialogRequest request,
                                           const std::string& fallback = {});

}  // namespace scorewick::app
