// The PDA Utilities commands end to end through the main window: a
// temporary desktop-sync root with its Palm users, a temporary partners
// file with its devices, the scripted Ui for messages and file dialogs,
// and the real Palm user dialog.

#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/core/command_ids.h"
#include "app/palm_user_dialog.h"
#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "gui/support/gui_fixture.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/full_game.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

void Touch(const std::string& path, const std::string& content = "bytes") {
  std::ofstream(path, std::ios::binary) << content;
}

void WriteDevices(testing::GuiFixture& f, int count) {
  std::ofstream out(f.Path("partners"));
  for (int i = 1; i <= count; ++i) {
    f.MakeFolder("device" + std::to_string(i));
    out << "[d" << i << "]\nDisplayName=Device " << i
        << "\nSyncFolder=" << f.Path("device" + std::to_string(i)) << "\n";
  }
}

}  // namespace

class HandheldCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void threeUsersAreListedInOrderAndOkWithoutChoiceSaysSo() {
    testing::GuiFixture f;
    for (const char* user : {"Casey", "Alex", "Blair"}) f.MakeFolder(std::string("sync/") + user);
    Touch(f.Path("Tigers.pdb"));
    f.ui.file_answers.push_back(FileChoice{f.Path("Tigers.pdb"), 1});
    QStringList listed;
    QString title;
    testing::WhenDialogShows([&](QWidget* dialog) {
      title = dialog->windowTitle();
      listed = testing::Texts(dialog->findChild<QListWidget*>("users"));
      testing::SaveScreenshot(dialog, "palm_users");
      // OK with no user says so and keeps the dialog; Cancel closes it.
      QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
      QVERIFY(dialog->isVisible());
      QTest::mouseClick(dialog->findChild<QPushButton*>("cancel"), Qt::LeftButton);
    });
    f.Window().RunCommand(kCmdPalmInstallOther);
    QCOMPARE(f.ui.file_requests.at(0).filter,
             std::string("Palm Game or Team File (*.pdb)|*.pdb|Palm Application (*.prc)|*.prc|"));
    QCOMPARE(title, QString("Select Palm User"));
    QCOMPARE(listed, QStringList({"Alex", "Blair", "Casey"}));
    QCOMPARE(testing::Captions(f.ui), std::vector<std::string>{"Select Palm User"});

