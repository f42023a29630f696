// The statistics window: what it counts (its title and the line under it),
// tabs, radios and their labels, sorting by a heading and the sorted
// column in view, the layout editor and the layout files, the qualifiers
// and the players they hide, export, print, the progress of the counting,
// games left out, its size kept, a double click on a name, and the menu
// command with Change Games.

#include "app/stats_window.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/app_printer.h"
#include "app/core/command_ids.h"
#include "app/game_chooser_dialog.h"
#include "app/stat_table_view.h"
#include "app/stats_commands.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "gui/support/stat_games.h"
#include "records/file_io.h"
#include "reports/stats_csv.h"
#include "stats/accumulate.h"
#include "stats/column_glossary.h"
#include "support/pdf_pages.h"

using namespace scorewick;
using namespace scorewick::app;
using scorewick::testing::Find;
using scorewick::testing::Lines;
using scorewick::testing::ReadText;
using scorewick::testing::Texts;

namespace {

QStringList RadioTexts(QWidget* w) {
  return {Find<QRadioButton>(w, "split_right")->text(), Find<QRadioButton>(w, "split_left")->text(),
          Find<QRadioButton>(w, "split_all")->text()};
}

QString Cell(StatsWindow& w, int row, int section) {
  return testing::Cell(w.list()->model(), row, section);
}

// The display position of the first column headed key.
int Section(StatsWindow& w, const QString& key) {
  QAbstractItemModel* model = w.list()->model();
  for (int i = 0; i < model->columnCount(); ++i) {
    if (model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString() == key) return i;
  }
  qFatal("no column %s", qPrintable(key));
}

}  // namespace

class StatsWindowTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::vector<std::string> games_;
  std::string team_;

  // The layout files of the four tables, gone: the next window opens on
  // the default layouts.
  void RemoveLayouts() {
    for (const char* name : {"blayout.bsl", "rlayout.rsl", "flayout.fsl", "playout.psl"})
      std::filesystem::remove(fixture_.Path(std::string("start/") + name));
  }

  GameChoice Chosen(bool all_teams = false) const {
    return {.games = games_, .team = all_teams ? "" : team_, .all_teams = all_teams};
  }

 private slots:
  void initTestCase() {
    games_ = testing::WriteSampleGames(fixture_.Path("start/season"), 8);
    team_ = testing::SampleTeamName();
  }

  void tabsRadiosAndLabels() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    // The title and the line under it say the team, the games and their days.
    const QString what = QString::fromStdString(team_) + ", 5 games, ";  // the team's of the 8
    QVERIFY2(w.windowTitle().startsWith("Statistics: " + what), qPrintable(w.windowTitle()));
    QVERIFY(w.windowTitle().contains(QRegularExpression(R"(\d{4}-\d\d-\d\d to \d{4}-\d\d-\d\d$)")));
    const QString counted = Find<QLabel>(&w, "counted")->text();
    QVERIFY2(counted.contains(what) && counted.endsWith("No filters"), qPrintable(counted));
    QCOMPARE(Texts(Find<QTabBar>(&w, "tables")),
             QStringList({"Batting", "Running", "Fielding", "Pitching"}));
    QCOMPARE(Texts(Find<QTabBar>(&w, "views")),
             QStringList({QString::fromStdString(team_), "Opponents", "Combined"}));
    QCOMPARE(Find<QComboBox>(&w, "innings")->currentText(), QString("9"));
    auto* model = w.list()->model();
    QCOMPARE(model->rowCount(), int(w.shown().batting.size()));
    QVERIFY(Cell(w, 0, 0) < Cell(w, model->rowCount() - 2, 0));  // opens sorted by name
    QCOMPARE(Cell(w, model->rowCount() - 1, 0), QString("TEAM TOTALS"));
    QCOMPARE(RadioTexts(&w),
             QStringList({"Vs &RH Pitchers", "Vs &LH Pitchers", "Vs &All Pitchers"}));
    QVERIFY(Find<QRadioButton>(&w, "split_all")->isChecked());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    testing::SaveScreenshot(&w, "stats_batting");

    // A split on the pitching tab is the pitching split; the batting tab
    // still shows its own.
    Find<QTabBar>(&w, "tables")->setCurrentIndex(3);
    QCOMPARE(w.table(), StatTable::kPitching);
    QCOMPARE(RadioTexts(&w), QStringList({"Vs &RH Batters", "Vs &LH Batters", "Vs &All Batters"}));
    Find<QRadioButton>(&w, "split_left")->click();
    QCOMPARE(w.pitching_split(), Split::kLeft);
    QCOMPARE(w.batting_split(), Split::kAll);
    Find<QTabBar>(&w, "tables")->setCurrentIndex(0);
    QVERIFY(Find<QRadioButton>(&w, "split_all")->isChecked());

    Find<QTabBar>(&w, "views")->setCurrentIndex(2);
    QCOMPARE(w.view(), StatView::kCombined);
    QCOMPARE(Cell(w, model->rowCount() - 1, 0), QString("TOTALS"));
    w.reject();
    StatsWindow all(Chosen(true), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(all.Open());
    QCOMPARE(Texts(Find<QTabBar>(&all, "views")), QStringList({"All Teams"}));  // one view
    all.reject();
  }

  void wideBattingTableStaysUsable() {
    // Names left-aligned, the numbers narrow and right-aligned.
    std::string layout = "1, 130, Left\n1, 120, Left\n";
    for (int i = 2; i < 55; ++i) layout += "1, 56, Right\n";
    layout += "1, 130, Left\n";
    std::ofstream(fixture_.Path("start/blayout.bsl")) << layout;
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QHeaderView* header = w.list()->horizontalHeader();
    auto* model = w.list()->model();
    const int pa = Section(w, "PA");
    QCOMPARE(model->data(model->index(0, pa), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(model->data(model->index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    // Every heading fits its column; the table scrolls sideways.
    for (int i = 0; i < model->columnCount(); ++i) {
      const QString key = model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
      QVERIFY2(header->fontMetrics().horizontalAdvance(key) + 6 <= header->sectionSize(i),
               qPrintable(key));
    }
    QVERIFY(w.list()->horizontalScrollBar()->maximum() > 0);
    testing::SaveScreenshot(&w, "stats_batting_narrow");

    // The list takes what the window gains.
    const QSize list_before = w.list()->size();
    w.resize(w.width() + 200, w.height() + 150);
    QTest::qWait(20);
    QCOMPARE(w.list()->size(), list_before + QSize(200, 150));
    w.reject();
    std::filesystem::remove(fixture_.Path("start/blayout.bsl"));
  }

  // No layout file: every column opens as wide as its heading and its
  // widest cell, the headings name their columns, and the names stay in
  // view when the figures scroll sideways.
  void columnsFitTheirContentsAndTheNamesStay() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    w.resize(1024, 640);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (StatTable table : {StatTable::kBatting, StatTable::kFielding, StatTable::kPitching}) {
      w.ShowTable(table);
      StatTableView* list = w.list();
      QHeaderView* header = list->horizontalHeader();
      auto* model = list->model();
      for (int i = 0; i < model->columnCount(); ++i) {
        const QString key = model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        const int column = w.layout(table)[static_cast<std::size_t>(i)].column;
        QCOMPARE(model->headerData(i, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString::fromUtf8(ColumnName(table, column).data(),
                                   qsizetype(ColumnName(table, column).size())));
        // The view's own measure of the column's cells, and the heading's.
        QVERIFY2(
            static_cast<QAbstractItemView*>(list)->sizeHintForColumn(i) <= header->sectionSize(i),
            qPrintable(key));
        QVERIFY2(header->sectionSizeHint(i) <= header->sectionSize(i), qPrintable(key));
      }
    }
    w.ShowTable(StatTable::kBatting);
    StatTableView* list = w.list();
    QVERIFY(list->horizontalHeader()->sectionSize(Section(w, "PA")) < 100);  // no longer 100 each
    testing::SaveScreenshot(&w, "stats_batting_1024");

    // Scrolled to the far right and to the bottom: the kept Name column
    // lies over the first column, as wide, showing the same rows.
    QTableView* kept = list->kept_view();
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QVERIFY(list->horizontalScrollBar()->value() > 0);
    QVERIFY(kept->isVisible());
    QCOMPARE(kept->x(), list->frameWidth());
    QCOMPARE(kept->columnWidth(0), list->columnWidth(0));
    QCOMPARE(kept->rowAt(kept->viewport()->height() / 2),
             list->rowAt(list->viewport()->height() / 2));
    QCOMPARE(kept->model()->headerData(0, Qt::Horizontal).toString(), QString("Name"));
    testing::SaveScreenshot(&w, "stats_batting_scrolled");
    // Its heading sorts as the first column's does: Z to A first.
    emit kept->horizontalHeader()->sectionClicked(0);
    const int rows = list->model()->rowCount();
    QVERIFY(Cell(w, 0, 0) > Cell(w, rows - 2, 0));
    // A layout without the Name column first keeps nothing.
    w.ShowTable(StatTable::kRunning);
    QVERIFY(kept->isVisible());
    testing::WhenDialogShows([](QWidget* editor) {
      auto* viewed = Find<QListWidget>(editor, "viewed");
      viewed->item(0)->setSelected(true);
      Find<QPushButton>(editor, "hide")->click();
      qobject_cast<QDialog*>(editor)->accept();
    });
    w.EditLayout(StatTable::kRunning);
    QVERIFY(!kept->isVisible());
    w.reject();
    RemoveLayouts();
  }

  // A width of 100 in a layout file is the old default: sized to fit.  A
  // width the person drags is kept (one dragged to exactly 100 as 101); a
  // double click on its edge lets it fit again.
  void widthsSetByHandAreKeptAndCanFitAgain() {
    std::ofstream(fixture_.Path("start/blayout.bsl")) << "1, 100, Center\n1, 57, Right\n";
    {
      StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
      QVERIFY(w.Open());
      QHeaderView* header = w.list()->horizontalHeader();
      QCOMPARE(header->sectionSize(0), w.list()->ContentWidth(0));
      QCOMPARE(header->sectionSize(1), 57);
      header->resizeSection(Section(w, "PA"), 100);
      header->resizeSection(Section(w, "H"), 64);
      emit header->sectionHandleDoubleClicked(1);
      QCOMPARE(header->sectionSize(1), w.list()->ContentWidth(1));
      w.ShowTable(StatTable::kRunning);
      w.ShowTable(StatTable::kBatting);  // the widths survive a change of tab
      QCOMPARE(header->sectionSize(Section(w, "H")), 64);
      w.accept();
    }
    const std::vector<std::string> lines = Lines(ReadText(fixture_.Path("start/blayout.bsl")));
    QCOMPARE(lines[0], std::string("1, 100, Center"));
    QCOMPARE(lines[1], std::string("1, 100, Right"));
    QCOMPARE(lines[4], std::string("1, 101, Center"));  // PA
    QCOMPARE(lines[6], std::string("1, 64, Center"));   // H
    QCOMPARE(lines[7], std::string("1, 100, Center"));  // 1B, never touched
    std::filesystem::remove(fixture_.Path("start/blayout.bsl"));
  }

  // The order itself is the engine's (its sort tests); a click here must
  // reach it with the right column and direction, totals kept last.
  void headingClicksSortDescendingThenAscending() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    QHeaderView* header = w.list()->horizontalHeader();
    const int pa = Section(w, "PA");
    const int rows = w.list()->model()->rowCount();
    for (bool descending : {true, false}) {
      emit header->sectionClicked(pa);
      const int first = Cell(w, 0, pa).toInt(), last = Cell(w, rows - 2, pa).toInt();
      QVERIFY(descending ? first > last : first < last);
      QCOMPARE(Cell(w, rows - 1, 0), QString("TEAM TOTALS"));
    }
    // The trailing Name column sorts by the first: its first click is Z to A.
    emit header->sectionClicked(55);
    QVERIFY(Cell(w, 0, 0) > Cell(w, rows - 2, 0));
    w.reject();
  }

  void editedLayoutAndWidthsWrittenOnClose() {
    {
      StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
      QVERIFY(w.Open());
      w.show();
      testing::WhenDialogShows([](QWidget* editor) {
        QCOMPARE(editor->windowTitle(), QString("Modify Stats Report"));
        auto* viewed = Find<QListWidget>(editor, "viewed");
        viewed->findItems("SB2", Qt::MatchExactly).first()->setSelected(true);
        viewed->findItems("CV", Qt::MatchExactly).first()->setSelected(true);
        Find<QPushButton>(editor, "hide")->click();
        auto* available = Find<QListWidget>(editor, "available");
        QCOMPARE(Texts(available), QStringList({"SB2", "CV"}));
        available->item(1)->setSelected(true);  // CV comes back
        Find<QPushButton>(editor, "show")->click();
        testing::SaveScreenshot(editor, "stats_layout_editor");
        qobject_cast<QDialog*>(editor)->accept();
      });
      w.EditLayout(StatTable::kRunning);
      QVERIFY(!w.layout(StatTable::kRunning)[3].shown);
      w.ShowTable(StatTable::kRunning);
      QCOMPARE(w.list()->model()->columnCount(), 26);
      w.ShowTable(StatTable::kPitching);
      Find<QComboBox>(&w, "innings")->setCurrentIndex(6);
      w.accept();
    }
    // The line format itself is the layout file's own test, widths dragged
    // the test above; here, what the window changed reaches the files, and
    // all four are written.
    QCOMPARE(Lines(ReadText(fixture_.Path("start/rlayout.rsl")))[3], std::string("0, 100, Center"));
    QVERIFY(FileExists(fixture_.Path("start/blayout.bsl")));
    QVERIFY(FileExists(fixture_.Path("start/flayout.fsl")));
    QVERIFY(FileExists(fixture_.Path("start/playout.psl")));
    QCOMPARE(fixture_.session.settings.innings_per_game, 7);

    // The next window reads them back.
    StatsWindow again(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(again.Open());
    QVERIFY(!again.layout(StatTable::kRunning)[3].shown);
    QCOMPARE(Find<QComboBox>(&again, "innings")->currentText(), QString("7"));
    // A layout or qualifiers file that cannot be written (a folder stands
    // at its name) is said once when the window closes; the others are
    // still written.
    for (const char* name : {"start/playout.psl", "start/scwk-stats.ini"}) {
      std::filesystem::remove(fixture_.Path(name));
      std::filesystem::create_directory(fixture_.Path(name));
    }
    std::filesystem::remove(fixture_.Path("start/flayout.fsl"));
    fixture_.ui.messages.clear();
    again.reject();
    QCOMPARE(fixture_.ui.messages.size(), std::size_t{1});
    QCOMPARE(fixture_.ui.messages[0].caption, std::string("Save Error"));
    QVERIFY(fixture_.ui.messages[0].text.find("playout.psl") != std::string::npos);
    QVERIFY(fixture_.ui.messages[0].text.find("scwk-stats.ini") != std::string::npos);
    QVERIFY(FileExists(fixture_.Path("start/flayout.fsl")));
    RemoveLayouts();
    std::filesystem::remove(fixture_.Path("start/scwk-stats.ini"));
    fixture_.session.settings.innings_per_game = 9;
  }

  // Qualifiers leave players out of the rows drawn and exported, never
  // out of the totals, and are kept for the next opening.
  void qualifiersLeaveRowsOutAndAreKept() {
    const std::string kept = fixture_.Path("start/scwk-stats.ini");
    {
      StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
      QVERIFY(w.Open());
      auto* model = w.list()->model();
      const int rows = model->rowCount();
      const int ops = Section(w, "OPS");
      const QString totals = Cell(w, rows - 1, ops);
      // Which rows qualify is the engine's (its rates tests); here the
      // boxes reach it, the rows drawn and exported follow, the totals stay.
      Find<QSpinBox>(&w, "min_pa")->setValue(20);
      QVERIFY(model->rowCount() < rows);
      QCOMPARE(model->rowCount(), int(w.displayed().batting.size()));
      QCOMPARE(Find<QLabel>(&w, "hidden")->text(),
               QString("%1 players hidden by the qualifiers").arg(rows - model->rowCount()));
      QCOMPARE(Cell(w, model->rowCount() - 1, ops), totals);
      w.ShowTable(StatTable::kPitching);
      Find<QDoubleSpinBox>(&w, "min_ip")->setValue(6.33);
      const std::string csv = fixture_.Path("qualified");
      fixture_.ui.file_answers.push_back(FileChoice{csv, 1});
      w.Export(StatsWindow::ExportForm::kCsv);
      QCOMPARE(ReadText(csv + ".csv"), reports::StatsCsv(w.displayed(), StatTable::kPitching,
                                                         w.layout(StatTable::kPitching)));
      w.accept();
    }
    QCOMPARE(ReadText(kept), std::string("min-pa=20\nmin-ip=6.33\nhide-empty=0\n"));
    StatsWindow again(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QCOMPARE(Find<QSpinBox>(&again, "min_pa")->value(), 20);
    again.SetQualifiers({});
    again.reject();
    std::filesystem::remove(kept);
  }

  // The texts are the engine's (the qualifiers test above compares one);
  // the pages and their appending are the export tests' golden files.
  void exportWritesTheEnginesText() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    w.ShowTable(StatTable::kFielding);
    const std::string html = fixture_.Path("stats.htm");
    fixture_.ui.file_answers.push_back(FileChoice{html, 1});
    w.Export(StatsWindow::ExportForm::kHtml);
    w.ShowTable(StatTable::kPitching);
    fixture_.ui.file_answers.push_back(FileChoice{html, 1});
    w.Export(StatsWindow::ExportForm::kHtmlAppended);
    const std::string page = ReadText(html);
    QVERIFY(page.find("<HTML>", 1) == std::string::npos);  // appended: one head
    QVERIFY(page.find("Fielding Stats") < page.find("Pitching Stats"));
    QCOMPARE(fixture_.ui.file_requests.back().filter,
             std::string("HTML Page (*.htm)|*.htm;*.html|"));
    w.reject();
  }

  void printAsksForWidthAndOrientation() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    struct PrintCall {
      std::size_t sections;
      int width;
      bool landscape;
      bool operator==(const PrintCall&) const = default;
    };
    std::vector<PrintCall> calls;
    w.print_runner = [&](const std::vector<reports::TextSection>& sections,
                         const std::string& title, const std::vector<std::string>& games, int width,
                         bool landscape) {
      QCOMPARE(title, "Statistics for " + team_);
      QCOMPARE(games, games_);
      for (const std::string& line : sections[1]) QVERIFY(int(line.size()) <= width);
      calls.push_back({sections.size(), width, landscape});
    };
    fixture_.ui.messages.clear();
    fixture_.ui.yes_no_answers = {false, false};
    w.Print();  // portrait, no width chosen: 85
    fixture_.ui.yes_no_answers = {true, true};
    fixture_.ui.text_answers = {std::string("30")};
    w.Print();  // too low: 50, and it stays
    fixture_.ui.yes_no_answers = {false, true};
    w.Print();
    QCOMPARE(calls.size(), std::size_t{3});
    QVERIFY(calls[1].sections > calls[0].sections);  // narrower: more sections
    QCOMPARE(calls[0].width, 85);
    QVERIFY((calls[1] == PrintCall{calls[1].sections, 50, true}));
    QVERIFY((calls[2] == PrintCall{calls[1].sections, 50, true}));
    std::vector<std::string> texts;
    for (const auto& m : fixture_.ui.messages) texts.push_back(m.text);
    const std::string width = "Modify number of characters printed per page width ?";
    const std::string landscape = "Would you like to print this report in landscape mode?";
    const std::string low =
        "Sorry, your selection was too low and would not print properly.  Resetting to the "
        "lowest setting, 50";
    QCOMPARE(texts,
             std::vector<std::string>({width, landscape, width, low, landscape, width, landscape}));
    QCOMPARE(fixture_.ui.messages[0].caption, std::string("Scorewick"));
    fixture_.session.stats_print_width = 0;
    w.reject();
  }

  void printsOnTheApplicationPrinter() {
    QPrinter& printer = ApplicationPrinter();
    if (printer.outputFormat() != QPrinter::PdfFormat)
      QSKIP("a printer is installed: nothing to print on");
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    const std::string pdf = fixture_.Path("stats.pdf");
    fixture_.ui.yes_no_answers = {false, before == QPageLayout::Portrait};
    printer.setOutputFileName(QString::fromStdString(pdf));  // the print dialog's file
    testing::WhenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    w.Print();
    QVERIFY(testing::PdfPages(pdf) > 0);
    QCOMPARE(printer.pageLayout().orientation(), before);  // turned for the job only
    printer.setOutputFileName(QString());
    w.reject();
  }

  void cancelledCountingKeepsThePreviousState() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    w.progress_hook = [](int done, int) { return done < 3; };
    QVERIFY(!w.Open());

    StatsWindow open(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(open.Open());
    const int rows = open.list()->model()->rowCount();
    const QString totals_pa = Cell(open, rows - 1, Section(open, "PA"));
    int asked = 0;
    open.progress_hook = [&asked](int done, int total) {
      ++asked;
      return done < total - 1;  // cancelled at the very last game
    };
    Find<QRadioButton>(&open, "split_right")->click();
    QVERIFY(asked > 0);
    QCOMPARE(open.batting_split(), Split::kAll);
    QVERIFY(Find<QRadioButton>(&open, "split_all")->isChecked());
    QCOMPARE(open.list()->model()->rowCount(), rows);
    QCOMPARE(Cell(open, rows - 1, Section(open, "PA")), totals_pa);
    // A click on another split while counting is not a second count.
    auto* left = Find<QRadioButton>(&open, "split_left");
    int calls = 0;
    open.progress_hook = [left, &calls](int, int) {
      if (++calls == 2) left->click();
      return true;
    };
    Find<QRadioButton>(&open, "split_right")->click();
    QCOMPARE(calls, int(games_.size()));  // once a game, both sides from one reading
    QCOMPARE(open.batting_split(), Split::kRight);
    QVERIFY(Find<QRadioButton>(&open, "split_right")->isChecked());
    QVERIFY(Cell(open, open.list()->model()->rowCount() - 1, Section(open, "PA")).toInt() <
            totals_pa.toInt());
    open.reject();
  }

  void gamesThatCannotBeReadAreNamedAndLeftOut() {
    GameChoice chosen = Chosen();
    const std::string missing = fixture_.Path("start/season/gone.gam");
    const std::string damaged = fixture_.Path("start/season/damaged.gam");
    std::vector<std::uint8_t> bytes;
    QVERIFY(ReadWholeFile(games_[0], bytes));
    bytes.resize(600);  // cut short inside its teams
    QVERIFY(WriteFileAtomically(damaged, bytes));
    chosen.games.push_back(missing);
    chosen.games.push_back(damaged);
    fixture_.ui.messages.clear();
    StatsWindow w(chosen, StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    QCOMPARE(fixture_.ui.messages.size(), std::size_t{1});
    QCOMPARE(fixture_.ui.messages[0].caption, std::string("Load Error"));
    const std::string& text = fixture_.ui.messages[0].text;
    QVERIFY(text.starts_with("These games could not be read and are left out:\n"));
    QVERIFY(text.find(missing) != std::string::npos && text.find(damaged) != std::string::npos);
    QCOMPARE(w.list()->model()->rowCount(), int(w.shown().batting.size()));
    std::vector<std::string> printed;
    w.print_runner = [&](const auto&, const auto&, const std::vector<std::string>& games, int,
                         bool) { printed = games; };
    w.Print();
    QCOMPARE(printed, games_);
    w.reject();
    std::filesystem::remove(damaged);

    const GameChoice none{.games = {missing}, .team = team_};
    StatsWindow empty(none, StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(!empty.Open());
    QVERIFY(fixture_.ui.messages.back().text.starts_with("No game could be read:"));
  }

  // The sorted column comes into view when its table shows again.
  void theSortedColumnIsInViewOnReturn() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    w.resize(520, 480);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QHeaderView* header = w.list()->horizontalHeader();
    const int ops = Section(w, "OPS");
    w.SortBySection(ops);
    w.list()->horizontalScrollBar()->setValue(0);
    QVERIFY(header->sectionViewportPosition(ops) > w.list()->viewport()->width());
    Find<QTabBar>(&w, "tables")->setCurrentIndex(3);
    Find<QTabBar>(&w, "tables")->setCurrentIndex(0);
    const int at = header->sectionViewportPosition(ops);
    QVERIFY2(at >= 0 && at + header->sectionSize(ops) <= w.list()->viewport()->width(),
             qPrintable(QString::number(at)));
    w.reject();
  }

  // The window opens again at the size and place it was left.
  void keepsItsSizeAndPlace() {
    QRect left;
    {
      StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
      QVERIFY(w.Open());
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.setGeometry(60, 50, 1040, 640);
      left = w.geometry();
      w.accept();
    }
    StatsWindow again(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(again.Open());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.geometry(), left);
    again.reject();
  }

  // A double click on a player's name (the kept Name column) opens his log.
  void doubleClickOnANameOpensTheGameLog() {
    StatsWindow w(Chosen(), StatRules{}, fixture_.session, fixture_.ui, nullptr);
    QVERIFY(w.Open());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    std::vector<std::string> opened;
    w.game_log_opener = [&](const std::string& name, const std::string& team) {
      opened = {name, team};
    };
    QTableView* names = w.list()->kept_view();
    QVERIFY(names->isVisible());
    const QRect cell = names->visualRect(names->model()->index(1, 0));
    // A real double click is a click, then the second press.
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(names->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(opened, (std::vector<std::string>{w.displayed().batting[1].name, team_}));
    opened.clear();
    w.OpenGameLogOf(static_cast<int>(w.displayed().batting.size()) - 1);  // the totals row
    QVERIFY(opened.empty());
    w.reject();
  }

  // The menu command: the chooser, then the window saying what it counts;
  // Change Games opens the chooser on the same games, team and filters,
  // and the window counts what is chosen there.
  void menuCommandOpensTheChooserThenTheWindow() {
    MainWindow& main = fixture_.Window();
    QVERIFY(main.ActionFor(kCmdTeamStats)->isEnabled());
    fixture_.session.last_choice.reset();
    const QString team_name = QString::fromStdString(team_);
    QStringList seen;
    int choosing = 0;
    testing::OnModal<GameChooserDialog>([&](GameChooserDialog& chooser) {
      seen << chooser.windowTitle();
      auto* team = Find<QComboBox>(&chooser, "team");
      if (++choosing == 1) {
        chooser.EnterFolder(fixture_.Path("start/season"));
        chooser.AddAllOfFolder();
        team->setCurrentIndex(team->findText(team_name));
      } else {
        // Opened on what the window counts.
        seen << QString::number(chooser.selection().games().size()) + " " + team->currentText();
        Find<QSpinBox>(&chooser, "last")->setValue(3);
      }
      chooser.accept();
      return chooser.result();
    });
    testing::OnModal<StatsWindow>([&](StatsWindow& window) {
      seen << window.windowTitle().section(',', 0, 1);
      if (window.list()->model()->rowCount() < 10) return int(QDialog::Rejected);
      Find<QPushButton>(&window, "change_games")->click();
      seen << window.windowTitle().section(',', 0, 1);
      seen << Find<QLabel>(&window, "counted")->text().section("<br>", 1);
      window.accept();
      return int(QDialog::Accepted);
    });
    main.ActionFor(kCmdToolGameStats)->trigger();
    testing::ResetModal();
    QCOMPARE(seen, QStringList({"Select Applicable Games To Analyze",
                                "Statistics: " + team_name + ", 5 games",
                                "Select Applicable Games To Analyze", "8 " + team_name,
                                "Statistics: " + team_name + ", 3 games",
                                "Filters: last 3 games of " + team_name}));
    QVERIFY(FileExists(fixture_.Path("start/blayout.bsl")));
  }
};

QTEST_MAIN(StatsWindowTest)
#include "stats_window_test.moc"
