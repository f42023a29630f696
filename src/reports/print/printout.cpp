#include "reports/print/printout.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <span>

#include "records/file_io.h"

namespace scorewick::print {

int AppendPages(Printout& printout, PageTarget& target) {
  printout.BeginPrinting();
  int page = 0;
  do {
    QPainter* painter = target.BeginPage();
    if (painter == nullptr) return -1;
    ++page;
    printout.PrintPage(*painter, page, target.PageSize());
  } while (printout.HasPageAfter(page) && page < kMaxPrintedPages);
  return page;
}

int PrintPages(Printout& printout, PageTarget& target) {
  const int pages = AppendPages(printout, target);
  const bool finished = target.Finish();
  return pages >= 0 && finished ? pages : -1;
}

QPageLayout DefaultPdfLayout(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(0.25, 0.25, 0.25, 0.25),
                     QPageLayout::Inch);
}

Status PrintToPdf(Printout& printout, const std::string& path, const QPageLayout& layout) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(layout);
    writer.setTitle(printout.JobName());
    writer.setCreator("Brixley Scorewick");
    PagedDeviceTarget target(writer);
    if (PrintPages(printout, target) < 0) {
      return Status::Failed(path, "cannot write " + path + ": the PDF file could not be drawn");
    }
  }
  return SaveBytes(path, buffer.data());
}

Status SaveBytes(const std::string& path, const QByteArray& bytes) {
  return WriteFileAtomically(
      path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
}

}  // namespace scorewick::print
