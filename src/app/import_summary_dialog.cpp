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
  Build(summary.Line() + ", in " + folder + ".", summary.refusals,
        "Not imported:", "Imported, recorded in the nearest way or read past:");
}

ImportSummaryDialog::ImportSummaryDialog(const interop::ExportSummary& summary,
                                         const std::string& folder, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Export Games to Retrosheet");
  Build(summary.Line() + ", in " + folder + ".", summary.messages,
        "Not written:", "Written, without what Retrosheet's files cannot hold:");
}

void ImportSummaryDialog::Build(const std::string& line,
                                const std::vector<interop::ImportRefusal>& messages,
                                const char* refused_heading, const char* notes_heading) {
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(ToQString(line), this);
  summary_->setObjectName("summary");
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  QString refused, noted;
  for (const interop::ImportRefusal& r : messages)
    (r.note ? noted : refused) += ToQString(r.Text()) + "\n";
  // A list under its heading, shown when it has lines.
  auto list = [&](const char* heading, const char* name, const QString& text) {
    auto* label = new QLabel(heading, this);
    auto* lines = new QPlainTextEdit(this);
    lines->setObjectName(name);
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lines->setPlainText(text);
    lines->setMinimumSize(720, 160);
    layout->addWidget(label);
    layout->addWidget(lines);
    label->setVisible(!text.isEmpty());
    lines->setVisible(!text.isEmpty());
    return lines;
  };
  refusals_ = list(refused_heading, "refusals", refused);
  notes_ = list(notes_heading, "notes", noted);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString ImportSummaryDialog::RefusalsText() const { return refusals_->toPlainText(); }

QString ImportSummaryDialog::NotesText() const { return notes_->toPlainText(); }

}  // namespace scorewick::app
