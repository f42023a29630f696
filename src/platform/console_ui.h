#pragma once
// The command line's Ui: messages go to stderr as "caption: text", questions
// take the answer set by the command's flags (--yes / --no), and dialogs that
// would choose a file or a colour are refused (the command names its files
// on the command line instead).

#include <iosfwd>

#include "platform/ui.h"

namespace scorewick {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(std::ostream& err, bool answer_yes = false);

  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override;
  std::optional<std::string> BrowseFolder(std::string_view title,
                                          std::string_view initial) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view caption,
                                     std::string_view initial) override;

 private:
  std::ostream& err_;
  bool answer_yes_;
};

}  // namespace scorewick
