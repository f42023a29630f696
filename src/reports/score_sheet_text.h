#pragma once
// The texts of the printed game score sheet, worked out without drawing:
// the page head, the marks of an at-bat box that are letters and numbers,
// the lines under the grid, and the headings of the notes page.  All texts
// are record texts (code page 1252).

#include <cstdint>
#include <string>
#include <vector>

#include "records/at_bat.h"
#include "records/game.h"
#include "records/game_note.h"
#include "reports/score_sheet_layout.h"

namespace scorewick::reports {

// "m/d/y h:mm at <field>": the start minute always has two digits.
std::string GameDateLine(const GameHeader& header);
// "Attendance: N   Game Duration: H hrs M min".
std::string AttendanceLine(const GameHeader& header);
// "<team name> : Home" or "<team name> : Visitor".
std::string TeamSideLine(const Team& team, bool home);
// "<team name> : <runs>".
std::string TeamScoreText(const Team& team, std::int64_t runs);
// "Winning Pitcher: W, Saving Pitcher: S, Losing Pitcher: L".
std::string PitchersOfRecordLine(const Game& game);
// "Umpires: A, B, C, D": the umpires the scorer recorded, in order (a
// game with two umpires reads "Umpires: A, B").
std::string UmpiresLine(const GameHeader& header);
// A player who held a slot, as a line under the grid lists him: "#12 Sid
// Swift PR T1" (number, name, position, and the half he came in unless he
// started).
std::string SlotHolderText(const SlotHolder& holder);
// The players of a slot that its row on the sheet has no room for:
// "Slot 4, continued: #14 Zed Zero PH T1, #13 Yul Young PR T1" (slot is
// 1-based).
std::string ContinuedSlotLine(int slot, const std::vector<SlotHolder>& holders);
// "Top of the 3rd, 2nd At Bat" ("Bottom" for a bottom half).
std::string NoteHeading(const GAME_NOTE& note);

// A fielder's number as a score sheet writes it: the position code, less 3
// for codes of 11 and above (the extra fielders follow the nine).
int FielderNumber(std::int32_t position);

// The letters a box shows in its middle when the batter reached: the
// reach abbreviation with the fielder charged at first ("1B", "E6").
std::string ReachText(const AT_BAT& ab);
// How the batter-runner moved up from base `slot` + 1 (0 first to second,
// 1 second to third, 2 third to home): the advance abbreviation with the
// fielder charged at the base reached ("SB", "E7", "WP").
std::string AdvanceText(const AT_BAT& ab, int slot);
// The fielders who made the out: "6-4-3" (empty when none are credited).
std::string OutCreditChain(const AT_BAT& ab);

// The batted balls among the ways to reach base and to be put out: the
// box then shows the line from home plate to where the ball went.
bool ReachedOnBattedBall(std::int32_t reach);
bool OutOnBattedBall(std::int32_t out);

// One filled cell of a box's count grid.
struct CountCell {
  bool strike = false;  // strike column, else ball column
  int row = 0;          // 0 at the top
  int pitch = 0;        // the pitch that filled it (1 for the first); 0 = unknown

  bool operator==(const CountCell&) const = default;
};

// The filled count cells of a box: one per strike of the final count (at
// most 2) and one per ball (at most 3), from the top row down, each with
// the number of the pitch that filled it.  Walking the pitch sequence up
// to its last pitch, a strike or a foul raises the strike tally and a ball
// the ball tally; while a tally is below three strikes (four balls) the
// cell of that tally gets the number strikes + balls so far.
std::vector<CountCell> CountCells(const AT_BAT& ab);

}  // namespace scorewick::reports
