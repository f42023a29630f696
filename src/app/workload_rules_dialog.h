#pragma once
// "Pitch Count Rules", opened from the Options dialog: the pitch-count
// rules of workload.txt in the start folder as a table, a row for each
// range of pitches thrown in a day (from, to or empty for "or more", the
// days of rest after it), and the most pitches a day.  Add Row continues
// the table after its last row, Remove Row takes out the rows chosen.  OK
// checks the table (a row that does not read is named with the reason,
// and the dialog stays open) and keeps the rules, in the text the file
// holds, for the Options dialog, which writes the file when it is itself
// confirmed; rules left as they were keep their text, comments and all.
// Defaults puts back the youth table.

#include <QDialog>
#include <optional>
#include <string>

#include "platform/ui.h"
#include "stats/workload_rules.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace scorewick::app {

class WorkloadRulesDialog : public QDialog {
  Q_OBJECT

 public:
  // path: the rules file, shown unless text (rules edited but not yet
  // written) is given; the youth table is shown when neither is there, or
  // when they do not read (the line under the table says why).
  WorkloadRulesDialog(const std::string& path, Ui& ui, QWidget* parent,
                      const std::optional<std::string>& text = std::nullopt);

  QTableWidget* table() const { return table_; }
  QSpinBox* max_box() const { return max_; }
  // Shows the rules in the table.
  void Show(const WorkloadRules& rules);
  // Adds a row after the last, starting where it ends.
  void AddRow();
  // Removes the rows chosen (the last when none is).
  void RemoveRows();
  // The rules the table states; nothing, with the reason naming the row,
  // when it does not read.
  std::optional<WorkloadRules> Rules(std::string* error) const;

  // After OK: the rules checked, as the file is to hold them.
  const std::string& text() const { return text_; }
  void accept() override;

 private:
  Ui& ui_;
  QTableWidget* table_ = nullptr;
  QSpinBox* max_ = nullptr;
  QLabel* note_ = nullptr;
  // The text the dialog opened on and its rules, kept when they are not changed.
  std::string opened_text_;
  std::optional<WorkloadRules> opened_rules_;
  std::string text_;
};

}  // namespace scorewick::app
