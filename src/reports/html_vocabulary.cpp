#include "reports/html_vocabulary.h"

#include "records/format_text.h"
#include "reports/maker.h"

namespace scorewick::reports {
namespace {

std::string FontOpen(std::string_view face, std::uint32_t color, int size) {
  const std::string c = ColorText(color);
  const std::string n = std::to_string(size);
  if (face == kVariableWidthFace) return "<font color=" + c + " size=" + n + ">";
  if (face == kFixedWidthFace) return "<tt><font color=" + c + " size=" + n + ">";
  return "<font color=" + c + " face=\"" + HtmlText(face) + "\" size=" + n + ">";
}

}  // namespace

std::string ColorText(std::uint32_t color) {
  return Format("%02X%02X%02X", color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu);
}

FontTags MakeFontTags(const HtmlStyle& style) {
  FontTags tags;
  tags.body_open = FontOpen(style.font_face, style.font_color, style.body_font_size);
  tags.header_open = FontOpen(style.font_face, style.header_font_color, style.header_font_size);
  tags.close = style.font_face == kFixedWidthFace ? "</font></tt>" : "</font>";
  return tags;
}

std::string HtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string PageHead(std::string_view title, const HtmlStyle& style) {
  std::string body = "<BODY BGCOLOR=" + ColorText(style.page_bg_color);
  if (!style.background_image.empty()) {
    body += " BACKGROUND=\"" + HtmlText(style.background_image) + "\"";
  }
  return "<HTML><HEAD><TITLE>" + std::string(kMakerName) + " " + HtmlText(title) +
         "</TITLE></HEAD>" + body + ">";
}

std::string PageFooter(const LocalDateTime& when) {
  const std::string stamp =
      Format(" on %d/%02d/%d at %2d:%02d:%02d", when.date.month, when.date.day, when.date.year,
             when.hour, when.minute, when.second);
  return "\n</TABLE>\n<P><font size=-1>This file was created with <A HREF=\"http://" +
         std::string(kMakerWebAddress) + "/\"><EM>" + std::string(kMakerName) + "</EM></A>" +
         stamp + "</font>\n</BODY></HTML>";
}

}  // namespace scorewick::reports
