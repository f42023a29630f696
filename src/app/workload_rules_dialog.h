#pragma once
// "Pitch Count Rules", opened from the Options dialog: the pitch-count
// rules of workload.txt in the start folder as the text the file holds,
// edited in place.  OK checks the text (a text that does not read is shown
// with its line, and the dialog stays open) and keeps it for the Options
// dialog, which writes the file when it is itself confirmed; Defaults puts
// back the youth table.

#include <QDialog>
#include <optional>
#include <string>

#include "platform/ui.h"

class QPlainTextEdit;

namespace scorewick::app {

class WorkloadRulesDialog : public QDialog {
  Q_OBJECT

 public:
  // path: the rules file, shown unless text (rules edited but not yet
  // written) is given; the youth table is shown when neither is there.
  WorkloadRulesDialog(const std::string& path, Ui& ui, QWidget* parent,
                      const std::optional<std::string>& text = std::nullopt);

  QPlainTextEdit* editor() const { return editor_; }
  // After OK: the rules checked, as the file is to hold them.
  const std::string& text() const { return text_; }
  void accept() override;

 private:
  Ui& ui_;
  QPlainTextEdit* editor_ = nullptr;
  std::string text_;
};

}  // namespace scorewick::app
