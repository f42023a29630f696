#include "reports/print/blank_sheets_out.h"

#include <algorithm>

#include "reports/print/page_frame.h"

namespace scorewick::print {

TBlankSheetsOut::TBlankSheetsOut(int columns, int rows, int pages)
    : columns_(std::clamp(columns, 1, kMaxSheetColumns)),
      rows_(std::clamp(rows, 1, kMaxSheetRows)),
      pages_(std::clamp(pages, 1, kMaxBlankPages)) {}

void TBlankSheetsOut::PrintPage(QPainter& painter, int, QSize size) {
  geometry_ = LayOutSheet(size, columns_, rows_, painter.device());
  const SheetGeometry& g = geometry_;
  DrawCreditLine(painter, size);
  painter.setFont(g.large_font);
  DrawTextAt(painter, g.M, g.L, kBlankTeamsLine);
  DrawTextAt(painter, g.M, 2 * g.L, kBlankFieldLine);
  DrawLineupBlock(painter, g);
  DrawBoxGrid(painter, g, &picture_.For(QSize(g.box_width, g.box_height)));
  for (int column = 0; column < g.columns; ++column) {
    DrawTotalsLines(painter, g, column, BlankTotalsLabels());
  }
}

}  // namespace scorewick::print
