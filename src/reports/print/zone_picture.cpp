#include "reports/print/zone_picture.h"

#include <QPainterPath>
#include <QPolygonF>

#include "stats/pitcher_info.h"

namespace scorewick::print {

QImage DrawZonePicture() {
  QImage image(kZoneWidth, kZoneHeight, QImage::Format_RGB32);
  image.fill(QColor(228, 232, 236));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF zone(kZoneLeft, kZoneTop, kZoneRight - kZoneLeft, kZoneBottom - kZoneTop);
  // Home plate below the zone, as wide as it, seen at a slant.
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  const double plate_top = kZoneBottom + 30;
  p.drawPolygon(
      QPolygonF({QPointF(zone.left(), plate_top), QPointF(zone.right(), plate_top),
                 QPointF(zone.right(), plate_top + 5), QPointF(zone.center().x(), plate_top + 11),
                 QPointF(zone.left(), plate_top + 5)}));
  // The batter's boxes either side of the plate.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.drawRect(QRectF(4, plate_top - 14, 24, 34));
  p.drawRect(QRectF(kZoneWidth - 28, plate_top - 14, 24, 34));
  // The zone, its thirds marked.
  p.setBrush(QColor(255, 255, 255, 140));
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(zone);
  p.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashLine));
  for (int i = 1; i < 3; ++i) {
    const double y = zone.top() + zone.height() * i / 3.0;
    p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
    const double x = zone.left() + zone.width() * i / 3.0;
    p.drawLine(QPointF(x, zone.top()), QPointF(x, zone.bottom()));
  }
  return image;
}

void DrawBallMarker(QPainter& painter, QPointF centre, double scale, const QColor& color) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double radius = kBallMarkerSize * scale / 2.0;
  painter.setPen(QPen(QColor(40, 40, 40), std::max(1.0, scale / 2.0)));
  painter.setBrush(color);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

}  // namespace scorewick::print
