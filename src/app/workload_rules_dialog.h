#pragma once
// "Pitch Count Rules", opened from the Options dialog: the pitch-count
// rules of workload.txt in the start folder as the text the file holds,
// edited in place.  OK checks the text and writes the file (a text that
// does not read is shown with its line, and the dialog stays open);
// Defaults puts back the youth table.

#include <QDialog>
#include <string>

#include "platform/ui.h"

class QPlainTextEdit;

namespace scorewick::app {

class WorkloadRulesDialog : public QDialog {
  Q_OBJECT

 public:
  // path: the rules file; the youth table is shown when it is not there.
  WorkloadRulesDialog(std::string path, Ui& ui, QWidget* parent);

  QPlainTextEdit* editor() const { return editor_; }
  void accept() override;

 private:
  std::string path_;
  Ui& ui_;
  QPlainTextEdit* editor_ = nullptr;
};

}  // namespace scorewick::app
