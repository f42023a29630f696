#include "reports/print/phone_out.h"

#include <algorithm>

#include "reports/address_list.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {

TPhoneOut::TPhoneOut(const Team& team) {
  for (int i = 0; i < team.count(); ++i) blocks_.push_back(reports::AddressBlock(team, i));
  const std::string name = team.team_name.str();
  title_ =
      FromCp1252(name.empty() ? std::string("Address/Phone List") : name + " Address/Phone List");
}

void TPhoneOut::BeginPrinting() {
  next_block_ = 0;
  layout_ = TextLayout();
  if (!dated_) header_date_ = Today();
}

void TPhoneOut::PrintPage(QPainter& painter, int page, QSize size) {
  if (layout_.unit == 0) {
    int width = kAddressMinLineWidth;
    for (const auto& block : blocks_) {
      for (const std::string& line : block) width = std::max(width, static_cast<int>(line.size()));
    }
    layout_ = FitTextLayout(size.width(), width, 0, painter.device());
  }
  painter.setFont(layout_.font);
  const int h = layout_.line_height;
  int y = DrawPageHeader(painter, size, page, title_, header_date_) + h;
  const int bottom = size.height() - 2 * h;
  bool first_on_page = true;
  while (next_block_ < blocks_.size()) {
    const auto& block = blocks_[next_block_];
    const int height = static_cast<int>(block.size()) * h;
    if (!first_on_page && y + height > bottom) return;
    for (const std::string& line : block) {
      DrawTextAt(painter, layout_.left_margin, y, FromCp1252(line));
      y += h;
    }
    y += h;
    ++next_block_;
    first_on_page = false;
  }
}

}  // namespace scorewick::print
