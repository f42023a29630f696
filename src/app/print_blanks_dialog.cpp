#include "app/print_blanks_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/remembered_position.h"
#include "reports/print/blank_sheets_out.h"

namespace scorewick::app {
namespace {

QSpinBox* Number(QWidget* parent, const char* name, int most, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(1, most);
  box->setValue(value);
  return box;
}

}  // namespace

PrintBlanksDialog::PrintBlanksDialog(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle("Select Print Options");
  print = [this](print::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };
  columns_ = Number(this, "columns", print::kMaxSheetColumns, print::kDefaultBlankColumns);
  rows_ = Number(this, "rows", print::kMaxSheetRows, print::kDefaultBlankRows);
  pages_ = Number(this, "pages", print::kMaxBlankPages, 1);
  auto* numbers = new QFormLayout;
  numbers->addRow("At-bat c&olumns per page:", columns_);
  numbers->addRow("&Number of positions:", rows_);
  numbers->addRow("Number of pa&ges:", pages_);

  auto* print_button = new QPushButton("&Print", this);
  print_button->setObjectName("print");
  print_button->setDefault(true);
  auto* setup = new QPushButton("Printer &Setup...", this);
  setup->setObjectName("printer_setup");
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("cancel");
  connect(print_button, &QPushButton::clicked, this, &PrintBlanksDialog::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print_button);
  buttons->addWidget(setup);
  buttons->addStretch();
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(numbers);
  layout->addLayout(buttons);
  RememberPosition(this, "PrintBlanks");
}

int PrintBlanksDialog::columns() const { return columns_->value(); }
int PrintBlanksDialog::rows() const { return rows_->value(); }
int PrintBlanksDialog::pages() const { return pages_->value(); }

void PrintBlanksDialog::Print() {
  print::TBlankSheetsOut sheets(columns(), rows(), pages());
  print(sheets);
  accept();
}

}  // namespace scorewick::app
