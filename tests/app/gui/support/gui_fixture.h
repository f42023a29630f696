#pragma once
// What the window tests share: a fresh start folder with its session, a
// scripted Ui, environment variables for the install aide and the
// partners file, answering the next modal dialog, and screenshots.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "app/main_window.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"

namespace scorewick::testing {

class GuiFixture {
 public:
  GuiFixture();
  ~GuiFixture();

  std::string Path(const std::string& relative) const;
  void MakeFolder(const std::string& relative) const;
  // Builds the main window over the session (after any settings file the
  // test wrote into the start folder).
  app::MainWindow& Window();
  void CloseWindow();  // destroys it: the settings file is written

  app::Session session;
  ScriptedUi ui;

 private:
  TempDir dir_;
  std::unique_ptr<app::MainWindow> window_;
};

// Runs act on the next modal dialog once it is showing (polling for up to
// two seconds), then returns; the dialog must be closed by act.
void WhenDialogShows(std::function<void(QWidget* dialog)> act);

// The child widget of dialog with that object name; a test without it
// cannot go on.
template <typename T>
T* Find(QWidget* dialog, const char* name) {
  T* widget = dialog->findChild<T*>(name);
  if (widget == nullptr) qFatal("no %s", name);
  return widget;
}

// The texts a list, combo box or tab bar shows, in order.
QStringList Texts(const QListWidget* list);
QStringList Texts(const QComboBox* box);
QStringList Texts(const QTabBar* tabs);

// What the named children of dialog show, in order: a line edit's or
// label's text, a combo box's current entry.
QStringList Shown(QWidget* dialog, std::initializer_list<const char*> names);

// Picks entry index of box as a person would: activated follows.
void Choose(QComboBox* box, int index);

// The captions of the messages ui has shown, in order.
std::vector<std::string> Captions(const ScriptedUi& ui);

// The display text of one cell of model.
QString Cell(const QAbstractItemModel* model, int row, int column);

// The whole text of a file ("" when it cannot be read), and its lines.
std::string ReadText(const std::string& path);
std::vector<std::string> Lines(const std::string& text);

// Saves a picture of widget as NAME.png in $SCOREWICK_SCREENSHOTS, when set.
void SaveScreenshot(QWidget* widget, const QString& name);

}  // namespace scorewick::testing
