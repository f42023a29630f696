#pragma once
// Importing Retrosheet event files: every game of the files becomes a game
// file named by its id (SEA201903280.gam), and every club that plays in
// them a team file named by its code (SEA.tem), made from the team file
// (TEAM2019) and the roster files (SEA2019.ROS) beside each event file.
//
// A game that cannot be recorded is refused with its file, line and reason,
// and nothing is written for it; the other games are still imported.  A
// file already in the output folder is not written over unless asked
// (force); a team file that would be written the same as it stands is left
// as it is.  Every file is written whole (a temporary file renamed over the
// target), so stopping between two games leaves only whole files behind.

#include <string>
#include <vector>

#include "interop/retrosheet_games.h"

namespace scorewick::interop {

struct RetrosheetImportRequest {
  std::vector<std::string> event_files;
  std::string output_folder;  // empty: the current folder
  bool force = false;         // write over existing files
};

struct ImportSummary {
  std::vector<std::string> games_written;  // paths
  std::vector<std::string> teams_written;  // paths
  int games_kept = 0;                      // already there, not written over
  int games_refused = 0;                   // could not be recorded (or written)
  int games_noted = 0;                     // written, with notes of what was approximated
  int teams_unchanged = 0;                 // already there, the same
  int teams_kept = 0;                      // already there, other, not written over
  std::vector<ImportRefusal> refusals;     // games and files, in the order met
  bool cancelled = false;

  // "162 games written, 0 refused; 30 team files written", with the games
  // written with notes, the games and teams kept as they were there, the
  // team files there unchanged, and "stopped before the end" when
  // cancelled.
  std::string Line() const;
  // Whether files already there were kept (--force writes over them).
  bool KeptAny() const { return games_kept + teams_kept > 0; }
  // Whether a game or file was refused or kept as it was (notes aside).
  bool RefusedAny() const;
};

ImportSummary ImportRetrosheet(const RetrosheetImportRequest& request,
                               const ImportProgress& progress = {});

// The files an import of these event files would write, by name only
// (SEA201903280.gam, SEA.tem), read from their id and info records; for
// asking before anything is written over.  Files that cannot be read give
// nothing.
std::vector<std::string> PlannedImportFiles(const std::vector<std::string>& event_files);

}  // namespace scorewick::interop
