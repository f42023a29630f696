// File > Import Games from Retrosheet Files and File > Export Games to
// Retrosheet: the files or games and the folder chosen, the question about
// files already there, the progress of the import that can be cancelled,
// and the summary with what was refused or kept.

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/import_commands.h"
#include "app/import_summary_dialog.h"
#include "gui/support/gui_fixture.h"
#include "interop/retro_book.h"
#include "interop/retrosheet_import.h"
#include "platform/qt/qt_ui.h"
#include "records/file_io.h"
#include "records/path_names.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

const std::string kWholeGame = "info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F";

// Answers the file dialog (event files or games) and the folder dialog.
void Choose(testing::GuiFixture& f, const std::string& events, const std::string& folder) {
  f.ui.file_answers.push_back(FileChoice{events, 1});
  f.ui.text_answers.push_back(folder);
}

// Two games of the book clubs, imported into the folder "games".
std::vector<std::string> TwoGames(testing::GuiFixture& f, const TempDir& source) {
  const std::string events = interop::testing::BookSeason(source, {kWholeGame, kWholeGame});
  f.MakeFolder("games");
  return interop::ImportRetrosheet({{events}, f.Path("games"), false}).games_written;
}

}  // namespace

class RetrosheetWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    ImportSummaryRun() = [](ImportSummaryDialog& d) { return d.exec(); };
    ImportProgressHook() = {};
  }

  // The file dialog's first filter shows the event files: Qt takes the
  // patterns from the name's parentheses, one apart from the next.
  void theEventFilesFilterShowsEventFiles() {
    const QStringList names = QtNameFilters(kEventFileFilter);
    QCOMPARE(names.size(), 2);
    QCOMPARE(names.front(),
             QString("Retrosheet Event Files (*.EVA *.EVN *.EVF *.EVR *.eva *.evn *.evf *.evr)"));
    const QString inside = names.front().section('(', 1).chopped(1);
    bool matched = false;
    for (const QString& pattern : inside.split(' ', Qt::SkipEmptyParts)) {
      matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                     .match("2019SEA.EVA")
                     .hasMatch();
    }
    QVERIFY(matched);
    QCOMPARE(QtNameFilters("Team File (*.tem)|*.tem|"), QStringList{"Team File (*.tem)"});
  }

  void importsIntoTheFolderChosen() {
    testing::GuiFixture f;
    TempDir source;
    const std::string events = interop::testing::BookSeason(source, {kWholeGame, kWholeGame});
    f.MakeFolder("games");
    Choose(f, events, f.Path("games"));
    f.Window().RunCommand(kCmdImportRetrosheet);
    QCOMPARE(f.ui.file_requests.size(), std::size_t{1});
    QCOMPARE(f.ui.file_requests[0].title, std::string("Select Retrosheet Event Files"));
    QCOMPARE(f.ui.messages.size(), std::size_t{1});
    QCOMPARE(f.ui.messages[0].text,
             "2 games written, 0 refused; 2 team files written, in " + f.Path("games") + ".");
    QVERIFY(FileExists(f.Path("games/HAW202404011.gam")));
    QVERIFY(FileExists(f.Path("games/HAW.tem")));
    // The next game dialog starts where the games went, the next import
    // where the event files were.
    QCOMPARE(f.session.folders.For(FileKind::kGame, ""), f.Path("games"));
    QCOMPARE(f.session.folders.For(FileKind::kEventFile, ""), FolderOf(events));
    f.ui.file_answers.push_back(std::nullopt);  // looked, and cancelled
    f.Window().RunCommand(kCmdImportRetrosheet);
    QCOMPARE(f.ui.file_requests.back().initial_folder, FolderOf(events));
  }

  // A folder holding other files is asked about before anything is
  // written into it; No writes nothing.
  void aFolderHoldingOtherFilesIsAskedAbout() {
    testing::GuiFixture f;
    TempDir source;
    const std::string events = interop::testing::BookSeason(source, {kWholeGame});
    f.MakeFolder("sample");
    QVERIFY(WriteTextFileAtomically(f.Path("sample/notes.txt"), "mine\n"));
    for (const bool yes : {false, true}) {
      Choose(f, events, f.Path("sample"));
      f.ui.yes_no_answers.push_back(yes);
      f.Window().RunCommand(kCmdImportRetrosheet);
      QCOMPARE(f.ui.messages.at(yes ? 1 : 0).text,
               f.Path("sample") +
                   " already holds 1 other file (notes.txt).  Write the imported games and teams "
                   "among them?\n\nNo imports nothing: choose or make a folder of their own.");
      QCOMPARE(FileExists(f.Path("sample/HAW202404010.gam")), yes);
    }
  }

  void refusalsAreListedAndFilesThereAreAskedAbout() {
    testing::GuiFixture f;
    TempDir source;
    const std::string events = interop::testing::BookSeason(source, {kWholeGame});
    f.MakeFolder("games");
    Choose(f, events, f.Path("games"));
    f.Window().RunCommand(kCmdImportRetrosheet);
    // A second, longer file: the game already imported is kept, the one
    // with a mistake refused, the last written.
    const std::string more =
        interop::testing::BookSeason(source, {kWholeGame, "g1 X S8\ng2 K\ng3 Z9", kWholeGame,
                                              "info,innings,1\ng1 K\ng2 K\ng3 K/ZZ\nh1 X HR/8/F"});
    Choose(f, more, f.Path("games"));
    f.ui.yes_no_answers.push_back(false);
    QString listed, noted, summary, clubs, replaced;
    ImportSummaryRun() = [&](ImportSummaryDialog& d) {
      listed = d.RefusalsText();
      noted = d.NotesText();
      clubs = d.ClubsText();
      replaced = d.ReplacedText();
      summary = testing::Find<QLabel>(&d, "summary")->text();
      d.show();
      testing::SaveScreenshot(&d, "import_retrosheet_summary");
      return 1;
    };
    f.Window().RunCommand(kCmdImportRetrosheet);
    QCOMPARE(f.ui.messages.back().text,
             "3 of the games and teams to import are already in " + f.Path("games") +
                 " (HAW202404010.gam, GUL.tem, HAW.tem).  Replace them?\n\nNo keeps them as "
                 "they are and imports the others.");
    QCOMPARE(summary, QString::fromStdString(
                          "2 games written (1 with notes), 1 kept as they were, 1 refused; 0 team "
                          "files written, 2 already there unchanged, in " +
                          f.Path("games") + "."));
    // Only what was refused is listed (the game kept is counted above),
    // and the refused games are named under each of their clubs.
    QCOMPARE(listed,
             QString("2024HAW.EVN, line 60 (game HAW202404011): cannot read the play \"Z9\"\n"));
    QCOMPARE(clubs, QString("GUL (1): HAW202404011\nHAW (1): HAW202404011\n"));
    QVERIFY(replaced.isEmpty());
    // What a game imported was recorded with is listed apart.
    QCOMPARE(noted, QString("2024HAW.EVN, line 121 (game HAW202404013): the modifier \"/ZZ\" is "
                            "not known: read past\n"));

    // Imported again and replaced, the games written over are named (the
    // team files, the same, are not written).
    Choose(f, more, f.Path("games"));
    f.ui.yes_no_answers.push_back(true);
    f.Window().RunCommand(kCmdImportRetrosheet);
    QCOMPARE(replaced, QString("HAW202404010.gam\nHAW202404012.gam\nHAW202404013.gam\n"));
  }

  void cancellingKeepsTheGamesWritten() {
    testing::GuiFixture f;
    TempDir source;
    const std::string events =
        interop::testing::BookSeason(source, {kWholeGame, kWholeGame, kWholeGame});
    Choose(f, events, f.Path(""));
    ImportProgressHook() = [](int done, int) { return done < 2; };
    f.Window().RunCommand(kCmdImportRetrosheet);
    QCOMPARE(f.ui.messages.back().text,
             "2 games written, 0 refused; 2 team files written; stopped before the end, in " +
                 f.Path("") + ".");
    QVERIFY(FileExists(f.Path("HAW202404011.gam")));
    QVERIFY(!FileExists(f.Path("HAW202404012.gam")));
  }

  void exportsIntoTheFolderChosenAndAsksBeforeWritingOver() {
    testing::GuiFixture f;
    TempDir source;
    const std::vector<std::string> games = TwoGames(f, source);
    QCOMPARE(games.size(), std::size_t{2});
    f.MakeFolder("retro");
    Choose(f, games[1], f.Path("retro"));
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
    Choose(f, games[1], f.Path("retro"));
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
    Choose(f, games[1], f.Path("retro"));
    f.ui.yes_no_answers.push_back(true);
    f.Window().RunCommand(kCmdExportRetrosheet);
    QCOMPARE(f.ui.messages.back().text,
             "1 game written in 1 event file, 0 refused; 2 roster files and 1 team file "
             "written, in " +
                 f.Path("retro") + ".");
  }
};

QTEST_MAIN(RetrosheetWindowsTest)
#include "retrosheet_windows_test.moc"
