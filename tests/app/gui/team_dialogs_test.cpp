// The team dialogs.  The team dialog and File > Team > New and Edit.  The
// roster editor: choice lists and their encodings, Add, Update, Delete,
// Clear All, Sort by, the designated hitter, and OK's checks.  The personal
// information dialog: the list view, Update Info, Clear Boxes, the birthday
// picker, e-mail, export and print.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <deque>

#include "app/calendar_dialog.h"
#include "app/core/command_ids.h"
#include "app/personal_info_dialog.h"
#include "app/roster_edit_dialog.h"
#include "app/team_commands.h"
#include "app/team_edit_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "platform/qt/qt_ui.h"
#include "records/codes.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/player_info.h"
#include "records/roster_edit.h"
#include "records/team_file.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"
#include "reports/small_team.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Choose;
using scorewick::testing::Find;
using scorewick::testing::Shown;
using scorewick::testing::Texts;

#define ASSERT_WRITE(path, text) QVERIFY(WriteTextFileAtomically(path, text))

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

PLAYER Player(const char* name, int number, int position, int order, int bats = 1,
              int throws_right = 1) {
  PLAYER p = testing::MakePlayer(name, number, position, order, bats, throws_right);
  p.key = 7;
  return p;
}

Team Tigers() {
  Team team;
  team.team_name.set("Tigers");
  PLAYER_INFO info;
  info.phone.set("555-0100");
  team.AddPlayer(Player("Cal", 12, kPosShortStop, 1), info);
  team.AddPlayer(Player("Abe", -1, kPosPitcher, 2, 0, 0), info);
  team.AddPlayer(Player("Bob", 30, kPosDesignatedHitter, 3, 2, 1), info);
  team.lineup_size = 3;
  return team;
}

// A roster editor over the Tigers (or the team given).
struct Editor {
  explicit Editor(Team start = Tigers()) : team(std::move(start)) {}
  Team team;
  Session session;
  ScriptedUi ui;
  RosterEditDialog d{team, session, ui, nullptr};
};

QStringList Names(const Team& team) {
  QStringList names;
  for (const PLAYER& p : team.players()) names << QString::fromStdString(p.name.str());
  return names;
}

Team Finches() {
  using testing::MakeInfo;
  using testing::MakePlayer;
  Team team;
  team.team_name.set("Finches");
  team.AddPlayer(MakePlayer("Ann Lee", 10, kPosCatcher, 0, 1, 1),
                 MakeInfo("555-0100", "1 Oak Lane", "Lodi", "CA", "95240", 3, 14, 1999,
                          "Ann@example.org", "left-handed, bats third"));
  team.AddPlayer(MakePlayer("Ben Ota", -1, kPosCatcher + 1, 0, 1, 1),
                 MakeInfo("555-0101", "2 Oak Lane", "Lodi", "CA", "95240", 4, 14, 1999,
                          "Ben@example.org", ""));
  team.AddPlayer(MakePlayer("Cy Diaz", 12, kPosCatcher + 2, 0, 1, 1),
                 MakeInfo("555-0102", "3 Oak Lane", "Lodi", "CA", "95240", 5, 14, 1999,
                          "Cy @example.org", ""));
  return team;
}

}  // namespace

class TeamDialogsTest : public QObject {
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

  void opensWithTheListsAndTheirEncodings() {
    Editor e;
    RosterEditDialog& d = e.d;
    QCOMPARE(d.windowTitle(), QString("Edit Roster"));
    QCOMPARE(Shown(&d, {"player_title"}), QStringList({"No Player Selected"}));
    QCOMPARE(Texts(Find<QListWidget>(&d, "roster")), QStringList({"Cal", "Abe", "Bob (dh)"}));
    QCOMPARE(Texts(Find<QListWidget>(&d, "lineup")),
             QStringList({"01, Cal", "02, Abe", "03, Bob"}));
    // The boxes' lists are the code's own; what they encode shows in the
    // player read into them below (no number as "00").
    QCOMPARE(Texts(Find<QComboBox>(&d, "dh")), QStringList({"No DH", "Cal", "Abe", "Bob (dh)"}));
    QCOMPARE(Shown(&d, {"dh"}) << Find<QComboBox>(&d, "bats_for")->itemText(0),
             QStringList({"No DH", "Self at position ..."}));
    QVERIFY(Find<QPushButton>(&d, "personal_info")->isEnabled());

    Find<QListWidget>(&d, "roster")->setCurrentRow(1);
    QCOMPARE(Shown(&d, {"player_title", "name", "position", "number", "order", "bats", "throws"}),
             QStringList({"Player 2 out of 3", "Abe", "Pitcher", "00", "2", "Left", "Left"}));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "roster_editor");

