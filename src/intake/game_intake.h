#pragma once
// How the analyses take in game files: statistics, plots, the game chooser
// and the commands all ask the same questions in the same order.  Is the
// file there and readable?  Is it a game at all, and in the current format
// (3.0)?  Does it decode?  A file that fails is refused with a Status whose
// fault says which question it failed (kNone when it could not be read,
// kNotAGame, kPriorFormat, kDamaged), whose file is the file and whose
// reason is in plain words without the file's name: the caller names the
// file once, as it shows the refusal.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "intake/game_headline.h"
#include "records/byte_buffer.h"
#include "records/game.h"
#include "records/status.h"
#include "records/team.h"
#include "records/user_message.h"

namespace scorewick {

// A game file that was not taken in, and why, as the lists of refused
// games keep it.
struct GameRefusal {
  // kNone: missing, a folder, a pipe, unreadable, too large; kNotAGame;
  // kPriorFormat; kDamaged: a current game that does not decode.
  Fault fault = Fault::kNone;
  std::string file;
  std::string reason;  // "cannot open: No such file or directory", "the file is empty", ...

  bool prior_format() const { return fault == Fault::kPriorFormat; }
  // The refusal of a step of GameIntake that failed.
  static GameRefusal Of(const Status& refused) {
    return {refused.fault, refused.file, refused.reason};
  }
};

// "g.gam (the file is empty)": the file and its reason, for lists of refusals.
std::string RefusalLine(const GameRefusal& refusal);

// What the first bytes of a file say it is.  head is at least the first
// 237 bytes when the file has that many.
enum class GameFileKind { kCurrent, kPriorFormat, kNotAGame };
GameFileKind KindOfGameFile(std::span<const std::uint8_t> head, std::string* why = nullptr);

// The text a prior-format game is refused with ("%s\n\nCannot use Game
// until Converted to 3.0 Format\n(See Help File)"), and its caption.
std::string PriorFormatMessage(const std::string& path);
inline constexpr const char* kPriorFormatCaption = "Incompatible Game Format";

// Reads game files one after the other into one reused buffer.
class GameIntake {
 public:
  // Reads path whole and checks that it is a current game file (bytes()
  // then holds it).
  Status Read(const std::string& path);
  // Reads path as Read does, except that with a team named it reads first
  // only as far as the game's two teams: a game neither of whose teams is
  // team is left there, the Status is ok and other_teams() is true.
  // The file is opened once and no byte of it read twice.
  Status ReadFor(const std::string& path, std::string_view team);
  // Whether the last ReadFor left the game for being another teams' game.
  bool other_teams() const { return other_teams_; }
  // Reads path as Read does, except that it reads first only as far as the
  // game's headline (its day, start time and teams), which *headline
  // receives (read says whether it could), and reads on only when
  // read_on(headline) says so: a game it leaves is left there (even one in
  // a prior format), the Status is ok and left() is true.  A game whose
  // headline cannot be read is read whole, for Decode to refuse.  The file is opened once and no
  // byte of it read twice.
  using HeadlineCheck = std::function<bool(const GameHeadline& headline)>;
  Status ReadIf(const std::string& path, const HeadlineCheck& read_on, GameHeadline& headline,
                bool& read);
  // Whether the last ReadIf left the game after its headline.
  bool left() const { return left_; }
  // Looks at the first bytes only (for lists that show many files).
  Status Check(const std::string& path);
  // Decodes what the last Read took in into game (whose arrays are reused).
  Status Decode(Game& game);
  // Read, then Decode.
  Status Take(const std::string& path, Game& game);

  std::span<const std::uint8_t> bytes() const { return bytes_; }
  // What the last Decode had to say besides its result.
  const UserMessages& messages() const { return messages_; }
  // Whether a game of format 2.0 is taken (decoded and converted, as a
  // single game is opened) rather than refused as a prior format.
  void TakePriorFormat(bool take) { take_prior_format_ = take; }

 private:
  Status Refuse(Fault fault, std::string reason) const;
  // What the bytes read say the file is: ok for a current game.
  Status Classify() const;
  // Whether a file whose first bytes are head is taken in (a current game,
  // or one of format 2.0 when such are taken).
  bool Taken(std::span<const std::uint8_t> head) const;

  std::string path_;
  ByteBuffer bytes_;
  bool other_teams_ = false;
  bool left_ = false;
  bool take_prior_format_ = false;
  Team scratch_;  // the teams read from a head
  UserMessages messages_;
};

// paths without the files named twice: the same file under any name
// (links followed) is kept at its first place; each later name of it goes
// to *repeats as {later name, first name}.
std::vector<std::string> DistinctGameFiles(
    const std::vector<std::string>& paths,
    std::vector<std::pair<std::string, std::string>>* repeats = nullptr);

// A text that is the same for every name of one file (its device and
// inode, links followed), or "path:" and the name for a file that is not
// there.
std::string FileIdentity(const std::string& path);

}  // namespace scorewick
