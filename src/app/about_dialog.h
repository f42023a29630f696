#pragma once
// The About box: the program's name, version and what it is for.

#include <QDialog>

namespace scorewick::app {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace scorewick::app
