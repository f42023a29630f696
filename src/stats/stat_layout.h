#pragma once
// The user's layout of a statistics table: for each column of its key
// list, whether it is shown, its width in pixels and its alignment; kept
// in a small text file per table in the start folder ("blayout.bsl",
// "rlayout.rsl", "flayout.fsl", "playout.psl").
//
// Each line is "shown, width, alignment" ("1, 100, Center"): shown is
// false only when the field begins with "0"; the alignment is Left,
// Center or anything else for Right, in any case.  Lines of fewer than
// two characters are skipped; lines beyond the table's columns are
// ignored; columns without a line keep the defaults (shown, 100, centred),
// except the rates added after the second Name (OPS ..., WHIP ...): a
// file without lines for them hides them, so that a table the person laid
// out looks as it did.  With no file at all every column is shown.
//
// The default width, 100, stands for "not set": the window sizes such a
// column to its heading and contents, and writes 100 back for it, so that
// layout files of every age read the same.  Any other width is one the
// person set by dragging the column's edge, and the window keeps it.

#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"
#include "stats/stat_columns.h"

namespace scorewick {

enum class Alignment { kLeft = 0, kRight = 1, kCenter = 2 };

// The width of a column nobody has sized.
inline constexpr int kUnsetColumnWidth = 100;

struct LayoutEntry {
  bool shown = true;
  int width = kUnsetColumnWidth;
  int column = 0;            // index in the key list
  int display_position = 0;  // place among the shown columns
  Alignment alignment = Alignment::kCenter;

  bool operator==(const LayoutEntry&) const = default;
};

using StatLayout = std::vector<LayoutEntry>;

// The defaults, one entry per column, with column and display position
// filled.
StatLayout DefaultLayout(StatTable table);

// Reads a layout file's text over the defaults.
StatLayout ParseLayout(StatTable table, std::string_view text);
// The file's text: "%d, %d, " and "Left", "Right" or "Center" per line.
std::string LayoutText(const StatLayout& layout);

// "blayout.bsl", "rlayout.rsl", "flayout.fsl", "playout.psl".
std::string_view LayoutFileName(StatTable table);
// Reads the table's layout file in folder; the defaults when it is
// missing or unreadable.
StatLayout LoadLayout(const std::string& folder, StatTable table);
// Writes it whole, atomically; a failed Status names the file and the
// reason when it cannot be written (a file that was there stays whole).
Status SaveLayout(const std::string& folder, StatTable table, const StatLayout& layout);

// The shown columns in display order, their column and display position
// filled in.
std::vector<LayoutEntry> ShownColumns(const StatLayout& layout);

// Whether the entry's width is one the person set (not the default).
inline bool WidthIsSet(const LayoutEntry& entry) { return entry.width != kUnsetColumnWidth; }
// The width to keep for a column the person dragged to `pixels` wide: a
// drag to exactly the default is kept one pixel wider, so that it still
// reads as the person's.
inline int SetWidth(int pixels) {
  return pixels == kUnsetColumnWidth ? kUnsetColumnWidth + 1 : pixels;
}

// "Left", "Right", "Center".
std::string_view AlignmentWord(Alignment alignment);

}  // namespace scorewick
