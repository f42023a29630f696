#include "reports/team_html.h"

#include "records/codes.h"
#include "reports/roster_text.h"

namespace scorewick::reports {
namespace {

// A cell's text between font tags.
std::string Font(const std::string& open, const std::string& text, const FontTags& tags) {
  return open + text + tags.close;
}

}  // namespace

std::string TeamHtml(const Team& team, const HtmlStyle& style, const LocalDateTime& when,
                     bool appending) {
  const FontTags tags = MakeFontTags(style);
  const std::string header = ColorText(style.header_color);
  auto head = [&](const std::string& text) { return Font(tags.header_open, text, tags); };
  auto body = [&](const std::string& text) { return Font(tags.body_open, text, tags); };

  std::string out;
  if (!appending) out += PageHead(team.team_name.view(), style);
  out += "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1 WIDTH=600>\n";
  out += "\n\t<th colspan=6 bgcolor=" + header + ">" + head(HtmlText(team.team_name.view())) +
         "</th>\n";
  out += "\n\t<tr bgcolor=" + header + "><td colspan=6 align=left><b>" + head("Manager :") +
         "</b>" + head("&nbsp;" + HtmlText(team.manager.view())) + "</td>";
  out += "\n\t<tr bgcolor=" + header + "><td colspan=6 align=left><b>" + head("Coach :") + "</b>" +
         head("&nbsp;" + HtmlText(team.coach.view())) + "</td>";
  out += "\n\t<tr bgcolor=" + header + "><td align=center><b>" + head("#") +
         "</b></td><td width=250 align=left><b>" + head("Name") + "</b></td><td align=left><b>" +
         head("Pos") + "</b></td><td align=center><b>" + head("BO") +
         "</b></td><td align=center><b>" + head("Bats") + "</b></td><td align=center><b>" +
         head("Throws") + "</b></td></tr>";
  for (int i = 0; i < team.count(); ++i) {
    const PLAYER& p = team.player(i);
    const std::uint32_t row = i % 2 == 0 ? style.primary_row_color : style.alternate_row_color;
    out += "\n\t<tr bgcolor=" + ColorText(row) + "><td align=center>" + body(UniformNumberText(p)) +
           "</td><td align=left>" + body(HtmlText(p.name.view())) + "</td><td align=left>" +
           body(std::string(PositionName(p.position))) + "</td><td align=center>" +
           body(std::to_string(p.batting_order)) + "</td><td align=center>" +
           body(std::string(BatsText(p))) + "</td><td align=center>" +
           body(std::string(ThrowsText(p))) + "</td></tr>";
  }
  out += PageFooter(when);
  return out;
}

}  // namespace scorewick::reports
