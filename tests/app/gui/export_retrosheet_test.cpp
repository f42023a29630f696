// File > Export Games to Retrosheet: the games and the folder chosen, the
// question about files already there, and the summary with what was kept
// or refused.

#include <QLabel>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/import_commands.h"
#include "app/import_summary_dialog.h"
#include "gui/support/gui_fixture.h"
#include "interop/retro_book.h"
#include "interop/retrosheet_import.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

const std::string kWholeGame = "info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F";

// Two games of the book clubs, imported into the folder "games".
std::vector<std::string> TwoGames(testing::GuiFixture& f, const TempDir& source) {
  const std::string events = interop::testing::BookSeason(source, {kWholeGame, kWholeGame});
  f.MakeFolder("games");
  return interop::ImportRetrosheet({{events}, f.Path("games"), false}).games_written;
}

}  // namespace

class ExportRetrosheetTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    ImportSummaryRun() = [](ImportSummaryDialog& d) { return d.exec(); };
    ImportProgressHook() = {};
  }

  void exportsIntoTheFolderChosenAndAsksBeforeWritingOver() {
    testing::GuiFixture f;
    TempDir source;
    const std::vector<std::string> games = TwoGames(f, source);
    QCOMPARE(games.size(), std::size_t{2});
    f.MakeFolder("retro");
    f.ui.file_answers.push_back(FileChoice{games[1], 1});
    f.ui.text_answers.push_back(f.Path("retro"));
    f.Window().RunCommand(kCmdExportRetrosheet);
    QCOMPARE(f.ui.file_requests.size(), std::size_t{1});
    QCOMPARE(f.ui.file_requests[0].title, std::string("Select the Games to Export"));
    QCOMPARE(f.ui.messages.back().text,
             "1 game written in 1 event file, 0 refused; 2 roster files and 1 team file "
             "written, in " +
                 f.Path("retro") + ".");
    QVERIFY(FileExists(f.Path("retro/2024HAR.EVN")));
    QVERIFY(FileExists(f.Path("retro/TEAM2024")));

    // Again, keeping what is there: the summary names each file kept.
    f.ui.file_answers.push_back(FileChoice{games[1], 1});
    f.ui.text_answers.push_back(f.Path("retro"));
    f.ui.yes_no_answers.push_back(false);
    QString listed;
    QString summary;
    ImportSummaryRun() = [&](ImportSummaryDialog& d) {
      listed = d.RefusalsText();
      summary = testing::Find<QLabel>(&d, "summary")->text();
      d.show();
      testing::SaveScreenshot(&d, "export_retrosheet_summary");
      return 1;
    };
    f.Window().RunCommand(kCmdExportRetrosheet);
    QCOMPARE(QString::fromStdString(f.ui.messages.back().text),
             QString::fromStdString(
                 "4 of the files to write are already in " + f.Path("retro") +
                 " (2024HAR.EVN, HAR2024.ROS, GUL2024.ROS, TEAM2024).  Replace them?\n\n"
                 "No keeps them as they are and writes the others."));
    QCOMPARE(summary, QString::fromStdString(
                          "0 games written in 0 event files, 1 not written over, 0 refused; 0 "
                          "roster files and 0 team files written, 4 files kept as they were, in " +
                          f.Path("retro") + "."));
    QCOMPARE(listed, QString("2024HAR.EVN: already there (text): kept as it is\n"
                             "GUL2024.ROS: already there (text): kept as it is\n"
                             "HAR2024.ROS: already there (text): kept as it is\n"
                             "TEAM2024: already there (text): kept as it is\n"));

    // Replacing them writes the game again.
    f.ui.file_answers.push_back(FileChoice{games[1], 1});
    f.ui.text_answers.push_back(f.Path("retro"));
    f.ui.yes_no_answers.push_back(true);
    f.Window().RunCommand(kCmdExportRetrosheet);
    QCOMPARE(f.ui.messages.back().text,
             "1 game written in 1 event file, 0 refused; 2 roster files and 1 team file "
             "written, in " +
                 f.Path("retro") + ".");
  }
};

QTEST_MAIN(ExportRetrosheetTest)
#include "export_retrosheet_test.moc"
