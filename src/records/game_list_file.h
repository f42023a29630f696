#pragma once
// Lists of game files kept as text: one path a line.  Blank lines and lines
// whose first character (after blanks) is '#' are skipped, blanks around a
// path and a carriage return at a line's end are taken off, and a relative
// path is taken from the list's own folder, so that a list kept beside a
// season's games names them as "game-001.gam".  The command line reads
// them with --games-from; the game chooser saves and opens the same lists.

#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"

namespace scorewick {

// The paths the text of a list names, in order, relative ones joined to
// folder (left as they are when folder is empty).  Fails, naming the line,
// when a line holds a NUL byte: such a file is no list of names.
Status ParseGameList(std::string_view text, const std::string& folder,
                     std::vector<std::string>& paths);

// Reads the list file at path (at most kMaxInputFileSize bytes) and appends
// the paths it names, relative ones taken from path's folder.  Fails, with
// the reason and no message, when the file cannot be read or is no list.
Status ReadGameList(const std::string& path, std::vector<std::string>& paths);

// The text of a list of paths saved at list_path: a comment line, then one
// path a line, relative to the list's folder where the game lies in it or
// below it, absolute otherwise (so that the list and its games can move
// together).  A name that would read back otherwise (beginning with '#' or
// a blank) is written as "./name".  Fails, naming the path, when a path
// holds a line break or ends with a blank: no list can hold it.
Status GameListText(const std::vector<std::string>& paths, const std::string& list_path,
                    std::string& text);

// Writes the list of paths at list_path (atomically: a list that was there
// is replaced whole or left alone).  Fails with the reason, no message.
Status WriteGameList(const std::string& list_path, const std::vector<std::string>& paths);

}  // namespace scorewick
