#pragma once
// TPhoneOut: the printed address list.  Every page carries the page header
// (the team's address list as its title, the page number and the date);
// below it, one block of seven lines per player in roster order, with a
// blank line between blocks, in "Courier New" sized for the longest line.
// A block is never split across two pages.

#include <string>
#include <vector>

#include "records/local_date.h"
#include "records/team.h"
#include "reports/print/printout.h"
#include "reports/print/text_layout.h"

namespace scorewick::print {

// The font is sized for lines of at least this many characters.
inline constexpr int kAddressMinLineWidth = 80;

class TPhoneOut : public Printout {
 public:
  explicit TPhoneOut(const Team& team);

  void set_today(const LocalDate& date) {
    dated_ = true;
    header_date_ = date;
  }
  const TextLayout& layout() const { return layout_; }
  // The page header's title.
  const QString& title() const { return title_; }

  QString JobName() const override { return title_; }
  void BeginPrinting() override;
  void PrintPage(QPainter& painter, int page, QSize size) override;
  bool HasPageAfter(int) const override { return next_block_ < blocks_.size(); }

 private:
  std::vector<std::vector<std::string>> blocks_;
  QString title_;
  bool dated_ = false;
  LocalDate header_date_;
  TextLayout layout_;
  std::size_t next_block_ = 0;
};

}  // namespace scorewick::print
