#pragma once
// What the commands that carry games to and from other programs' files
// (import retrosheet, export retrosheet) share: the folder they write in,
// and how they tell what became of the games.

#include <string>
#include <vector>

#include "cli/command.h"
#include "interop/retrosheet_games.h"

namespace scorewick::cli {

// The folder to write many files in, made when missing.  False, having
// said why on stderr, when something else of that name is there or it
// cannot be made.
bool MakeOutputFolder(const std::string& folder, CommandContext& ctx);

// Each message on stderr (notes as "note: ..."), the hint about --force
// when files already there were kept, the summary line on standard
// output.  Returns the exit status: refused when any message is not a
// note.
int ReportInterop(const std::vector<interop::ImportRefusal>& messages, bool kept_any,
                  const std::string& line, CommandContext& ctx);

}  // namespace scorewick::cli
