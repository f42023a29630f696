#pragma once
// The team dialog's "Save As" and the personal information dialog's
// address list export: the file dialog, the questions about a file that is
// already there, and the write (reports/team_export.h).

#include <string>

#include "platform/ui.h"
#include "records/team.h"
#include "reports/html_vocabulary.h"
#include "reports/team_export.h"

namespace scorewick::app {

inline constexpr const char* kOverwriteQuestion = "Overwrite Existing File?";
inline constexpr const char* kAppendQuestion =
    "This file already exists.  Would you like to append to it?";
inline constexpr const char* kFileExistsCaption = "File Exists";

// What to do with a file that is already there.
enum class ExistingFile { kWrite, kAppend, kStop };
// For a file that does not exist: kWrite.  For one that does: a team file
// asks "Overwrite Existing File?" (No stops); text forms ask whether to
// append (Yes appends), then whether to overwrite.
ExistingFile AskAboutExistingFile(const std::string& path, reports::TeamFileForm form, Ui& ui);

enum class ExportResult { kCancelled, kWritten, kFailed };

// Save as, from the team dialog (which has stored its texts in the team):
// asks for the file under "Select file name to save as" (proposing the
// team's name), settles the name and the form, asks about an existing file
// and writes.  A failed write is shown ("Unable to save ..."; caption
// "Save Error").
ExportResult SaveTeamAs(Team& team, Ui& ui, const reports::HtmlStyle& style,
                        const std::string& initial_folder);

// The address list export: asks for a file (comma-separated or HTML by the
// same name and filter rules), then as save as does.
ExportResult ExportAddressList(const Team& team, Ui& ui, const reports::HtmlStyle& style,
                               const std::string& initial_folder);

}  // namespace scorewick::app
