#include "app/print_job.h"

#include <QPrintDialog>
#include <QPrinter>
#include <optional>

#include "app/app_printer.h"
#include "app/core/save_target.h"
#include "reports/print/page_target.h"
#include "reports/print/printer_orientation.h"
#include "reports/print/printout.h"

namespace scorewick::app {
namespace {

Session* pdf_session = nullptr;

}  // namespace

void UseSessionForPdfFiles(Session* session) { pdf_session = session; }

bool PrintOnApplicationPrinter(print::Printout& printout, Ui& ui, QWidget* parent) {
  return PrintOnApplicationPrinter(
      printout.JobName(),
      [&printout](print::PageTarget& target) { return print::AppendPages(printout, target); }, 0,
      ui, parent);
}

bool PrintOnApplicationPrinter(const QString& job_name,
                               const std::function<int(print::PageTarget&)>& draw, int orientation,
                               Ui& ui, QWidget* parent) {
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
    std::optional<FileChoice> choice =
        pdf_session ? ChooseFileToSave(*pdf_session, ui, FileKind::kPdf, request)
                    : ui.ChooseSaveFile(request);
    if (!choice || choice->path.empty()) return false;
    const auto path = SettleTarget(choice->path, kPdfType, "", ui);
    if (!path) return false;
    printer.setOutputFileName(QString::fromStdString(*path));
  }
  printer.setDocName(job_name);
  std::optional<print::TemporaryPrinterOrientation> turned;
  if (orientation != 0) turned.emplace(printer, orientation);
  print::PagedDeviceTarget target(printer);
  const bool drawn = draw(target) >= 0;
  if (!target.Finish() || !drawn) {
    ui.ShowMessage("The printer could not print " + job_name.toStdString() + ".", "Print Error",
                   MessageIcon::kExclamation);
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
