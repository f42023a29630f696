#pragma once
// The field of the scoring window: the diamond with the runners' names on
// their bases, a ring for each fielder to tap (6, 4, 3 for a 6-4-3 double
// play), and the rest of the field to tap where the ball went (a point of
// the spray chart's field, 166 by 130).

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

namespace scorewick::app {

class ScoringField : public QWidget {
  Q_OBJECT

 public:
  explicit ScoringField(QWidget* parent = nullptr);

  // The runners' names by base (1..3 at 0..2), empty where the base is empty.
  void SetRunners(const std::array<QString, 3>& names);
  // Where the ball went, marked; none to clear.
  void SetMark(std::optional<QPoint> field_point);
  // The fielders tapped so far, shown lit in order.
  void SetChosen(const std::vector<int>& fielders);

  // Where on the widget a point of the field is, and a fielder's ring.
  QPoint WidgetPoint(QPoint field_point) const;
  QRect FielderRing(int position) const;

  QSize sizeHint() const override { return {500, 400}; }
  QSize minimumSizeHint() const override { return {332, 260}; }

 signals:
  void fielderTapped(int position);
  void placeTapped(QPoint field_point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  double Scale() const;
  QPointF Origin() const;

  QImage field_;
  std::array<QString, 3> runners_;
  std::optional<QPoint> mark_;
  std::vector<int> chosen_;
};

// Where each fielder stands on the field picture (1..9).
QPoint FielderSpot(int position);

}  // namespace scorewick::app
