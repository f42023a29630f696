#include "app/remembered_position.h"

#include <QDialog>
#include <QEvent>
#include <QPoint>
#include <map>
#include <string>
#include <utility>

namespace scorewick::app {
namespace {

std::map<std::string, QPoint>& Places() {
  static std::map<std::string, QPoint> places;
  return places;
}

// Waits for the window manager's frame, then fits the window inside the
// outer rectangle it was given, once.
class FrameFitter : public QObject {
 public:
  FrameFitter(QWidget* window, const QRect& outer) : QObject(window), outer_(outer) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Paint:
      case QEvent::UpdateRequest:
      case QEvent::WindowActivate:
        break;
      default:
        return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isVisible()) return false;
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame == client) return false;  // not framed yet
    window->removeEventFilter(this);
    deleteLater();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (frame != outer_) window->setGeometry(outer_.marginsRemoved(margins));
    return false;
  }

 private:
  QRect outer_;
};

// Puts a dialog's client area at its remembered place when it shows (its
// size settled by then).  move() would not do: it places the frame when
// the frame is known and the client area when it is not yet.
class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QDialog* dialog, std::string name) : QObject(dialog), name_(std::move(name)) {
    dialog->installEventFilter(this);
    connect(dialog, &QDialog::finished, this,
            [this, dialog](int) { Places()[name_] = dialog->geometry().topLeft(); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto it = Places().find(name_);
      auto* dialog = static_cast<QWidget*>(watched);
      if (it != Places().end()) dialog->setGeometry(QRect(it->second, dialog->size()));
    }
    return false;
  }

 private:
  std::string name_;
};

}  // namespace

void RememberPosition(QDialog* dialog, const char* key) { new PlaceKeeper(dialog, key); }

void PlaceOuterRect(QWidget* window, const QRect& outer) {
  window->setGeometry(outer);
  new FrameFitter(window, outer);
}

QRect OuterRect(const QWidget* window) { return window->frameGeometry(); }

}  // namespace scorewick::app
