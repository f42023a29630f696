#pragma once
// The end of an import of Retrosheet files: what was written, every game
// or file refused with its file, line and reason, one a line, so that a
// scorer who typed the file can find each mistake, and apart from them the
// notes of what the games imported were recorded with in the nearest way.

#include <QDialog>

#include "interop/retrosheet_import.h"

class QPlainTextEdit;
class QLabel;

namespace scorewick::app {

class ImportSummaryDialog : public QDialog {
  Q_OBJECT

 public:
  ImportSummaryDialog(const interop::ImportSummary& summary, const std::string& folder,
                      QWidget* parent = nullptr);

  // The refusals and the notes as shown, one a line.
  QString RefusalsText() const;
  QString NotesText() const;

 private:
  QLabel* summary_;
  QPlainTextEdit* refusals_;
  QPlainTextEdit* notes_;
};

}  // namespace scorewick::app
