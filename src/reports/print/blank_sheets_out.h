#pragma once
// The blank score sheets: pages to score a game by hand.  Each page, all
// alike: the credit line at the foot; two header lines of blanks (teams,
// date, time, field, umpires); the line-up block; a row of empty at-bat
// boxes per line-up position with a caption box above and a totals box
// ("Runs:", "Hits:", "Errors:", "LOB:") below each column.  The sizes
// follow score_sheet_grid.h.

#include <QImage>

#include "reports/print/at_bat_box_picture.h"
#include "reports/print/printout.h"
#include "reports/print/score_sheet_grid.h"

namespace scorewick::print {

inline constexpr int kDefaultBlankColumns = 9;
inline constexpr int kDefaultBlankRows = 9;
inline constexpr int kMaxBlankPages = 100;

// The two lines of blanks at the top of a blank sheet.
inline constexpr const char* kBlankTeamsLine =
    "______________________________ vs. ______________________________ "
    "Date:____/_____/____ Time:_____________";
inline constexpr const char* kBlankFieldLine =
    "Field: _________________  Umpires: _________________ _________________ "
    "_________________ _________________";

class TBlankSheetsOut : public Printout {
 public:
  // Columns and rows are kept within 1..15, pages within 1..100.
  TBlankSheetsOut(int columns, int rows, int pages);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  int pages() const { return pages_; }
  // The layout of the last page drawn.
  const SheetGeometry& geometry() const { return geometry_; }

  QString JobName() const override { return "Blank Score Sheets"; }
  void PrintPage(QPainter& painter, int page, QSize size) override;
  bool HasPageAfter(int page) const override { return page < pages_; }

 private:
  int columns_;
  int rows_;
  int pages_;
  SheetGeometry geometry_;
  BoxPictureCache picture_;
};

}  // namespace scorewick::print
