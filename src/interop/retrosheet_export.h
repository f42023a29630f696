#pragma once
// Exporting game files to Retrosheet's files: the games are read (their
// headlines first, to plan their ids and order, then each whole), written
// as the event, roster and team files Retrosheet's archives hold
// (interop/retrosheet_event_files.h) and kept in a folder.
//
// A game that cannot be read or written is named with the reason and
// left out; the others are written.  What a game holds that the format
// cannot carry is noted, game by game.  A file already in the folder is
// not written over unless asked (force), nor one of the games read, nor a
// folder, device or pipe of that name.  The files are written beside
// their targets and made durable together, then renamed over them.  The
// games are written and checked on as many threads as there are cores;
// the files are the same whatever their number.

#include <string>
#include <vector>

#include "intake/game_headline.h"
#include "interop/retrosheet_games.h"

namespace scorewick::interop {

struct RetrosheetExportRequest {
  std::vector<std::string> games;  // game files
  std::string output_folder;       // empty: the current folder
  bool force = false;              // write over existing files
  HeadlineChoice choose;           // when set, which games go out (filters)
};

struct ExportSummary {
  std::vector<std::string> files_written;  // paths
  int games_written = 0;
  int games_refused = 0;  // could not be read, written or kept
  int games_kept = 0;     // not written: their event file was there already
  int games_noted = 0;    // written, with notes of what the format cannot carry
  int files_kept = 0;     // already there, not written over
  // Games and files refused, kept and noted, in the order met (the game
  // file as the file, its id as the game).
  std::vector<ImportRefusal> messages;
  bool cancelled = false;
  bool declined = false;  // choose stopped the export: nothing was written

  // "1620 games written in 20 event files, 0 refused; 30 roster files and
  // 1 team file", with the games noted, the games and files kept, and
  // "stopped before the end" when cancelled.
  std::string Line() const;
  bool KeptAny() const { return files_kept > 0; }
  // Whether a game or file was refused or kept (notes aside).
  bool RefusedAny() const;
};

// Told before each game is read whole: the games done so far and the
// whole count; returning false stops the export before anything is
// written.
ExportSummary ExportRetrosheet(const RetrosheetExportRequest& request,
                               const ImportProgress& progress = {});

// The names of the files an export of these games could write (event
// files under either extension, rosters, team files), read from the games'
// headlines, for asking before anything is written over.
std::vector<std::string> PlannedExportFileNames(const std::vector<std::string>& games);

}  // namespace scorewick::interop
