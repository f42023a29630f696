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

// What a decoder found wrong with the bytes it was given, for a caller
// that tells such failures apart ("not a game" is no news in a folder of
// files; a damaged game is).
enum class Fault {
  kNone,        // decoded, or failed for another reason (a file not opened or not written)
  kWrongTag,    // a handheld stream of another kind than the one asked for
  kBadVersion,  // a version word this program does not read; nothing else was read
  kWrongShape,  // a whole file whose length is not that of its kind (a game file for a team)
  kDamaged,     // cut short or holding an impossible value: reason says where, byte too
  // Of the analyses' intake of game files (intake/game_intake.h):
  kNotAGame,     // no game of any format: empty, text, a team file, another version word
  kPriorFormat,  // a game of an earlier format (2.0, or older without a version word)
};

struct [[nodiscard]] Status {
  bool ok = true;
  Fault fault = Fault::kNone;
  UserMessages messages;
  // On failure: what went wrong in plain words ("cannot open x.tem: No
  // such file or directory"), also when no message is to be shown.
  std::string reason;
  // The same without the file's name, when reason names it ("cannot open:
  // No such file or directory", "the file is too large (67108865 bytes)"),
  // for a caller that names the file itself; empty otherwise.
  std::string detail;
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
  // Bytes a decoder refused: what was wrong, where it broke (-1 when not
  // known), no file (the bytes may have come from anywhere) and no message
  // unless the decoder has one for the person.
  static Status Broken(Fault fault, std::string reason, std::int64_t byte = -1) {
    Status s = Failed({}, std::move(reason));
    s.fault = fault;
    s.byte = byte;
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
