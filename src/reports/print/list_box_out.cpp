#include "reports/print/list_box_out.h"

#include <QFontMetrics>
#include <algorithm>

#include "records/format_text.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {

TListBoxOut::TListBoxOut(std::vector<std::string> lines, std::string title)
    : lines_(std::move(lines)), title_(FromCp1252(std::string_view(title).substr(0, 255))) {}

void TListBoxOut::SetLogos(std::string first, std::string second) {
  logo_files_[0] = std::move(first);
  logo_files_[1] = std::move(second);
}

void TListBoxOut::SetGameFilesTrailer(std::vector<std::string> paths) {
  trailer_ = Trailer::kGameFiles;
  game_files_ = std::move(paths);
}

void TListBoxOut::SetGameTrailer(const Game& game) {
  trailer_ = Trailer::kGame;
  const GameHeader& h = game.header;
  const int month = h.month, day = h.day, year = h.year;
  game_line_ = Format("%s VS %s played on %d/%d/%d at %s", game.visitor.team_name.str().c_str(),
                      game.home.team_name.str().c_str(), month, day, year, h.field.str().c_str());
}

void TListBoxOut::BeginPrinting() {
  next_line_ = 0;
  more_pages_ = false;
  trailer_done_ = trailer_ == Trailer::kNone;
  trailer_begun_ = false;
  next_file_ = 0;
  first_unit_ = 0;
  layout_ = TextLayout();
  header_date_ = today_ ? *today_ : Today();
  for (int i = 0; i < 2; ++i) {
    logos_[i].reset();
    if (logo_files_[i].empty()) continue;
    QImage logo(QString::fromStdString(logo_files_[i]));
    if (!logo.isNull()) logos_[i] = std::move(logo);
  }
}

void TListBoxOut::LayOutFirstPage(QSize size, const QPaintDevice* device) {
  int width = line_width_;
  if (width == 0) {
    for (const std::string& line : lines_) width = std::max(width, static_cast<int>(line.size()));
  }
  if (line_width_ == 0) line_width_ = width;
  width = std::max(width, min_line_width_);
  first_unit_ = InitialCharacterUnit(size.width(), width);
  layout_ = FitTextLayout(size.width(), width, first_unit_, device);
}

int TListBoxOut::DrawLogos(QPainter& painter, QSize size, int y) {
  int tallest = -1;
  for (int i = 0; i < 2; ++i) {
    if (!logos_[i]) continue;
    const QImage& logo = *logos_[i];
    const int width = size.width() / 12;
    const int height = logo.width() > 0 ? logo.height() * width / logo.width() : 0;
    const int x = i == 0 ? layout_.left_margin : size.width() - layout_.left_margin - width;
    painter.drawImage(QRect(x, y, width, height), logo);
    tallest = std::max(tallest, height);
  }
  return y + (tallest >= 0 ? tallest : layout_.line_height / 2);
}

bool TListBoxOut::DrawTrailer(QPainter& painter, QSize size, int y) {
  const int left = layout_.left_margin;
  const int h = layout_.line_height;
  if (trailer_ == Trailer::kGame) {
    DrawTextAt(painter, left, y, FromCp1252(game_line_));
    return true;
  }
  if (next_file_ == 0) {
    DrawTextAt(painter, left, y, "Using game files :");
    y += h;
  }
  // The files run on, line after line and page after page (a season's
  // thousands of games fill pages of their own); each page lists at least
  // one, however small it is.
  const int right = size.width() - left;
  int x = left;
  bool listed = false;
  for (; next_file_ < game_files_.size(); ++next_file_) {
    QString text = FromFileName(game_files_[next_file_]);
    if (next_file_ + 1 < game_files_.size()) text += ", ";
    const int width = TextWidth(painter, text);
    if (x + width > right && x != left) {
      x = left;
      y += h;
    }
    if (y > size.height() - 4 * h && listed) return false;
    DrawTextAt(painter, x, y, text);
    x += width;
    listed = true;
  }
  return true;
}

void TListBoxOut::PrintPage(QPainter& painter, int page, QSize size) {
  more_pages_ = false;
  if (credit_line_) DrawCreditLine(painter, size);
  if (first_unit_ == 0) LayOutFirstPage(size, painter.device());
  painter.setFont(layout_.font);
  int y = DrawPageHeader(painter, size, page + page_offset_, title_, header_date_);
  y = DrawLogos(painter, size, y);

  const int h = layout_.line_height;
  const std::size_t first_line = next_line_;
  while (next_line_ < lines_.size()) {
    std::string_view line = lines_[next_line_];
    if (line_width_ > 0 && line.size() > static_cast<std::size_t>(line_width_)) {
      line = line.substr(0, static_cast<std::size_t>(line_width_));
    }
    DrawTextAt(painter, layout_.left_margin, y, FromCp1252(line));
    y += h;
    ++next_line_;
    if (y > size.height() - 4 * h) {
      // A page that ends the text exactly leaves only the trailer, if
      // any, for the next page.
      more_pages_ = next_line_ < lines_.size() || !trailer_done_;
      return;
    }
  }
  if (trailer_done_) return;
  // A trailer that does not fit below the text goes on a page of its own
  // (where it is drawn even when the page is too small to hold it).
  if (!trailer_begun_ && y > size.height() - 5 * h && next_line_ > first_line) {
    more_pages_ = true;
    return;
  }
  trailer_begun_ = true;
  trailer_done_ = DrawTrailer(painter, size, y);
  more_pages_ = !trailer_done_;
}

}  // namespace scorewick::print
