#pragma once
// The field picture on which the plots mark where balls were hit: the
// handheld's own field, 166 by 130 pixels, home plate at (83, 117), foul
// lines at 45 degrees, without bases.  Drawn with QtGui only, so it can be
// made at build time without a display.

#include <QImage>

namespace scorewick::print {

inline constexpr int kFieldWidth = 166;
inline constexpr int kFieldHeight = 130;
inline constexpr int kHomePlateX = 83;
inline constexpr int kHomePlateY = 117;

QImage DrawFieldWithoutBases();

}  // namespace scorewick::print
