#pragma once
// Fonts sized the way printed pages ask for them: by the height of a line
// of text (ascent plus descent) and, when given, the width of an average
// character, both in device units.  A "Courier New" font 96 units high and
// 48 wide draws 48-unit characters on 96-unit lines.
//
// "Courier New" and "Arial" are asked for by those names; on Linux the
// metric-compatible Liberation faces stand in for them.

#include <QFont>
#include <QString>

class QPaintDevice;

namespace scorewick::print {

inline constexpr const char* kFixedFace = "Courier New";
inline constexpr const char* kSansFace = "Arial";

struct CellFontRequest {
  QString family;
  int height = 0;  // ascent + descent in device units
  int width = 0;   // average character width; 0 = the face's own proportion
  bool italic = false;
  bool bold = false;
};

// The font for device (its metrics decide the sizes).
QFont CellFont(const CellFontRequest& request, const QPaintDevice* device);

// Shorthands.
QFont FixedFont(int height, int width, const QPaintDevice* device);
QFont SansFont(int height, const QPaintDevice* device, bool italic = false, bool bold = false);

// Width and height of "W" in font on device, rounded to device units.
int WidthOfW(const QFont& font, const QPaintDevice* device);
int HeightOfW(const QFont& font, const QPaintDevice* device);

}  // namespace scorewick::print
