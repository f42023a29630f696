#include "app/print_job.h"

#include <QPrintDialog>
#include <QPrinter>

#include "app/app_printer.h"
#include "reports/print/page_target.h"
#include "reports/print/printout.h"

namespace scorewick::app {

bool PrintOnApplicationPrinter(print::Printout& printout, Ui& ui, QWidget* parent) {
  QPrinter& printer = ApplicationPrinter();
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle("Print");
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
    FileDialogRequest request;
    request.title = "Print to PDF File";
    request.filter = "PDF File (*.pdf)|*.pdf|";
    request.default_extension = "pdf";
    std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
    if (!choice) return false;
    printer.setOutputFileName(QString::fromStdString(choice->path));
  }
  printer.setDocName(printout.JobName());
  print::PagedDeviceTarget target(printer);
  if (print::PrintPages(printout, target) < 0) {
    ui.ShowMessage("The printer could not print " + printout.JobName().toStdString() + ".",
                   "Print Error", MessageIcon::kExclamation);
    return false;
  }
  return true;
}

void RunPrinterSetupDialog(QWidget* parent) {
  QPrintDialog dialog(&ApplicationPrinter(), parent);
  dialog.setWindowTitle("Printer Setup");
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  dialog.exec();
}

}  // namespace scorewick::app
