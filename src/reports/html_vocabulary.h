#pragma once
// The pieces every HTML page of the program is made of: colours written as
// hexadecimal text, the three font tags, the page head and the page footer
// with its creation notice.  The writers put their own tables in between.
//
// Pages are written in the handheld's 8-bit character set, as the record
// texts stand; team, player and address texts are escaped (HtmlText) so
// that no name can break a page or add markup to it.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/local_date.h"

namespace scorewick::reports {

inline constexpr std::string_view kFixedWidthFace = "Fixed Width";
inline constexpr std::string_view kVariableWidthFace = "Variable Width";

// The HTML styling of the program's settings, passed in by the caller
// (colours are 0x00BBGGRR, red in the low byte, as the settings keep them).
struct HtmlStyle {
  std::uint32_t page_bg_color = 0xDFFFFD;
  std::uint32_t header_color = 0x804000;
  std::uint32_t primary_row_color = 0xFFFFFF;
  std::uint32_t alternate_row_color = 0xEEEEEE;
  std::uint32_t font_color = 0x000000;
  std::uint32_t header_font_color = 0xFFFFFF;
  std::string font_face{kFixedWidthFace};
  int body_font_size = 3;
  int header_font_size = 4;
  // The picture tiled behind the page, as the person named it (a name
  // beside the page or a full path); empty for none.
  std::string background_image;
};

// Six upper-case hexadecimal digits, red first, no "#": 0x00DFFFFD (red
// 253, green 255, blue 223) gives "FDFFDF".
std::string ColorText(std::uint32_t color);

// The open tags before a cell's text and the close tag after it.
//   "Fixed Width"     <tt><font color=C size=N> ... </font></tt>
//   "Variable Width"  <font color=C size=N> ... </font>
//   any other face    <font color=C face="F" size=N> ... </font>
// The face keywords are matched exactly (case-sensitive).
struct FontTags {
  std::string body_open;
  std::string header_open;
  std::string close;
};
FontTags MakeFontTags(const HtmlStyle& style);

// Text for the inside of an element or an attribute value: "<", ">", "&",
// '"' and "'" become entities; every other byte stands as it is.
std::string HtmlText(std::string_view text);

// "<HTML><HEAD><TITLE>Brixley Scorewick TITLE</TITLE></HEAD><BODY BGCOLOR=C>"
// with the title escaped; with a background image the body tag also reads
// BACKGROUND="IMAGE" (escaped), the colour showing until the picture loads.
std::string PageHead(std::string_view title, const HtmlStyle& style);

// Closes the table the writer left open, then the creation notice with the
// date as month/day (two digits)/year and the time with a blank before a
// single-digit hour ("on 7/03/2004 at  9:05:07"), and ends the page.
std::string PageFooter(const LocalDateTime& when);

}  // namespace scorewick::reports
