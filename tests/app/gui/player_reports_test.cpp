// The game log opened from the Statistics window, the pitcher workload
// window, and the pitch-count rules dialog of the Options.

#include "app/player_reports.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "app/report_window.h"
#include "app/stats_window.h"
#include "app/workload_rules_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/stat_games.h"
#include "intake/game_feed.h"
#include "records/file_io.h"
#include "reports/workload_tables.h"
#include "stats/pitcher_workload.h"

using namespace scorewick;
using namespace scorewick::app;

class PlayerReportsTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::vector<std::string> games_;
  std::string team_;

 private slots:
  void initTestCase() {
    games_ = testing::WriteSampleGames(fixture_.Path("start/season"), 8);
    team_ = testing::SampleTeamName();
  }

  // A player's row opens his game log, the totals row nothing (the real
  // double click is the statistics window's test); the log's figures are
  // his line in the statistics (the game log's season test).
  void doubleClickOpensTheGameLog() {
    const GameChoice chosen{.games = games_, .team = team_};
    StatsWindow w(chosen, StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    std::vector<std::string> opened;
    w.game_log_opener = [&](const std::string& name, const std::string& team) {
      opened = {name, team};
    };
    w.OpenGameLogOf(static_cast<int>(w.displayed().batting.size()) - 1);  // the totals row
    QVERIFY(opened.empty());
    const BattingStat first = w.displayed().batting.front();
    w.OpenGameLogOf(0);
    QCOMPARE(opened, std::vector<std::string>({first.name, team_}));
    w.reject();

    testing::WhenDialogShows([&](QWidget* dialog) {
      auto* log = qobject_cast<ReportWindow*>(dialog);
      QVERIFY(log);
      QCOMPARE(log->windowTitle(), "Game Log: " + QString::fromStdString(first.name));
      QCOMPARE(log->grids().at(0)->rowCount(), first.games + 1);  // his games and the totals
      log->resize(1000, 360);
      testing::SaveScreenshot(log, "game_log");
      log->accept();
    });
    OpenGameLog(games_, first.name, team_, {}, fixture_.session, fixture_.ui, nullptr);
  }

  void workloadWindow() {
    WorkloadCounter counter(team_, {});
    FeedGames(games_, {}, [&](FedGame& fed) {
      if (!fed.refusal) counter.Count(fed.game, fed.index);
      return true;
    });
    const Workload w = counter.Finish(DefaultWorkloadRules(), *ParseCalendarDay("2024-07-01"));
    ReportWindow window(reports::WorkloadTables(w), "Pitcher Workload", "Pitcher Workload",
                        fixture_.session, fixture_.ui, nullptr);
    QCOMPARE(int(window.grids().size()), 2);
    QCOMPARE(window.grids()[0]->rowCount(), int(w.pitchers.size()));
    QCOMPARE(window.grids()[1]->rowCount(), int(w.outings.size()));
    QVERIFY(!w.outings.empty());
    // The day box makes the tables again for the day chosen.
    window.AddDayBox("&As of", w.as_of, [&counter](const LocalDate& day) {
      return reports::WorkloadTables(counter.Finish(DefaultWorkloadRules(), day));
    });
    const LocalDate first = w.outings.front().day;
    window.day_box()->setDate(QDate(first.year, first.month, first.day));
    QCOMPARE(window.tables().front().title,
             "Pitcher Workload: " + team_ + ", as of " + CalendarDayText(first));
    QCOMPARE(window.grids()[1]->rowCount(), int(w.outings.size()));
    window.resize(900, 560);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    testing::SaveScreenshot(&window, "pitcher_workload");
  }

  // The rules as a table: rows removed and added as a person would, a row
  // that does not read named and the dialog kept open, good rules kept in
  // the file's text for the Options dialog to write, and a file's own text
  // (comments and all) kept when its rules are left as they were.
  void rulesDialogEditsTheRulesAsATable() {
    const std::string path = fixture_.Path("start/workload.txt");
    WorkloadRulesDialog dialog(path, fixture_.ui, nullptr);
    QTableWidget* table = dialog.table();
    const auto row = [table](int r) {
      return table->item(r, 0)->text() + "|" + table->item(r, 1)->text() + "|" +
             table->item(r, 2)->text();
    };
    QCOMPARE(table->rowCount(), 5);  // the youth table
    QCOMPARE(row(4), QString("66||4"));
    table->selectRow(4);
    QTest::mouseClick(testing::Find<QPushButton>(&dialog, "remove_row"), Qt::LeftButton);
    QTest::mouseClick(testing::Find<QPushButton>(&dialog, "add_row"), Qt::LeftButton);
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(row(4), QString("66||4"));  // it follows on from 51-65, 3 days
    table->item(1, 0)->setText("20");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(fixture_.ui.messages.back().text,
             std::string("These rules cannot be used.\n\nRow 2: the range overlaps the one before "
                         "it (up to 20)."));
    table->item(1, 0)->setText("21");
    dialog.max_box()->setValue(75);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    WorkloadRules expected = DefaultWorkloadRules();
    expected.daily_max = 75;
    QCOMPARE(dialog.text(), WorkloadRulesText(expected));
    QVERIFY(!FileExists(path));

    const std::string ours = "# our league\n1-30 0\n31+ 2\n";
    QVERIFY(WriteTextFileAtomically(path, ours));
    WorkloadRulesDialog again(path, fixture_.ui, nullptr);
    QCOMPARE(again.table()->rowCount(), 2);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    testing::SaveScreenshot(&again, "pitch_count_rules");
    again.accept();
    QCOMPARE(again.text(), ours);
    std::filesystem::remove(path);
  }
};

QTEST_MAIN(PlayerReportsTest)
#include "player_reports_test.moc"
