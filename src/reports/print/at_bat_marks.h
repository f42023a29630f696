#pragma once
// The marks a scorer makes in an at-bat box, drawn over (or without) the
// box picture for one recorded AT_BAT: the base paths the batter-runner
// ran, the diamond filled when he scored, the line to where the ball went,
// how he reached and how he moved up, his out (circle with the out number,
// K, backwards K, the out's letters, path and fielders), the count with
// pitch numbers, RBIs and whether his run was earned.
//
// Positions are picture coordinates (167 by 145) stretched into the box:
// (x, y) lands at (box left + x k, box top + y k), k the scale at which the
// picture fills the box.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <cstdint>

#include "records/at_bat.h"

namespace scorewick::print {

// The grey of the diamond of a run scored and of the filled count cells.
inline const QColor kRunDiamondGrey(96, 96, 96);
inline const QColor kCountCellGrey(185, 185, 185);

// Where the marks about a base's advance (or an out on the way) are
// written: beside the path to second, to third, and home.
inline constexpr QPointF kAdvanceLabelPoints[3] = {{101, 69}, {45, 69}, {50, 108}};

// A colour of the settings (0x00BBGGRR, red in the low byte).
inline QColor ColorFromColorRef(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

struct MarkStyle {
  QColor hit_line = QColor(0, 0, 255);
};

// Draws the marks of at-bats into boxes of one size.  The fonts, sized
// from the box width w, are made once:
//   large bold "Arial" w/6 (weight 600), huge light 0.6 w (weight 100),
//   medium w/8 and small w/12;
// pens: the hit line in the style's colour 2k wide, base paths black 4k.
class AtBatMarks {
 public:
  AtBatMarks(QSize box, double k, const QPaintDevice* device, const MarkStyle& style);

  // Draws ab's marks into the box whose top left corner is at.
  void Draw(QPainter& painter, QPoint at, const AT_BAT& ab) const;

 private:
  QPointF Point(QPointF picture) const;
  void DrawCentred(QPainter& painter, const QFont& font, double top, const QString& text) const;
  void DrawHitLine(QPainter& painter, const AT_BAT& ab) const;
  void DrawOut(QPainter& painter, const AT_BAT& ab) const;
  void DrawCount(QPainter& painter, const AT_BAT& ab) const;

  QSize size_;
  double k_;
  MarkStyle style_;
  QFont large_bold_;
  QFont huge_light_;
  QFont medium_;
  QFont small_;
  int large_height_ = 0;
  int huge_height_ = 0;
  int medium_height_ = 0;
  mutable QPoint at_;
};

}  // namespace scorewick::print
