#include "app/strike_zone_pad.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "reports/print/zone_picture.h"

namespace scorewick::app {

namespace {

constexpr int kZoneWidth = 118;
constexpr int kZoneHeight = 188;
// The pitch types the book knows, with their names.
constexpr const char* kTypes[][2] = {
    {"", "Pitch type"}, {"FB", "Fastball"},  {"SF", "Split-finger"}, {"FK", "Forkball"},
    {"SI", "Sinker"},   {"CB", "Curve"},     {"SC", "Screwball"},    {"KN", "Knuckleball"},
    {"SL", "Slider"},   {"CH", "Change-up"}, {"BO", "Brush-off"},    {"BR", "Breaking ball"},
    {"OT", "Other"}};

}  // namespace

StrikeZonePad::StrikeZonePad(QWidget* parent)
    : QWidget(parent), zone_(print::DrawZonePicture()), types_(new QComboBox(this)) {
  setObjectName("strikeZone");
  types_->setObjectName("pitchType");
  for (const auto& type : kTypes) types_->addItem(type[1], QString(type[0]));
  types_->setMinimumHeight(36);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  layout->addWidget(types_);
  setToolTip("Tap where the next pitch crossed (optional)");
  connect(types_, &QComboBox::currentIndexChanged, this, &StrikeZonePad::changed);
}

std::string StrikeZonePad::Details() const {
  std::string text;
  const QString type = types_->currentData().toString();
  if (!type.isEmpty()) text += "/" + type.toStdString();
  if (mark_) text += "/" + std::to_string(mark_->x()) + "," + std::to_string(mark_->y());
  return text;
}

void StrikeZonePad::Clear() {
  mark_.reset();
  types_->setCurrentIndex(0);
  update();
}

QRectF StrikeZonePad::Picture() const {
  const int room = height() - types_->height() - 6;
  const double s = std::min(width() / double(kZoneWidth), room / double(kZoneHeight));
  return {(width() - kZoneWidth * s) / 2, 0, kZoneWidth * s, kZoneHeight * s};
}

QPoint StrikeZonePad::WidgetPoint(QPoint p) const {
  const QRectF r = Picture();
  return QPointF(r.x() + p.x() * r.width() / kZoneWidth, r.y() + p.y() * r.height() / kZoneHeight)
      .toPoint();
}

void StrikeZonePad::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF r = Picture();
  painter.drawImage(r, zone_);
  if (mark_) {
    print::DrawBallMarker(painter, WidgetPoint(*mark_), r.width() / kZoneWidth, QColor(255, 80, 0));
  }
}

void StrikeZonePad::mousePressEvent(QMouseEvent* event) {
  const QRectF r = Picture();
  const QPointF at = event->position();
  if (!r.contains(at)) return;
  mark_ = QPoint(static_cast<int>((at.x() - r.x()) * kZoneWidth / r.width()),
                 static_cast<int>((at.y() - r.y()) * kZoneHeight / r.height()));
  update();
  emit changed();
}

}  // namespace scorewick::app
