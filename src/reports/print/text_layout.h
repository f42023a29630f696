#pragma once
// The fixed-width text of printouts: a "Courier New" font sized so that
// the longest line just fits the page width.
//
// The character unit starts at page width / (line width + 6); the font is
// 2 units high and 1 unit wide; the left margin is four widths of "W" and
// the line height the height of "W".  While the line and both margins do
// not fit the page, the unit is lowered by one and the font made again.

#include <QFont>
#include <functional>

class QPaintDevice;

namespace scorewick::print {

int InitialCharacterUnit(int page_width, int line_width);

// The unit left after the fitting loop: lowered from unit while
// page_width - 8 * w(unit) < w(unit) * line_width, where w(unit) is the
// width of "W" in the font made for that unit.  Never below 1.
int FitCharacterUnit(int page_width, int line_width, int unit,
                     const std::function<int(int unit)>& width_of_w);

struct TextLayout {
  int unit = 0;
  QFont font;
  int char_width = 0;   // width of "W"
  int line_height = 0;  // height of "W"
  int left_margin = 0;  // 4 widths of "W"
  int top_offset = 0;   // 3 line heights
};

// The font and measures for unit on device (no fitting).
TextLayout MakeTextLayout(int unit, const QPaintDevice* device);
// Fits line_width characters on a page page_width wide, starting from
// unit (0 = the initial unit for that width).
TextLayout FitTextLayout(int page_width, int line_width, int unit, const QPaintDevice* device);

}  // namespace scorewick::print
