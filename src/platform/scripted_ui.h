#pragma once
// A Ui for tests: every message and question is recorded, and answers come
// from queues the test fills beforehand.  An unanswered question is No and
// an unanswered dialog is cancelled, so a test that forgets an answer fails
// by its assertions rather than hanging.

#include <deque>

#include "platform/ui.h"

namespace scorewick {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
  bool question = false;
};

class ScriptedUi : public Ui {
 public:
  std::vector<RecordedMessage> messages;
  std::vector<FileDialogRequest> file_requests;

  std::deque<bool> yes_no_answers;
  std::deque<std::optional<FileChoice>> file_answers;
  std::deque<std::optional<std::uint32_t>> color_answers;
  std::deque<std::optional<std::string>> text_answers;  // folders and texts

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
  std::optional<FileChoice> NextFile(const FileDialogRequest& request);
  std::optional<std::string> NextText();
};

}  // namespace scorewick
