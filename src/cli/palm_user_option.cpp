#include "cli/palm_user_option.h"

#include <ostream>

#include "exchange/install_aide.h"
#include "platform/terminal_text.h"

namespace scorewick::cli {

namespace {

void ListUsers(const InstallAide& aide, std::ostream& err) {
  for (int i = 0; i < aide.UserCount(); ++i) err << "  " << TerminalText(aide.UserName(i)) << "\n";
}

}  // namespace

bool NamedPalmUserExists(const std::string& user, std::ostream& err) {
  if (user.empty()) return true;
  auto aide = InstallAide::Load();
  if (!aide) return true;
  for (int i = 0; i < aide->UserCount(); ++i) {
    if (aide->UserName(i) == user) return true;
  }
  err << "scorewick: no Palm user is called \"" << TerminalText(user) << "\"; the users are:\n";
  ListUsers(*aide, err);
  return false;
}

app::PalmUserPicker PalmUserByName(const std::string& user, std::ostream& err) {
  return [user, &err](const InstallAide& aide) {
    const int count = aide.UserCount();
    for (int i = 0; i < count && !user.empty(); ++i) {
      if (aide.UserName(i) == user) return i;
    }
    err << (user.empty() ? "scorewick: there are several Palm users; name one with --user:"
                         : "scorewick: no Palm user is called \"" + TerminalText(user) +
                               "\"; the users are:")
        << "\n";
    ListUsers(aide, err);
    return -1;
  };
}

}  // namespace scorewick::cli
