#pragma once
// The check an exported game passes before it is kept: the rules the
// researchers' readers hold a game of an event file to, applied to the
// text as written.
//
// - The text: no blank line, a line feed after every line, no carriage
//   return, no line longer than kMaxExportLine, every record of a known
//   type with its fields, no quote inside a quoted field.
// - The order of records: id, version, info, the starting line-ups, then
//   plays, substitutions and comments, the earned runs last.
// - The line-ups: nine batters a side in the places 1 to 9, each position
//   once, a pitcher who does not bat only with a designated hitter.
// - The plays, as the readers follow them: every play readable, made by
//   the batter due up, in the halves in order, each half ended by its
//   third out; no advance or out from an empty base, no runner passing
//   the one ahead of him, no two runners left on one base, no double play
//   with fewer than two outs nor triple play with fewer than three.

#include <cstddef>
#include <string>
#include <string_view>

namespace scorewick::interop {

// No line the export writes comes near this; the oldest readers took
// lines of this length.
inline constexpr std::size_t kMaxExportLine = 255;

struct CheckFinding {
  int line = 0;  // 1-based line of the game's text, 0 for the whole game
  std::string reason;

  bool ok() const { return reason.empty(); }
  // "line 57: play,1,0,...: nobody is on second base"
  std::string Text() const;
};

// Checks the records of one game (its id record first).  The first rule
// broken, with its line; an empty reason when every rule holds.
CheckFinding CheckRetrosheetGame(std::string_view text);

}  // namespace scorewick::interop
