#pragma once
// "Select Palm User": lists the Palm desktop users in the install aide's
// order.  OK stores the selected row in the caller's index; OK with no
// row selected says so and keeps the dialog open.  Cancel, or closing the
// dialog any other way, leaves the index as it was (the caller sets it to
// -1).

#include <QDialog>

class QListWidget;

namespace scorewick {
class InstallAide;
class Ui;
}  // namespace scorewick
namespace scorewick::app {

class PalmUserDialog : public QDialog {
  Q_OBJECT

 public:
  PalmUserDialog(QWidget* parent, const InstallAide& aide, Ui& ui, int* index);

  QListWidget* list() const { return list_; }

 private:
  void Ok();

  QListWidget* list_;
  Ui& ui_;
  int* index_;
};

}  // namespace scorewick::app
