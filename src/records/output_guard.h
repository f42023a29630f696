#pragma once
// Whether a command may write its output file: never over one of its own
// inputs, and never over a file that holds something else than what is
// being written (a roster PDF over a team file, CSV text appended to a
// game), unless the person asked for it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_io.h"
#include "records/status.h"

namespace scorewick {

// What a file holds, told from its first bytes.
enum class FileContent {
  kNone,      // no file, or an empty one: anything may be written there
  kTeamFile,  // version word 512..768, no team sequence at byte 237
  kTeamCsv,   // comma-separated text that begins as a team's (records/csv_team.h)
  kGameFile,  // version word 512..768 and a team sequence at byte 237
  kPdf,       // "%PDF"
  kHtml,      // text whose first non-blank character is '<'
  kText,      // other text (comma-separated files, box scores)
  kBinary,    // anything else (a Palm database, a picture)
  kUnknown,   // a file that is there but cannot be read
  kNotAFile,  // a folder, a device or a pipe: never written over
};

// Reads the first bytes of path and tells what it holds; kNone when it
// does not exist or is empty, kUnknown when it cannot be read, kNotAFile
// for anything but a regular file (links followed).
FileContent ContentOfFile(const std::string& path);
// "a team file", "a PDF", ... for messages.
std::string ContentName(FileContent content);

// Whether a file holding there may take content without asking: nothing
// is there, or the same kind of thing, or a comma-separated roster goes
// over other text (a roster is text; other text over a roster is not).
bool SameKind(FileContent there, FileContent content);

// Whether output may be written at all; fails saying why not, whatever
// the person asks for: it is a folder, a device or a pipe, which a save
// would replace by a plain file.  For an output written into a folder
// among others (box scores into --out-dir, an import's games), folder
// names that folder, and a symbolic link at output is refused too when it
// leads out of the folder or to nothing: a save would follow it and write
// where the person did not say.
Status CheckOutputPlace(const std::string& output, const std::string& folder = {});

// Whether something is at path: a file, a folder, or a symbolic link, also
// one that leads nowhere (which a save would follow to make a file).
bool NameTaken(const std::string& path);

// What is at path, for messages: ContentName of what it holds, or "a link
// that leads nowhere".
std::string OccupantName(const std::string& path);

// Whether output may be written with content; fails saying why not: output is one of inputs (the
// same file after links are followed), or it exists and holds something else than content (or
// cannot be read to tell).
Status CheckOutputContent(const std::vector<std::string>& inputs, const std::string& output,
                          FileContent content);

// One output of a run that writes many files into folder, added to batch
// unless it may not be written: the place is checked as CheckOutputPlace
// does (with folder, even when forced); without force, a name already
// taken is left as it is (kept says so; the reason names the file, its
// detail does not) and the content is checked as CheckOutputContent does.
// The one place such runs decide it, so the command line and the desktop
// refuse alike.
struct BatchOutput {
  const std::string& folder;
  const std::vector<std::string>& inputs;  // the run's own files, never written over
  bool force = false;
};
Status AddOutputToBatch(FileBatch& batch, const BatchOutput& run, const std::string& path,
                        std::span<const std::uint8_t> bytes, FileContent content, bool& kept);
// The same for a text given in pieces, written one after the other.
Status AddOutputToBatch(FileBatch& batch, const BatchOutput& run, const std::string& path,
                        std::span<const std::string_view> pieces, FileContent content, bool& kept);

}  // namespace scorewick
