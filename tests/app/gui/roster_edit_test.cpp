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

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Find;

PLAYER Player(const char* name, int number, int position, int order, int bats = 1,
              int throws_right = 1) {
  PLAYER p;
  p.name.set(name);
  p.uniform_number = static_cast<std::int16_t>(number);
  p.position = position;
  p.batting_order = order;
  p.bats = static_cast<std::uint8_t>(bats);
  p.throws_right = static_cast<std::uint8_t>(throws_right);
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

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

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
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Edit Roster"));
    QCOMPARE(Find<QLabel>(&d, "player_title")->text(), QString("No Player Selected"));
    QCOMPARE(Items(Find<QListWidget>(&d, "roster")), QStringList({"Cal", "Abe", "Bob (dh)"}));
    QCOMPARE(Items(Find<QListWidget>(&d, "lineup")),
             QStringList({"01, Cal", "02, Abe", "03, Bob"}));
    auto* position = Find<QComboBox>(&d, "position");
    QCOMPARE(position->count(), 32);
    QCOMPARE(position->itemText(6), QString("Short Stop"));
    auto* number = Find<QComboBox>(&d, "number");
    QCOMPARE(number->count(), 101);
    QCOMPARE(number->itemText(0), QString("00"));
    QCOMPARE(number->itemText(1), QString("0"));
    QCOMPARE(number->itemText(100), QString("99"));
    auto* order = Find<QComboBox>(&d, "order");
    QCOMPARE(order->count(), 21);
    QCOMPARE(order->itemText(20), QString("20"));
    QCOMPARE(Items(Find<QComboBox>(&d, "bats")), QStringList({"Right", "Left", "Switch"}));
    QCOMPARE(Items(Find<QComboBox>(&d, "throws")), QStringList({"Right", "Left"}));
    QCOMPARE(Items(Find<QComboBox>(&d, "dh")), QStringList({"No DH", "Cal", "Abe", "Bob (dh)"}));
    QCOMPARE(Find<QComboBox>(&d, "dh")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(&d, "bats_for")->itemText(0), QString("Self at position ..."));
    QVERIFY(Find<QPushButton>(&d, "personal_info")->isEnabled());

    // Selecting a player shows him.
    Find<QListWidget>(&d, "roster")->setCurrentRow(1);
    QCOMPARE(Find<QLabel>(&d, "player_title")->text(), QString("Player 2 out of 3"));
    QCOMPARE(Find<QLineEdit>(&d, "name")->text(), QString("Abe"));
    QCOMPARE(position->currentText(), QString("Pitcher"));
    QCOMPARE(number->currentText(), QString("00"));
    QCOMPARE(order->currentText(), QString("2"));
    QCOMPARE(Find<QComboBox>(&d, "bats")->currentText(), QString("Left"));
    QCOMPARE(Find<QComboBox>(&d, "throws")->currentText(), QString("Left"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "roster_editor");

    // A team inside a game keeps no personal information.
    team.no_personal_info = 1;
    RosterEditDialog game_team(team, session, ui, nullptr);
    QVERIFY(!Find<QPushButton>(&game_team, "personal_info")->isEnabled());
  }

  void addUpdateDeleteClearAll() {
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
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
    QCOMPARE(added.name.str(), std::string("Dee with a name far too "));
    QCOMPARE(added.position, kPosCatcher);
    QCOMPARE(added.uniform_number, std::int16_t{-1});
    QCOMPARE(added.batting_order, 4);
    QCOMPARE(added.bats, std::uint8_t{2});
    QCOMPARE(added.throws_right, std::uint8_t{0});
    QCOMPARE(added.key, std::int16_t{0});
    QCOMPARE(added.active, std::uint8_t{1});
    QCOMPARE(added.entry_flag, PLAYER{}.entry_flag);
    // Empty personal information, born today.
    const PLAYER_INFO born_today = NewPlayerInfo();
    QCOMPARE(team.info(3), born_today);
    QCOMPARE(Find<QLabel>(&d, "player_title")->text(), QString("Player 4 out of 4"));

    // Update stores the fields into the selected player.
    Find<QListWidget>(&d, "roster")->setCurrentRow(0);
    name->setText("Cal Jr");
    Find<QComboBox>(&d, "number")->setCurrentIndex(100);  // "99"
    Find<QComboBox>(&d, "bats")->setCurrentIndex(1);      // Left
    Find<QPushButton>(&d, "update")->click();
    QCOMPARE(team.player(0).name.str(), std::string("Cal Jr"));
    QCOMPARE(team.player(0).uniform_number, std::int16_t{99});
    QCOMPARE(team.player(0).bats, std::uint8_t{0});
    QCOMPARE(team.player(0).key, std::int16_t{7});  // untouched
    QCOMPARE(team.info(0).phone.str(), std::string("555-0100"));

    // Delete takes the player and his personal information.
    Find<QListWidget>(&d, "roster")->setCurrentRow(1);
    Find<QPushButton>(&d, "delete")->click();
    QCOMPARE(Names(team), QStringList({"Cal Jr", "Bob", "Dee with a name far too "}));
    QCOMPARE(team.info(2), born_today);
    QCOMPARE(Find<QLabel>(&d, "player_title")->text(), QString("No Player Selected"));

    // Clear All empties the fields and the selections.
    Find<QListWidget>(&d, "roster")->setCurrentRow(0);
    Find<QPushButton>(&d, "clear_all")->click();
    QVERIFY(name->text().isEmpty());
    QCOMPARE(Find<QComboBox>(&d, "position")->currentIndex(), -1);
    QCOMPARE(Find<QListWidget>(&d, "roster")->currentRow(), -1);
    QCOMPARE(Find<QLabel>(&d, "player_title")->text(), QString("No Player Selected"));
  }

  void sortByMenuFlipsEachOrder() {
    Team team = Tigers();
    team.AddPlayer(Player("abe", 5, kPosBench, 0), PLAYER_INFO{});
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    const QList<QAction*> items = d.sort_menu()->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QString("&Name"));
    QCOMPARE(items[3]->data().toInt(), kCmdSortByPosition);
    QCOMPARE(Find<QPushButton>(&d, "sort_by")->menu(), d.sort_menu());

    items[2]->trigger();  // uniform number ascending like the others, "00" first
    QCOMPARE(Names(team), QStringList({"Abe", "abe", "Cal", "Bob"}));
    items[2]->trigger();
    QCOMPARE(Names(team), QStringList({"Bob", "Cal", "abe", "Abe"}));
    d.RunSortCommand(kCmdSortByBattingOrder);  // not batting stays last
    QCOMPARE(Names(team), QStringList({"Cal", "Abe", "Bob", "abe"}));
    d.RunSortCommand(kCmdSortByBattingOrder);
    QCOMPARE(Names(team), QStringList({"Bob", "Abe", "Cal", "abe"}));
    d.RunSortCommand(kCmdSortByPosition);
    QCOMPARE(Names(team), QStringList({"abe", "Abe", "Cal", "Bob"}));
    d.RunSortCommand(kCmdSortByPosition);
    QCOMPARE(Names(team), QStringList({"Bob", "Cal", "Abe", "abe"}));
    // Names in the locale's order, then the other way round.
    d.RunSortCommand(kCmdSortByName);
    QStringList names = Names(team);
    for (int i = 1; i < names.size(); ++i) {
      QVERIFY(QString::localeAwareCompare(names[i - 1], names[i]) <= 0);
    }
    d.RunSortCommand(kCmdSortByName);
    std::reverse(names.begin(), names.end());
    QCOMPARE(Names(team), names);
    // The lists follow the roster; personal information follows its player.
    QCOMPARE(Items(Find<QListWidget>(&d, "roster")).first(), names.first());
    QCOMPARE(team.info(team.IndexOfPlayer("abe")), PLAYER_INFO{});
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
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    for (const Case& c : cases) {
      auto* box = Find<QComboBox>(&d, c.list);
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
      const char* asked;  // the captions of the questions, in order
      bool stored;
    };
    const Case cases[] = {
        {-1, "Cal", 0, {false}, "Duplicate Player Name", false},
        {-1, "Cal", 0, {true}, "Duplicate Player Name", true},
        {-1, "Dee", 2, {false}, "Duplicate Batting Orders Assigned", false},  // Abe bats 2nd
        {0,
         "Bob",
         2,
         {true, true},
         "Duplicate Player Name/Duplicate Batting Orders Assigned",
         true},
        {0, "Cal", 2, {false}, "Duplicate Batting Orders Assigned", false},
        {1, "Abe", 2, {}, "", true},  // nothing changes: nothing asked
    };
    for (const Case& c : cases) {
      Team team = Tigers();
      Session session;
      ScriptedUi ui;
      ui.yes_no_answers = c.answers;
      RosterEditDialog d(team, session, ui, nullptr);
      if (c.row >= 0) Find<QListWidget>(&d, "roster")->setCurrentRow(c.row);
      Find<QLineEdit>(&d, "name")->setText(c.name);
      Find<QComboBox>(&d, "order")->setCurrentIndex(c.order);
      Find<QPushButton>(&d, c.row < 0 ? "add" : "update")->click();
      QStringList asked;
      for (const RecordedMessage& m : ui.messages) {
        if (m.question) asked << QString::fromStdString(m.caption);
      }
      QCOMPARE(asked.join("/"), QString(c.asked));
      const PLAYER& last = team.player(c.row < 0 ? team.count() - 1 : c.row);
      QCOMPARE(last.name.str() == c.name && last.batting_order == c.order, c.stored);
    }
    const UserMessages asked = RosterClashQuestions(Tigers(), Player("Dee", 4, 0, 2), -1);
    QVERIFY(asked.at(0).text.starts_with("Abe already bats 2nd.  The line-up would show"));
  }

  void keysAndMnemonics() {
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // The Delete key in the roster deletes the selected player, as the button does.
    auto* roster = Find<QListWidget>(&d, "roster");
    roster->setFocus();
    roster->setCurrentRow(1);
    QTest::keyClick(roster, Qt::Key_Delete);
    QCOMPARE(Names(team), QStringList({"Cal", "Bob"}));
    // ... and in a text field it deletes a character only.
    auto* name = Find<QLineEdit>(&d, "name");
    name->setFocus();
    name->setText("Zed");
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), QString("ed"));
    QCOMPARE(team.count(), 2);
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

  void okRefusesADuplicateSlot() {
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    Find<QListWidget>(&d, "roster")->setCurrentRow(0);
    Find<QComboBox>(&d, "order")->setCurrentIndex(3);  // Cal joins Bob in slot 3
    d.accept();                                        // stores the selected player first
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(ui.messages.size(), size_t{1});
    QCOMPARE(ui.messages[0].text,
             std::string("Can't save lineup.  3rd position in batting order is duplicated."));
    QCOMPARE(ui.messages[0].caption, std::string("Duplicate Batting Orders Assigned"));
    QCOMPARE(Find<QLineEdit>(&d, "name")->text(), QString("Cal"));  // edits kept

    Find<QComboBox>(&d, "order")->setCurrentIndex(9);
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(team.lineup_size, 9);  // the highest order, gaps and all
  }

  void designatedHitterChoices() {
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    auto* dh = Find<QComboBox>(&d, "dh");
    auto* bats_for = Find<QComboBox>(&d, "bats_for");
    dh->setCurrentIndex(3);
    emit dh->activated(3);  // Bob (dh)
    // "Self at ..." opens the position picker on the current position.
    int asked = -1;
    d.pick_position = [&](int current) -> std::optional<int> {
      asked = current;
      return kPosFirst;
    };
    team.dh_bats_for.position = kPosCatcher;
    RosterEditDialog again(team, session, ui, nullptr);
    again.pick_position = d.pick_position;
    auto* dh2 = Find<QComboBox>(&again, "dh");
    dh2->setCurrentIndex(3);
    emit dh2->activated(3);
    auto* for2 = Find<QComboBox>(&again, "bats_for");
    for2->setCurrentIndex(0);
    emit for2->activated(0);
    QCOMPARE(asked, int(kPosCatcher));
    QCOMPARE(for2->itemText(0), QString("Self at First"));
    QCOMPARE(for2->currentIndex(), 0);
    again.accept();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(team.uses_designated_hitter, std::uint8_t{1});
    QCOMPARE(team.designated_hitter.name.str(), std::string("Bob"));
    QCOMPARE(team.dh_bats_for.name.str(), std::string("Bob"));
    QCOMPARE(team.dh_bats_for.position, int(kPosFirst));
    QCOMPARE(team.dh_bats_for.uniform_number, std::int16_t{30});  // a copy of the DH

    // Picking another player stores his name.
    const int abe = bats_for->findText("Abe");
    bats_for->setCurrentIndex(abe);
    emit bats_for->activated(abe);
    d.accept();
    QCOMPARE(team.dh_bats_for.name.str(), std::string("Abe"));
    QCOMPARE(team.designated_hitter.name.str(), std::string("Bob"));

    // "No DH" empties both records.
    RosterEditDialog none(team, session, ui, nullptr);
    auto* dh3 = Find<QComboBox>(&none, "dh");
    QCOMPARE(dh3->currentText(), QString("Bob (dh)"));
    dh3->setCurrentIndex(0);
    emit dh3->activated(0);
    none.accept();
    QCOMPARE(team.uses_designated_hitter, std::uint8_t{0});
    QVERIFY(team.designated_hitter.name.empty());
    QVERIFY(team.dh_bats_for.name.empty());
    QCOMPARE(team.designated_hitter.position, 0);
    QCOMPARE(team.dh_bats_for.position, 0);
  }

  void designatedHitterWhoLeftTheRosterIsRefused() {
    Team team = Tigers();
    team.uses_designated_hitter = 1;
    team.designated_hitter.name.set("Bob");
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    Find<QListWidget>(&d, "roster")->setCurrentRow(2);
    Find<QPushButton>(&d, "delete")->click();
    QCOMPARE(Find<QComboBox>(&d, "dh")->currentText(), QString("Bob"));
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(ui.messages.back().text, std::string("DH not in Roster. Reselect DH or select No DH"));
    QCOMPARE(ui.messages.back().caption, std::string("Problem with DH"));
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
      Find<QComboBox>(&r, "dh")->setCurrentIndex(1);
      emit Find<QComboBox>(&r, "dh")->activated(1);
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
    QCOMPARE(team.count(), 4);
    QCOMPARE(team.player(3).name.str(), std::string("Zed"));
  }

  void personalInfoButtonOpensTheDialogOnTheSameTeam() {
    Team team = Tigers();
    Session session;
    ScriptedUi ui;
    RosterEditDialog d(team, session, ui, nullptr);
    bool opened = false;
    d.run_personal_info = [&](PersonalInfoDialog& info) {
      opened = true;
      QCOMPARE(info.windowTitle(), QString("Players Personal Info"));
    };
    Find<QPushButton>(&d, "personal_info")->click();
    QVERIFY(opened);
  }
};

QTEST_MAIN(RosterEditTest)
#include "roster_edit_test.moc"
