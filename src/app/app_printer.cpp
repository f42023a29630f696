#include "app/app_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace scorewick::app {

QPrinter& ApplicationPrinter() {
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) p->setOutputFormat(QPrinter::PdfFormat);
    return p;
  }();
  return *printer;
}

}  // namespace scorewick::app
