#include "reports/print/stats_printout.h"

#include <QBuffer>
#include <QPdfWriter>

#include "records/file_io.h"
#include "reports/print/list_box_out.h"
#include "reports/print/page_target.h"
#include "reports/print/printout.h"

namespace scorewick::print {

int PrintStatsSections(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& game_files, int page_width,
                       PageTarget& target) {
  int pages = 0;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    TListBoxOut out(sections[i], title);
    out.set_min_line_width(page_width);
    out.set_page_offset(pages);
    if (i + 1 == sections.size()) out.SetGameFilesTrailer(game_files);
    const int printed = AppendPages(out, target);
    if (printed < 0) return -1;
    pages += printed;
  }
  return pages;
}

Status PrintStatsToPdf(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& game_files, int page_width, bool landscape,
                       const std::string& path) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(
        DefaultPdfLayout(landscape ? QPageLayout::Landscape : QPageLayout::Portrait));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator("Brixley Scorewick");
    PagedDeviceTarget target(writer);
    const bool drawn = PrintStatsSections(sections, title, game_files, page_width, target) >= 0;
    if (!target.Finish() || !drawn) {
      return Status::Failed(path, "cannot write " + path + ": the PDF file could not be drawn");
    }
  }
  return SaveBytes(path, buffer.data());
}

}  // namespace scorewick::print
