#pragma once
// A message for the person at the keyboard, as a reader or writer hands it
// back to its caller (the desktop shows it in a message box, the command
// line prints it).  Texts are UTF-8: a message that quotes a record text
// converts it first (records/cp1252.h).

#include <string>
#include <vector>

namespace scorewick {

enum class MessageIcon { kNone, kInformation, kExclamation, kQuestion, kError };

struct UserMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kInformation;

  bool operator==(const UserMessage&) const = default;
};

using UserMessages = std::vector<UserMessage>;

}  // namespace scorewick
