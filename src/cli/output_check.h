#pragma once
// The check every command that writes a file makes first: the output is
// not one of the command's inputs, and an existing output holds the kind
// of thing being written (a PDF over a PDF, text appended to text).
// --force writes anyway.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/command.h"
#include "records/output_guard.h"

namespace scorewick::cli {

// What an export in the named form writes: "pdf" a PDF, "html" and
// "frames" HTML pages, anything else ("csv", "text") text.
FileContent ContentOfForm(const std::string& format);

// Adds the --force flag to a command that writes files.
void AddForceFlag(CLI::App* cmd, bool& force);

// True when out may be written with content.  Otherwise says why on
// stderr, with the hint about --force, and returns false (the command
// exits refused).  With force, true unless out is a folder, a device or a
// pipe, which nothing replaces.
bool MayWrite(const std::string& out, FileContent content, const std::vector<std::string>& inputs,
              bool force, CommandContext& ctx);

}  // namespace scorewick::cli
