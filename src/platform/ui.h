#pragma once
// The seam through which the core reports to the person at the keyboard.
// The desktop shows message boxes and file dialogs, the command line prints
// to stderr and answers from its flags, and tests script every answer.
//
// Texts and captions are passed exactly as the program states them, in
// UTF-8 (record texts are converted before they get here); file filters are
// in the "Description (*.ext)|*.ext|" form, which each implementation turns
// into its own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"
#include "records/user_message.h"

namespace scorewick {

// A file chosen in an open or save dialog, with the 1-based index of the
// filter that was selected when the dialog closed.
struct FileChoice {
  std::string path;
  int filter_index = 1;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;             // "Team File (*.tem)|*.tem|..."
  std::string default_extension;  // without the dot, may be empty
  std::string initial_folder;     // may be empty
  std::string initial_name;       // proposed file name, may be empty
  int filter_index = 1;
};

// One filter of a "Description|pattern|" list.
struct FileFilter {
  std::string description;
  std::string pattern;  // "*.tem" or "*.tem;*.csv"
};

// Splits "A (*.a)|*.a|B (*.b)|*.b|" into its pairs; a trailing description
// without a pattern is dropped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

class Ui {
 public:
  virtual ~Ui() = default;

  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // Returns true for Yes.
  virtual bool AskYesNo(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // Empty when the person cancelled.
  virtual std::optional<FileChoice> ChooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> ChooseSaveFile(const FileDialogRequest& request) = 0;
  // Several existing files at once (empty when the person cancelled); a
  // Ui that cannot offer that asks for one file through ChooseOpenFile.
  virtual std::vector<std::string> ChooseOpenFiles(const FileDialogRequest& request);
  // Colours are 0x00BBGGRR, the order the settings file keeps.
  virtual std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) = 0;
  virtual std::optional<std::string> BrowseFolder(std::string_view title,
                                                  std::string_view initial) = 0;
  virtual std::optional<std::string> AskText(std::string_view prompt, std::string_view caption,
                                             std::string_view initial) = 0;
};

// Shows each message in turn.
void ShowAll(Ui& ui, const UserMessages& messages);
// Shows the messages a reader or writer handed back; returns status.ok.
bool Show(Ui& ui, const Status& status);

}  // namespace scorewick
