#pragma once
// The strike zone of the scoring window, seen from behind the catcher: a
// tap marks where the next pitch crossed (the pitch chart's coordinates),
// and the pitch type chosen beside it goes with that pitch.  Both are
// optional and are cleared once the pitch is written.

#include <QComboBox>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>
#include <string>

namespace scorewick::app {

class StrikeZonePad : public QWidget {
  Q_OBJECT

 public:
  explicit StrikeZonePad(QWidget* parent = nullptr);

  // The details of the next pitch as the book writes them after its letter
  // ("/SL/60,100"), empty when none is given.
  std::string Details() const;
  void Clear();
  // Where on the widget a point of the zone picture is.
  QPoint WidgetPoint(QPoint zone_point) const;
  QComboBox* types() const { return types_; }

  QSize sizeHint() const override { return {110, 200}; }
  QSize minimumSizeHint() const override { return {96, 170}; }

 signals:
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRectF Picture() const;

  QImage zone_;
  QComboBox* types_;
  std::optional<QPoint> mark_;
};

}  // namespace scorewick::app
