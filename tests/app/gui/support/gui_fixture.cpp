#include "gui/support/gui_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "records/file_io.h"

namespace scorewick::testing {

GuiFixture::GuiFixture() {
  session.start_folder = dir_.Path("start");
  std::filesystem::create_directories(session.start_folder);
  session.program_folder = SCOREWICK_PROGRAM_FOLDER;
  ::setenv("SCOREWICK_INSTAIDE", SCOREWICK_INSTAIDE_PATH, 1);
  ::setenv("SCOREWICK_SYNC_ROOT", Path("sync").c_str(), 1);
  ::setenv("SCOREWICK_PARTNERS", Path("partners").c_str(), 1);
}

GuiFixture::~GuiFixture() { window_.reset(); }

std::string GuiFixture::Path(const std::string& relative) const { return dir_.Path(relative); }

void GuiFixture::MakeFolder(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
}

app::MainWindow& GuiFixture::Window() {
  if (!window_) {
    const std::string start = session.start_folder;
    const std::string program = session.program_folder;
    session = app::StartSession(start, program, 800, 600);
    window_ = std::make_unique<app::MainWindow>(session, ui);
  }
  return *window_;
}

void GuiFixture::CloseWindow() { window_.reset(); }

void WhenDialogShows(std::function<void(QWidget* dialog)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr && ++*tries < 200) return;
    timer->stop();
    timer->deleteLater();
    if (dialog != nullptr) act(dialog);
  });
  timer->start(10);
}

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

QStringList Texts(const QComboBox* box) {
  QStringList texts;
  for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

QStringList Texts(const QTabBar* tabs) {
  QStringList texts;
  for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  return texts;
}

QStringList Shown(QWidget* dialog, std::initializer_list<const char*> names) {
  QStringList shown;
  for (const char* name : names) {
    QWidget* widget = Find<QWidget>(dialog, name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      shown << edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      shown << label->text();
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
      shown << box->currentText();
    } else {
      qFatal("%s shows no text", name);
    }
  }
  return shown;
}

void Choose(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

std::vector<std::string> Captions(const ScriptedUi& ui) {
  std::vector<std::string> captions;
  for (const auto& message : ui.messages) captions.push_back(message.caption);
  return captions;
}

QString Cell(const QAbstractItemModel* model, int row, int column) {
  return model->data(model->index(row, column)).toString();
}

std::string ReadText(const std::string& path) {
  std::string text;
  if (!ReadWholeTextFile(path, text)) text.clear();
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void SaveScreenshot(QWidget* widget, const QString& name) {
  const char* folder = std::getenv("SCOREWICK_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  std::filesystem::create_directories(folder);
  widget->grab().save(QString(folder) + "/" + name + ".png");
}

}  // namespace scorewick::testing
