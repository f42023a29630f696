#include "platform/terminal_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/console_ui.h"

namespace scorewick {
namespace {

TEST(TerminalText, ControlCharactersAreWrittenVisibly) {
  const struct {
    std::string in;
    std::string out;
    std::string kept_lines;
  } cases[] = {
      {"Hawks", "Hawks", "Hawks"},
      {"Red\x1b]0;owned\x07Sox", "Red\\x1b]0;owned\\x07Sox", "Red\\x1b]0;owned\\x07Sox"},
      {"two\nlines\r", "two\\nlines\\r", "two\nlines\\r"},
      {"tab\there\x7f", "tab\\there\\x7f", "tab\\there\\x7f"},
      {"csi\xc2\x9b"
       "2J",
       "csi\\u009b2J", "csi\\u009b2J"},
      {"caf\xc3\xa9 \xc2\xa0", "caf\xc3\xa9 \xc2\xa0", "caf\xc3\xa9 \xc2\xa0"},
      {"C:\\x1b", "C:\\\\x1b", "C:\\x1b"},
      // Bytes that are not UTF-8: code page 1252 text printed raw, a
      // truncated sequence, an overlong slash.
      {"\x9b"
       "2J \xe9t\xe9",
       "\\x9b2J \\xe9t\\xe9", "\\x9b2J \\xe9t\\xe9"},
      {"end\xc3", "end\\xc3", "end\\xc3"},
      {"\xc0\xaf", "\\xc0\\xaf", "\\xc0\\xaf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TerminalText(c.in), c.out) << c.in;
    EXPECT_EQ(TerminalText(c.in, true), c.kept_lines) << c.in;
  }
}

TEST(TerminalText, ConsoleMessagesCarryNoEscapeSequences) {
  std::ostringstream err;
  ConsoleUi ui(err);
  ui.ShowMessage("Invalid Team File\n\n/tmp/\x1b[2Jx.tem", "Unable\x1b", MessageIcon::kError);
  EXPECT_EQ(err.str(), "Unable\\x1b: Invalid Team File\n\n  /tmp/\\x1b[2Jx.tem\n");
}

}  // namespace
}  // namespace scorewick
