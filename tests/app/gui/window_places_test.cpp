// Windows open where they were left: the main window's rectangle in the
// settings file and the dialogs' places within a run stay the same over
// many openings.  Under a window manager the frame is added by the
// manager after the window shows; run this test there too
// (QT_QPA_PLATFORM=xcb with a window manager on DISPLAY).

#include <QtTest>

#include "app/team_edit_dialog.h"
#include "gui/support/gui_fixture.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// Shows window and waits until the window manager (if any) has framed it.
void ShowFramed(QWidget* window) {
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  (void)QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 1000);
  QTest::qWait(50);
}

}  // namespace

class WindowPlacesTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowKeepsItsRectangleRunAfterRun() {
    testing::GuiFixture f;
    QList<QRect> framed, saved;
    for (int run = 0; run < 5; ++run) {
      ShowFramed(&f.Window());
      framed << f.Window().frameGeometry();
      f.CloseWindow();
      const WindowRect& r = f.session.settings.window;
      saved << QRect(r.left, r.top, r.width(), r.height());
    }
    for (int run = 1; run < 5; ++run) {
      QCOMPARE(framed[run], framed[0]);
      QCOMPARE(saved[run], saved[0]);
    }
    // The default rectangle, frame included: 602 by 520 amid 800 by 600.
    QCOMPARE(framed[0], QRect(99, 40, 602, 520));
    QCOMPARE(saved[0], framed[0]);
  }

  void dialogKeepsItsPlaceOpeningAfterOpening() {
    testing::GuiFixture f;
    Team team;
    QList<QRect> framed;
    for (int opening = 0; opening < 5; ++opening) {
      TeamEditDialog d(team, f.session, f.ui, nullptr);
      ShowFramed(&d);
      framed << d.frameGeometry();
      d.reject();
    }
    for (int opening = 1; opening < 5; ++opening) QCOMPARE(framed[opening], framed[0]);
  }
};

QTEST_MAIN(WindowPlacesTest)
#include "window_places_test.moc"
