#include "app/import_summary_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/qt_ui.h"

namespace scorewick::app {

ImportSummaryDialog::ImportSummaryDialog(const interop::ImportSummary& summary,
                                         const std::string& folder, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Import Games from Retrosheet Files");
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(ToQString(summary.Line() + ", in " + folder + "."), this);
  summary_->setObjectName("summary");
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  auto* heading = new QLabel("Not imported:", this);
  layout->addWidget(heading);
  refusals_ = new QPlainTextEdit(this);
  refusals_->setObjectName("refusals");
  refusals_->setReadOnly(true);
  refusals_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QString text;
  for (const interop::ImportRefusal& r : summary.refusals) text += ToQString(r.Text()) + "\n";
  refusals_->setPlainText(text);
  refusals_->setMinimumSize(720, 240);
  layout->addWidget(refusals_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString ImportSummaryDialog::RefusalsText() const { return refusals_->toPlainText(); }

}  // namespace scorewick::app
