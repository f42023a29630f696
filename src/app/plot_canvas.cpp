#include "app/plot_canvas.h"

#include <QPainter>

namespace scorewick::app {

PlotCanvas::PlotCanvas(QSize size, Draw draw, QWidget* parent)
    : QWidget(parent), draw_(std::move(draw)) {
  setFixedSize(size);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void PlotCanvas::paintEvent(QPaintEvent*) {
  ++paint_count_;
  QPainter painter(this);
  draw_(painter, width());
}

}  // namespace scorewick::app
