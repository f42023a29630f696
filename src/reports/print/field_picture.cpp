#include "reports/print/field_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace scorewick::print {

QImage DrawFieldWithoutBases() {
  QImage image(kFieldWidth, kFieldHeight, QImage::Format_RGB32);
  image.fill(QColor(34, 96, 40));  // foul ground
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF home(kHomePlateX, kHomePlateY);
  // Fair territory: the quarter circle between the foul lines, its fence
  // 112 pixels from home plate.
  const double fence = 112;
  QPainterPath fair;
  fair.moveTo(home);
  fair.arcTo(QRectF(home.x() - fence, home.y() - fence, 2 * fence, 2 * fence), 45, 90);
  fair.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(58, 140, 58));
  p.drawPath(fair);
  // Warning track along the fence.
  p.setPen(QPen(QColor(150, 110, 70), 4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(home.x() - fence + 2, home.y() - fence + 2, 2 * fence - 4, 2 * fence - 4),
            45 * 16, 90 * 16);
  // Infield dirt: the arc behind the bases and the diamond's skin.
  const double dirt = 62;
  QPainterPath infield;
  infield.moveTo(home);
  infield.arcTo(QRectF(home.x() - dirt, home.y() - dirt, 2 * dirt, 2 * dirt), 45, 90);
  infield.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(184, 136, 86));
  p.drawPath(infield);
  // Infield grass inside the base paths (bases 38 pixels apart on the diagonals).
  const double side = 38 / 1.41421356;
  p.setBrush(QColor(58, 140, 58));
  p.drawPolygon(QPolygonF({home + QPointF(0, -6), home + QPointF(side - 5, -side),
                           home + QPointF(0, -2 * side + 5), home + QPointF(-side + 5, -side)}));
  // Pitcher's mound and the area around home plate.
  p.setBrush(QColor(184, 136, 86));
  p.drawEllipse(home + QPointF(0, -side), 4, 4);
  p.drawEllipse(home, 7, 7);
  // Foul lines to the fence.
  p.setPen(QPen(Qt::white, 1));
  const double reach = fence / 1.41421356;
  p.drawLine(home, home + QPointF(reach, -reach));
  p.drawLine(home, home + QPointF(-reach, -reach));
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({home + QPointF(-2, -2), home + QPointF(2, -2), home + QPointF(2, 0),
                           home + QPointF(0, 2), home + QPointF(-2, 0)}));
  return image;
}

}  // namespace scorewick::print
