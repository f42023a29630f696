#include "reports/print/text_layout.h"

#include <algorithm>

#include "reports/print/cell_font.h"

namespace scorewick::print {

int InitialCharacterUnit(int page_width, int line_width) {
  return std::max(1, page_width / (std::max(0, line_width) + 6));
}

int FitCharacterUnit(int page_width, int line_width, int unit,
                     const std::function<int(int unit)>& width_of_w) {
  unit = std::max(1, unit);
  while (unit > 1) {
    const int w = width_of_w(unit);
    if (page_width - 2 * 4 * w >= w * line_width) break;
    --unit;
  }
  return unit;
}

TextLayout MakeTextLayout(int unit, const QPaintDevice* device) {
  TextLayout layout;
  layout.unit = unit;
  layout.font = FixedFont(2 * unit, unit, device);
  layout.char_width = WidthOfW(layout.font, device);
  layout.line_height = HeightOfW(layout.font, device);
  layout.left_margin = 4 * layout.char_width;
  layout.top_offset = 3 * layout.line_height;
  return layout;
}

TextLayout FitTextLayout(int page_width, int line_width, int unit, const QPaintDevice* device) {
  if (unit <= 0) unit = InitialCharacterUnit(page_width, line_width);
  unit = FitCharacterUnit(page_width, line_width, unit, [device](int u) {
    return WidthOfW(FixedFont(2 * u, u, device), device);
  });
  return MakeTextLayout(unit, device);
}

}  // namespace scorewick::print
