// Statistics > Box Scores: the "Select Game" picker and the "Box Score"
// window.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/box_game_selection.h"
#include "app/box_score_commands.h"
#include "app/box_score_dialog.h"
#include "app/core/command_ids.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"
#include "support/box_games.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Find;

// The entry of a game's file (its tooltip) or a folder.
QListWidgetItem* Entry(QListWidget* list, const QString& name) {
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    if (item->toolTip() == name || item->text() == name) return item;
  }
  qFatal("no entry %s", qPrintable(name));
}

void Select(QListWidget* list, const QString& name) { list->setCurrentItem(Entry(list, name)); }

// A folder with the nine-inning game, a game of the older format, a file
// that is no game at all, and a sub-folder.
void MakeGames(scorewick::testing::GuiFixture& f) {
  Game game = reports::testing::CompileBook(reports::testing::kNineInnings);
  QVERIFY(SaveGame(f.Path("nine.gam"), game));
  std::vector<std::uint8_t> bytes;
  QVERIFY(ReadWholeFile(f.Path("nine.gam"), bytes));
  bytes.erase(bytes.begin(), bytes.begin() + 4);  // the oldest files begin with the header
  QVERIFY(WriteFileAtomically(f.Path("old.gam"), bytes));
  QVERIFY(WriteTextFileAtomically(f.Path("notes.txt"), "not a game"));
  f.MakeFolder("season");
  QVERIFY(SaveGame(f.Path("season/opener.gam"), game));
}

}  // namespace

class BoxScoreTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { testing::ResetModal(); }

  void selectGameListsGamesAndFoldersAndPreviewsTheTeams() {
    scorewick::testing::GuiFixture f;
    MakeGames(f);
    BoxGameSelection d(f.Path(""), f.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Select Game"));
    auto* list = Find<QListWidget>(&d, "games");
    // Games first, by their line (a game of the older format by its
    // file), then the folders (the fixture's own among them).
    const QStringList entries = scorewick::testing::Texts(list);
    QCOMPARE(entries.mid(0, 3), (QStringList{"2024-06-08  Gulls 2 at Hawks 3", "old.gam", "[..]"}));
    QVERIFY(entries.contains("[season]"));
    QVERIFY(!entries.contains("notes.txt"));
    Select(list, "nine.gam");
    QCOMPARE(Find<QLabel>(&d, "preview")->text(), QString("Gulls\nvs\nHawks"));
    Select(list, "old.gam");
    QCOMPARE(Find<QLabel>(&d, "preview")->text(),
             QString("Gulls\nvs\nHawks\n(Version 1.7 Format)"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    scorewick::testing::SaveScreenshot(&d, "select_game");

    // An older game is refused and the dialog stays open.
    d.accept();
    QCOMPARE(d.result(), 0);
    QVERIFY(d.path().empty());
    QCOMPARE(scorewick::testing::Captions(f.ui),
             std::vector<std::string>({"Incompatible Game Format"}));
    QCOMPARE(
        f.ui.messages[0].text,
        std::string("old.gam\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)"));

    // Double-clicking a folder enters it; a game is taken as with OK.
    emit list->itemActivated(Entry(list, "[season]"));
    QCOMPARE(list->item(0)->toolTip(), QString("opener.gam"));
    QVERIFY(Find<QLabel>(&d, "folder")->text().endsWith("/season"));
    QVERIFY(!d.EnterFolder("no-such-folder"));
    QVERIFY(Find<QLabel>(&d, "folder")->text().endsWith("/season"));
    emit list->itemActivated(Entry(list, "opener.gam"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.path(), f.Path("season/opener.gam"));
  }

  void boxScoreWindowShowsPrintsAndExports() {
    scorewick::testing::GuiFixture f;
    const Game game = reports::testing::CompileBook(reports::testing::kNineInnings);
    BoxScoreDialog d(game, f.session, f.ui, nullptr);
    auto* lines = Find<QListWidget>(&d, "lines");
    QCOMPARE(lines->count(), static_cast<int>(d.box().lines().size()));
    QCOMPARE(lines->item(10)->text(), QString("Hawks 3, Gulls 2"));
    QVERIFY(QFontInfo(lines->font()).fixedPitch());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    scorewick::testing::SaveScreenshot(&d, "box_score");

    // Print: the lines as they stand, the trailer naming the game.
    print::RecordingPageTarget target(QSize(9600, 12400));
    d.print = [&](print::Printout& printout) { print::PrintPages(printout, target); };
    Find<QPushButton>(&d, "print")->click();
    QVERIFY(!target.pages().empty());
    QVERIFY(target.pages().front().Find("Hawks 3, Gulls 2") != nullptr);
    QVERIFY(target.pages().back().Find("Gulls VS Hawks played on") != nullptr);

    // Export: the form is the filter chosen (the pages themselves are the
    // export tests' golden files).
    f.ui.file_answers.push_back(FileChoice{f.Path("nine"), 2});
    Find<QPushButton>(&d, "export")->click();
    QCOMPARE(f.ui.file_requests.back().filter, std::string(kBoxScoreExportFilter));
    QVERIFY(FileExists(f.Path("nine_summary.htm")));
    f.ui.file_answers.push_back(FileChoice{f.Path("nine"), 3});
    Find<QPushButton>(&d, "export")->click();
    QVERIFY(FileExists(f.Path("nine.csv")));
    // A typed extension of another type is asked about; Yes adds the type's.
    f.ui.file_answers.push_back(FileChoice{f.Path("nine.txt"), 1});
    f.ui.yes_no_answers.push_back(true);
    Find<QPushButton>(&d, "export")->click();
    QCOMPARE(ContentOfFile(f.Path("nine.txt.htm")), FileContent::kHtml);
    // A file that cannot be written is said so.
    f.ui.file_answers.push_back(FileChoice{f.Path("no/such/folder/x.htm"), 1});
    Find<QPushButton>(&d, "export")->click();
    QVERIFY(!f.ui.messages.empty());
  }

  void commandPicksLoadsAndShows() {
    scorewick::testing::GuiFixture f;
    MakeGames(f);
    f.session.start_folder = f.Path("");
    MainWindow& w = f.Window();
    QVERIFY(w.ActionFor(kCmdBoxScores)->isEnabled());
    int shown_lines = 0;
    testing::OnModal<BoxGameSelection>([](BoxGameSelection& d) {
      Select(Find<QListWidget>(&d, "games"), "nine.gam");
      d.accept();
      return d.result();
    });
    testing::OnModal<BoxScoreDialog>([&](BoxScoreDialog& d) {
      shown_lines = Find<QListWidget>(&d, "lines")->count();
      return int(QDialog::Accepted);
    });
    w.RunCommand(kCmdBoxScores);
    QVERIFY(shown_lines > 60);

    // Cancelled: no window.  The selection starts in the folder games were
    // last chosen in.
    f.MakeFolder("season");
    f.session.folders.RememberFolder(FileKind::kGame, f.Path("season"));
    shown_lines = 0;
    std::string started;
    testing::OnModal<BoxGameSelection>([&](BoxGameSelection& d) {
      started = d.folder();
      return int(QDialog::Rejected);
    });
    w.RunCommand(kCmdBoxScores);
    QCOMPARE(shown_lines, 0);
    QCOMPARE(started, f.Path("season"));
  }
};

QTEST_MAIN(BoxScoreTest)
#include "box_score_test.moc"
