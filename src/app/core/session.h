#pragma once
// What the commands share for the whole run: the settings, the start folder
// (the current folder when the program started: the settings file, the
// help manual and the companion application are looked up there, and the
// import commands save there), where the program itself lies, and the
// folder the export commands remember between their file dialogs.

#include <string>

#include "app/core/settings.h"
#include "records/path_names.h"

namespace scorewick::app {

struct Session {
  Settings settings;
  std::string start_folder;
  std::string program_folder;
  // Starting folder of the export commands' file dialogs; after each
  // confirmed choice it becomes the folder of the chosen file.
  std::string remembered_folder;
  // Characters per printed line of the statistics tables, once the person
  // chose a number in this run (0 until then).
  int stats_print_width = 0;
};

// The folder of the running executable (from /proc/self/exe), or the
// current folder when that cannot be read.
std::string RunningProgramFolder();

// A session for a program started in start_folder whose files lie in
// program_folder: default settings (window centred on a desktop of the
// given size), then the settings file of the start folder read over them.
// The remembered folder starts as the start folder.
Session StartSession(const std::string& start_folder, const std::string& program_folder,
                     int desktop_width, int desktop_height);

// A file the program brings with it (the help manual, the field pictures):
// start_folder/relative when that exists, else program_folder/relative.
// The path returned may not exist.
std::string ProgramFile(const Session& session, const std::string& relative);

}  // namespace scorewick::app
