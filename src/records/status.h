#pragma once
// What a reader or writer of files hands back to its caller: whether it
// succeeded, the messages the person should see (in the order to show
// them; a load may succeed and still have something to say), and on
// failure the file and the place where it broke.  Core code never shows a
// message itself: the desktop shows a Status through Ui, the command line
// prints it on stderr, and a caller that loads many files may collect the
// refusals instead.

#include <cstdint>
#include <string>
#include <utility>

#include "records/user_message.h"

namespace scorewick {

struct [[nodiscard]] Status {
  bool ok = true;
  UserMessages messages;
  // On failure: what went wrong in plain words ("cannot open x.tem: No
  // such file or directory"), also when no message is to be shown.
  std::string reason;
  std::string file;        // the file refused or not written, when known
  std::int64_t byte = -1;  // where a binary file broke, -1 when not known
  int line = 0;            // the line of a text file at fault, 0 when none

  explicit operator bool() const { return ok; }

  // A failure with nothing to show, only a reason (a file that cannot be
  // opened, in a list of files where that is no news).
  static Status Failed(std::string file, std::string reason) {
    Status s;
    s.ok = false;
    s.file = std::move(file);
    s.reason = std::move(reason);
    return s;
  }
  // A failure with the message the person is to see; reason is its text
  // unless given.
  static Status Refused(std::string file, UserMessage message, std::string reason = {}) {
    Status s = Failed(std::move(file), reason.empty() ? message.text : std::move(reason));
    s.messages.push_back(std::move(message));
    return s;
  }
};

}  // namespace scorewick
