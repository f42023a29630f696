#pragma once
// The at-bat box: the little picture a scorer writes one batter's turn
// into.  A ballfield in a 167 by 145 frame (thick olive outline around
// white fair territory, thin grey foul lines, diamond and infield arc) and,
// in the top right corner, the count grid of two columns (strikes, balls)
// by three rows.  Blank sheets print it empty; the game sheet draws the
// recorded marks over it, in the same picture coordinates.

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>

namespace scorewick::print {

inline constexpr int kBoxPictureWidth = 167;
inline constexpr int kBoxPictureHeight = 145;

// The bases in picture coordinates.
inline constexpr QPointF kHomePlate{83, 117};
inline constexpr QPointF kFirstBase{106, 94};
inline constexpr QPointF kSecondBase{83, 71};
inline constexpr QPointF kThirdBase{60, 94};

// The count grid: the strike column spans x 138..151, the ball column
// x 153..166, each with three rows 14 high from y 0.
inline constexpr int kStrikeColumnLeft = 138;
inline constexpr int kBallColumnLeft = 153;
inline constexpr int kCountColumnWidth = 13;
inline constexpr int kCountRowHeight = 14;
inline constexpr int kCountRows = 3;

// Draws the picture stretched into box (vector drawing: any size, any
// device).  The painter's pen, brush and hints are left as they were.
void DrawAtBatBoxPicture(QPainter& painter, const QRectF& box);

// The picture drawn once at size device pixels, to be drawn into many
// boxes of that size: a printer or PDF file then holds one image that
// every box refers to, instead of the drawing again and again.
QImage RenderAtBatBoxPicture(QSize size);

// Keeps the rendered picture of the last size asked for.
class BoxPictureCache {
 public:
  const QImage& For(QSize size);

 private:
  QImage image_;
};

}  // namespace scorewick::print
