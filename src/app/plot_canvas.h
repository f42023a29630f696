#pragma once
// A fixed-size area of a plot window that paints itself with a drawing
// function (the plots' drawing code works on any QPainter).

#include <QWidget>
#include <functional>

namespace scorewick::app {

class PlotCanvas : public QWidget {
 public:
  using Draw = std::function<void(QPainter& painter, int width)>;
  PlotCanvas(QSize size, Draw draw, QWidget* parent);

  // How many times the canvas has been painted (tests watch repaints).
  int paint_count() const { return paint_count_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Draw draw_;
  int paint_count_ = 0;
};

}  // namespace scorewick::app
