#include "reports/print/cell_font.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace scorewick::print {
namespace {

// Sizes are worked out from the face measured at this pixel size.
constexpr int kReferencePixels = 1000;

}  // namespace

QFont CellFont(const CellFontRequest& request, const QPaintDevice* device) {
  QFont font(request.family);
  font.setStyleHint(request.family == kFixedFace ? QFont::TypeWriter : QFont::SansSerif);
  font.setItalic(request.italic);
  font.setBold(request.bold);
  font.setKerning(false);
  font.setPixelSize(kReferencePixels);
  // Device-independent metrics: the font is sized in pixels, so the
  // measurement is the same on every device.
  const QFontMetricsF reference(font, device);
  const double cell = reference.ascent() + reference.descent();
  const int pixels =
      std::max(1, static_cast<int>(std::lround(request.height * kReferencePixels / cell)));
  font.setPixelSize(pixels);
  if (request.width > 0) {
    const QFontMetricsF sized(font, device);
    const double natural = request.family == kFixedFace ? sized.horizontalAdvance(QChar('W'))
                                                        : sized.averageCharWidth();
    if (natural > 0) {
      const int stretch = static_cast<int>(std::lround(100.0 * request.width / natural));
      font.setStretch(std::clamp(stretch, 1, 4000));
    }
  }
  return font;
}

QFont FixedFont(int height, int width, const QPaintDevice* device) {
  return CellFont({kFixedFace, height, width, false, false}, device);
}

QFont SansFont(int height, const QPaintDevice* device, bool italic, bool bold) {
  return CellFont({kSansFace, height, 0, italic, bold}, device);
}

int WidthOfW(const QFont& font, const QPaintDevice* device) {
  return static_cast<int>(std::lround(QFontMetricsF(font, device).horizontalAdvance(QChar('W'))));
}

int HeightOfW(const QFont& font, const QPaintDevice* device) {
  const QFontMetricsF m(font, device);
  return static_cast<int>(std::lround(m.ascent() + m.descent()));
}

}  // namespace scorewick::print
