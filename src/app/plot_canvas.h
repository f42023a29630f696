#pragma once
// The area of a plot window that paints itself with a drawing function
// (the plots' drawing code works on any QPainter).  The chart is drawn at
// its own size and, when the window gives the canvas more room, scaled up
// to fill it, centred.

#include <QWidget>
#include <functional>

namespace scorewick::app {

class PlotCanvas : public QWidget {
 public:
  using Draw = std::function<void(QPainter& painter, int width)>;
  // size: the chart's own size, the canvas's least.
  PlotCanvas(QSize size, Draw draw, QWidget* parent);

  QSize sizeHint() const override { return chart_; }
  // How much the chart is enlarged in the canvas as it now is.
  double scale() const;

  // How many times the canvas has been painted (tests watch repaints).
  int paint_count() const { return paint_count_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize chart_;
  Draw draw_;
  int paint_count_ = 0;
};

}  // namespace scorewick::app
