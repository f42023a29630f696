#include "app/import_summary_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/qt_ui.h"

namespace scorewick::app {

ImportSummaryDialog::ImportSummaryDialog(const interop::ImportSummary& summary,
                                         const std::string& folder,
                                         const std::vector<std::string>& replaced, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Import Games from Retrosheet Files");
  Build(summary.Line() + ", in " + folder + ".", summary.refusals,
        "Not imported:", "Imported, recorded in the nearest way or read past:", &replaced);
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
                                const char* refused_heading, const char* notes_heading,
                                const std::vector<std::string>* replaced) {
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(ToQString(line), this);
  summary_->setObjectName("summary");
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  // A game an import kept as it was is no fault: the summary line counts
  // it.  An export names each file it did not write.
  const bool importing = replaced != nullptr;
  QString refused, noted, written_over, clubs;
  for (const interop::ImportRefusal& r : messages) {
    if (!(importing && r.kept)) (r.note ? noted : refused) += ToQString(r.Text()) + "\n";
  }
  // An import names what it wrote over and its refused games by club.
  for (const std::string& name : importing ? *replaced : std::vector<std::string>())
    written_over += ToQString(name) + "\n";
  for (const interop::ClubRefusals& club :
       importing ? interop::RefusedGamesByClub(messages) : std::vector<interop::ClubRefusals>()) {
    clubs += ToQString(club.club) + QString(" (%1): ").arg(club.games.size());
    for (std::size_t i = 0; i < club.games.size(); ++i)
      clubs += (i ? ", " : "") + ToQString(club.games[i]);
    clubs += "\n";
  }
  refusals_ = AddList(refused_heading, "refusals", refused);
  clubs_ = AddList("The games refused, club by club:", "clubs", clubs);
  replaced_ = AddList("Written over the files already there:", "replaced", written_over);
  notes_ = AddList(notes_heading, "notes", noted);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QPlainTextEdit* ImportSummaryDialog::AddList(const char* heading, const char* name,
                                             const QString& text) {
  auto* label = new QLabel(heading, this);
  auto* lines = new QPlainTextEdit(this);
  lines->setObjectName(name);
  lines->setReadOnly(true);
  lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  lines->setPlainText(text);
  lines->setMinimumSize(720, 100);
  layout()->addWidget(label);
  layout()->addWidget(lines);
  label->setVisible(!text.isEmpty());
  lines->setVisible(!text.isEmpty());
  return lines;
}

QString ImportSummaryDialog::RefusalsText() const { return refusals_->toPlainText(); }

QString ImportSummaryDialog::NotesText() const { return notes_->toPlainText(); }

QString ImportSummaryDialog::ReplacedText() const { return replaced_->toPlainText(); }

QString ImportSummaryDialog::ClubsText() const { return clubs_->toPlainText(); }

}  // namespace scorewick::app
