#pragma once
// The file a save dialog's answer names.  The type chosen in the dialog
// decides what is written; a name typed without an extension gets the
// type's, and a typed extension that says another type is asked about
// rather than written silently.  A file that is already there holding
// another kind of thing (a game under a roster page's name, a team file
// about to become comma-separated text) is written over only when the
// person says so.

#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "records/output_guard.h"

namespace scorewick::app {

// One type a save dialog offers.
struct SaveType {
  const char* name;       // in questions: "an HTML page"
  const char* extension;  // added to a name typed without one: "htm"
  const char* also;       // another extension that names the type ("html"), or ""
  FileContent content;    // what a file of the type holds
};

inline constexpr SaveType kTeamFileType{"a team file", "tem", "", FileContent::kTeamFile};
inline constexpr SaveType kGameFileType{"a game file", "gam", "", FileContent::kGameFile};
inline constexpr SaveType kCsvType{"a comma-separated file", "csv", "", FileContent::kText};
inline constexpr SaveType kTeamCsvType{"a comma-separated file", "csv", "", FileContent::kTeamCsv};
inline constexpr SaveType kTextType{"a text file", "txt", "", FileContent::kText};
inline constexpr SaveType kHtmlType{"an HTML page", "htm", "html", FileContent::kHtml};
inline constexpr SaveType kPdfType{"a PDF", "pdf", "", FileContent::kPdf};
inline constexpr SaveType kPalmDatabaseType{"a Palm database", "pdb", "", FileContent::kBinary};

inline constexpr const char* kFileTypeCaption = "File Type";
inline constexpr const char* kReplaceCaption = "Replace File";

// True when the file name's extension (any case) names type.
bool ExtensionNames(const std::string& path, const SaveType& type);

// The path to write a file of type under.  A file name without a dot gets
// the type's extension; one whose extension names the type stays.  Any
// other is asked about ("gulls2.tem is not the name of an HTML page. Save
// it as gulls2.tem.htm?"): Yes adds the type's extension, No keeps the
// name as typed.
std::string SettleSaveName(const std::string& typed, const SaveType& type, Ui& ui);

// Whether path may be written with a file of type.  Yes without a
// question when there is no file, or it holds the same kind of thing.  Otherwise the
// person is asked, told what the file holds and, when it is one of inputs
// (the team or game being written out), that it is the file being worked
// on; true for Yes.
bool MayReplace(const std::string& path, const SaveType& type,
                const std::vector<std::string>& inputs, Ui& ui);

// Both steps for a save whose content comes from the file input: the
// settled name, or nothing when the person would not replace what is there.
std::optional<std::string> SettleTarget(const std::string& typed, const SaveType& type,
                                        const std::string& input, Ui& ui);

}  // namespace scorewick::app
