#pragma once
// The folder each kind of file was last chosen in, so that the next open
// or save dialog for that kind starts there, in this run and the next.
// They are kept in a small file beside the settings file (the settings
// file's own format does not change for them), one line per kind:
//
//   team=/home/coach/teams
//   pdf=/home/coach/printouts
//   game-list=/home/coach/season/home-games.txt
//   scored-game=/home/coach/season/2026-05-02-eagles.gam
//
// A kind without a line, or whose folder has gone, starts in the start
// folder.  The game-list line is the list of games last saved or opened in
// the game chooser, offered again on its next opening.

#include <array>
#include <string>
#include <string_view>

#include "records/status.h"

namespace scorewick::app {

enum class FileKind {
  kTeam,          // team files, opened, saved and imported
  kGame,          // game files
  kExport,        // HTML pages and comma-separated text written out
  kPdf,           // printouts written to a PDF file
  kPalmDatabase,  // Palm databases written for the handheld
  kPalmInstall,   // files chosen to install on the Palm
  kLogo,          // team logo pictures
  kEventFile,     // Retrosheet event files imported (apart from the games written)
};
inline constexpr int kFileKindCount = 8;

inline constexpr const char* kFoldersFileName = "scwk-folders.ini";

class RememberedFolders {
 public:
  // The folder kind was last chosen in when it is still a folder, else
  // fallback.
  std::string For(FileKind kind, const std::string& fallback) const;
  // Remembers the folder of chosen_file (made absolute) for kind.
  void Remember(FileKind kind, const std::string& chosen_file);
  // Remembers folder itself (made absolute) for kind.
  void RememberFolder(FileKind kind, const std::string& folder);

  // The list of games last saved or opened (empty when none).
  const std::string& last_game_list() const { return last_game_list_; }
  // Remembers list (made absolute) as the last list of games.
  void RememberGameList(const std::string& list);

  // The game last scored in the scoring window (empty when none), offered
  // again when the program starts while it is unfinished.
  const std::string& last_scored_game() const { return last_scored_game_; }
  void RememberScoredGame(const std::string& game);

  // The file's text, and the folders read from one; lines of unknown
  // kinds, and everything else, are skipped.
  std::string Text() const;
  static RememberedFolders Parse(std::string_view text);

 private:
  std::array<std::string, kFileKindCount> folders_;
  std::string last_game_list_;
  std::string last_scored_game_;
};

// Reads the folders file of the start folder; nothing remembered when it
// is missing or cannot be read.
RememberedFolders LoadRememberedFolders(const std::string& start_folder);
// Writes it whole (a temporary file renamed over it); a failure is
// returned with its message.  With nothing to keep and no file there,
// nothing is written.
Status SaveRememberedFolders(const std::string& start_folder, const RememberedFolders& folders);

}  // namespace scorewick::app
