// The personal information dialog: the list view, Update Info, Clear
// Boxes, the birthday picker, e-mail, export and print.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "app/calendar_dialog.h"
#include "app/personal_info_dialog.h"
#include "gui/support/gui_fixture.h"
#include "records/codes.h"
#include "records/file_io.h"
#include "records/player_info.h"
#include "reports/print/printout.h"
#include "reports/print/recording_target.h"
#include "reports/small_team.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

using scorewick::testing::Find;

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

class PersonalInfoTest : public QObject {
  Q_OBJECT

 private slots:
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

QTEST_MAIN(PersonalInfoTest)
#include "personal_info_test.moc"
