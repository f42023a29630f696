// The team dialog and File > Team > New and Edit.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/roster_edit_dialog.h"
#include "app/team_commands.h"
#include "app/team_edit_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "platform/qt/qt_ui.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

#define ASSERT_WRITE(path, text) QVERIFY(WriteTextFileAtomically(path, text))

using scorewick::testing::Find;

Team Owls() {
  Team team;
  team.team_name.set("Owls");
  team.coach.set("Sam");
  team.manager.set("Pat");
  PLAYER p;
  p.name.set("Jo");
  p.uniform_number = -1;
  team.AddPlayer(p, NewPlayerInfo());
  return team;
}

}  // namespace

class TeamEditTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { testing::ResetModal(); }

  void showsTheTeamAndStoresOnlyOnOk() {
    testing::GuiFixture f;
    Team team = Owls();
    team.file_path.set(f.Path("owls.tem"));
    TeamEditDialog d(team, f.session, f.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Edit Team"));
    auto* name = Find<QLineEdit>(&d, "name");
    QCOMPARE(testing::Shown(&d, {"name", "coach", "manager", "logo_name"}),
             QStringList({"Owls", "Sam", "Pat", "logo.bmp"}));
    QCOMPARE(name->maxLength(), 24);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "team_dialog");

    name->setText("Night Owls");
    d.reject();
    QCOMPARE(team.team_name.str(), std::string("Owls"));  // Cancel stores nothing
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(team.team_name.str(), std::string("Night Owls"));
    QVERIFY(f.ui.file_requests.empty());
  }

  void newTeamIsSavedBeforeOkCloses() {
    testing::GuiFixture f;
    Team team;
    TeamEditDialog d(team, f.session, f.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("New Team"));
    d.accept();  // no name yet: said so, and the dialog stays
    QCOMPARE(testing::Captions(f.ui), std::vector<std::string>{"Team Name Missing"});
    QVERIFY(f.ui.file_requests.empty());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    Find<QLineEdit>(&d, "name")->setText("Larks");
    f.ui.file_answers.push_back(FileChoice{f.Path("larks"), 1});
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Rejected));  // still open
    QCOMPARE(team.file_path.str(), f.Path("larks.tem"));
    QVERIFY(FileExists(f.Path("larks.tem")));
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));

    // Saved as comma-separated text, the team still has no file: OK asks again.
    Team other;
    TeamEditDialog again(other, f.session, f.ui, nullptr);
    Find<QLineEdit>(&again, "name")->setText("Other");
    f.ui.file_answers.push_back(FileChoice{f.Path("other"), 2});
    again.accept();
    QCOMPARE(again.result(), int(QDialog::Rejected));
    QVERIFY(other.file_path.empty());
  }

  void changeLogoAndPrint() {
    testing::GuiFixture f;
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(QString::fromStdString(f.Path("mascot.bmp")));
    Team team = Owls();
    TeamEditDialog d(team, f.session, f.ui, nullptr);
    f.ui.file_answers.push_back(FileChoice{f.Path("mascot.bmp"), 1});
    Find<QPushButton>(&d, "change_logo")->click();
    QCOMPARE(f.ui.file_requests.back().filter, std::string("Bitmap (*.bmp)|*.bmp|"));
    QCOMPARE(team.logo_file.str(), f.Path("mascot.bmp"));
    QVERIFY(!Find<QLabel>(&d, "logo_picture")->pixmap().isNull());

    // Print: the roster with the name as typed, without storing it.
    Find<QLineEdit>(&d, "name")->setText("Typed Name");
    print::RecordingPageTarget target(QSize(9600, 12400));
    d.print = [&](print::Printout& printout) { print::PrintPages(printout, target); };
    Find<QPushButton>(&d, "print")->click();
    QCOMPARE(target.pages().size(), size_t{1});
    QVERIFY(target.pages()[0].Find("Typed Name") != nullptr);
    QVERIFY(target.pages()[0].Find("00 Jo") != nullptr);
    QCOMPARE(team.team_name.str(), std::string("Owls"));
  }

  // After the dialog's save as, the command writes the team there without
  // asking for the name again.
  void newTeamCommand() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    testing::OnModal<TeamEditDialog>([&](TeamEditDialog& d) {
      Find<QLineEdit>(&d, "name")->setText("Wrens");
      f.ui.file_answers.push_back(FileChoice{f.Path("wrens"), 1});
      d.accept();  // saves as
      Find<QLineEdit>(&d, "coach")->setText("Lee");
      d.accept();  // closes
      return d.result();
    });
    w.RunCommand(kCmdToolNewTeam);
    QCOMPARE(f.ui.file_requests.size(), size_t(1));
    Team saved;
    QVERIFY(Show(f.ui, LoadTeam(f.Path("wrens.tem"), saved)));
    QCOMPARE(std::tuple(saved.team_name.str(), saved.coach.str()),
             std::tuple(std::string("Wrens"), std::string("Lee")));
  }

  // Cancel or Escape after a change asks before the change is dropped.
  void cancelAfterChangesAsks() {
    testing::GuiFixture f;
    const std::function<void(TeamEditDialog&)> changes[] = {
        [](TeamEditDialog&) {},
        [](TeamEditDialog& d) { Find<QLineEdit>(&d, "manager")->setText("Max"); },
        [](TeamEditDialog& d) {
          d.run_roster_editor = [](RosterEditDialog&) { return int(QDialog::Accepted); };
          Find<QPushButton>(&d, "edit_roster")->click();
        },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
      Team team = Owls();
      team.file_path.set(f.Path("owls.tem"));
      TeamEditDialog d(team, f.session, f.ui, nullptr);
      d.show();
      changes[i](d);
      f.ui.messages.clear();
      f.ui.yes_no_answers = {false, true};  // stay; then discard
      QTest::keyClick(&d, Qt::Key_Escape);
      QCOMPARE(d.isVisible(), i > 0);
      QCOMPARE(f.ui.messages.size(), i > 0 ? size_t(1) : size_t(0));
      if (i > 0) {
        QVERIFY(f.ui.messages[0].text.starts_with("Discard the changes made to this team?"));
        Find<QPushButton>(&d, "cancel")->click();
        QVERIFY(!d.isVisible());
      }
    }
  }

  void editTeamCommandWritesTheTeamBack() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    Team team = Owls();
    QVERIFY(SaveTeam(f.Path("owls.tem"), team));
    testing::OnModal<TeamEditDialog>([](TeamEditDialog& d) {
      Find<QLineEdit>(&d, "coach")->setText("Kim");
      d.accept();
      return d.result();
    });
    f.ui.file_answers.push_back(FileChoice{f.Path("owls"), 1});  // no dot: ".tem"
    w.RunCommand(kCmdEditTeam);
    QCOMPARE(f.ui.file_requests.back().filter,
             std::string("Team File (*.tem)|*.tem|CSV Team File (*.csv)|*.csv|"));
    Team saved;
    QVERIFY(Show(f.ui, LoadTeam(f.Path("owls.tem"), saved)));
    QCOMPARE(saved.coach.str(), std::string("Kim"));
    QCOMPARE(saved.info(0), team.info(0));  // personal information kept
  }

  // The box about a damaged team file names the file and is wide enough
  // for its caption.
  void damagedTeamBoxNamesItsFile() {
    testing::GuiFixture f;
    std::vector<std::uint8_t> bytes(40, 0);
    bytes[0] = 0x07;  // a version word no team file has
    QVERIFY(WriteFileAtomically(f.Path("old.tem"), bytes));
    Team team;
    const Status loaded = LoadTeam(f.Path("old.tem"), team);
    QCOMPARE(loaded.messages.size(), size_t(1));
    int width = 0;
    int caption = 0;
    testing::WhenDialogShows([&](QWidget* box) {
      width = box->sizeHint().width();
      caption = box->fontMetrics().horizontalAdvance(box->windowTitle());
      testing::SaveScreenshot(box, "damaged_team_box");
      QTest::keyClick(box, Qt::Key_Return);
    });
    QtUi ui;
    ShowAll(ui, {{"Invalid Team File", loaded.messages[0].caption, MessageIcon::kInformation}});
    QVERIFY2(width > caption + 100, qPrintable(QString("%1 %2").arg(width).arg(caption)));
  }

  void editTeamCommandOnCommaSeparatedAndOtherFiles() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    // A good one is imported as a new team: OK saves it under a new name.
    ASSERT_WRITE(f.Path("owls.csv"), TeamCsvText(Owls()));
    testing::OnModal<TeamEditDialog>([&](TeamEditDialog& d) {
      f.ui.file_answers.push_back(FileChoice{f.Path("owls_team"), 1});
      d.accept();
      d.accept();
      return d.result();
    });
    f.ui.file_answers.push_back(FileChoice{f.Path("owls"), 2});  // no dot: ".csv"
    w.RunCommand(kCmdToolEditTeam);
    Team saved;
    QVERIFY(Show(f.ui, LoadTeam(f.Path("owls_team.tem"), saved)));
    QCOMPARE(saved.team_name.str(), std::string("Owls"));
    QCOMPARE(testing::ReadText(f.Path("owls.csv")), TeamCsvText(Owls()));

    // A file that is not a team never opens the dialog, so OK cannot write
    // a team over it; the message names the file and what is wrong.
    Game game;
    game.home = Owls();
    game.home.no_personal_info = 1;
    QVERIFY(SaveGame(f.Path("game-001.gam"), game));
    ASSERT_WRITE(f.Path("notes.csv"), std::string("shopping list\n"));
    const struct {
      const char* name;
      int filter;
      std::string said;
    } refused[] = {{"game-001.gam", 1, "this is a game file"},
                   {"notes.csv", 2, "Invalid CSV Format\n\n" + f.Path("notes.csv") + ": "}};
    bool dialog_ran = false;
    testing::OnModal<TeamEditDialog>([&](TeamEditDialog& d) {
      dialog_ran = true;
      d.accept();
      return d.result();
    });
    for (const auto& r : refused) {
      const std::string before = testing::ReadText(f.Path(r.name));
      f.ui.file_answers.push_back(FileChoice{f.Path(r.name), r.filter});
      w.RunCommand(kCmdEditTeam);
      QVERIFY(!dialog_ran);
      QVERIFY2(f.ui.messages.back().text.find(r.said) != std::string::npos, r.name);
      QCOMPARE(testing::ReadText(f.Path(r.name)), before);
    }
    QVERIFY(f.ui.messages.back().text.find("line 2") != std::string::npos);
    QCOMPARE(f.ui.messages.back().caption, std::string("Error"));
  }
};

QTEST_MAIN(TeamEditTest)
#include "team_edit_test.moc"
