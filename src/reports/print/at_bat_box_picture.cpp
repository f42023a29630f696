#include "reports/print/at_bat_box_picture.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace scorewick::print {
namespace {

const QColor kOlive(128, 128, 0);
const QColor kThinGrey(150, 150, 150);
const QColor kGridGrey(90, 90, 90);

// The outfield fence is an arc round home plate; the foul ground runs a
// little outside the foul lines and round behind the plate.
constexpr double kFenceRadius = 90;
constexpr double kFenceOverhang = 5;  // degrees beyond each foul line
constexpr double kBackstopRadius = 13;
// The infield arc is centred just behind the pitcher's mound.
constexpr QPointF kInfieldCentre{83, 96};
constexpr double kInfieldRadius = 33;

QPointF OnCircle(QPointF centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

QRectF CircleRect(QPointF centre, double radius) {
  return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

QPainterPath FieldOutline() {
  QPainterPath path;
  const double left = 135 + kFenceOverhang;
  const double right = 45 - kFenceOverhang;
  path.moveTo(OnCircle(kHomePlate, kFenceRadius, left));
  path.arcTo(CircleRect(kHomePlate, kFenceRadius), left, right - left);
  path.lineTo(OnCircle(kHomePlate, kBackstopRadius, -45));
  path.arcTo(CircleRect(kHomePlate, kBackstopRadius), -45, -90);
  path.closeSubpath();
  return path;
}

// Where the infield arc meets the foul line that leaves home at `degrees`.
double InfieldArcEnd(double degrees) {
  // Points home + t (cos, -sin) at distance kInfieldRadius from the centre.
  const double a = degrees * std::numbers::pi / 180;
  const double dx = kHomePlate.x() - kInfieldCentre.x();
  const double dy = kHomePlate.y() - kInfieldCentre.y();
  const double ux = std::cos(a), uy = -std::sin(a);
  const double b = dx * ux + dy * uy;
  const double c = dx * dx + dy * dy - kInfieldRadius * kInfieldRadius;
  const double t = -b + std::sqrt(b * b - c);
  const QPointF end(kHomePlate.x() + t * ux, kHomePlate.y() + t * uy);
  return std::atan2(kInfieldCentre.y() - end.y(), end.x() - kInfieldCentre.x()) * 180 /
         std::numbers::pi;
}

}  // namespace

void DrawAtBatBoxPicture(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(box.width() / kBoxPictureWidth, box.height() / kBoxPictureHeight);

  painter.setPen(QPen(kOlive, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(FieldOutline());

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kThinGrey, 0.8));
  const QPointF fence_left = OnCircle(kHomePlate, kFenceRadius, 135);
  const QPointF fence_right = OnCircle(kHomePlate, kFenceRadius, 45);
  painter.drawLine(kHomePlate, fence_left);
  painter.drawLine(kHomePlate, fence_right);
  const QPointF diamond[] = {kHomePlate, kFirstBase, kSecondBase, kThirdBase};
  painter.drawPolygon(diamond, 4);
  const double arc_right = InfieldArcEnd(45);
  const double arc_left = InfieldArcEnd(135);
  QPainterPath arc;
  arc.moveTo(OnCircle(kInfieldCentre, kInfieldRadius, arc_right));
  arc.arcTo(CircleRect(kInfieldCentre, kInfieldRadius), arc_right, arc_left - arc_right);
  painter.drawPath(arc);

  painter.setPen(QPen(kGridGrey, 0.8));
  for (int column : {kStrikeColumnLeft, kBallColumnLeft}) {
    for (int row = 0; row < kCountRows; ++row) {
      painter.drawRect(QRectF(column, row * kCountRowHeight, kCountColumnWidth, kCountRowHeight));
    }
  }
  painter.restore();
}

QImage RenderAtBatBoxPicture(QSize size) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawAtBatBoxPicture(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
  return image;
}

const QImage& BoxPictureCache::For(QSize size) {
  if (image_.size() != size) image_ = RenderAtBatBoxPicture(size);
  return image_;
}

}  // namespace scorewick::print
