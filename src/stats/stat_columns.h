#pragma once
// The column vocabularies of the four statistics tables (batting,
// running, fielding, pitching): each column's key, the figure it shows and
// the text of its cells.  Layouts, sorting and every export read the same
// rows, so a column is defined once.
//
// Cell texts, as the tables show them:
//   counters          plain decimal
//   Avg Slug OBA F%   "%5.3f", the leading zero blanked below 1.0 (" .333")
//   BNT%              BNT / (BNT + BNTO + BF2S) "%5.3f", "0.00" with no chances
//   SB% PCT FPS%      "%5.1f"
//   IP                outs / outs per inning "%5.2f"; ERA "%5.2f"; pitching OBA "%5.3f"
//   TP                outs played / outs per inning "%5.3f"
//   CPE               (E + A + PO) / E "%5.3f", "n/a" with no error
//   Pos               the position's abbreviation; " " on the totals row
//   SO PKO PKOA       sums of their parts
//   OPS BABIP         "%5.3f", the leading zero blanked below 1.0; XBH plain decimal
//   K% BB%            "%5.1f"; WHIP K/9 BB/9 HR/9 K/BB P/PA "%5.2f"
// A rate whose denominator is 0 is blank.  Those rates stand after the
// second Name column: a layout file lists its columns by place.

#include <string>
#include <string_view>

#include "stats/stat.h"

namespace scorewick {

enum class StatTable { kBatting = 0, kRunning = 1, kFielding = 2, kPitching = 3 };
inline constexpr int kStatTableCount = 4;

// Extra column numbers of the batting table for sorting only (the box
// score orders by them): passed balls and errors of all positions.
inline constexpr int kSortByPassedBalls = 998;
inline constexpr int kSortByErrors = 999;

// Number of columns: batting 61, running 27, fielding 34, pitching 46.
int ColumnCount(StatTable table);
// Columns a layout file had before the rates were added (batting 56,
// pitching 40; the others all): a layout file that stops at them hides
// the later ones.
int FirstColumnsCount(StatTable table);
// Whether the column is the second Name, which repeats the player's name.
bool IsRepeatedName(StatTable table, int column);
// The column's key ("OAB", "SB%"); empty for a column number out of range.
std::string_view ColumnKey(StatTable table, int column);
// Rows of the table the view draws on (batting and running share one).
int RowCount(const Stat& stat, StatTable table);
// Whether the row is a totals row (the last row, with no team name).
bool IsTotalsRow(const Stat& stat, StatTable table, int row);

// The cell text of a row, as shown.
std::string CellText(const Stat& stat, StatTable table, int row, int column);

// The value a column sorts by: text columns compare as text, the others as
// numbers (a computed cell, such as SO or IP, by its value).
struct SortKey {
  bool is_text = false;
  std::string_view text;
  double number = 0;
  bool blank = false;  // a blank rate: after every figure, either way
};
SortKey SortValue(const Stat& stat, StatTable table, int row, int column);
// The same of a row on its own (table: kBatting or kRunning for a batting
// row; the batting row also takes kSortByPassedBalls and kSortByErrors).
SortKey SortValueOf(const BattingStat& row, const StatRules& rules, StatTable table, int column);
SortKey SortValueOf(const FieldingStat& row, const StatRules& rules, StatTable table, int column);
SortKey SortValueOf(const PitchingStat& row, const StatRules& rules, StatTable table, int column);

// The table's title ("Batting Stats") and the heading it has in the
// printed star boxes and HTML titles.
std::string_view TableTitle(StatTable table);

}  // namespace scorewick
