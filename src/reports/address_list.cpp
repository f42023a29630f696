#include "reports/address_list.h"

#include "records/codes.h"
#include "records/csv_cell.h"
#include "reports/roster_text.h"

namespace scorewick::reports {
namespace {

constexpr const char* kColumns[] = {"Name",  "Phone", "Birthday", "Address", "City",
                                    "State", "Zip",   "e-mail",   "Note"};

// The nine values of a player's row, in column order.
std::vector<std::string> RowValues(const Team& team, int index) {
  const PLAYER_INFO& info = team.info(index);
  return {team.player(index).name.str(),
          info.phone.str(),
          BirthdayText(info),
          info.address.str(),
          info.city.str(),
          info.state.str(),
          info.zip.str(),
          info.email.str(),
          info.note.str()};
}

}  // namespace

std::string BirthdayText(const PLAYER_INFO& info) {
  if (!HasBirthday(info)) return "";
  return std::to_string(info.birth_month) + "/" + std::to_string(info.birth_day) + "/" +
         std::to_string(info.birth_year);
}

std::string AddressListCsv(const Team& team) {
  std::string out;
  for (const char* column : kColumns) out += std::string(out.empty() ? "" : ",") + column;
  for (int i = 0; i < team.count(); ++i) {
    std::vector<std::string> values = RowValues(team, i);
    out += "\n";
    for (std::size_t v = 0; v < values.size(); ++v) out += (v ? "," : "") + CsvCell(values[v]);
  }
  return out;
}

std::string AddressListHtml(const Team& team, const HtmlStyle& style, const LocalDateTime& when,
                            bool appending) {
  const FontTags tags = MakeFontTags(style);
  const std::string header = ColorText(style.header_color);
  std::string out;
  if (!appending) out += PageHead("Address/Phone List", style);
  out += "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1 WIDTH=1650>\n";
  out += "\n\t<th colspan=9 bgcolor=" + header + ">" + tags.header_open +
         HtmlText(team.team_name.view()) + tags.close + "</th>";
  out += "\n\t<tr bgcolor=" + header + ">";
  for (const char* column : kColumns) {
    out += std::string(column == kColumns[0] ? "<td width=250 align=left>" : "<td align=left>") +
           tags.header_open + column + tags.close + "</td>";
  }
  out += "</tr>";
  for (int i = 0; i < team.count(); ++i) {
    const std::uint32_t row = i % 2 == 0 ? style.primary_row_color : style.alternate_row_color;
    out += "\n\t<tr bgcolor=" + ColorText(row) + ">";
    std::vector<std::string> values = RowValues(team, i);
    for (std::size_t v = 0; v < values.size(); ++v) {
      std::string text = HtmlText(values[v]);
      if (v == 7) text = "<a href=\"mailto:" + text + "\">" + text + "</a>";
      out += "<td align=left>&nbsp;" + tags.body_open + text + tags.close + "</td>";
    }
    out += "</tr>";
  }
  out += PageFooter(when);
  return out;
}

std::vector<std::string> AddressBlock(const Team& team, int index) {
  const PLAYER& p = team.player(index);
  const PLAYER_INFO& info = team.info(index);
  return {"#" + UniformNumberText(p) + ", " + p.name.str() + ", " +
              std::string(PositionName(p.position)),
          info.address.str(),
          info.city.str() + ", " + info.state.str() + " " + info.zip.str(),
          info.phone.str(),
          BirthdayText(info),
          info.email.str(),
          info.note.str()};
}

}  // namespace scorewick::reports
