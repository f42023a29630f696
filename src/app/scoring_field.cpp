#include "app/scoring_field.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "reports/print/field_picture.h"
#include "reports/print/zone_picture.h"

namespace scorewick::app {

namespace {

// The bases on the field picture: home, first, second, third.
constexpr QPoint kBases[4] = {{83, 117}, {104, 96}, {83, 75}, {62, 96}};
// A fielder's ring, in field pixels: at the smallest size the window gives
// the field, still a finger's width (9 mm).
constexpr double kRingRadius = 8.0;

}  // namespace

QPoint FielderSpot(int position) {
  static constexpr QPoint kSpots[10] = {{0, 0},   {83, 97}, {83, 126}, {110, 86}, {97, 68},
                                        {56, 86}, {69, 70}, {37, 44},  {83, 20},  {129, 44}};
  return position >= 1 && position <= 9 ? kSpots[position] : QPoint();
}

ScoringField::ScoringField(QWidget* parent)
    : QWidget(parent), field_(print::DrawFieldWithoutBases()) {
  setObjectName("scoringField");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setToolTip("Tap a fielder's ring to name him in the play, or the field where the ball went");
}

void ScoringField::SetRunners(const std::array<QString, 3>& names) {
  runners_ = names;
  update();
}

void ScoringField::SetMark(std::optional<QPoint> field_point) {
  mark_ = field_point;
  update();
}

void ScoringField::SetChosen(const std::vector<int>& fielders) {
  chosen_ = fielders;
  update();
}

double ScoringField::Scale() const {
  return std::min(width() / double(print::kFieldWidth), height() / double(print::kFieldHeight));
}

QPointF ScoringField::Origin() const {
  const double s = Scale();
  return {(width() - print::kFieldWidth * s) / 2, (height() - print::kFieldHeight * s) / 2};
}

QPoint ScoringField::WidgetPoint(QPoint p) const {
  const QPointF o = Origin();
  return QPointF(o.x() + p.x() * Scale(), o.y() + p.y() * Scale()).toPoint();
}

QRect ScoringField::FielderRing(int position) const {
  const QPoint c = WidgetPoint(FielderSpot(position));
  const int r = static_cast<int>(kRingRadius * Scale());
  return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

void ScoringField::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.fillRect(rect(), QColor(34, 102, 51));
  const double s = Scale();
  const QPointF o = Origin();
  painter.drawImage(QRectF(o.x(), o.y(), print::kFieldWidth * s, print::kFieldHeight * s), field_);
  // The bases, and the runners on them.
  QFont font = painter.font();
  font.setPointSizeF(std::max(9.0, s * 4.2));
  font.setBold(true);
  painter.setFont(font);
  for (int base = 0; base < 4; ++base) {
    const QPoint c = WidgetPoint(kBases[base]);
    const double half = 2.5 * s;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - half), QPointF(c.x() + half, c.y()),
                                   QPointF(c.x(), c.y() + half), QPointF(c.x() - half, c.y())}));
    if (base == 0 || runners_[static_cast<std::size_t>(base - 1)].isEmpty()) continue;
    const QString& name = runners_[static_cast<std::size_t>(base - 1)];
    const QRect text = painter.fontMetrics().boundingRect(name).adjusted(-6, -3, 6, 3);
    QRect box(0, 0, text.width(), text.height());
    box.moveCenter(QPoint(c.x(), c.y() + static_cast<int>(7 * s)));
    box.moveLeft(std::clamp(box.left(), 0, std::max(0, width() - box.width())));
    painter.setBrush(QColor(255, 236, 140));
    painter.drawRoundedRect(box, 4, 4);
    painter.drawText(box, Qt::AlignCenter, name);
  }
  // The fielders' rings, lit in the order they were tapped.
  for (int position = 1; position <= 9; ++position) {
    const QRect ring = FielderRing(position);
    const auto at = std::find(chosen_.begin(), chosen_.end(), position);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(at != chosen_.end() ? QColor(220, 60, 40) : QColor(20, 50, 120, 210));
    painter.drawEllipse(ring);
    painter.drawText(ring, Qt::AlignCenter, QString::number(position));
  }
  if (mark_) {
    print::DrawBallMarker(painter, WidgetPoint(*mark_), s / 2, QColor(255, 80, 0));
  }
}

void ScoringField::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (int position = 1; position <= 9; ++position) {
    const QRect ring = FielderRing(position);
    const QPoint d = at - ring.center();
    if (d.x() * d.x() + d.y() * d.y() <= ring.width() * ring.width() / 4) {
      emit fielderTapped(position);
      return;
    }
  }
  const QPointF o = Origin();
  const double s = Scale();
  const int x = static_cast<int>((at.x() - o.x()) / s), y = static_cast<int>((at.y() - o.y()) / s);
  if (x < 0 || y < 0 || x >= print::kFieldWidth || y >= print::kFieldHeight) return;
  emit placeTapped(QPoint(x, y));
}

}  // namespace scorewick::app
