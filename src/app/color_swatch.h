#pragma once
// A swatch that shows one colour: its whole area, less a one-pixel margin
// on every side, filled with the colour.

#include <QWidget>
#include <cstdint>

namespace scorewick::app {

class ColorSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit ColorSwatch(QWidget* parent = nullptr);

  // Colours are 0x00BBGGRR, as the settings keep them.
  void set_color(std::uint32_t color);
  std::uint32_t color() const { return color_; }

  QSize sizeHint() const override { return QSize(60, 22); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t color_ = 0;
};

QColor ToQColor(std::uint32_t color);

}  // namespace scorewick::app
