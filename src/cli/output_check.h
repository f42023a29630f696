#pragma once
// The check every command that writes a file makes first: the output is
// not one of the command's inputs (the files it is given, the lists it
// reads its games from, the files of the current folder it reads by
// itself), and an existing output holds the kind of thing being written (a
// PDF over a PDF, text appended to text).  --force writes anyway.

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

// The files of the current folder that the commands read by themselves
// (the settings, the statistics layouts and qualifiers, the pitch-count
// rules, the remembered folders): "the settings (scwk.ini)" when out is
// one of them, there or not yet there, else empty.
std::string FileReadHere(const std::string& out);

// True when out may be written with content.  Otherwise says why on
// stderr, with the hint about --force, and returns false (the command
// exits refused).  Besides inputs, the files the command has read
// (ctx.files_read) and the files of the current folder it reads by itself
// (FileReadHere) are never written over unasked.  With force, true unless
// out is a folder, a device or a pipe, which nothing replaces.  An output
// written into a folder among others names the folder: a link there that
// leads out of it, or nowhere, is not written through (CheckOutputPlace).
bool MayWrite(const std::string& out, FileContent content, const std::vector<std::string>& inputs,
              bool force, CommandContext& ctx, const std::string& folder = {});

}  // namespace scorewick::cli
