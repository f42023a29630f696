// The plot windows: their lists, repainting with new points and figures,
// printing, and the menu commands that open them after the game chooser.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/pitch_plot_window.h"
#include "app/plot_canvas.h"
#include "app/plot_commands.h"
#include "app/scatter_plot_window.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "gui/support/stat_games.h"
#include "reports/print/page_target.h"
#include "reports/print/printout.h"

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

class PlotWindowsTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  GameChoice chosen_;

 private slots:
  void initTestCase() {
    chosen_.games = testing::WriteSampleGames(fixture_.Path("start/season"), 4);
  }

  void scatterListsAndRepaint() {
    ScatterPlotWindow w(chosen_, fixture_.session, fixture_.ui, nullptr);
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
    PitchPlotWindow w(chosen_, fixture_.session, fixture_.ui, nullptr);
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
};

QTEST_MAIN(PlotWindowsTest)
#include "plot_windows_test.moc"
