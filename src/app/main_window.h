#pragma once
// The main window: a multiple-document frame with the menu, the tool bar
// and the background picture.  It owns nothing but its widgets: the
// settings live in the session, which the window reads when it is built
// and whose settings file it writes when it is destroyed.  Closing it
// (File > Exit, Ctrl+X) first closes the scoring windows, each asking
// about work it holds; one that stays open keeps the program running.

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>

#include "app/command_table.h"
#include "app/core/session.h"
#include "platform/ui.h"

class QAction;
class QMdiArea;
class QToolBar;

namespace scorewick {
class InstallAide;
}  // namespace scorewick

namespace scorewick::app {

inline constexpr const char* kMainWindowCaption = "Scorewick - PC to PDA Interface";

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Places the window at the session's remembered rectangle (moved to the
  // middle of the screen when none of it would be visible).
  MainWindow(Session& session, Ui& ui, QWidget* parent = nullptr);
  // Remembers the window's rectangle and writes the settings file.
  ~MainWindow() override;

  // Runs a command of the table; a command without a handler does nothing.
  void RunCommand(int command);
  // The menu item or tool bar button of a command, or null.
  QAction* ActionFor(int command) const;
  QToolBar* toolbar() const { return toolbar_; }
  QMdiArea* client() const { return client_; }

  Session& session() { return session_; }
  CommandServices Services();

  // Opens a link in the person's browser; false when no program could be
  // started for it.  Tests replace it to see where.
  bool OpenUrl(const QUrl& url);
  std::function<bool(const QUrl&)> url_opener;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolbar();
  QAction* MakeAction(const QString& label, int command);
  int PickPalmUser(const InstallAide& aide);

  Session& session_;
  Ui& ui_;
  QMdiArea* client_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::map<int, QAction*> actions_;
};

}  // namespace scorewick::app
