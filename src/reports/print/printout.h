#pragma once
// A printout draws its pages one after another on a page target.  The
// same printout goes to the printer, to a PDF file or to a recording.

#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QSize>
#include <QString>
#include <string>

#include "records/status.h"
#include "reports/print/page_target.h"

namespace scorewick::print {

class Printout {
 public:
  virtual ~Printout() = default;
  // The name of the print job.
  virtual QString JobName() const = 0;
  // Called before the first page of each job.
  virtual void BeginPrinting() {}
  // Draws page number page (1 for the first page of this job) on a page
  // of size device units.
  virtual void PrintPage(QPainter& painter, int page, QSize size) = 0;
  // Whether another page follows page (asked after page is drawn).
  virtual bool HasPageAfter(int page) const = 0;
};

// No printout of ours comes near this many pages; a printout that asks for
// more has a fault, and the job stops there.
inline constexpr int kMaxPrintedPages = 5000;

// Prints every page of printout on target and finishes the target.
// Returns the number of pages printed, or -1 when the device failed.
int PrintPages(Printout& printout, PageTarget& target);
// The same without finishing, so that further printouts follow on the
// same target (one PDF file for the sections of a report).
int AppendPages(Printout& printout, PageTarget& target);

// The page of a PDF file: US letter, portrait, a quarter inch margin (the
// margin a printer keeps), at 1200 units to the inch.
QPageLayout DefaultPdfLayout(QPageLayout::Orientation orientation = QPageLayout::Portrait);

// Prints to a PDF file, written whole or not at all (through a temporary
// file and a rename).  Fails, with the reason and no message, when nothing
// was written.
Status PrintToPdf(Printout& printout, const std::string& path,
                  const QPageLayout& layout = DefaultPdfLayout());

// Writes the bytes of a drawn page or document as the whole file at path,
// or leaves the file as it was and says why.
Status SaveBytes(const std::string& path, const QByteArray& bytes);

}  // namespace scorewick::print
