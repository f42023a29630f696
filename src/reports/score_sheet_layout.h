#pragma once
// What a printed game score sheet puts where, worked out without drawing:
// which at-bat goes in which box, who held each batting-order slot, the
// substitutions, and which pages print in which order.
//
// A side's grid has one column per inning and one row per batting-order
// slot.  When the side bats around and a slot comes up a second time in
// the same inning, that turn goes in the next column, which is captioned
// with the same inning (as a scorer does on paper): the inning takes as
// many columns as its busiest slot has turns, and no two turns ever share
// a box.

#include <cstdint>
#include <string>
#include <vector>

#include "records/game.h"

namespace scorewick::reports {

// One column of a side's grid.
struct SheetColumn {
  int inning = 0;       // 0-based
  int pass = 0;         // 0 for the inning's first column, 1 for the next ...
  bool played = false;  // the half has a line-up or at-bats
  // Per row (slot 1 first): index of the at-bat in the half, -1 = none.
  std::vector<int> at_bats;
};

// One player who held a batting-order slot.
struct SlotHolder {
  std::string number;  // uniform number, "00" when none
  std::string name;
  std::string position;  // abbreviation of his position when he took the slot
  std::string entered;   // empty for the starter, else "T3" / "B3": the half he came in
};

struct SideSheet {
  bool home = false;
  int rows = 0;                                  // batting-order slots
  std::vector<SheetColumn> columns;              // in inning order
  std::vector<std::vector<SlotHolder>> holders;  // per row, in order of entering
};

// The grid and line-up of one side (home bats in the bottom halves): every
// inning up to the game's last inning gets at least one column.  An at-bat
// goes in the row of its batter's batting order; a batter without one is
// looked up by name in the half's line-up, and failing that follows the
// previous batter.
SideSheet LayOutSide(const Game& game, bool home);

// The side's runs: its halves' stored runs up to the game's last inning
// (the run total the game record computes).
std::int64_t SideRuns(const Game& game, bool home);

// The side's substitutes: the players of its line-ups (batting and
// fielding) who did not start the game, each once, at his first entry, in
// the order of the game.  The starters are the first player of each slot
// in the side's first batting line-up and of each position in its first
// fielding line-up.
std::vector<PLAYER> Substitutes(const Game& game, bool home);

// The designated-hitter line of a side, with its substitutions:
//   "Player DH bats for: #7 Name (P)" when the team uses a designated
//   hitter, then ",#12 Name T3-0" for each substitution ("#00" without a
//   number; T or B from the entry flag, the inning entered, the entry
//   value).  Without a designated hitter the line reads
//   "Substitutions: #12 Name T3-0,#14 ..." and is empty when there are none.
// The substitutions are the side's Substitutes.
std::string DesignatedHitterLine(const Game& game, bool home);

enum class PrintSide { kVisitors, kHome, kBoth };

// The options of a game printout, kept from one printing to the next.
struct GamePrintOptions {
  PrintSide side = PrintSide::kVisitors;
  bool fit = true;            // all innings across one page
  int columns = 9;            // else this many columns per page (1 to 15)
  bool notes = false;         // a page of the game's notes at the end
  bool empty_fields = false;  // draw the empty box under every box's marks
};

// One page of a game printout.
struct SheetPageSpec {
  bool notes = false;  // the notes page (more may follow while notes remain)
  bool home = false;
  int first_column = 0;   // of the side's columns
  int column_count = 0;   // drawn on this page
  int columns_sized = 0;  // the boxes are sized for this many columns
  bool last_of_side = false;
};

// The pages of a printout: each printed side's pages (home first with
// both sides), then the notes page when asked for and the game has notes.
std::vector<SheetPageSpec> PlanGamePages(const Game& game, const GamePrintOptions& options);
// The pages of one side with `columns` grid columns.
std::vector<SheetPageSpec> PlanSidePages(bool home, int columns, const GamePrintOptions& options);

}  // namespace scorewick::reports
