#include "app/remembered_position.h"

#include <QDialog>
#include <QPoint>
#include <map>
#include <string>

namespace scorewick::app {
namespace {

std::map<std::string, QPoint>& Places() {
  static std::map<std::string, QPoint> places;
  return places;
}

}  // namespace

void RememberPosition(QDialog* dialog, const char* key) {
  const std::string name = key;
  auto it = Places().find(name);
  if (it != Places().end()) dialog->move(it->second);
  QObject::connect(dialog, &QDialog::finished, dialog,
                   [dialog, name](int) { Places()[name] = dialog->pos(); });
}

}  // namespace scorewick::app