    f.ui.file_answers.push_back(FileChoice{f.Path("Tigers.pdb"), 1});
    testing::WhenDialogShows([](QWidget* dialog) {
      dialog->findChild<QListWidget*>("users")->setCurrentRow(1);
      QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    f.Window().RunCommand(kCmdPalmInstallOther);
    QVERIFY(std::filesystem::exists(f.Path("sync/Blair/Install/Tigers.pdb")));
  }

  void gameExportProposesTheDatabaseNameAndInstallsIt() {
    testing::GuiFixture f;
    f.MakeFolder("sync/Pat");
    f.MakeFolder("games");
    Game game;
    game.home = scorewick::testing::HomeTeam();
    game.visitor = scorewick::testing::HomeTeam();
    game.visitor.team_name.set("Bay Otters");
    QVERIFY(SaveGame(f.Path("games/Opener.gam"), game));
    f.ui.file_answers.push_back(FileChoice{f.Path("games/Opener.gam"), 1});
    f.ui.file_answers.push_back(FileChoice{f.Path("out/Opener.pdb"), 1});
    f.MakeFolder("out");
    f.Window().ActionFor(kCmdPalmExportGame)->trigger();
    QCOMPARE(f.ui.file_requests.size(), size_t(2));
    const FileDialogRequest& open = f.ui.file_requests[0];
    const FileDialogRequest& save = f.ui.file_requests[1];
    QVERIFY(std::tie(open.filter, open.initial_folder, save.filter, save.initial_name,
                     save.initial_folder) ==
            std::tuple(std::string("Game File (*.gam)|*.gam|"), f.session.start_folder,
                       std::string("Palm Game File (*.pdb)|*.pdb|"), std::string("Opener.pdb"),
                       f.Path("games")));
    QCOMPARE(f.ui.messages.size(), size_t(1));
    QCOMPARE(PalmStreamKind(f.Path("sync/Pat/Install/Opener.pdb")), PalmKind::kGame);
  }

  void teamImportFromTheBackupFolder() {
    testing::GuiFixture f;
    f.MakeFolder("sync/Pat/Backup");
    Team team = scorewick::testing::HomeTeam();
    QVERIFY(Show(f.ui, ExportPalmTeam(team, f.Path("sync/Pat/Backup/Tigers.pdb"))));
    f.ui.file_answers.push_back(FileChoice{f.Path("sync/Pat/Backup/Tigers.pdb"), 1});
    f.ui.file_answers.push_back(FileChoice{f.session.start_folder + "/Tigers", 1});
    f.Window().ActionFor(kCmdToolPalmImport)->trigger();
    QCOMPARE(f.ui.file_requests.size(), size_t(2));
    const FileDialogRequest& open = f.ui.file_requests[0];
    const FileDialogRequest& save = f.ui.file_requests[1];
    QVERIFY(std::tie(open.initial_folder, open.filter, save.initial_name, save.initial_folder) ==
            std::tuple(f.Path("sync/Pat") + "/Backup",
                       std::string("Palm Game or Team File (*.pdb)|*.pdb|"),
                       std::string("Tigers.tem"), f.session.start_folder));
    const std::string saved = f.session.start_folder + "/Tigers.tem";
    QCOMPARE(f.ui.messages.size(), size_t(1));
    QVERIFY(std::tie(f.ui.messages[0].text, f.ui.messages[0].caption) ==
            std::tuple("Team Created from Palm Database: " + saved,
                       std::string("Team Import Complete")));
    Team copy;
    QVERIFY(Show(f.ui, LoadTeam(saved, copy)));
    QCOMPARE(copy.team_name.str(), std::string("Harbor Hawks"));

    // A database that holds neither a team nor a game ends the command silently.
    Touch(f.Path("sync/Pat/Backup/Other.pdb"), std::string(120, 'x'));
    f.ui.messages.clear();
    f.ui.file_requests.clear();
    f.ui.file_answers.push_back(FileChoice{f.Path("sync/Pat/Backup/Other.pdb"), 1});
    f.Window().RunCommand(kCmdToolPalmImport);
    QVERIFY(f.ui.messages.empty());
    QCOMPARE(f.ui.file_requests.size(), size_t(1));
  }

  void pocketPcExportWithOneDeviceAsksNothing() {
    testing::GuiFixture f;
    WriteDevices(f, 1);
    f.MakeFolder("pc");
    Team team = scorewick::testing::HomeTeam();
    QVERIFY(SaveTeam(f.Path("pc/Hawks.tem"), team));
    f.ui.file_answers.push_back(FileChoice{f.Path("pc/Hawks.tem"), 2});
    f.ui.file_answers.push_back(FileChoice{f.Path("device1/Hawks.tem"), 1});
    f.Window().ActionFor(kCmdToolPpcExport)->trigger();
    QCOMPARE(f.ui.file_requests.at(0).title,
             std::string("Select Game or Team File to Export to your PPC"));
    QCOMPARE(f.ui.file_requests.at(1).initial_folder, f.Path("device1"));
    QCOMPARE(testing::Captions(f.ui), std::vector<std::string>{"Team Export Complete"});
    Team copy;
    QVERIFY(Show(f.ui, LoadTeam(f.Path("device1/Hawks.tem"), copy)));
    QCOMPARE(copy.team_name.str(), std::string("Harbor Hawks"));
    QCOMPARE(f.session.folders.For(FileKind::kTeam, ""), f.Path("pc"));
  }

  void decliningTheFirstOfTwoDevicesAsksAboutTheSecond() {
    testing::GuiFixture f;
    WriteDevices(f, 2);
    Game game;
    game.home = scorewick::testing::HomeTeam();
    QVERIFY(SaveGame(f.Path("device2/Opener.gam"), game));
    f.ui.yes_no_answers = {false, true};
    f.ui.file_answers.push_back(FileChoice{f.Path("device2/Opener.gam"), 1});
    f.ui.file_answers.push_back(FileChoice{f.session.start_folder + "/Opener", 1});
    f.Window().ActionFor(kCmdPpcImportGame)->trigger();
    QCOMPARE(f.ui.messages.size(), size_t(3));  // two questions, then done
    QCOMPARE(f.ui.messages[2].text,
             "Game Created from Pocket PC File: " + f.session.start_folder + "/Opener.gam");
    QCOMPARE(f.ui.file_requests.at(0).initial_folder, f.Path("device2"));
    QCOMPARE(f.ui.file_requests.at(1).initial_folder, f.session.start_folder);
    Game copy;
    QVERIFY(Show(f.ui, LoadGame(f.session.start_folder + "/Opener.gam", copy)));
  }

  // What is missing is said, and the command ends; an import without
  // users still offers its dialog, starting in no particular folder.
  void whatIsMissingIsSaid() {
    const struct {
      int command;
      bool no_library;
      const char* text;
      const char* caption;
      std::size_t dialogs;
    } cases[] = {
        {kCmdPalmInstallOther, true, "Cannot Load INSTAIDE.DLL", "Palm DLL Missing or Corrupt", 1},
        {kCmdPalmImportGame, false, "Cannot Import Game From Palm", "No Users Found", 1},
        {kCmdToolPpcImport, false, nullptr, "Cannot find path to Synchronize Files", 0},
    };
    for (const auto& c : cases) {
      testing::GuiFixture f;
      if (c.no_library) {
        ::setenv("SCOREWICK_INSTAIDE", f.Path("none/libinstaide.so").c_str(), 1);
        Touch(f.Path("x.pdb"));
        f.ui.file_answers.push_back(FileChoice{f.Path("x.pdb"), 1});
      }
      f.Window().RunCommand(c.command);
      QCOMPARE(f.ui.messages.size(), size_t(1));
      if (c.text) QCOMPARE(f.ui.messages[0].text, std::string(c.text));
      QCOMPARE(f.ui.messages[0].caption, std::string(c.caption));
      QCOMPARE(f.ui.file_requests.size(), c.dialogs);
    }
  }
};

QTEST_MAIN(HandheldCommandsTest)
#include "handheld_commands_test.moc"
