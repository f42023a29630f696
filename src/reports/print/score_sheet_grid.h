#pragma once
// The page of a score sheet, blank or scored: a line-up block at the left
// (number, player's name, position, substitution), and at its right a grid
// of at-bat boxes, one row per batting-order slot and one column per
// inning, with a caption box above each column and a totals box (runs,
// hits, errors, men left on base) below it.
//
// Every size derives from the printable page (width W, height H):
//   small font "Arial" W/90, s = the height of "W" in it;
//   large font "Arial" W/60, L = the height of "W" in it;
//   left margin M = 5 widths of "W" (large); top of the line-up block
//   T = 5 L unless the page asks for another;
//   the line-up block runs from M to R = M + the width of 38 digits;
//   box scale = (W - 2M - (R - M)) / (167 x columns), box width and height
//   = 167 and 145 times the scale, truncated; the first row starts at
//   T + L.  When the rows and their totals would run into the space kept
//   free at the foot of the page, the scale is taken from the height
//   instead: (H - bottom - T - L - 4s) / (145 x rows).

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPaintDevice;

namespace scorewick::print {

inline constexpr int kMaxSheetColumns = 15;
inline constexpr int kMaxSheetRows = 15;

// The grey of the bands across the line-up block.
inline const QColor kLineupBandGrey(210, 210, 210);

struct SheetGeometry {
  QSize page;
  QFont small_font;
  QFont large_font;
  int s = 0;  // height of "W", small font
  int L = 0;  // height of "W", large font: the line height
  int M = 0;  // left margin
  int T = 0;  // top of the line-up block (its caption row)
  int R = 0;  // right edge of the line-up block, left edge of the grid
  double scale = 0;
  bool scaled_by_height = false;
  int box_width = 0;
  int box_height = 0;
  int rows = 0;
  int columns = 0;  // the columns that fit: as asked, while a box ends by W - M
  // Columns of the line-up block: separators after "No." and around "Pos".
  int number_right = 0;
  int position_left = 0;
  int sub_left = 0;
  int line_width = 1;  // pen width of frames and separators

  int first_row_top() const { return T + L; }
  int grid_bottom() const { return first_row_top() + rows * box_height; }
  int totals_height() const { return 4 * s + s / 2; }
  int totals_bottom() const { return grid_bottom() + totals_height(); }
  int band_height() const { return box_width * 3 / 8; }
  int column_left(int column) const { return R + column * box_width; }
  int row_top(int row) const { return first_row_top() + row * box_height; }
  QRect box(int row, int column) const {
    return {column_left(column), row_top(row), box_width, box_height};
  }
  QRect caption_box(int column) const { return {column_left(column), T, box_width, L}; }
  QRect totals_box(int column) const {
    return {column_left(column), grid_bottom(), box_width, totals_height()};
  }
};

// Lays out a sheet of `columns` by `rows` boxes on a page of size device
// units.  top: the line-up block's top (0 = 5 L).  bottom: the space kept
// free at the foot of the page under the totals (negative = the same as
// the top, which leaves room for the credit line).
SheetGeometry LayOutSheet(QSize page, int columns, int rows, const QPaintDevice* device,
                          int top = 0, int bottom = -1);

// The line-up block's caption row ("No.", " Player's Name", "Pos", "  S "),
// its grey bands (one per row, three eighths of a box width high), its
// frames and column separators.
void DrawLineupBlock(QPainter& painter, const SheetGeometry& g);

// The boxes of the grid, each framed, with picture (when not null) drawn
// into it; a caption box above and a totals box below each column.
void DrawBoxGrid(QPainter& painter, const SheetGeometry& g, const QImage* picture);

// Lines of text in a totals box, in the small font, one per line of
// height s, the first s/4 below the box's top, at its left edge.
void DrawTotalsLines(QPainter& painter, const SheetGeometry& g, int column,
                     const std::vector<QString>& lines);

// The labels of a blank totals box.
std::vector<QString> BlankTotalsLabels();

}  // namespace scorewick::print
