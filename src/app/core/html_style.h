#pragma once
// The HTML styling of the settings, in the form the HTML writers take it.

#include "app/core/settings.h"
#include "reports/html_vocabulary.h"

namespace scorewick::app {

// System colour references are resolved with the classic palette, as the
// settings file writes them.
inline reports::HtmlStyle HtmlStyleOf(const Settings& s) {
  auto color = [](std::uint32_t c) { return ResolveColor(c, ClassicSystemColor); };
  reports::HtmlStyle style;
  style.page_bg_color = color(s.html_page_bg_color);
  style.header_color = color(s.html_header_color);
  style.primary_row_color = color(s.html_primary_row_color);
  style.alternate_row_color = color(s.html_alternate_row_color);
  style.font_color = color(s.html_font_color);
  style.header_font_color = color(s.html_header_font_color);
  style.font_face = s.html_font_face;
  style.body_font_size = s.html_body_font_size;
  style.header_font_size = s.html_header_font_size;
  if (s.html_use_bkground) style.background_image = s.html_bkground_image;
  return style;
}

}  // namespace scorewick::app
