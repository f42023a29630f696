// The roster editor: choice lists and their encodings, Add, Update,
// Delete, Clear All, Sort by, the designated hitter, and OK's checks.

#include "records/roster_edit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <deque>

#include "app/personal_info_dialog.h"
#include "app/roster_edit_dialog.h"
#include "app/team_edit_dialog.h"
#include "gui/support/gui_fixture.h"
#include "records/codes.h"
#include "reports/small_team.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Choose;
using scorewick::testing::Find;
using scorewick::testing::Shown;
using scorewick::testing::Texts;

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

}  // namespace

class RosterEditTest : public QObject {
  Q_OBJECT

 private slots:
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
};

QTEST_MAIN(RosterEditTest)
#include "roster_edit_test.moc"
