#include "app/save_question.h"

#include <QMessageBox>

namespace scorewick::app {

SaveAsker& SaveQuestion() {
  static SaveAsker ask = [](const QString& text, const QString& caption, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
      case QMessageBox::Save:
        return SaveAnswer::kSave;
      case QMessageBox::Discard:
        return SaveAnswer::kDiscard;
      default:
        return SaveAnswer::kCancel;
    }
  };
  return ask;
}

}  // namespace scorewick::app
