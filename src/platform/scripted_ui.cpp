#include "platform/scripted_ui.h"

namespace scorewick {

void ScriptedUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(caption), icon, false});
}

bool ScriptedUi::AskYesNo(std::string_view text, std::string_view caption, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(caption), icon, true});
  if (yes_no_answers.empty()) return false;
  bool answer = yes_no_answers.front();
  yes_no_answers.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedUi::NextFile(const FileDialogRequest& request) {
  file_requests.push_back(request);
  if (file_answers.empty()) return std::nullopt;
  auto answer = file_answers.front();
  file_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::NextText() {
  if (text_answers.empty()) return std::nullopt;
  auto answer = text_answers.front();
  text_answers.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedUi::ChooseOpenFile(const FileDialogRequest& request) {
  return NextFile(request);
}

std::optional<FileChoice> ScriptedUi::ChooseSaveFile(const FileDialogRequest& request) {
  return NextFile(request);
}

std::optional<std::uint32_t> ScriptedUi::ChooseColor(std::uint32_t) {
  if (color_answers.empty()) return std::nullopt;
  auto answer = color_answers.front();
  color_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::BrowseFolder(std::string_view, std::string_view) {
  return NextText();
}

std::optional<std::string> ScriptedUi::AskText(std::string_view, std::string_view,
                                               std::string_view) {
  return NextText();
}

}  // namespace scorewick
