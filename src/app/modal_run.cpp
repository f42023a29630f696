#include "app/modal_run.h"

#include <QDialog>

namespace scorewick::app {

ModalRunner& ModalRun() {
  static ModalRunner run = [](QDialog& dialog) { return dialog.exec(); };
  return run;
}

int RunModal(QDialog& dialog) { return ModalRun()(dialog); }

}  // namespace scorewick::app
