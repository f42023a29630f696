#include "reports/print/plot_printout.h"

#include <QFontMetrics>

#include "reports/maker.h"
#include "reports/print/cell_font.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {

PlotPrintout::PlotPrintout(QString title, QString files_heading,
                           std::vector<std::string> game_files)
    : title_(std::move(title)),
      files_heading_(std::move(files_heading)),
      game_files_(std::move(game_files)) {}

QString PlotPrintout::CreditText() {
  return "This page was created using " +
         QString::fromLatin1(reports::kMakerName.data(),
                             static_cast<qsizetype>(reports::kMakerName.size()));
}

void PlotPrintout::PrintPage(QPainter& painter, int page, QSize size) {
  const QFont text = SansFont(size.width() / 60, painter.device());
  painter.setFont(text);
  painter.setPen(Qt::black);
  const int line = HeightOfW(text, painter.device());
  const int left = 10 * WidthOfW(text, painter.device());
  const int right = size.width() - left;
  // The credit line stands two of its own lines above the foot; the list
  // stops a line above it.
  const int bottom = size.height() - 4 * (size.width() / 70);
  int y = 7 * line;
  std::size_t file = first_file_on_page_.at(static_cast<std::size_t>(page - 1));
  if (page == 1) {
    const QFont title_font = SansFont(size.width() / 40, painter.device(), false, true);
    painter.setFont(title_font);
    DrawTextAt(painter, (size.width() - TextWidth(painter, title_)) / 2, y, title_);
    y += 2 * HeightOfW(title_font, painter.device());
    painter.setFont(text);
    y = DrawPlot(painter, left, right, y, line) + line;
    DrawTextAt(painter, left, y, files_heading_);
    y += line;
  }
  for (; file < game_files_.size() && y + line <= bottom; ++file, y += line) {
    DrawTextAt(painter, left + 2 * WidthOfW(text, painter.device()), y,
               FromFileName(game_files_[file]));
  }
  if (first_file_on_page_.size() == static_cast<std::size_t>(page))
    first_file_on_page_.push_back(file);
  DrawCreditLine(painter, size, CreditText());
}

bool PlotPrintout::HasPageAfter(int page) const {
  const std::size_t next = static_cast<std::size_t>(page);
  // A page after the first that listed no file has no room for any: stop.
  return next < first_file_on_page_.size() && first_file_on_page_[next] < game_files_.size() &&
         (page == 1 || first_file_on_page_[next] > first_file_on_page_[next - 1]);
}

}  // namespace scorewick::print
