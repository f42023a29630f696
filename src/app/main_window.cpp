#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include "app/core/main_menu.h"
#include "app/palm_user_dialog.h"
#include "app/pictures.h"
#include "app/print_job.h"
#include "app/remembered_position.h"
#include "app/scoring_window.h"
#include "platform/ui.h"

namespace scorewick::app {
namespace {

QRect ToQRect(const WindowRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// A rectangle the person can reach: big enough to hold the menu and on
// some screen.
bool Reachable(const QRect& rect) {
  if (rect.width() < 120 || rect.height() < 80) return false;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(rect)) return true;
  }
  return false;
}

}  // namespace

MainWindow::MainWindow(Session& session, Ui& ui, QWidget* parent)
    : QMainWindow(parent), session_(session), ui_(ui) {
  setWindowTitle(kMainWindowCaption);
  client_ = new QMdiArea(this);
  client_->setBackground(QBrush(BackgroundTile()));
  setCentralWidget(client_);
  BuildMenu();
  BuildToolbar();
  UseSessionForPdfFiles(&session_);

  QRect rect = ToQRect(session_.settings.window);
  if (!Reachable(rect)) {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    rect = ToQRect(DefaultWindowRect(desktop.width(), desktop.height()));
    rect.translate(desktop.topLeft());
  }
  // The settings hold the outer rectangle, frame included.
  PlaceOuterRect(this, rect);
}

MainWindow::~MainWindow() {
  const QRect outer = OuterRect(this);
  session_.settings.window = {outer.y(), outer.x(), outer.y() + outer.height(),
                              outer.x() + outer.width()};
  Show(ui_, SaveSettings(session_.start_folder, session_.settings));
  Show(ui_, SaveRememberedFolders(session_.start_folder, session_.folders));
  UseSessionForPdfFiles(nullptr);
}

QAction* MainWindow::MakeAction(const QString& label, int command) {
  auto* action = new QAction(label, this);
  action->setData(command);
  const CommandRow* row = FindCommand(command);
  action->setEnabled(row != nullptr && row->enabled());
  connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
  actions_[command] = action;
  return action;
}

void MainWindow::BuildMenu() {
  std::function<void(QMenu*, const std::vector<MenuEntry>&)> fill =
      [&](QMenu* menu, const std::vector<MenuEntry>& entries) {
        for (const MenuEntry& entry : entries) {
          const QString label =
              QString::fromUtf8(entry.label.data(), static_cast<qsizetype>(entry.label.size()));
          switch (entry.kind) {
            case MenuEntry::Kind::kSeparator:
              menu->addSeparator();
              break;
            case MenuEntry::Kind::kSubmenu:
              fill(menu->addMenu(label), entry.children);
              break;
            case MenuEntry::Kind::kItem: {
              QAction* action = MakeAction(label, entry.command);
              if (!entry.shortcut.empty()) {
                action->setShortcut(QKeySequence(QString::fromUtf8(
                    entry.shortcut.data(), static_cast<qsizetype>(entry.shortcut.size()))));
              }
              menu->addAction(action);
              break;
            }
          }
        }
      };
  for (const MenuEntry& top : MainMenu()) {
    const QString label =
        QString::fromUtf8(top.label.data(), static_cast<qsizetype>(top.label.size()));
    if (top.kind == MenuEntry::Kind::kSubmenu) {
      fill(menuBar()->addMenu(label), top.children);
    } else {
      menuBar()->addAction(MakeAction(label, top.command));
    }
  }
}

void MainWindow::BuildToolbar() {
  toolbar_ = new QToolBar("Tools", this);
  toolbar_->setObjectName("tools");
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
  addToolBar(Qt::TopToolBarArea, toolbar_);
  for (const ToolbarEntry& entry : MainToolbar()) {
    switch (entry.kind) {
      case ToolbarEntry::Kind::kButton: {
        const QString tip =
            QString::fromUtf8(entry.tooltip.data(), static_cast<qsizetype>(entry.tooltip.size()));
        QAction* action = MakeAction(tip, entry.command);
        action->setIcon(QIcon(ToolbarPicture(entry.bitmap)));
        action->setToolTip(tip);
        toolbar_->addAction(action);
        break;
      }
      case ToolbarEntry::Kind::kGap: {
        auto* gap = new QWidget(toolbar_);
        gap->setFixedWidth(entry.gap * kToolbarGapPixels);
        toolbar_->addWidget(gap);
        break;
      }
      case ToolbarEntry::Kind::kDivider: {
        auto* divider = new QLabel(toolbar_);
        divider->setPixmap(DividerPicture());
        toolbar_->addWidget(divider);
        break;
      }
    }
  }
}

QAction* MainWindow::ActionFor(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

int MainWindow::PickPalmUser(const InstallAide& aide) {
  int index = -1;
  PalmUserDialog dialog(this, aide, ui_, &index);
  dialog.exec();
  return index;
}

CommandServices MainWindow::Services() {
  return CommandServices{ui_, session_,
                         [this](const InstallAide& aide) { return PickPalmUser(aide); }};
}

void MainWindow::RunCommand(int command) {
  const CommandRow* row = FindCommand(command);
  if (row == nullptr || !row->enabled()) return;
  CommandEnv env{*this, Services()};
  row->handler(env);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  for (ScoringWindow* window : findChildren<ScoringWindow*>()) {
    if (window->isVisible() && !window->close()) {
      event->ignore();
      return;
    }
  }
  QMainWindow::closeEvent(event);
}

bool MainWindow::OpenUrl(const QUrl& url) {
  return url_opener ? url_opener(url) : QDesktopServices::openUrl(url);
}

}  // namespace scorewick::app
