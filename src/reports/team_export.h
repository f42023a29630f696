#pragma once
// Saving a team under a new name in one of three forms (team file,
// comma-separated text, HTML roster page), and exporting the players'
// address list (comma-separated text or HTML).
//
// A comma-separated or HTML export written over an existing file may be
// appended to it: a line feed, then a complete second block.  Every write
// goes through a temporary file and a rename, so a save that fails leaves
// the previous file whole.

#include <string>

#include "platform/ui.h"
#include "records/local_date.h"
#include "records/team.h"
#include "reports/html_vocabulary.h"

namespace scorewick::reports {

enum class TeamFileForm { kTeamFile, kCsv, kHtml };

inline constexpr const char* kSaveAsTitle = "Select file name to save as";
inline constexpr const char* kSaveAsFilter =
    "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|"
    "HTML (Web Page) Format (*.htm)|*.htm|";
inline constexpr const char* kAddressListFilter =
    "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
inline constexpr const char* kOverwriteQuestion = "Overwrite Existing File?";
inline constexpr const char* kAppendQuestion =
    "This file already exists.  Would you like to append to it?";
inline constexpr const char* kFileExistsCaption = "File Exists";

// The chosen name, with ".<extension>" added when its file name (the part
// after the last folder separator) has no dot.
std::string WithExtension(const std::string& path, const std::string& extension);

// The form a save-as writes: HTML when the name is longer than 4
// characters and "htm" occurs in its last five, or when the HTML filter
// (3) was selected; otherwise a team file when the first filter was
// selected, comma-separated text for any other.
TeamFileForm SaveAsForm(const std::string& path, int filter_index);

// What to do with a file that is already there.
enum class ExistingFile { kWrite, kAppend, kStop };
// For a file that does not exist: kWrite.  For one that does: a team file
// asks "Overwrite Existing File?" (No stops); text forms ask whether to
// append (Yes appends), then whether to overwrite.
ExistingFile AskAboutExistingFile(const std::string& path, TeamFileForm form, Ui& ui);

// Writes text as the whole file, or, appending, after the file's present
// content and a line feed.  False with *error when it cannot be written;
// the previous file is then untouched.
bool WriteExportText(const std::string& path, const std::string& text, bool append,
                     std::string* error);

// Writes team at path in the given form.  A team file stores path as the
// team's file path and carries the personal information; append applies to
// the text forms only.
bool WriteTeamExport(const std::string& path, Team& team, TeamFileForm form, bool append,
                     const HtmlStyle& style, const LocalDateTime& when, std::string* error);

// Writes the address list at path (HTML or comma-separated).
bool WriteAddressList(const std::string& path, const Team& team, bool html, bool append,
                      const HtmlStyle& style, const LocalDateTime& when, std::string* error);

enum class ExportResult { kCancelled, kWritten, kFailed };

// Save as, from the team dialog (which has stored its texts in the team):
// asks for the file under "Select file name to save as", settles the name
// and the form, asks about an existing file and writes.  A failed write is
// reported ("Unable to save ..."; caption "Save Error").
ExportResult SaveTeamAs(Team& team, Ui& ui, const HtmlStyle& style,
                        const std::string& initial_folder);

// The address list export: asks for a file (comma-separated or HTML by the
// same name and filter rules), then as save as does.
ExportResult ExportAddressList(const Team& team, Ui& ui, const HtmlStyle& style,
                               const std::string& initial_folder);

}  // namespace scorewick::reports
