#pragma once
// TSelectPosition: "Select Position", the 32 positions in a list under
// "Select Player's Position :" and an OK button.

#include <QDialog>

class QListWidget;

namespace scorewick::app {

class SelectPositionDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on position (a code from 0 to 31).
  SelectPositionDialog(int position, QWidget* parent);
  // The chosen position code.
  int position() const;

 private:
  QListWidget* list_;
};

}  // namespace scorewick::app
