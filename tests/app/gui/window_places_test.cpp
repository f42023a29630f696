// Windows open where they were left: the main window's rectangle in the
// settings file and the dialogs' places within a run stay the same over
// many openings.  Under a window manager the frame is added by the
// manager after the window shows; run this test there too
// (QT_QPA_PLATFORM=xcb with a window manager on DISPLAY).

#include <QScreen>
#include <QtTest>
#include <fstream>

#include "app/team_edit_dialog.h"
#include "gui/support/gui_fixture.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// Shows window and waits until the window manager (if any) has framed it.
void ShowFramed(QWidget* window) {
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  (void)QTest::qWaitFor(
      [window] {
        const QRect frame = window->frameGeometry();
        return frame != window->geometry() && frame.contains(window->geometry());
      },
      1000);
  // Settled: the same rectangles a moment later.
  for (int tries = 0; tries < 20; ++tries) {
    const QRect frame = window->frameGeometry(), client = window->geometry();
    QTest::qWait(50);
    if (frame == window->frameGeometry() && client == window->geometry()) break;
  }
}

}  // namespace

class WindowPlacesTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowKeepsItsRectangleRunAfterRun() {
    struct Case {
      const char* settings;  // the first two lines of scwk.ini, if any
      QRect outer;           // frame included, on an 800 by 600 desktop
    };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Case cases[] = {
        {"", QRect(99, 40, 602, 520)},  // the default, amid the desktop
        {"Top, Left       : 30,50\nBottom, Right   : 430,650\n", QRect(50, 30, 600, 400)},
        // Off every screen: the default amid the real screen.
        {"Top, Left       : 5000,5000\nBottom, Right   : 5400,5600\n",
         QRect(screen.width() / 2 - 301, screen.height() / 2 - 260, 602, 520)},
    };
    for (const Case& c : cases) {
      testing::GuiFixture f;
      std::ofstream(f.session.start_folder + "/scwk.ini") << c.settings;
      QList<QRect> placed;
      for (int run = 0; run < 5; ++run) {
        ShowFramed(&f.Window());
        placed << f.Window().geometry();
        f.CloseWindow();
        const WindowRect& r = f.session.settings.window;
        QCOMPARE(QRect(r.left, r.top, r.width(), r.height()), c.outer);
      }
      for (int run = 1; run < 5; ++run) QCOMPARE(placed[run], placed[0]);
    }
  }

  void dialogKeepsItsPlaceOpeningAfterOpening() {
    testing::GuiFixture f;
    Team team;
    QList<QRect> placed;  // the client area: the frame is not always known
    for (int opening = 0; opening < 5; ++opening) {
      TeamEditDialog d(team, f.session, f.ui, nullptr);
      ShowFramed(&d);
      placed << d.geometry();
      d.reject();
    }
    for (int opening = 1; opening < 5; ++opening) QCOMPARE(placed[opening], placed[0]);
  }
};

QTEST_MAIN(WindowPlacesTest)
#include "window_places_test.moc"
