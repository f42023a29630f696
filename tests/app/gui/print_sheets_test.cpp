// File > Print > Game and Blank Score Sheets: their dialogs, the options
// kept for the run, and what reaches the printer.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/print_blanks_dialog.h"
#include "app/print_commands.h"
#include "app/print_game_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "records/game_file.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"
#include "reports/sheet_games.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Find;

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

class PrintSheetsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    testing::ResetModal();
    RememberedGamePrintOptions() = reports::GamePrintOptions{};
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

QTEST_MAIN(PrintSheetsTest)
#include "print_sheets_test.moc"
