#include "app/desktop_main.h"

#include <QApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "app/core/session.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/scoring_commands.h"
#include "platform/qt/qt_ui.h"

namespace scorewick::app {

int RunDesktop(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Brixley Scorewick");
  QApplication::setWindowIcon(QIcon(BaseballPicture(64)));

  QSplashScreen splash(SplashPicture());
  splash.show();
  application.processEvents();
  // The splash stays for three seconds; the picture keeps being painted
  // meanwhile.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (std::chrono::steady_clock::now() < until) {
    application.processEvents();
    QThread::msleep(50);
  }

  const QRect desktop = QGuiApplication::primaryScreen()->geometry();
  std::error_code ec;
  Session session = StartSession(std::filesystem::current_path(ec).string(), RunningProgramFolder(),
                                 desktop.width(), desktop.height());
  QtUi ui;
  int status = 0;
  {
    MainWindow window(session, ui);
    ui.set_parent(&window);
    window.show();
    splash.finish(&window);
    // The game scored last, when it was left unfinished, is offered again.
    QTimer::singleShot(0, &window, [&] { OfferUnfinishedGame(&window, session, ui); });
    status = QApplication::exec();
  }  // the window's destruction writes the settings file
  return status;
}

}  // namespace scorewick::app
