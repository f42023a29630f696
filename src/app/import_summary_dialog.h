#pragma once
// The end of an import of Retrosheet files: what was written, and every
// game or file refused with its file, line and reason, one a line, so that
// a scorer who typed the file can find each mistake.

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

  // The refusals as shown, one a line.
  QString RefusalsText() const;

 private:
  QLabel* summary_;
  QPlainTextEdit* refusals_;
};

}  // namespace scorewick::app
