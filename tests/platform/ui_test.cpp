// The platform seam without windows: the file filters every dialog takes,
// and the command line's Ui with the text it writes on a terminal.

#include "platform/ui.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/console_ui.h"
#include "platform/terminal_text.h"

namespace scorewick {
namespace {

TEST(FileFilter, SplitsDescriptionsAndPatterns) {
  using Filters = std::vector<std::pair<std::string, std::string>>;
  const struct {
    const char* filter;
    Filters expected;
  } cases[] = {
      {"Team File (*.tem)|*.tem|", {{"Team File (*.tem)", "*.tem"}}},
      {"Game File (*.gam)|*.gam|Team File (*.tem)|*.tem|",
       {{"Game File (*.gam)", "*.gam"}, {"Team File (*.tem)", "*.tem"}}},
      {"Teams|*.tem;*.csv", {{"Teams", "*.tem;*.csv"}}},  // no closing bar
      {"Lonely description|", {}},                        // a pattern is missing
      {"A|*.a|B", {{"A", "*.a"}}},
      {"", {}},
      {"||", {{"", ""}}},
  };
  for (const auto& c : cases) {
    Filters got;
    for (const FileFilter& f : ParseFileFilter(c.filter))
      got.emplace_back(f.description, f.pattern);
    EXPECT_EQ(got, c.expected) << c.filter;
  }
}

TEST(ConsoleUi, PrintsMessagesUnderTheirCaptionAndAnswersFromItsFlag) {
  std::ostringstream err;
  ConsoleUi no(err);
  no.ShowMessage("Invalid Team File\n\nhawks.tem: cut short", "Unable to read Team file",
                 MessageIcon::kInformation);
  no.ShowMessage("done", "", MessageIcon::kNone);
  EXPECT_FALSE(no.AskYesNo("Overwrite Existing File?", "File Exists", MessageIcon::kQuestion));
  ConsoleUi yes(err, true);
  EXPECT_TRUE(yes.AskYesNo("Append?", "File Exists", MessageIcon::kQuestion));
  EXPECT_EQ(err.str(),
            "Unable to read Team file: Invalid Team File\n\n  hawks.tem: cut short\n"
            "scorewick: done\n"
            "File Exists: Overwrite Existing File?\n  -> No\n"
            "File Exists: Append?\n  -> Yes\n");
}

TEST(ConsoleUi, RefusesEveryDialogSayingWhatWasMissing) {
  std::ostringstream err;
  ConsoleUi ui(err);
  FileDialogRequest request;
  request.title = "Select Team";
  EXPECT_FALSE(ui.ChooseOpenFile(request));
  EXPECT_FALSE(ui.ChooseSaveFile(request));
  EXPECT_FALSE(ui.ChooseColor(0x123456));
  EXPECT_FALSE(ui.BrowseFolder("Start folder", "/tmp"));
  EXPECT_FALSE(ui.AskText("Name", "New User", ""));
  EXPECT_EQ(err.str(),
            "Select Team: no file was named on the command line\n"
            "Select Team: no output file was named on the command line\n"
            "Start folder: no folder was named on the command line\n"
            "Name: no answer was given on the command line\n");
}

TEST(Show, ShowsEveryMessageOfAStatusAndReturnsWhetherItSucceeded) {
  std::ostringstream err;
  ConsoleUi ui(err);
  Status status =
      Status::Refused("x.gam", {"Invalid Game File Version #", "ERROR", MessageIcon::kError});
  status.messages.insert(status.messages.begin(), {"Invalid Team File", "Unable to read Team file",
                                                   MessageIcon::kInformation});
  EXPECT_FALSE(Show(ui, status));
  EXPECT_TRUE(Show(ui, Status{}));
  EXPECT_EQ(err.str(),
            "Unable to read Team file: Invalid Team File\nERROR: Invalid Game File Version #\n");
}

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
