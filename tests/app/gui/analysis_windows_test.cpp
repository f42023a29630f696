// The windows that look at the chosen games of the sample season: the
// plot windows (their lists, repainting with new points and figures,
// printing, and the menu commands that open them after the game chooser),
// the game log opened from the Statistics window, the pitcher workload
// window, the pitch-count rules dialog of the Options, and the website
// published from them.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "app/core/command_ids.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/pitch_plot_window.h"
#include "app/player_reports.h"
#include "app/plot_canvas.h"
#include "app/plot_commands.h"
#include "app/report_window.h"
#include "app/scatter_plot_window.h"
#include "app/site_publish_dialog.h"
#include "app/stats_window.h"
#include "app/workload_rules_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "gui/support/stat_games.h"
#include "intake/game_feed.h"
#include "records/file_io.h"
#include "reports/print/page_target.h"
#include "reports/print/printout.h"
#include "reports/workload_tables.h"
#include "stats/pitcher_workload.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// Prints the printout onto page images and keeps them.
std::vector<QImage> PrintedPages(print::Printout& printout) {
  print::ImagePageTarget target(QSize(850, 1100), 100);
  print::PrintPages(printout, target);
  return target.pages();
}

void SavePage(const QImage& page, const QString& name) {
  const QByteArray folder = qgetenv("SCOREWICK_SCREENSHOTS");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  page.save(folder + "/" + name + ".png");
}

}  // namespace

class AnalysisWindowsTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::vector<std::string> games_;
  std::string team_;

  GameChoice Chosen() const { return {.games = games_}; }

 private slots:
  void initTestCase() {
    games_ = testing::WriteSampleGames(fixture_.Path("start/season"), 8);
    team_ = testing::SampleTeamName();
  }
  void cleanup() { testing::ResetModal(); }

  void scatterListsAndRepaint() {
    ScatterPlotWindow w(Chosen(), fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    QCOMPARE(w.windowTitle(), QString("Scatter Plots"));
    QComboBox* batters = w.batter_box();
    QCOMPARE(batters->currentText(), QString("ALL BATTERS"));
    QCOMPARE(w.pitcher_box()->currentText(), QString("ALL PITCHERS"));
    QVERIFY(batters->count() > 20);
    // The players A to Z, "ALL" last; a team chosen, only its players.
    QStringList names = testing::Texts(batters);
    QCOMPARE(names.takeLast(), QString("ALL BATTERS"));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
      return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(names, sorted);
    QComboBox* team = w.team_box();
    QCOMPARE(team->itemText(0), QString("All Teams"));
    QVERIFY(team->count() >= 3);
    team->setCurrentIndex(1);
    QVERIFY(batters->count() > 9 && batters->count() < names.size());
    QCOMPARE(batters->currentText(), QString("ALL BATTERS"));
    team->setCurrentIndex(0);
    QCOMPARE(batters->count(), names.size() + 1);
    // The balls without a recorded place are counted under the chart.
    QCOMPARE(w.unplaced_text().isEmpty(), w.info().unplaced_outs.empty());
    const std::size_t all = w.info().on_base_points.size() + w.info().out_points.size();
    QVERIFY(all > 50);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    testing::SaveScreenshot(&w, "scatter_plots");
    // The window enlarged, the chart grows with it.
    const QSize was = w.size();
    w.resize(was * 1.6);
    QTRY_VERIFY(w.canvas()->scale() > 1.3);
    testing::SaveScreenshot(&w, "scatter_plots_enlarged");
    w.resize(was);
    const int painted = w.canvas()->paint_count();
    batters->setCurrentIndex(0);
    QCOMPARE(QString::fromStdString(w.info().batter_filter), batters->itemText(0));
    const std::size_t one = w.info().on_base_points.size() + w.info().out_points.size();
    QVERIFY(one > 0 && one < all);
    QTRY_VERIFY(w.canvas()->paint_count() > painted);

    std::vector<QImage> pages;
    w.print = [&](print::Printout& printout) { pages = PrintedPages(printout); };
    batters->setCurrentIndex(batters->count() - 1);
    w.Print();
    QCOMPARE(pages.size(), std::size_t{1});
    SavePage(pages.front(), "scatter_plots_printed");
  }

  void pitchListsFiguresAndRepaint() {
    PitchPlotWindow w(Chosen(), fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    QCOMPARE(w.windowTitle(), QString("Pitching Plots"));
    QCOMPARE(w.type_box()->count(), kPitchTypeCount + 1);
    QCOMPARE(w.type_box()->currentText(), QString("All Pitches"));
    QCOMPARE(w.batter_box()->currentText(), QString("ALL BATTERS"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int painted = w.canvas()->paint_count();

    // Strikes hidden: the figures shown are the engine's for the filter.
    w.kind_box(PitchKind::kStrike)->setChecked(false);
    QCOMPARE(w.figures()[1], QString(" 0.00"));
    QVERIFY(w.figures()[2] != " 0.00" || w.figures()[3] != " 0.00");
    QTRY_VERIFY(w.canvas()->paint_count() > painted);
    w.kind_box(PitchKind::kStrike)->setChecked(true);

    // Every pitch.
    w.pitcher_box()->setCurrentIndex(w.pitcher_box()->count() - 1);
    testing::SaveScreenshot(&w, "pitching_plots");
    std::vector<QImage> pages;
    w.print = [&](print::Printout& printout) { pages = PrintedPages(printout); };
    w.Print();
    QCOMPARE(pages.size(), std::size_t{1});
  }

  void menuCommandsOpenTheChooserThenTheWindow() {
    MainWindow& main = fixture_.Window();
    for (int command : {kCmdScatterPlots, kCmdPitchingPlots}) {
      QStringList seen;
      testing::OnModal<GameChooserDialog>([&](GameChooserDialog& chooser) {
        seen << chooser.windowTitle();
        chooser.EnterFolder(fixture_.Path("start/season"));
        chooser.AddAllOfFolder();
        chooser.accept();
        return chooser.result();
      });
      testing::OnModal<PlotWindow>([&](PlotWindow& window) {
        seen << window.windowTitle();
        window.accept();
        return int(QDialog::Accepted);
      });
      main.ActionFor(command)->trigger();
      testing::ResetModal();
      const QString window = command == kCmdScatterPlots ? "Scatter Plots" : "Pitching Plots";
      QCOMPARE(seen, QStringList({"Select Applicable Games To Analyze", window}));
    }
  }

  // A player's game log, as a row of the Statistics window opens it (which
  // row opens whose log is the window's test): his games and the totals;
  // the log's figures are his line in the statistics (the game log's
  // season test).
  void theGameLogOfAPlayer() {
    const GameChoice chosen{.games = games_, .team = team_};
    StatsWindow w(chosen, StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    const BattingStat first = w.displayed().batting.front();
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

  // File > Publish Season Website: the chooser's games and team, the small
  // dialog, the folder, the site written there and its home page opened; a
  // folder holding other files is asked about first.
  void publishesTheChosenTeamAndOpensItsHome() {
    testing::GuiFixture f;
    testing::WriteSampleGames(f.Path("start/season"), 8);
    const QString team = QString::fromStdString(testing::SampleTeamName());
    testing::OnModal<GameChooserDialog>([&](GameChooserDialog& chooser) {
      chooser.EnterFolder(f.Path("start/season"));
      chooser.AddAllOfFolder();
      auto* teams = testing::Find<QComboBox>(&chooser, "team");
      teams->setCurrentIndex(teams->findText(team));
      chooser.accept();
      return chooser.result();
    });
    bool initials = false;
    testing::OnModal<SitePublishDialog>([&](SitePublishDialog& dialog) {
      initials = !dialog.full_names();
      [&] { QCOMPARE(dialog.title(), team); }();
      dialog.title_edit()->setText("Our Season");
      dialog.show();
      testing::SaveScreenshot(&dialog, "publish_site");
      dialog.accept();
      return int(QDialog::Accepted);
    });
    QUrl opened;
    f.Window().url_opener = [&](const QUrl& url) {
      opened = url;
      return true;
    };
    f.ui.text_answers.push_back(f.Path("site"));
    f.Window().RunCommand(kCmdPublishSite);
    QVERIFY(initials);
    QCOMPARE(opened.toLocalFile(), QString::fromStdString(f.Path("site/index.html")));
    QVERIFY(FileExists(f.Path("site/stats.html")));
    QVERIFY(f.ui.messages.empty());
    std::string home;
    QVERIFY(ReadWholeTextFile(f.Path("site/index.html"), home).ok);
    QVERIFY(home.find("<title>" + testing::SampleTeamName() + " - Our Season</title>") !=
            std::string::npos);

    // A folder of other files: No leaves it as it was.
    f.MakeFolder("letters");
    QVERIFY(WriteTextFileAtomically(f.Path("letters/coach.txt"), "hello").ok);
    f.ui.text_answers.push_back(f.Path("letters"));
    f.ui.yes_no_answers.push_back(false);
    opened.clear();
    f.Window().RunCommand(kCmdPublishSite);
    QVERIFY(opened.isEmpty());
    QVERIFY(!FileExists(f.Path("letters/index.html")));
  }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
