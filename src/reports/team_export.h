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

#include "records/local_date.h"
#include "records/status.h"
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

// Writes text as the whole file, or, appending, after the file's present
// content and a line feed.  A file that cannot be written is refused with
// "Unable to save <path>: <reason>" (caption "Save Error"); the previous
// file is then untouched.
Status WriteExportText(const std::string& path, const std::string& text, bool append);

// Writes team at path in the given form.  A team file stores path as the
// team's file path and carries the personal information; append applies to
// the text forms only.  Refused as WriteExportText is.
Status WriteTeamExport(const std::string& path, Team& team, TeamFileForm form, bool append,
                       const HtmlStyle& style, const LocalDateTime& when);

// Writes the address list at path (HTML or comma-separated).
Status WriteAddressList(const std::string& path, const Team& team, bool html, bool append,
                        const HtmlStyle& style, const LocalDateTime& when);

// "Unable to save <path>: <reason>" (caption "Save Error").
UserMessage SaveErrorMessage(const std::string& path, const std::string& reason);

}  // namespace scorewick::reports
