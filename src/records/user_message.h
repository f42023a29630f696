#pragma once
// A message for the person at the keyboard, as a reader or writer hands it
// back to its caller (which shows it through Ui).

#include <string>
#include <vector>

#include "platform/ui.h"

namespace scorewick {

struct UserMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kInformation;

  bool operator==(const UserMessage&) const = default;
};

using UserMessages = std::vector<UserMessage>;

inline void ShowAll(Ui& ui, const UserMessages& messages) {
  for (const UserMessage& m : messages) ui.ShowMessage(m.text, m.caption, m.icon);
}

}  // namespace scorewick
