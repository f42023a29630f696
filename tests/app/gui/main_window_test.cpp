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
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>
#include <fstream>

#include "app/command_table.h"
#include "app/core/command_ids.h"
#include "app/core/main_menu.h"
#include "app/help_page_dialog.h"
#include "app/pictures.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// "Title[command:shortcut]" for items, "-" for separators, "Title{...}" for
// submenus: of what the window shows, and of the table it is built from.
QString Describe(const QList<QAction*>& actions) {
  QStringList parts;
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      parts << "-";
    } else if (action->menu() != nullptr) {
      parts << action->text() + "{" + Describe(action->menu()->actions()) + "}";
    } else {
      parts << action->text() + "[" + action->data().toString() + ":" +
                   action->shortcut().toString() + "]";
    }
  }
  return parts.join(" ");
}

QString Describe(const std::vector<MenuEntry>& entries) {
  QStringList parts;
  for (const MenuEntry& e : entries) {
    const QString label = QString::fromUtf8(e.label.data(), qsizetype(e.label.size()));
    if (e.kind == MenuEntry::Kind::kSeparator) {
      parts << "-";
    } else if (e.kind == MenuEntry::Kind::kSubmenu) {
      parts << label + "{" + Describe(e.children) + "}";
    } else {
      parts << label + "[" + QString::number(e.command) + ":" +
                   QKeySequence(QString::fromUtf8(e.shortcut.data(), qsizetype(e.shortcut.size())))
                       .toString() +
                   "]";
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
    QVERIFY(ReadWholeTextFile(f.session.start_folder + "/scwk.ini", text));
    QVERIFY(
        text.starts_with("Top, Left       : 35,60\nBottom, Right   : 435,660\n"
                         "Sound Is On: 0\n"));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 40);
  }

  // The window builds its menu and tool bar from their tables, item for
  // item; every command in them is enabled and has one row.
  void menuAndToolbarFollowTheirTables() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    QCOMPARE(Describe(w.menuBar()->actions()), Describe(MainMenu()));
    QVERIFY(Describe(MainMenu()).contains("E&xit[1133:Ctrl+X]"));
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

    QStringList seen, want;
    for (QAction* action : w.toolbar()->actions()) {
      if (action->data().isValid()) {
        seen << action->data().toString() + ":" + action->toolTip();
      } else if (QWidget* widget = w.toolbar()->widgetForAction(action)) {
        seen << (qobject_cast<QLabel*>(widget) ? QString("|")
                                               : "gap" + QString::number(widget->width()));
      }
    }
    for (const ToolbarEntry& e : MainToolbar()) {
      want << (e.kind == ToolbarEntry::Kind::kDivider ? QString("|")
               : e.kind == ToolbarEntry::Kind::kGap
                   ? "gap" + QString::number(e.gap * kToolbarGapPixels)
                   : QString::number(e.command) + ":" +
                         QString::fromUtf8(e.tooltip.data(), qsizetype(e.tooltip.size())));
    }
    QCOMPARE(seen, want);
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
    for (int bitmap : {6, 15, 17, 7, 12, 8, 10, 9, 11}) {
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
    browser = false;  // no browser installed: F1 shows the manual itself
    QString shown;
    testing::OnModal<HelpPageDialog>([&](HelpPageDialog& page) {
      shown = page.view()->source().toLocalFile();
      page.show();
      testing::SaveScreenshot(&page, "help_without_browser");
      return 0;
    });
    w.ActionFor(kCmdHelpIndex)->trigger();
    testing::ResetModal();
    QCOMPARE(shown, QString::fromStdString(f.session.start_folder + "/help/index.html"));
    QVERIFY(f.ui.messages.empty());
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
