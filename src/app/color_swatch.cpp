#include "app/color_swatch.h"

#include <QPainter>

namespace scorewick::app {

QColor ToQColor(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) { setMinimumSize(24, 16); }

void ColorSwatch::set_color(std::uint32_t color) {
  color_ = color;
  update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The margin is outlined so that a pale colour still shows its edge.
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(color_));
}

}  // namespace scorewick::app
