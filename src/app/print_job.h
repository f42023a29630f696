#pragma once
// Printing from the dialogs: the platform's print dialog over the
// program's one printer, then the printout's pages.  With no printer
// installed the printer writes a PDF file, whose name is asked for.

#include <QString>
#include <functional>

#include "app/core/session.h"
#include "platform/ui.h"

class QWidget;

namespace scorewick::print {
class PageTarget;
class Printout;
}  // namespace scorewick::print

namespace scorewick::app {

// Asks for the printer (and its set-up) and prints.  False when the person
// cancelled or the printer failed (which is reported through ui).
bool PrintOnApplicationPrinter(print::Printout& printout, Ui& ui, QWidget* parent);

// The same for pages drawn by draw (which returns the pages it drew, or -1
// when the device failed), in the orientation given (print::kPortrait or
// print::kLandscape; 0 keeps the printer's), which the printer gets back
// afterwards.
bool PrintOnApplicationPrinter(const QString& job_name,
                               const std::function<int(print::PageTarget&)>& draw, int orientation,
                               Ui& ui, QWidget* parent);

// The session whose folders the PDF file's dialog starts in and
// remembers (the main window's, for its life); without one the dialog
// starts where the platform chooses.
void UseSessionForPdfFiles(Session* session);

// The printer set-up dialog of the dialogs that print.
void RunPrinterSetupDialog(QWidget* parent);

// How a dialog prints; tests put a recording in its place.
using PrintRunner = std::function<void(print::Printout& printout)>;

}  // namespace scorewick::app
