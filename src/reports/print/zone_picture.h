#pragma once
// The strike-zone picture the pitch charts mark pitches on, and the ball
// marker.  The picture matches the coordinates the handheld records pitch
// locations in: 118 by 188 pixels, the zone itself x 35..83, y 62..126,
// seen from behind the catcher, home plate below the zone.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <cstdint>

namespace scorewick::print {

QImage DrawZonePicture();

// Diameter of the ball marker in picture pixels.
inline constexpr int kBallMarkerSize = 8;

// The colours of the three kinds of pitch, from the settings (0x00BBGGRR
// values).
struct PitchColors {
  std::uint32_t strike = 0x80FFFF;
  std::uint32_t ball = 0xFFFF80;
  std::uint32_t hit = 0x0000FF;
};

// A ball of the colour centred on centre (device units), scale times the
// marker's size, with a dark seam so that pale colours show on white.
void DrawBallMarker(QPainter& painter, QPointF centre, double scale, const QColor& color);

}  // namespace scorewick::print
