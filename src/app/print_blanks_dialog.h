#pragma once
// Print Blank Scoresheets ("Select Print Options"): how many at-bat
// columns (1 to 15, 9 to start with), line-up positions (1 to 15, 9) and
// pages (1 to 100, 1) of blank score sheets to print.  Print prints them
// and closes the dialog; Printer Setup runs the printer's set-up; Cancel
// closes.

#include <QDialog>

#include "app/print_job.h"
#include "platform/ui.h"

class QSpinBox;

namespace scorewick::app {

class PrintBlanksDialog : public QDialog {
  Q_OBJECT

 public:
  PrintBlanksDialog(Ui& ui, QWidget* parent);

  int columns() const;
  int rows() const;
  int pages() const;

  // Prints the sheets.  Tests replace it.
  PrintRunner print;

 private:
  void Print();

  Ui& ui_;
  QSpinBox* columns_ = nullptr;
  QSpinBox* rows_ = nullptr;
  QSpinBox* pages_ = nullptr;
};

}  // namespace scorewick::app
