#include "app/plot_canvas.h"

#include <QPainter>
#include <algorithm>

namespace scorewick::app {

PlotCanvas::PlotCanvas(QSize size, Draw draw, QWidget* parent)
    : QWidget(parent), chart_(size), draw_(std::move(draw)) {
  setMinimumSize(size);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

double PlotCanvas::scale() const {
  return std::min(static_cast<double>(width()) / chart_.width(),
                  static_cast<double>(height()) / chart_.height());
}

void PlotCanvas::paintEvent(QPaintEvent*) {
  ++paint_count_;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double factor = scale();
  painter.translate((width() - chart_.width() * factor) / 2, 0);
  painter.scale(factor, factor);
  draw_(painter, chart_.width());
}

}  // namespace scorewick::app