    // A team inside a game keeps no personal information.
    e.team.no_personal_info = 1;
    RosterEditDialog game_team(e.team, e.session, e.ui, nullptr);
    QVERIFY(!Find<QPushButton>(&game_team, "personal_info")->isEnabled());
  }

  void addUpdateDeleteClearAll() {
    Editor e;
    RosterEditDialog& d = e.d;
    Team& team = e.team;
    auto* name = Find<QLineEdit>(&d, "name");
    Find<QPushButton>(&d, "clear_all")->click();
    Find<QPushButton>(&d, "add")->click();  // an empty name adds nothing
    QCOMPARE(team.count(), 3);

    name->setText("Dee with a name far too long for the field");
    QCOMPARE(name->text().size(), 24);
    Find<QComboBox>(&d, "position")->setCurrentIndex(kPosCatcher);
    Find<QComboBox>(&d, "number")->setCurrentIndex(0);  // "00"
    Find<QComboBox>(&d, "order")->setCurrentIndex(4);
    Find<QComboBox>(&d, "bats")->setCurrentIndex(2);    // Switch
    Find<QComboBox>(&d, "throws")->setCurrentIndex(1);  // Left
    Find<QPushButton>(&d, "add")->click();
    QCOMPARE(team.count(), 4);
    const PLAYER& added = team.player(3);
    QVERIFY(std::tuple(added.name.str(), added.position, added.uniform_number, added.batting_order,
                       added.bats, added.throws_right, added.key, added.active, added.entry_flag) ==
            std::tuple(std::string("Dee with a name far too "), int(kPosCatcher), std::int16_t{-1},
                       4, std::uint8_t{2}, std::uint8_t{0}, std::int16_t{0}, std::uint8_t{1},
                       PLAYER{}.entry_flag));
    const PLAYER_INFO born_today = NewPlayerInfo();
    QCOMPARE(team.info(3), born_today);
    QCOMPARE(Shown(&d, {"player_title"}), QStringList({"Player 4 out of 4"}));

    Find<QListWidget>(&d, "roster")->setCurrentRow(0);
    name->setText("Cal Jr");
    Find<QComboBox>(&d, "number")->setCurrentIndex(100);  // "99"
    Find<QComboBox>(&d, "bats")->setCurrentIndex(1);      // Left
    Find<QPushButton>(&d, "update")->click();
    const PLAYER& cal = team.player(0);
    QVERIFY(std::tuple(cal.name.str(), cal.uniform_number, cal.bats, cal.key,
                       team.info(0).phone.str()) ==
            std::tuple(std::string("Cal Jr"), std::int16_t{99}, std::uint8_t{0}, std::int16_t{7},
                       std::string("555-0100")));

    Find<QListWidget>(&d, "roster")->setCurrentRow(1);
    Find<QPushButton>(&d, "delete")->click();
    QCOMPARE(Names(team), QStringList({"Cal Jr", "Bob", "Dee with a name far too "}));
    QCOMPARE(team.info(2), born_today);
    QCOMPARE(Shown(&d, {"player_title"}), QStringList({"No Player Selected"}));

    Find<QListWidget>(&d, "roster")->setCurrentRow(0);
    Find<QPushButton>(&d, "clear_all")->click();
    QVERIFY(name->text().isEmpty());
    QCOMPARE(Find<QComboBox>(&d, "position")->currentIndex(), -1);
    QCOMPARE(Find<QListWidget>(&d, "roster")->currentRow(), -1);
  }

  void sortByMenuFlipsEachOrder() {
    Team start = Tigers();
    start.AddPlayer(Player("abe", 5, kPosBench, 0), PLAYER_INFO{});
    Editor e(start);
    const QList<QAction*> items = e.d.sort_menu()->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QString("&Name"));
    QCOMPARE(items[3]->data().toInt(), kCmdSortByPosition);
    QCOMPARE(Find<QPushButton>(&e.d, "sort_by")->menu(), e.d.sort_menu());
    // The orders and their flips are the roster sorter's own tests; here
    // the menu reaches it, with the locale's order for names.
    items[2]->trigger();
    QCOMPARE(Names(e.team), QStringList({"Abe", "abe", "Cal", "Bob"}));
    e.d.RunSortCommand(kCmdSortByName);
    const QStringList names = Names(e.team);
    for (int i = 1; i < names.size(); ++i) {
      QVERIFY(QString::localeAwareCompare(names[i - 1], names[i]) <= 0);
    }
    // The lists follow the roster; personal information follows its player.
    QCOMPARE(Texts(Find<QListWidget>(&e.d, "roster")).first(), names.first());
    QCOMPARE(e.team.info(e.team.IndexOfPlayer("abe")), PLAYER_INFO{});
  }

  void typedNumbersPickTheirOwnEntry() {
    struct Case {
      const char* list;
      int from;  // the entry showing before typing
      const char* keys;
      const char* picked;
    };
    const Case cases[] = {
        {"number", 13, "7", "7"},    // from "12": not "70", the next entry beginning with 7
        {"number", 13, "70", "70"},  // 7 then 0
        {"number", 8, "7", "7"},     // "7" again, not on to "70"
        {"number", 50, "00", "00"},  // no number
        {"number", -1, "123", "3"},  // no such entry: the last key alone
        {"order", 3, "15", "15"},   {"order", 12, "2", "2"},
    };
    Editor e;
    for (const Case& c : cases) {
      auto* box = Find<QComboBox>(&e.d, c.list);
      box->setCurrentIndex(c.from);
      QTest::qWait(QApplication::keyboardInputInterval() + 10);  // a new search
      QTest::keyClicks(box, c.keys);
      QCOMPARE(box->currentText(), QString(c.picked));
    }
  }

  void clashingNamesAndSlotsAreAskedAbout() {
    struct Case {
      int row;  // -1: Add, else Update of that player
      const char* name;
      int order;
      std::deque<bool> answers;
      QString asked;  // the captions of the questions, in order
      bool stored;
    };
    const QString name = "Duplicate Player Name", slot = "Duplicate Batting Orders Assigned";
    const Case cases[] = {
        {-1, "Cal", 0, {false}, name, false},
        {-1, "Cal", 0, {true}, name, true},
        {-1, "Dee", 2, {false}, slot, false},  // Abe bats 2nd
        {0, "Bob", 2, {true, true}, name + "/" + slot, true},
        {0, "Cal", 2, {false}, slot, false},
        {1, "Abe", 2, {}, "", true},  // nothing changes: nothing asked
    };
    for (const Case& c : cases) {
      Editor e;
      e.ui.yes_no_answers = c.answers;
      if (c.row >= 0) Find<QListWidget>(&e.d, "roster")->setCurrentRow(c.row);
      Find<QLineEdit>(&e.d, "name")->setText(c.name);
      Find<QComboBox>(&e.d, "order")->setCurrentIndex(c.order);
      Find<QPushButton>(&e.d, c.row < 0 ? "add" : "update")->click();
      QStringList asked;
      for (const RecordedMessage& m : e.ui.messages) {
        if (m.question) asked << QString::fromStdString(m.caption);
      }
      QCOMPARE(asked.join("/"), c.asked);
      const PLAYER& last = e.team.player(c.row < 0 ? e.team.count() - 1 : c.row);
      QCOMPARE(last.name.str() == c.name && last.batting_order == c.order, c.stored);
    }
    const UserMessages asked = RosterClashQuestions(Tigers(), Player("Dee", 4, 0, 2), -1);
    QVERIFY(asked.at(0).text.starts_with("Abe already bats 2nd.  The line-up would show"));
  }

  void keysAndMnemonics() {
    Editor e;
    RosterEditDialog& d = e.d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // The Delete key in the roster deletes the selected player, as the button does.
    auto* roster = Find<QListWidget>(&d, "roster");
    roster->setFocus();
    roster->setCurrentRow(1);
    QTest::keyClick(roster, Qt::Key_Delete);
    QCOMPARE(Names(e.team), QStringList({"Cal", "Bob"}));
    // ... and in a text field it deletes a character only.
    auto* name = Find<QLineEdit>(&d, "name");
    name->setFocus();
    name->setText("Zed");
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), QString("ed"));
    QCOMPARE(e.team.count(), 2);
    // Every Alt+letter reaches one control.
    QStringList letters;
    for (QWidget* w : d.findChildren<QWidget*>()) {
      const auto* button = qobject_cast<QAbstractButton*>(w);
      const auto* label = qobject_cast<QLabel*>(w);
      const QString text = button ? button->text() : label ? label->text() : QString();
      const qsizetype amp = text.indexOf('&');
      if (amp >= 0 && amp + 1 < text.size()) letters << text.mid(amp + 1, 1).toLower();
    }
    QCOMPARE(letters.removeDuplicates(), 0);
    QVERIFY(letters.contains("d") && letters.contains("h"));
  }

  // OK says what the roster rules refuse (their own tests) and keeps the
  // dialog and its edits.
  void okRefusesADuplicateSlot() {
    Editor e;
    Find<QListWidget>(&e.d, "roster")->setCurrentRow(0);
    Find<QComboBox>(&e.d, "order")->setCurrentIndex(3);  // Cal joins Bob in slot 3
    e.d.accept();                                        // stores the selected player first
    QCOMPARE(e.d.result(), int(QDialog::Rejected));
    QCOMPARE(testing::Captions(e.ui),
             std::vector<std::string>{"Duplicate Batting Orders Assigned"});
    QCOMPARE(Shown(&e.d, {"name"}), QStringList({"Cal"}));  // edits kept

    Find<QComboBox>(&e.d, "order")->setCurrentIndex(9);
    e.d.accept();
    QCOMPARE(e.d.result(), int(QDialog::Accepted));
    QCOMPARE(e.team.lineup_size, 9);
  }

  void designatedHitterChoices() {
    Team team = Tigers();
    team.dh_bats_for.position = kPosCatcher;
    Session session;
    ScriptedUi ui;
    {
      // "Self at ..." opens the position picker on the current position.
      RosterEditDialog d(team, session, ui, nullptr);
      int asked = -1;
      d.pick_position = [&](int current) -> std::optional<int> {
        asked = current;
        return kPosFirst;
      };
      Choose(Find<QComboBox>(&d, "dh"), 3);  // Bob (dh)
      auto* bats_for = Find<QComboBox>(&d, "bats_for");
      Choose(bats_for, 0);
      QCOMPARE(std::tuple(asked, bats_for->itemText(0), bats_for->currentIndex()),
               std::tuple(int(kPosCatcher), QString("Self at First"), 0));
      d.accept();
      QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QVERIFY(std::tuple(team.designated_hitter.name.str(), team.dh_bats_for.name.str(),
                       team.dh_bats_for.position, team.dh_bats_for.uniform_number) ==
            std::tuple(std::string("Bob"), std::string("Bob"), int(kPosFirst),
                       std::int16_t{30}));  // a copy of the DH at the picked position
    {
      RosterEditDialog d(team, session, ui, nullptr);
      auto* bats_for = Find<QComboBox>(&d, "bats_for");
      Choose(bats_for, bats_for->findText("Abe"));
      d.accept();
    }
    QCOMPARE(std::tuple(team.designated_hitter.name.str(), team.dh_bats_for.name.str()),
             std::tuple(std::string("Bob"), std::string("Abe")));

    RosterEditDialog none(team, session, ui, nullptr);
    QCOMPARE(Shown(&none, {"dh"}), QStringList({"Bob (dh)"}));
    Choose(Find<QComboBox>(&none, "dh"), 0);
    none.accept();
    QCOMPARE(team.uses_designated_hitter, std::uint8_t{0});
  }

  void designatedHitterWhoLeftTheRosterIsRefused() {
    Team start = Tigers();
    start.uses_designated_hitter = 1;
    start.designated_hitter.name.set("Bob");
    Editor e(start);
    Find<QListWidget>(&e.d, "roster")->setCurrentRow(2);
    Find<QPushButton>(&e.d, "delete")->click();
    QCOMPARE(Shown(&e.d, {"dh"}), QStringList({"Bob"}));
    e.d.accept();
    QCOMPARE(e.d.result(), int(QDialog::Rejected));
    QCOMPARE(testing::Captions(e.ui), std::vector<std::string>{"Problem with DH"});
  }

  void cancelLeavesTheTeamAsItWas() {
    Team team = Tigers();
    const Team before = team;
    Session session;
    ScriptedUi ui;
    TeamEditDialog edit(team, session, ui, nullptr);
    edit.run_roster_editor = [](RosterEditDialog& r) {
      Find<QLineEdit>(&r, "name")->setText("Zed");
      Find<QPushButton>(&r, "add")->click();
      Find<QListWidget>(&r, "roster")->setCurrentRow(0);
      Find<QPushButton>(&r, "delete")->click();
      r.RunSortCommand(kCmdSortByName);
      Choose(Find<QComboBox>(&r, "dh"), 1);
      r.reject();
      return r.result();
    };
    Find<QPushButton>(&edit, "edit_roster")->click();
    QCOMPARE(team, before);

    // The same edits with OK come back to the team.
    edit.run_roster_editor = [](RosterEditDialog& r) {
      Find<QLineEdit>(&r, "name")->setText("Zed");
      Find<QPushButton>(&r, "add")->click();
      r.accept();
      return r.result();
    };
    Find<QPushButton>(&edit, "edit_roster")->click();
    QCOMPARE(Names(team), QStringList({"Cal", "Abe", "Bob", "Zed"}));
  }

  void personalInfoButtonOpensTheDialogOnTheSameTeam() {
    Editor e;
    QString opened;
    e.d.run_personal_info = [&](PersonalInfoDialog& info) { opened = info.windowTitle(); };
    Find<QPushButton>(&e.d, "personal_info")->click();
    QCOMPARE(opened, QString("Players Personal Info"));
  }

  void listViewColumnsAndRows() {
    testing::GuiFixture f;
    Team team = Finches();
    team.info(1).email.set("benjamin.otabellsworth@lodi-little-league.org");
    PersonalInfoDialog d(team, f.session, f.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Players Personal Info"));
    auto* players = Find<QTableWidget>(&d, "players");
    QCOMPARE(players->rowCount(), 3);
    QStringList titles;
    for (int c = 0; c < players->columnCount(); ++c) {
      titles << players->model()->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(titles.join(","), QString("Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note"));
    QCOMPARE(
        QStringList({testing::Cell(players->model(), 2, 2), testing::Cell(players->model(), 0, 8)}),
        QStringList({"5/14/1999", "left-handed, bats third"}));

    players->selectRow(0);
    QVERIFY(Find<QLineEdit>(&d, "name")->isReadOnly());
    QStringList shown;
    for (const char* box : {"name", "birthday", "email"}) shown << Find<QLineEdit>(&d, box)->text();
    QCOMPARE(shown, QStringList({"Ann Lee", "3/14/1999", "Ann@example.org"}));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "personal_info");

    // Columns as wide as their texts; the dialog fits the screen, and a
    // 1280-pixel screen at 1.5 times the size.
    QVERIFY(d.width() <= d.screen()->availableGeometry().width());
    QVERIFY(d.minimumSizeHint().width() * 3 / 2 <= 1280 - 20);
    auto widths = [players] {
      QList<int> w;
      for (int c = 0; c < players->columnCount(); ++c) w << players->columnWidth(c);
      return w;
    };
    const QList<int> before = widths();
    for (int c = 0; c < players->columnCount(); ++c) {
      QVERIFY(before[c] >= PersonalInfoDialog::Columns()[static_cast<std::size_t>(c)].width);
      for (int row = 0; row < players->rowCount(); ++row) {
        const QString text = players->item(row, c)->text();
        QVERIFY2(before[c] > players->fontMetrics().horizontalAdvance(text), qPrintable(text));
      }
    }
    // Widened, the name and the note take the room; the others keep theirs.
    int needed = 0;
    for (int w : before) needed += w;
    d.resize(d.width() + needed - players->viewport()->width() + 200, d.height());
    QTest::qWait(20);
    const QList<int> after = widths();
    QVERIFY(after[0] > before[0]);
    QVERIFY(after[8] > before[8]);
    QCOMPARE(after.mid(1, 7), before.mid(1, 7));
  }

  void updateInfoAndClearBoxes() {
    testing::GuiFixture f;
    Team team = Finches();
    const Team before = team;
    PersonalInfoDialog d(team, f.session, f.ui, nullptr);
    auto* players = Find<QTableWidget>(&d, "players");
    Find<QLineEdit>(&d, "phone")->setText("999");
    Find<QPushButton>(&d, "update_info")->click();
    QCOMPARE(team, before);

    players->selectRow(1);
    auto* address = Find<QLineEdit>(&d, "address");
    QCOMPARE(std::tuple(address->maxLength(), Find<QLineEdit>(&d, "zip")->maxLength()),
             std::tuple(99, 19));
    address->setText("77 Long Road");
    Find<QLineEdit>(&d, "birthday")->setText("12/25/2001");
    Find<QPushButton>(&d, "update_info")->click();
    const PLAYER_INFO ben = team.info(1);
    QVERIFY(std::tuple(ben.address.str(), ben.birth_month, ben.birth_day, ben.birth_year) ==
            std::tuple(std::string("77 Long Road"), 12, 25, 2001));
    QCOMPARE(players->item(1, 3)->text(), QString("77 Long Road"));
    QCOMPARE(team.player(1), before.player(1));  // the roster name is not changed here

    // Only a day of the calendar is a birthday.
    LocalDate date;
    QString parsed;
    for (const char* text : {"2/29/2012", " 1 / 2 / 3 ", "13/1/2000", "2/32/2000", "31/31/2011",
                             "2/29/2011", "next May", "1/1/0"}) {
      parsed += ParseBirthday(text, &date) ? "+" : "-";
    }
    QCOMPARE(parsed, QString("++------"));
    // One that is not is refused with a message, keeps the stored one and
    // nothing else typed is stored.
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    address->setText("refused with the date");
    Find<QLineEdit>(&d, "birthday")->setText("2/29/2011");
    Find<QPushButton>(&d, "update_info")->click();
    QCOMPARE(team.info(1), ben);
    QCOMPARE(testing::Captions(f.ui), std::vector<std::string>{"Birthday"});
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Find<QLineEdit>(&d, "birthday")));
    // An empty box is no birthday.
    Find<QLineEdit>(&d, "birthday")->clear();
    Find<QPushButton>(&d, "update_info")->click();
    QCOMPARE(int(team.info(1).birth_month), 0);
    QCOMPARE(players->item(1, 2)->text(), QString());

    Find<QPushButton>(&d, "clear_boxes")->click();
    QCOMPARE(testing::Shown(&d, {"name", "birthday", "phone", "address", "city", "state", "zip",
                                 "email", "note"})
                 .join(""),
             QString());
  }

  // What was typed and not yet stored is not lost when another player is
  // selected: the dialog asks, Yes stores it, No drops it.
  void typedInfoIsAskedAboutBeforeMovingOn() {
    testing::GuiFixture f;
    Team team = Finches();
    PersonalInfoDialog d(team, f.session, f.ui, nullptr);
    auto* players = Find<QTableWidget>(&d, "players");
    auto* phone = Find<QLineEdit>(&d, "phone");
    players->selectRow(0);
    players->selectRow(1);  // nothing typed: no question
    QVERIFY(f.ui.messages.empty());

    phone->setText("555-7777");
    f.ui.yes_no_answers.push_back(true);
    players->selectRow(2);
    QCOMPARE(f.ui.messages.size(), size_t(1));
    QVERIFY(f.ui.messages[0].question);
    QVERIFY(f.ui.messages[0].text.find("Ben Ota") != std::string::npos);
    QCOMPARE(team.info(1).phone.str(), std::string("555-7777"));
    QCOMPARE(phone->text(), QString("555-0102"));

    phone->setText("dropped");
    f.ui.yes_no_answers.push_back(false);
    players->selectRow(0);
    QCOMPARE(team.info(2).phone.str(), std::string("555-0102"));
    QCOMPARE(phone->text(), QString("555-0100"));

    // Saving an impossible birthday keeps the player selected.
    Find<QLineEdit>(&d, "birthday")->setText("31/31/2011");
    f.ui.yes_no_answers.push_back(true);
    players->selectRow(2);
    QCOMPARE(players->currentRow(), 0);
    QCOMPARE(Find<QLineEdit>(&d, "name")->text(), QString("Ann Lee"));

    // OK stores what is typed (after asking).
    Find<QLineEdit>(&d, "birthday")->setText("3/14/1999");
    phone->setText("555-1234");
    f.ui.yes_no_answers.push_back(true);
    Find<QPushButton>(&d, "ok")->click();
    QCOMPARE(team.info(0).phone.str(), std::string("555-1234"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
  }

  void birthdayPickerAndEmail() {
    testing::GuiFixture f;
    Team team = Finches();
    PersonalInfoDialog d(team, f.session, f.ui, nullptr);
    Find<QTableWidget>(&d, "players")->selectRow(2);
    LocalDate offered;
    d.pick_date = [&](const LocalDate& date) -> std::optional<LocalDate> {
      offered = date;
      return LocalDate{2004, 7, 3};
    };
    Find<QPushButton>(&d, "birthday_button")->click();
    QCOMPARE(std::tuple(offered.month, offered.day), std::tuple(5, 14));
    QCOMPARE(Find<QLineEdit>(&d, "birthday")->text(), QString("7/3/2004"));

    QUrl opened;
    d.open_url = [&](const QUrl& url) {
      opened = url;
      return false;  // no mail program: the button says so
    };
    Find<QPushButton>(&d, "email_button")->click();
    QCOMPARE(f.ui.messages.back().caption, std::string("e-mail"));
    QCOMPARE(opened.scheme(), QString("mailto"));
    QCOMPARE(opened.path(), QString("Cy @example.org"));
    QCOMPARE(MailToText("a@b.org"), QString("MailTo:a@b.org"));
    QCOMPARE(MailToText(QString(60, 'x')).size(), 7 + 50);
  }

  void calendarShowsTheChosenDate() {
    QCOMPARE(LongDateText({2004, 7, 3}), QString("Saturday, July 3, 2004"));
    CalendarDialog calendar({1999, 3, 14}, nullptr);
    QCOMPARE(calendar.date().year, 1999);
    QCOMPARE(Find<QLabel>(&calendar, "chosen")->text(), QString("Sunday, March 14, 1999"));
    calendar.set_date({2004, 2, 30});  // not a date: today instead
    QCOMPARE(calendar.date().year, Today().year);

    // A year typed into the calendar's year field and ended with Enter is
    // the year chosen, and the dialog stays open for the day.
    calendar.set_date({1999, 3, 14});
    calendar.show();
    QVERIFY(QTest::qWaitForWindowActive(&calendar));
    QTest::mouseClick(calendar.findChild<QToolButton*>("qt_calendar_yearbutton"), Qt::LeftButton);
    auto* year = calendar.findChild<QSpinBox*>("qt_calendar_yearedit");
    QVERIFY(year->isVisible());
    year->selectAll();
    QTest::keyClicks(year, "2003");
    QTest::keyClick(year, Qt::Key_Return);
    QVERIFY(calendar.isVisible());
    QCOMPARE(LongDateText(calendar.date()), QString("Friday, March 14, 2003"));
    QTest::keyClick(&calendar, Qt::Key_Return);  // now OK
    QCOMPARE(calendar.result(), int(QDialog::Accepted));
    QCOMPARE(calendar.date().year, 2003);
  }

  void exportAndPrint() {
    testing::GuiFixture f;
    Team team = Finches();
    PLAYER rookie;  // no birthday until one is entered: blank in the list and the export
    rookie.name.set("Dee New");
    team.AddPlayer(rookie, NewPlayerInfo());
    PersonalInfoDialog d(team, f.session, f.ui, nullptr);
    QCOMPARE(Find<QTableWidget>(&d, "players")->item(3, 2)->text(), QString());
    auto* note = Find<QLineEdit>(&d, "note");
    QVERIFY(note->placeholderText().contains(QString::number(note->maxLength())));
    f.ui.file_answers.push_back(FileChoice{f.Path("phones"), 1});
    Find<QPushButton>(&d, "export")->click();
    std::string csv;
    QVERIFY(ReadWholeTextFile(f.Path("phones.csv"), csv));
    QVERIFY2(csv.find("\nDee New,,,,,,,,") != std::string::npos, csv.c_str());

    print::RecordingPageTarget target(QSize(9600, 12400));
    d.print = [&](print::Printout& printout) { print::PrintPages(printout, target); };
    Find<QPushButton>(&d, "print")->click();
    QCOMPARE(target.pages().size(), size_t{1});
    QVERIFY(target.pages()[0].Find("Finches Address/Phone List") != nullptr);
  }
};

QTEST_MAIN(TeamDialogsTest)
#include "team_dialogs_test.moc"
