#pragma once
// What a list of games needs to choose among them without decoding them:
// the day, start time and score the header keeps and the names of the two
// teams, read from the first bytes of the file (a game's teams follow its
// header).
// The statistics and box scores then read only the games chosen.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/status.h"

namespace scorewick {

struct GameHeadline {
  int year = 0;
  int month = 0;  // 1..12 in a scored game
  int day = 0;
  int hour = 0;  // the start time
  int minute = 0;
  std::string home;     // the first team's name, code page 1252
  std::string visitor;  // the second team's
  // The names on the two teams' rosters, when asked for.
  std::vector<std::string> home_players;
  std::vector<std::string> visitor_players;
  // The score the header keeps (the runs of the innings played so far;
  // 0 and 0 before the first run).
  int home_runs = 0;
  int visitor_runs = 0;
};

// Reads the headline of the game file at path: its first 8 KB, and the
// rest only when the two teams do not fit there (rosters of hundreds of
// players).  A game of format 2.0 is read like a current one.  Refused,
// with the reason ("not a game file", "cannot open: ..."), when the file
// cannot be read, is no game, is of an older format without a version
// word, or its header or teams are damaged.  With rosters, the players'
// names are kept too.
Status ReadGameHeadline(const std::string& path, GameHeadline& headline, bool rosters = false);

// What a game file's bytes say of its headline.
enum class HeadlineRead {
  kDone,     // out holds it
  kCutOff,   // the bytes are a head that ends inside the teams: read on
  kRefused,  // no game, an older format without a version word, or damaged (*why)
};
// Reads the headline from bytes: the whole file, or only its first bytes
// when head is set.
HeadlineRead ParseGameHeadline(std::span<const std::uint8_t> bytes, bool head, bool rosters,
                               GameHeadline& out, std::string& why);

// A choice among games made from their headlines by a command that reads
// every one of them for its own plan (an export's ids, a site's names):
// shown them all once read (nothing where one could not be), before a game
// is read whole or anything written, it sets chosen[i] (sized for the
// games, all true) false for a game not to take, or answers false to take
// none and stop there.
using HeadlineChoice = std::function<bool(const std::vector<std::optional<GameHeadline>>& headlines,
                                          std::vector<bool>& chosen)>;

}  // namespace scorewick
