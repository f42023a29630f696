#pragma once
// The team dialog's "Save As" and the personal information dialog's
// address list export: the file dialog, the questions about a file that is
// already there, and the write (reports/team_export.h).

#include <string>
#include <string_view>

#include "app/core/session.h"
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

// A file name made of a team's name: characters a file name cannot hold
// ("/", "\\", ":", "*", "?", quotes, "<", ">", "|", control characters)
// become "_"; a name of dots alone proposes nothing.
std::string ProposedFileName(std::string_view name);

// Save as, from the team dialog (which has stored its texts in the team):
// asks for the file under "Select file name to save as" (proposing the
// team's name as a file name, in the team files' folder).  The type
// chosen decides what is written (a team file, comma-separated text or
// the HTML roster page) and the extension a name typed without one gets;
// a typed extension of another type is asked about (save_target.h).  A
// file of another kind already there is written over only on Yes; one of
// the same kind gets the existing-file questions.  A failed write is
// shown ("Unable to save ..."; caption "Save Error").  When written,
// *written_form (if given) is the form written.
ExportResult SaveTeamAs(Team& team, Ui& ui, const reports::HtmlStyle& style, Session& session,
                        reports::TeamFileForm* written_form = nullptr);

// The address list export: comma-separated text or the HTML page, by the
// type chosen, under the same name rules, then as save as does.
ExportResult ExportAddressList(const Team& team, Ui& ui, const reports::HtmlStyle& style,
                               Session& session);

}  // namespace scorewick::app
