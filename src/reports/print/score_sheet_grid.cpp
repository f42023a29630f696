#include "reports/print/score_sheet_grid.h"

#include <algorithm>

#include "reports/print/at_bat_box_picture.h"
#include "reports/print/cell_font.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {
namespace {

constexpr const char* kNameColumnDigits = "12345678901234567890123456789012345678";

void BoxSizes(SheetGeometry& g) {
  g.box_width = static_cast<int>(kBoxPictureWidth * g.scale);
  g.box_height = static_cast<int>(kBoxPictureHeight * g.scale);
}

QPen FramePen(const SheetGeometry& g) { return QPen(Qt::black, g.line_width); }

}  // namespace

SheetGeometry LayOutSheet(QSize page, int columns, int rows, const QPaintDevice* device, int top,
                          int bottom) {
  SheetGeometry g;
  g.page = page;
  const int w = page.width();
  const int h = page.height();
  g.small_font = SansFont(w / 90, device);
  g.s = HeightOfW(g.small_font, device);
  g.large_font = SansFont(w / 60, device);
  g.L = HeightOfW(g.large_font, device);
  g.M = 5 * WidthOfW(g.large_font, device);
  g.T = top > 0 ? top : 5 * g.L;
  if (bottom < 0) bottom = g.T;
  const QFontMetrics large(g.large_font, device);
  g.R = g.M + large.horizontalAdvance(kNameColumnDigits);
  g.number_right = g.M + large.horizontalAdvance("No.");
  g.position_left = g.R - 2 * large.horizontalAdvance("Pos");
  g.sub_left = g.R - large.horizontalAdvance("Pos");
  g.line_width = std::max(1, w / 1600);
  g.rows = std::max(rows, 1);
  columns = std::max(columns, 1);

  g.scale = static_cast<double>(w - 2 * g.M - (g.R - g.M)) / (kBoxPictureWidth * columns);
  BoxSizes(g);
  if (h - bottom < g.grid_bottom() + 4 * g.s) {
    g.scaled_by_height = true;
    g.scale = static_cast<double>(h - bottom - g.T - g.L - 4 * g.s) /
              (static_cast<double>(g.rows) * kBoxPictureHeight);
    BoxSizes(g);
  }
  g.columns = 0;
  while (g.columns < columns && g.box_width > 0 && g.column_left(g.columns + 1) <= w - g.M) {
    ++g.columns;
  }
  return g;
}

void DrawLineupBlock(QPainter& painter, const SheetGeometry& g) {
  painter.save();
  painter.setFont(g.large_font);
  DrawTextAt(painter, g.M, g.T, "No.");
  DrawTextAt(painter, g.M + TextWidth(painter, "No. "), g.T, " Player's Name");
  DrawTextAt(painter, g.position_left, g.T, "Pos");
  DrawTextAt(painter, g.R - TextWidth(painter, "  S "), g.T, "  S ");

  painter.setPen(Qt::NoPen);
  painter.setBrush(kLineupBandGrey);
  for (int row = 0; row < g.rows; ++row) {
    painter.drawRect(QRect(g.M, g.row_top(row), g.R - g.M, g.band_height()));
  }

  painter.setPen(FramePen(g));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(g.M, g.first_row_top(), g.R - g.M, g.grid_bottom() - g.first_row_top()));
  painter.drawRect(QRect(g.M, g.T, g.R - g.M, g.totals_bottom() - g.T));
  for (int x : {g.number_right, g.position_left, g.sub_left}) {
    painter.drawLine(x, g.T, x, g.grid_bottom());
  }
  painter.restore();
}

void DrawBoxGrid(QPainter& painter, const SheetGeometry& g, const QImage* picture) {
  painter.save();
  // A compressed photograph of thin lines would blur them.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.setPen(FramePen(g));
  painter.setBrush(Qt::NoBrush);
  for (int row = 0; row < g.rows; ++row) {
    for (int column = 0; column < g.columns; ++column) {
      const QRect box = g.box(row, column);
      if (picture != nullptr) painter.drawImage(box, *picture);
      painter.drawRect(box);
    }
  }
  for (int column = 0; column < g.columns; ++column) {
    painter.drawRect(g.caption_box(column));
    painter.drawRect(g.totals_box(column));
  }
  painter.restore();
}

void DrawTotalsLines(QPainter& painter, const SheetGeometry& g, int column,
                     const std::vector<QString>& lines) {
  painter.save();
  painter.setFont(g.small_font);
  const QRect box = g.totals_box(column);
  const int x = box.left() + 2 * g.line_width;
  // Narrow columns get smaller letters rather than labels that run into
  // the next box.
  const int room = box.width() - 4 * g.line_width;
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, TextWidth(painter, line));
  if (widest > room && room > 0) {
    painter.setFont(SansFont(std::max(1, g.s * room / widest), painter.device()));
  }
  int y = box.top() + g.s / 4;
  for (const QString& line : lines) {
    DrawTextAt(painter, x, y, line);
    y += g.s;
  }
  painter.restore();
}

std::vector<QString> BlankTotalsLabels() { return {"Runs:", "Hits:", "Errors:", "LOB:"}; }

}  // namespace scorewick::print
