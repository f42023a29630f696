#pragma once
// "Select Palm User": lists the Palm desktop users in the install aide's
// order.  OK stores the selected row (or -1 when none is selected) in the
// caller's index; closing the dialog any other way leaves it as it was
// (the caller sets it to -1).

#include <QDialog>

class QListWidget;

namespace scorewick::app {

class InstallAide;

class PalmUserDialog : public QDialog {
  Q_OBJECT

 public:
  PalmUserDialog(QWidget* parent, const InstallAide& aide, int* index);

  QListWidget* list() const { return list_; }

 private:
  void Ok();

  QListWidget* list_;
  int* index_;
};

}  // namespace scorewick::app
