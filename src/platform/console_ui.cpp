#include "platform/console_ui.h"

#include <ostream>
#include <string>

#include "platform/terminal_text.h"

namespace scorewick {
namespace {

// Message texts use "\n" between paragraphs; on a terminal each becomes its
// own line under the caption, indented (blank lines stay empty).
// Control characters other than line feeds (an escape sequence in a file
// name) are written visibly.
void PrintIndented(std::ostream& out, std::string_view caption, std::string_view raw) {
  const std::string text = TerminalText(raw, true);
  out << TerminalText(caption) << ": ";
  bool line_start = false;
  for (char c : text) {
    if (line_start && c != '\n') out << "  ";
    out << c;
    line_start = c == '\n';
  }
  out << '\n';
}

}  // namespace

ConsoleUi::ConsoleUi(std::ostream& err, bool answer_yes) : err_(err), answer_yes_(answer_yes) {}

void ConsoleUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon) {
  PrintIndented(err_, caption.empty() ? "scorewick" : caption, text);
}

bool ConsoleUi::AskYesNo(std::string_view text, std::string_view caption, MessageIcon) {
  PrintIndented(err_, caption.empty() ? "scorewick" : caption, text);
  err_ << "  -> " << (answer_yes_ ? "Yes" : "No") << '\n';
  return answer_yes_;
}

std::optional<FileChoice> ConsoleUi::ChooseOpenFile(const FileDialogRequest& request) {
  err_ << request.title << ": no file was named on the command line\n";
  return std::nullopt;
}

std::optional<FileChoice> ConsoleUi::ChooseSaveFile(const FileDialogRequest& request) {
  err_ << request.title << ": no output file was named on the command line\n";
  return std::nullopt;
}

std::optional<std::uint32_t> ConsoleUi::ChooseColor(std::uint32_t) { return std::nullopt; }

std::optional<std::string> ConsoleUi::BrowseFolder(std::string_view title, std::string_view) {
  err_ << title << ": no folder was named on the command line\n";
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::AskText(std::string_view prompt, std::string_view,
                                              std::string_view) {
  err_ << prompt << ": no answer was given on the command line\n";
  return std::nullopt;
}

}  // namespace scorewick
