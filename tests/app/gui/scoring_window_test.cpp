// The scoring window driven as a scorer drives it: buttons, taps on the
// field and typed words through one half-inning, compared word for word
// with the book expected; the window reopened on its game; what the pads
// offer in a situation; and a correction refused in the book panel.

#include "app/scoring_window.h"

#include <QAction>
#include <QPointer>
#include <QtTest>
#include <deque>

#include "app/core/command_ids.h"
#include "app/line_up_editor.h"
#include "app/main_window.h"
#include "app/new_game_dialog.h"
#include "app/play_composer.h"
#include "app/save_question.h"
#include "app/scoring_board.h"
#include "app/scoring_book_panel.h"
#include "app/scoring_commands.h"
#include "app/scoring_field.h"
#include "app/substitution_dialog.h"
#include "gui/support/gui_fixture.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "scoring/kept_book.h"
#include "scoring/new_game_book.h"
#include "support/full_game.h"

using namespace scorewick;
using namespace scorewick::app;

namespace {

// A new game of the two test teams, their first nine at positions 1 to 9.
std::vector<std::string> NewGame() {
  scoring::NewGame g;
  g.year = 2026;
  g.month = 5;
  g.day = 2;
  g.hour = 18;
  g.field = "Test Park";
  g.visitor = testing::VisitingTeam();
  g.home = testing::HomeTeam();
  for (auto [team, line_up] :
       {std::pair{&g.visitor, &g.visitor_line_up}, std::pair{&g.home, &g.home_line_up}}) {
    for (int i = 0; i < 9; ++i)
      line_up->batters.push_back({team->players()[std::size_t(i)].name.str(), i + 1});
  }
  return scoring::NewGameBook(g);
}

void Click(ScoringWindow& w, const char* name) {
  QPushButton* b = w.button(name);
  QVERIFY2(b && b->isEnabled(), name);
  QTest::mouseClick(b, Qt::LeftButton);
}

void TapFielder(ScoringWindow& w, int position) {
  QTest::mouseClick(w.field(), Qt::LeftButton, {}, w.field()->FielderRing(position).center());
}

void Type(ScoringWindow& w, const QString& words) {
  QTest::keyClicks(w.entry_line(), words);
  QTest::keyClick(w.entry_line(), Qt::Key_Return);
}

std::vector<std::string> Plays(const ScoringWindow& w, std::size_t header) {
  const std::vector<std::string>& all = w.kept().book().entries();
  return {all.begin() + long(header), all.end()};
}

}  // namespace

class ScoringWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aHalfInningScoredByClicksTapsAndKeys() {
    testing::GuiFixture f;
    const std::string game = f.Path("opener.gam");
    const std::vector<std::string> header = NewGame();
    std::string place;
    {
      ScoringWindow w(game, f.session, f.ui);
      QVERIFY(w.Open(header));
      w.show();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      QVERIFY(w.entry_line()->hasFocus());
      QCOMPARE(w.board()->situation(), QString("Top of the 1st"));

      // Nobody on: no double play is offered, and the button says why.
      Click(w, "inPlay");
      QPushButton* dp = w.composer()->ResultButton("Double play");
      QVERIFY(dp && !dp->isEnabled());
      QCOMPARE(dp->toolTip(), QString("a double play needs a runner on first to force"));
      QTest::keyClick(w.entry_line(), Qt::Key_Escape);

      // A ball, a swing, and a single to left: the tap on the field is where
      // it went, and names the fielder.
      Click(w, "ball");
      Click(w, "swingingStrike");
      Click(w, "inPlay");
      QTest::mouseClick(w.composer()->ResultButton("Single"), Qt::LeftButton);
      QTest::mouseClick(w.field(), Qt::LeftButton, {}, w.field()->WidgetPoint(QPoint(30, 60)));
      QVERIFY(w.composer()->place().has_value());
      place = "1B7@" + std::to_string(w.composer()->place()->x()) + "," +
              std::to_string(w.composer()->place()->y());
      QCOMPARE(w.entry_line()->text().toStdString(), place);
      QTest::mouseClick(w.findChild<QPushButton*>("recordPlay"), Qt::LeftButton);
      QCOMPARE(w.board()->batter().left(15), QString("Up: Nia Park (f"));

      // A foul, then the reliever in the middle of the count; a called
      // strike taken back with Ctrl+Z.
      Click(w, "foul");
      testing::WhenDialogShows([](QWidget* d) {
        auto* dialog = static_cast<SubstitutionDialog*>(d);
        dialog->kind()->setCurrentIndex(dialog->kind()->findText("Pitching change"));
        const auto found = dialog->players()->findItems("Jo Lamb", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        dialog->players()->setCurrentItem(found[0]);
        static_cast<QDialog*>(d)->accept();
      });
      Click(w, "substitution");
      QVERIFY(w.board()->pitcher().startsWith("Pitching: Jo Lamb, 0 pitches"));
      Click(w, "calledStrike");
      QCOMPARE(w.kept().book().entries().back(), std::string("c"));
      w.activateWindow();  // the dialog has gone: the keys go to the window again
      QVERIFY(QTest::qWaitForWindowActive(&w));
      QTest::keyClick(w.entry_line(), Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(w.kept().book().entries().back(), std::string("P \"Jo Lamb\""));
      QVERIFY(w.kept().CanRedo());

      // The double play, its fielders tapped in order.
      Click(w, "inPlay");
      QVERIFY(w.composer()->ResultButton("Double play")->isEnabled());
      QTest::mouseClick(w.composer()->ResultButton("Double play"), Qt::LeftButton);
      for (int fielder : {6, 4, 3}) TapFielder(w, fielder);
      QCOMPARE(w.entry_line()->text(), QString("6-4-3DP"));
      QTest::keyClick(w.entry_line(), Qt::Key_Return);
      QCOMPARE(w.board()->situation(), QString("Top of the 1st \u00b7 2 outs \u00b7 count 0-0"));

      // Typed: two balls and a single to center; then a steal clicked.
      Type(w, "bb 1B8");
      Click(w, "steal2");
      // A strike typed, one clicked, and the third swung at: the
      // strikeout comes with the pitch that makes it.
      Type(w, "s");
      Type(w, "c");
      Click(w, "swingingStrike");
      QCOMPARE(w.board()->situation(), QString("Bottom of the 1st"));
      // Laid out for a 1280 by 800 tablet, and larger screens.
      const QSize least = w.minimumSizeHint();
      QVERIFY2(least.width() <= 1280 && least.height() <= 800,
               qPrintable(QString("%1 by %2").arg(least.width()).arg(least.height())));
      w.resize(1280, 800);
      testing::SaveScreenshot(&w, "scoring_window");
      w.resize(1920, 1080);
      testing::SaveScreenshot(&w, "scoring_window_large");

      const std::vector<std::string> expected = {
          "top 1", "b", "s", place, "f", "P \"Jo Lamb\"", "6-4-3DP", "bb", "1B8",
          "SB2",   "s", "c", "s",   "K"};
      QCOMPARE(Plays(w, header.size()), expected);
    }
    // Nothing is lost: the window reopens where it stopped, and the game
    // file beside the book reads as the game.
    ScoringWindow again(game, f.session, f.ui);
    QVERIFY(again.Open());
    QCOMPARE(again.kept().book().entries().size(), header.size() + 14);
    QCOMPARE(again.board()->situation(), QString("Bottom of the 1st"));
    Game saved;
    QVERIFY(LoadGame(game, saved));
    QCOMPARE(saved.innings[0].top.at_bats.size(), std::size_t{4});
    QCOMPARE(f.session.folders.last_scored_game(), game);
  }

  void newGameSetsTheLineUpsAndStartsScoring() {
    testing::GuiFixture f;
    Team hawks = testing::HomeTeam(), foxes = testing::VisitingTeam();
    QVERIFY(SaveTeam(f.Path("hawks.tem"), hawks));
    QVERIFY(SaveTeam(f.Path("foxes.tem"), foxes));
    f.ui.file_answers.push_back(FileChoice{f.Path("foxes.tem"), 1});
    f.ui.file_answers.push_back(FileChoice{f.Path("hawks.tem"), 1});
    // The games last chosen hold one where Max Ortiz singled.
    {
      scoring::KeptBook earlier(f.Path("earlier.gam"));
      QVERIFY(earlier.Begin(NewGame()));
      QVERIFY(earlier.AddAction({"1B7"}));
    }
    QVERIFY(WriteTextFileAtomically(f.Path("season.txt"), "earlier.gam\n"));
    f.Window();  // the session as the program starts it, then the list chosen
    f.session.folders.RememberGameList(f.Path("season.txt"));
    testing::WhenDialogShows([&f](QWidget* d) {
      auto* dialog = static_cast<NewGameDialog*>(d);
      for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == "Choose...") QTest::mouseClick(b, Qt::LeftButton);
      }
      LineUpEditor* visitors = dialog->line_up(0);
      QCOMPARE(visitors->player(0)->currentData().toString(), QString("Max Ortiz"));
      // The first batter moved down the order.
      visitors->table()->setCurrentCell(0, 0);
      for (QPushButton* b : visitors->findChildren<QPushButton*>()) {
        if (b->text() == "Move Do&wn") QTest::mouseClick(b, Qt::LeftButton);
      }
      QCOMPARE(visitors->player(1)->currentData().toString(), QString("Max Ortiz"));
      QCOMPARE(visitors->position(1)->currentText(), QString("P"));
      // Two center fielders cannot take the field.
      QComboBox* right = dialog->line_up(1)->position(8);
      right->setCurrentIndex(right->findText("CF"));
      dialog->accept();
      QVERIFY(dialog->isVisible());
      QCOMPARE(f.ui.messages.back().text,
               std::string("The line-up of Harbor Hawks cannot take the field: Center Field is "
                           "given twice."));
      right->setCurrentIndex(right->findText("RF"));
      dialog->findChild<QLineEdit*>("gameField")->setText("Test Park");
      dialog->accept();
    });
    f.Window().RunCommand(kCmdNewGame);
    ScoringWindow* w = f.Window().findChild<ScoringWindow*>();
    QVERIFY(w != nullptr);
    const std::vector<std::string>& entries = w->kept().book().entries();
    QVERIFY(entries[0].find("field=\"Test Park\"") != std::string::npos);
    const auto listed = [&entries](const std::string& line) {
      return std::find(entries.begin(), entries.end(), line) != entries.end();
    };
    QVERIFY(listed("1 \"Nia Park\" C") && listed("2 \"Max Ortiz\" P"));
    QCOMPARE(w->board()->situation(), QString("Top of the 1st"));
    QVERIFY(w->isVisible() && w->button("ball")->isEnabled());
    QVERIFY(w->Enter("6-3"));
    QCOMPARE(w->board()->batter(), QString("Up: Max Ortiz (first time up); season AVG 1.000, "
                                           "0 HR, 0 RBI in 1 G"));
    w->close();
  }

  // Quitting (File > Exit, Ctrl+X) asks about words typed but not entered:
  // Cancel keeps the program running, Save enters them, then it quits.
  void quittingAsksAboutWordsNotEntered() {
    testing::GuiFixture f;
    {
      scoring::KeptBook kept(f.Path("g.gam"));
      QVERIFY(kept.Begin(NewGame()));
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    MainWindow& main = f.Window();
    main.show();
    QVERIFY(OpenScoringWindow(&main, f.session, f.ui, f.Path("g.gam")));
    QPointer<ScoringWindow> w = main.findChild<ScoringWindow*>();
    const std::size_t entries = w->kept().book().entries().size();
    QTest::keyClicks(w->entry_line(), "6-3");
    QStringList asked;
    std::deque<SaveAnswer> answers = {SaveAnswer::kCancel, SaveAnswer::kSave};
    const SaveAsker asker = SaveQuestion();
    SaveQuestion() = [&](const QString& text, const QString&, QWidget*) {
      asked << text;
      const SaveAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    };
    QAction* exit = main.ActionFor(kCmdExit);
    QCOMPARE(exit->shortcut(), QKeySequence("Ctrl+X"));
    exit->trigger();
    QVERIFY(main.isVisible() && w && w->isVisible());
    QCOMPARE(w->kept().book().entries().size(), entries);
    exit->trigger();
    QVERIFY(!main.isVisible());
    QCOMPARE(asked, QStringList(2,
                                "The words \"6-3\" are not entered in the book yet.\n\nSave "
                                "enters them before the window closes; Discard drops them."));
    scoring::KeptBook again(f.Path("g.gam"));
    QVERIFY(again.Open(scoring::LeagueRules()).ok);
    const std::vector<std::string>& kept = again.book().entries();
    QVERIFY(std::find(kept.begin() + long(entries), kept.end(), "6-3") != kept.end());
    SaveQuestion() = asker;
  }

  void theRunnersAreProposedAndChangedBeforeThePlayIsKept() {
    testing::GuiFixture f;
    ScoringWindow w(f.Path("g.gam"), f.session, f.ui);
    QVERIFY(w.Open(NewGame()));
    Type(w, "1B7");
    // A single with a runner on first: he goes to second unless told.
    Click(w, "inPlay");
    QTest::mouseClick(w.composer()->ResultButton("Single"), Qt::LeftButton);
    TapFielder(w, 9);
    QCOMPARE(w.composer()->RunnerWhere(1)->currentText(), QString("to 2nd"));
    QCOMPARE(w.composer()->RunnerWhere(0)->currentText(), QString("to 1st"));
    QComboBox* where = w.composer()->RunnerWhere(1);
    where->setCurrentIndex(where->findText("to 3rd"));
    QComboBox* why = w.composer()->RunnerWhy(1);
    why->setCurrentIndex(why->findText("on the throw"));
    QCOMPARE(w.entry_line()->text(), QString("1B9 1-3(T)"));
    // The out of a runner names the fielders tapped for him.
    where->setCurrentIndex(where->findText("out at 3rd"));
    TapFielder(w, 9);
    TapFielder(w, 5);
    QCOMPARE(w.entry_line()->text(), QString("1B9 1X3(9-5)"));
    w.resize(1280, 800);
    testing::SaveScreenshot(&w, "scoring_window_play");
    QTest::mouseClick(w.findChild<QPushButton*>("recordPlay"), Qt::LeftButton);
    QCOMPARE(w.kept().book().entries().back(), std::string("1B9 1X3(9-5)"));
    QCOMPARE(w.board()->situation(), QString("Top of the 1st \u00b7 1 out \u00b7 count 0-0"));
  }

  void aCorrectionThatNoLongerFitsIsRefusedAndChangesNothing() {
    testing::GuiFixture f;
    ScoringWindow w(f.Path("g.gam"), f.session, f.ui);
    QVERIFY(w.Open(NewGame()));
    Type(w, "1B7");
    Click(w, "steal2");
    const std::vector<std::string> before = w.kept().book().entries();
    // The single made an out: the steal after it has nobody to move.
    QListWidget* list = w.book_panel()->entries();
    list->setCurrentRow(int(before.size()) - 2);
    f.ui.text_answers.push_back("F7");
    QTest::mouseClick(w.book_panel()->findChild<QPushButton*>("correctEntry"), Qt::LeftButton);
    QCOMPARE(w.kept().book().entries(), before);
    QVERIFY(w.message().startsWith("Not changed: entry"));
    QVERIFY(w.message().contains("nobody is on base 1"));
    // A correction that fits is played again over the rest.
    list->setCurrentRow(int(before.size()) - 2);
    f.ui.text_answers.push_back("bb 1B8");
    QTest::mouseClick(w.book_panel()->findChild<QPushButton*>("correctEntry"), Qt::LeftButton);
    const std::vector<std::string>& after = w.kept().book().entries();
    QCOMPARE(std::vector<std::string>(after.end() - 3, after.end()),
             (std::vector<std::string>{"bb", "1B8", "SB2"}));
    QVERIFY2(w.kept().book().scorer()->occupied(2), qPrintable(w.message()));
    // A word the game cannot take is refused and kept in the line to mend.
    Type(w, "SB2");
    QVERIFY(w.message().startsWith("Not taken:"));
    QCOMPARE(w.entry_line()->text(), QString("SB2"));
  }
};

QTEST_MAIN(ScoringWindowTest)
#include "scoring_window_test.moc"
