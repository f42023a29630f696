// The main window: caption, menu, tool bar, help, About and Exit (its
// placement: window_places_test).

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QtTest>
#include <fstream>

#include "app/command_table.h"
#include "app/core/command_ids.h"
#include "app/core/main_menu.h"
#include "app/pictures.h"
#include "gui/support/gui_fixture.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// "Title[command]" for items, "-" for separators, "Title{...}" for submenus.
QString Describe(const QList<QAction*>& actions) {
  QStringList parts;
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      parts << "-";
    } else if (action->menu() != nullptr) {
      parts << action->text() + "{" + Describe(action->menu()->actions()) + "}";
    } else {
      parts << action->text() + "[" + action->data().toString() + "]";
    }
  }
  return parts.join(" ");
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void captionAndSettingsWrittenOnClose() {
    testing::GuiFixture f;
    std::ofstream(f.session.start_folder + "/scwk.ini")
        << "Top, Left       : 30,50\nBottom, Right   : 430,650\nSound Is On: 0\n";
    MainWindow& w = f.Window();
    QCOMPARE(w.windowTitle(), QString("Scorewick - PC to PDA Interface"));
    QVERIFY(qobject_cast<QMdiArea*>(w.centralWidget()) != nullptr);
    QVERIFY(!f.session.settings.sound_on);
    w.move(60, 35);
    f.CloseWindow();
    std::string text;
    QVERIFY(ReadWholeTextFile(f.session.start_folder + "/scwk.ini", text, nullptr));
    QVERIFY(
        text.starts_with("Top, Left       : 35,60\nBottom, Right   : 435,660\n"
                         "Sound Is On: 0\n"));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 40);
  }

  void menuStructureAndCommands() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    QCOMPARE(
        Describe(w.menuBar()->actions()),
        QString("&File{&Team{&New...[1101] &Edit...[1102]} "
                "&Import Games from Retrosheet Files...[1111] - "
                "&Print{&Game...[1121] &Blank Score Sheets...[1122]} "
                "P&rinter Setup...[1131] - E&xit[1133]} "
                "&Statistics{&Team and Player Stats...[1301] &Scatter Plots...[1302] "
                "&Pitching Plots...[1303] &Box Scores...[1304]} "
                "&Options...[1401] "
                "&PDA Utilities{Palm &Install{&Scorewick Companion[11842] &Other ...[11843]} "
                "Palm &Export{&Game to Palm ...[11844] &Team to Palm ...[11845]} "
                "Palm I&mport{&Game from Palm ...[11847] &Team from Palm ...[11846]} - "
                "Pocket PC E&xport{&Game to Pocket PC ...[11851] &Team to Pocket PC ...[11852]} "
                "Pocket PC Im&port{Game from Pocket PC...[11853] Team from Pocket PC ...[11854]}} "
                "&Help{&Index[901] - &About...[999]}"));
    QCOMPARE(w.ActionFor(kCmdExit)->shortcut(), QKeySequence("Ctrl+X"));
    QCOMPARE(w.ActionFor(kCmdHelpIndex)->shortcut(), QKeySequence(Qt::Key_F1));
    // Every command in the menu and tool bar is enabled and has a row, and
    // no row is twice.
    QSet<int> rows;
    for (const CommandRow& row : CommandTable()) {
      QVERIFY(!rows.contains(row.command));
      rows.insert(row.command);
    }
    for (QAction* action : w.findChildren<QAction*>()) {
      if (!action->data().isValid()) continue;
      QVERIFY(rows.contains(action->data().toInt()));
      QVERIFY2(action->isEnabled(), qPrintable(action->data().toString()));
    }
  }

  void toolbarOrderAndTooltips() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    QStringList seen;
    for (QAction* action : w.toolbar()->actions()) {
      if (action->data().isValid()) {
        seen << action->data().toString() + ":" + action->toolTip();
      } else if (QWidget* widget = w.toolbar()->widgetForAction(action)) {
        seen << (qobject_cast<QLabel*>(widget) ? QString("|")
                                               : "gap" + QString::number(widget->width()));
      }
    }
    QCOMPARE(seen.join(" "),
             QString("16664:New Team gap8 16667:Edit Team gap8 16665:Print Game gap8 "
                     "16666:Game Stats gap12 | gap12 16661:Export to Palm gap8 "
                     "16660:Import from Palm gap12 | gap12 16663:Export to Pocket PC gap8 "
                     "16662:Import from Pocket PC"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    testing::SaveScreenshot(&w, "main_window");
  }

  void picturesAreDrawn() {
    const QPixmap splash = SplashPicture();
    QVERIFY(splash.width() >= 300 && splash.height() >= 200);
    QLabel label;
    label.setPixmap(splash);
    label.resize(splash.size());
    testing::SaveScreenshot(&label, "splash");
    for (int bitmap : {6, 15, 7, 12, 8, 10, 9, 11}) {
      const QImage icon = ToolbarPicture(bitmap).toImage();
      QCOMPARE(icon.size(), QSize(kToolbarIconSize, kToolbarIconSize));
      int painted = 0;
      for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) painted += qAlpha(icon.pixel(x, y)) > 0;
      }
      QVERIFY2(painted > 40, qPrintable(QString::number(bitmap)));
    }
  }

  void helpOpensTheManualFromTheStartFolderFirst() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    QList<QUrl> opened;
    bool browser = true;
    w.url_opener = [&](const QUrl& url) {
      opened << url;
      return browser;
    };
    w.ActionFor(kCmdHelpIndex)->trigger();
    w.RunCommand(kCmdHelpTopic);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(QStringList({opened[0].toLocalFile(), opened[1].fragment()}),
             QStringList({QString::fromStdString(f.session.program_folder + "/help/index.html"),
                          "topic120"}));
    f.MakeFolder("start/help");
    std::ofstream(f.session.start_folder + "/help/index.html") << "<p>local</p>";
    w.RunCommand(kCmdHelpIndex);
    QCOMPARE(opened[2].toLocalFile(),
             QString::fromStdString(f.session.start_folder + "/help/index.html"));
    QVERIFY(f.ui.messages.empty());
    browser = false;  // no browser installed: F1 says so
    w.RunCommand(kCmdHelpIndex);
    QCOMPARE(f.ui.messages.size(), size_t(1));
    QVERIFY(f.ui.messages[0].text.starts_with("No web browser could be started"));
  }

  // The manual beside the program: every page a page links to is there
  // (the glossary written by the build among them).
  void manualPagesLinkOnlyToPagesThatAreThere() {
    const QDir help(QString(SCOREWICK_PROGRAM_FOLDER) + "/help");
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.contains("index.html") && pages.contains("glossary.html"));
    QVERIFY(pages.size() >= 9);
    const QRegularExpression link(R"re((?:href|src)="([^"#:]+)(#[^"]*)?")re");
    for (const QString& page : pages) {
      QFile file(help.filePath(page));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(help.exists(target), qPrintable(page + " links to " + target));
      }
    }
  }

  void aboutBoxOpensAndCloses() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    QString title;
    testing::WhenDialogShows([&title](QWidget* dialog) {
      title = dialog->windowTitle();
      static_cast<QDialog*>(dialog)->accept();
    });
    w.ActionFor(kCmdAbout)->trigger();
    QCOMPARE(title, QString("About Scorewick"));
  }

  void exitClosesTheWindow() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
