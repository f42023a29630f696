#include "app/remembered_position.h"

#include <QDialog>
#include <QEvent>
#include <QMargins>
#include <QPoint>
#include <functional>
#include <map>
#include <string>
#include <utility>

namespace scorewick::app {
namespace {

std::map<std::string, QRect>& Places() {
  static std::map<std::string, QRect> places;
  return places;
}

// The client rectangle a window should have, given its frame's margins.
using ClientFor = std::function<QRect(const QMargins& frame)>;

// Once armed, waits until the window manager has framed the shown window,
// then gives the window the client rectangle wanted for that frame, once.
// Until the frame is known, a window manager may take a position as the
// frame's or as the client area's (depending on what it was told when the
// window mapped), so the place is checked when both are known.
class FrameFitter : public QObject {
 public:
  explicit FrameFitter(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  void Arm(ClientFor client_for) { client_for_ = std::move(client_for); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!client_for_) return false;
    auto* window = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::Hide:
        client_for_ = nullptr;
        return false;
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Paint:
      case QEvent::UpdateRequest:
      case QEvent::WindowActivate:
        break;
      default:
        return false;
    }
    if (!window->isVisible()) return false;
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    // Not framed yet, or caught while the manager is still taking the
    // window over (the frame then need not even hold the client area).
    if (frame == client || !frame.contains(client)) return false;
    const QRect wanted =
        client_for_(QMargins(client.left() - frame.left(), client.top() - frame.top(),
                             frame.right() - client.right(), frame.bottom() - client.bottom()));
    client_for_ = nullptr;
    if (wanted != client) window->setGeometry(wanted);
    return false;
  }

 private:
  ClientFor client_for_;
};

// Puts a dialog's client area at its remembered place when it shows (its
// size settled by then), and remembers the place when it closes.  move()
// would not do: it places the frame when the frame is known and the client
// area when it is not yet.
class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QDialog* dialog, std::string name, bool with_size)
      : QObject(dialog),
        name_(std::move(name)),
        with_size_(with_size),
        fitter_(new FrameFitter(dialog)) {
    dialog->installEventFilter(this);
    connect(dialog, &QDialog::finished, this,
            [this, dialog](int) { Places()[name_] = dialog->geometry(); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto it = Places().find(name_);
    if (it == Places().end()) return false;
    auto* dialog = static_cast<QWidget*>(watched);
    const QPoint place = it->second.topLeft();
    if (with_size_) dialog->resize(it->second.size());
    dialog->setGeometry(QRect(place, dialog->size()));
    fitter_->Arm([dialog, place](const QMargins&) { return QRect(place, dialog->size()); });
    return false;
  }

 private:
  std::string name_;
  bool with_size_;
  FrameFitter* fitter_;
};

}  // namespace

void RememberPosition(QDialog* dialog, const char* key) { new PlaceKeeper(dialog, key, false); }

void RememberPositionAndSize(QDialog* dialog, const char* key) {
  new PlaceKeeper(dialog, key, true);
}

void PlaceOuterRect(QWidget* window, const QRect& outer) {
  window->setGeometry(outer);
  auto* fitter = new FrameFitter(window);
  fitter->Arm([outer](const QMargins& frame) { return outer.marginsRemoved(frame); });
}

QRect OuterRect(const QWidget* window) { return window->frameGeometry(); }

}  // namespace scorewick::app
