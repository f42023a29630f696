// Statistics > Box Scores: the "Select Game" picker and the "Box Score"
// window; File > Print > Game and Blank Score Sheets: their dialogs, the
// options kept for the run, and what reaches the printer.

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "app/box_game_selection.h"
#include "app/box_score_commands.h"
#include "app/box_score_dialog.h"
#include "app/core/command_ids.h"
#include "app/print_blanks_dialog.h"
#include "app/print_commands.h"
#include "app/print_game_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/output_guard.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"
#include "reports/sheet_games.h"
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

// Prints into a recording of letter-sized pages.
struct Recorder {
  print::RecordingPageTarget target{QSize(9600, 12600)};
  int jobs = 0;
  PrintRunner runner() {
    return [this](print::Printout& printout) {
      ++jobs;
      print::AppendPages(printout, target);
    };
  }
};

}  // namespace

class GameReportsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    testing::ResetModal();
    RememberedGamePrintOptions() = reports::GamePrintOptions{};
  }

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

  void blankSheetsDialog() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    Recorder recorder;
    bool ran = false;
    testing::OnModal<PrintBlanksDialog>([&](PrintBlanksDialog& d) {
      ran = true;
      d.print = recorder.runner();
      [&] {
        QCOMPARE(d.windowTitle(), QString("Select Print Options"));
        auto* columns = Find<QSpinBox>(&d, "columns");
        auto* rows = Find<QSpinBox>(&d, "rows");
        auto* pages = Find<QSpinBox>(&d, "pages");
        // value, minimum, maximum of the columns, rows and pages
        QCOMPARE(QList<int>({columns->value(), rows->value(), pages->value(), rows->minimum(),
                             columns->maximum(), pages->maximum()}),
                 QList<int>({9, 9, 1, 1, 15, 100}));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        testing::SaveScreenshot(&d, "print_blanks_dialog");
        columns->setValue(12);
        rows->setValue(10);
        pages->setValue(3);
      }();
      Find<QPushButton>(&d, "print")->click();
      return d.result();
    });
    w.RunCommand(kCmdBlankScoreSheets);
    QVERIFY(ran);
    QCOMPARE(recorder.jobs, 1);
    QCOMPARE(int(recorder.target.pages().size()), 3);
    QCOMPARE(int(recorder.target.pages()[2].pictures.size()), 12 * 10);
  }

  void printGameCommandKeepsItsOptions() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    Game game = testing::CompileSheetGame(testing::kBatAroundBook);
    QVERIFY(SaveGame(f.Path("around.gam"), game));
    Recorder recorder;
    testing::OnModal<PrintGameDialog>([&](PrintGameDialog& d) {
      d.print = recorder.runner();
      [&] {
        QCOMPARE(d.windowTitle(), QString("Print Game"));
        // The sides are offered by the teams' names; visitors to start with.
        QCOMPARE(Find<QRadioButton>(&d, "visitors")->text(), QString("Gulls"));
        QCOMPARE(Find<QRadioButton>(&d, "home")->text(), QString("Hawks"));
        QVERIFY(Find<QRadioButton>(&d, "visitors")->isChecked());
        QVERIFY(Find<QRadioButton>(&d, "fit")->isChecked());
        QVERIFY(!Find<QSpinBox>(&d, "columns")->isEnabled());
        QVERIFY(Find<QCheckBox>(&d, "notes")->isEnabled());  // the game has notes
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        testing::SaveScreenshot(&d, "print_game_dialog");
        Find<QRadioButton>(&d, "both")->setChecked(true);
        Find<QRadioButton>(&d, "use")->setChecked(true);
        QVERIFY(Find<QSpinBox>(&d, "columns")->isEnabled());
        Find<QSpinBox>(&d, "columns")->setValue(1);
        Find<QCheckBox>(&d, "notes")->setChecked(true);
      }();
      Find<QPushButton>(&d, "print")->click();
      return d.result();
    });
    f.ui.file_answers.push_back(FileChoice{f.Path("around"), 1});  // no dot: ".gam"
    w.RunCommand(kCmdPrintGame);
    const FileDialogRequest& request = f.ui.file_requests.back();
    QCOMPARE(request.title + request.filter + request.default_extension,
             std::string("Select Game To PrintGame File (*.gam)|*.gam|gam"));
    // Home, the visitors on two pages, the notes.
    QCOMPARE(recorder.jobs, 1);
    const auto& pages = recorder.target.pages();
    QCOMPARE(int(pages.size()), 4);
    QVERIFY(pages[0].Find("Hawks : Home"));
    QVERIFY(pages[2].Find("Gulls : Visitor"));
    QVERIFY(pages[3].Find("Notes Entered During Game"));

    // The next time (the tool bar's button) the dialog shows those choices;
    // a game without notes offers no notes page.
    game.notes.clear();
    QVERIFY(SaveGame(f.Path("quiet.gam"), game));
    bool shown = false;
    testing::OnModal<PrintGameDialog>([&](PrintGameDialog& d) {
      [&] {
        QVERIFY(Find<QRadioButton>(&d, "both")->isChecked() &&
                Find<QRadioButton>(&d, "use")->isChecked());
        QCOMPARE(Find<QSpinBox>(&d, "columns")->value(), 1);
        auto* notes = Find<QCheckBox>(&d, "notes");
        QVERIFY(!notes->isEnabled() && !notes->isChecked());
        shown = true;
      }();
      d.reject();
      return d.result();
    });
    f.ui.file_answers.push_back(FileChoice{f.Path("quiet.gam"), 1});
    w.RunCommand(kCmdToolPrintGame);
    QVERIFY(shown);
    QCOMPARE(recorder.jobs, 1);  // Cancel printed nothing
  }

  void aGameThatDoesNotLoadIsNotPrinted() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    bool shown = false;
    testing::OnModal<PrintGameDialog>([&](PrintGameDialog& d) {
      shown = true;
      return d.result();
    });
    f.ui.file_answers.push_back(FileChoice{f.Path("missing.gam"), 1});
    w.RunCommand(kCmdPrintGame);
    QVERIFY(!shown);
    QCOMPARE(f.ui.messages.back().caption, std::string("Load Error"));
    // Cancelling the file dialog ends the command silently.
    const std::size_t messages = f.ui.messages.size();
    w.RunCommand(kCmdPrintGame);
    QVERIFY(!shown);
    QCOMPARE(f.ui.messages.size(), messages);
  }
};

QTEST_MAIN(GameReportsTest)
#include "game_reports_test.moc"
