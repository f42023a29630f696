// The game chooser: the folder list, the preview, Add and Remove with the
// team box, the refusals of OK, and the plot variants without a team box;
// its lists (saved with the team and filters and confirmed, offered on the
// next opening and opened with a game gone), the last choice chosen again
// on the next opening, and filters (their count line, which counts only
// the team's games, their refusals, and the games OK hands on); the
// workload's as-of day.

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <filesystem>

#include "app/game_chooser_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/stat_games.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/game_list_file.h"
#include "records/local_date.h"
#include "support/spring_games.h"

using namespace scorewick;
using namespace scorewick::app;
using scorewick::testing::Captions;
using scorewick::testing::Find;
using Items = std::vector<std::string>;

namespace {

// The entries as named: a game by its file (the tooltip), a folder by its text.
QStringList Names(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i)
    names << (list->item(i)->toolTip().isEmpty() ? list->item(i)->text()
                                                 : list->item(i)->toolTip());
  return names;
}

QListWidgetItem* ItemNamed(QListWidget* list, const QString& name) {
  const int at = Names(list).indexOf(name);
  if (at < 0) qFatal("no item %s", qPrintable(name));
  return list->item(at);
}

// Highlights the named entries of the folder list and presses Add.
void AddNamed(GameChooserDialog& d, const QStringList& names) {
  auto* folders = Find<QListWidget>(&d, "folders");
  folders->clearSelection();
  for (const QString& name : names) ItemNamed(folders, name)->setSelected(true);
  Find<QPushButton>(&d, "add")->click();
}

QString Left(QDialog& d) { return Find<QLabel>(&d, "filter_left")->text(); }

}  // namespace

class GameChooserTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::string games_;  // a folder of retitled games
  std::string source_;
  std::string spring_;  // the Hawks' spring, dated

  std::string Spring(const char* name) const { return spring_ + "/" + name + ".gam"; }

 private slots:
  void initTestCase() {
    source_ = testing::WriteSampleGames(fixture_.Path("season"), 1).front();
    games_ = fixture_.Path("games");
    std::filesystem::create_directories(games_ + "/older");
    testing::WriteRetitledGame(source_, games_ + "/ab1.gam", "A", "B");
    testing::WriteRetitledGame(source_, games_ + "/ab2.gam", "B", "A");
    testing::WriteRetitledGame(source_, games_ + "/ac.gam", "A", "C");
    testing::WriteRetitledGame(source_, games_ + "/dd.gam", "D", "D");
    testing::WriteRetitledGame(source_, games_ + "/named.gam", "All Teams", "B");
    // A game in the prior format: no version word before the header.
    testing::WriteRetitledGame(source_, games_ + "/older/old.gam", "E", "F");
    std::vector<std::uint8_t> bytes;
    QVERIFY(ReadWholeFile(games_ + "/older/old.gam", bytes));
    bytes.erase(bytes.begin(), bytes.begin() + 4);
    QVERIFY(WriteFileAtomically(games_ + "/older/old.gam", bytes));

    // The Hawks' spring, dated, for the lists and filters.
    spring_ = fixture_.Path("spring");
    QCOMPARE(testing::WriteSpringGames(source_, spring_).size(), std::size(testing::kSpring));
  }

  void listsFoldersAndGamesAndPreviews() {
    GameChooserDialog d(ChooserVariant::kStatistics, games_, fixture_.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Select Applicable Games To Analyze"));
    auto* folders = Find<QListWidget>(&d, "folders");
    QCOMPARE(Names(folders), QStringList({"[..]", "[older]", "ab1.gam", "ab2.gam", "ac.gam",
                                          "dd.gam", "named.gam"}));
    QCOMPARE(Find<QLabel>(&d, "path")->text(), QString::fromStdString(games_ + "/*.gam"));
    // A game reads as its line (the format is the game line's own test).
    QVERIFY(ItemNamed(folders, "ac.gam")->text().contains(" at "));
    folders->setCurrentItem(ItemNamed(folders, "ac.gam"));
    QCOMPARE(Find<QLabel>(&d, "preview")->text(), QString("C\nvs\nA"));
    // A folder highlighted leaves the preview as it was.
    folders->setCurrentItem(ItemNamed(folders, "[older]"));
    QCOMPARE(Find<QLabel>(&d, "preview")->text(), QString("C\nvs\nA"));

    // Into a folder by double click; the old game is refused (its preview
    // and message are the selection rules' own tests).
    emit folders->itemDoubleClicked(ItemNamed(folders, "[older]"));
    QCOMPARE(testing::Texts(folders), QStringList({"[..]", "old.gam"}));  // no line to read
    QCOMPARE(Find<QLabel>(&d, "path")->text(), QString::fromStdString(games_ + "/older/*.gam"));
    fixture_.ui.messages.clear();
    emit folders->itemDoubleClicked(ItemNamed(folders, "old.gam"));
    QCOMPARE(Find<QListWidget>(&d, "chosen")->count(), 0);
    QCOMPARE(Captions(fixture_.ui), Items({"Incompatible Game Format"}));
    emit folders->itemDoubleClicked(ItemNamed(folders, "[..]"));
    QCOMPARE(d.folder(), games_);

    AddNamed(d, {"ab1.gam", "ac.gam"});
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "game_chooser");
  }

  // The team list and the refusals of OK are the selection rules' own
  // tests; here the box keeps the chosen team until its last game leaves,
  // and a refused OK keeps the dialog and leaves the choice untouched.
  void teamBoxFollowsAddAndRemove() {
    GameChooserDialog d(ChooserVariant::kStatistics, games_, fixture_.ui, nullptr);
    auto* chosen = Find<QListWidget>(&d, "chosen");
    auto* team = Find<QComboBox>(&d, "team");
    QCOMPARE(team->currentIndex(), -1);
    // Several at once, then one twice (by double click): no second entry.
    AddNamed(d, {"ab1.gam", "ab2.gam", "ac.gam"});
    emit Find<QListWidget>(&d, "folders")
        ->itemDoubleClicked(ItemNamed(Find<QListWidget>(&d, "folders"), "ab1.gam"));
    QCOMPARE(chosen->count(), 3);
    team->setCurrentIndex(1);  // A
    chosen->item(2)->setSelected(true);
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "A", "B"}));
    QCOMPARE(team->currentText(), QString("A"));
    // The chosen team leaves with its last game.
    AddNamed(d, {"dd.gam"});
    team->setCurrentIndex(3);  // D
    chosen->clearSelection();
    chosen->item(2)->setSelected(true);
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(team->currentIndex(), -1);
    chosen->clearSelection();  // Remove with nothing highlighted does nothing
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(chosen->count(), 2);
  }

  void okRefusesInOrderThenFillsTheStat() {
    GameChooserDialog d(ChooserVariant::kStatistics, games_, fixture_.ui, nullptr);
    fixture_.ui.messages.clear();
    AddNamed(d, {"named.gam"});
    QCOMPARE(Find<QLabel>(&d, "count")->text(), QString("1 game chosen"));
    d.accept();
    QCOMPARE(Captions(fixture_.ui), Items({"No Team Selected"}));
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.chosen().team.empty() && d.chosen().games.empty());

    // A team literally named "All Teams" is a team, not the choice of all.
    Find<QComboBox>(&d, "team")->setCurrentIndex(1);
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.chosen().team, std::string("All Teams"));
    QVERIFY(!d.chosen().all_teams);
    QCOMPARE(d.chosen().games, std::vector<std::string>({games_ + "/named.gam"}));
  }

  void plotVariantsHaveNoTeamBox() {
    for (ChooserVariant variant : {ChooserVariant::kScatterPlots, ChooserVariant::kPitchingPlots}) {
      GameChooserDialog d(variant, games_, fixture_.ui, nullptr);
      d.show();
      QVERIFY(QTest::qWaitForWindowExposed(&d));
      QVERIFY(!Find<QComboBox>(&d, "team")->isVisible());
      QVERIFY(!Find<QLabel>(&d, "team_label")->isVisible());
      fixture_.ui.messages.clear();
      d.accept();
      QCOMPARE(Captions(fixture_.ui), Items({"No Game Selected"}));
      Find<QPushButton>(&d, "add_all")->click();
      QCOMPARE(Find<QListWidget>(&d, "chosen")->count(), 5);
      d.accept();
      QCOMPARE(d.result(), int(QDialog::Accepted));
      QCOMPARE(d.chosen().games.size(), std::size_t{5});
    }
  }

  void addsEveryGameOfALargeFolderAndCountsThem() {
    // More games than the chooser once held.  Each is a file of its own (a
    // hard link would be the same game again, which the chooser takes
    // once); the chooser reads no more than a game's first bytes, so those
    // are all each file holds.
    const std::string many = fixture_.Path("many");
    std::filesystem::create_directories(many);
    constexpr int kGames = 1200;
    std::vector<std::uint8_t> head;
    QVERIFY(ReadFilePrefix(games_ + "/ab1.gam", 512, head));
    for (int i = 0; i < kGames; ++i) {
      QVERIFY(WriteFileAtomically(many + "/g" + std::to_string(10000 + i) + ".gam", head));
    }
    GameChooserDialog d(ChooserVariant::kStatistics, many, fixture_.ui, nullptr);
    auto* count = Find<QLabel>(&d, "count");
    QCOMPARE(count->text(), QString("No games chosen"));
    fixture_.ui.messages.clear();
    Find<QPushButton>(&d, "add_all")->click();
    QCOMPARE(Find<QListWidget>(&d, "chosen")->count(), kGames);
    QCOMPARE(count->text(), QString("1200 games chosen"));
    QVERIFY(fixture_.ui.messages.empty());
    auto* chosen = Find<QListWidget>(&d, "chosen");
    chosen->item(0)->setSelected(true);
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(count->text(), QString("1199 games chosen"));
    Find<QComboBox>(&d, "team")->setCurrentIndex(0);
    d.accept();
    QCOMPARE(d.chosen().games.size(), std::size_t{kGames - 1});
  }

  void listSavedIsOfferedAndOpenedWithAGameGone() {
    const std::string list = spring_ + "/spring.txt";
    {
      GameChooserDialog d(ChooserVariant::kStatistics, spring_, fixture_.ui, nullptr);
      d.UseSession(fixture_.session);
      QVERIFY(!Find<QPushButton>(&d, "last_list")->isVisibleTo(&d));
      fixture_.ui.messages.clear();
      Find<QPushButton>(&d, "save_list")->click();  // nothing chosen: nothing to save
      QCOMPARE(Captions(fixture_.ui), Items({"Game List"}));
      Find<QPushButton>(&d, "add_all")->click();
      fixture_.ui.file_answers.push_back(FileChoice{list, 1});
      Find<QPushButton>(&d, "save_list")->click();
      QCOMPARE(fixture_.ui.file_requests.back().initial_folder, spring_);
    }
    // The list reads back as the games, and names them from its folder.
    std::vector<std::string> read;
    QVERIFY(ReadGameList(list, read));
    QCOMPARE(read, (std::vector<std::string>{Spring("g1"), Spring("g2"), Spring("g3"), Spring("g4"),
                                             Spring("g5")}));
    QVERIFY(testing::ReadText(list).find("\ng1.gam\n") != std::string::npos);
    QCOMPARE(fixture_.session.folders.last_game_list(), list);

    // The next opening offers it; a game it lists that has gone is named.
    QVERIFY(WriteTextFileAtomically(list, testing::ReadText(list) + "gone.gam\n"));
    GameChooserDialog d(ChooserVariant::kStatistics, fixture_.Path(""), fixture_.ui, nullptr);
    d.UseSession(fixture_.session);
    auto* last = Find<QPushButton>(&d, "last_list");
    QVERIFY(last->isVisibleTo(&d));
    QCOMPARE(last->text(), QString("Open &Last List: spring.txt"));
    fixture_.ui.messages.clear();
    last->click();
    QCOMPARE(Find<QLabel>(&d, "count")->text(), QString("5 games chosen"));
    QCOMPARE(Captions(fixture_.ui), Items({"Game List"}));
    QVERIFY(fixture_.ui.messages[0].text.find("gone.gam") != std::string::npos);
  }

  void filtersSayWhatTheyLeaveAndOkHandsThemOn() {
    GameChooserDialog d(ChooserVariant::kStatistics, spring_, fixture_.ui, nullptr);
    d.UseSession(fixture_.session);  // the list saved above is offered
    Find<QPushButton>(&d, "add_all")->click();
    QCOMPARE(Left(d), QString("The filters leave all 5 games"));
    auto* from = Find<QLineEdit>(&d, "from");
    from->setText("2024-05-04");
    QCOMPARE(Left(d), QString("The filters leave 3 of the 5 games: from 2024-05-04"));
    from->setText("5/4/2024");
    QVERIFY(Left(d).contains("YYYY-MM-DD"));
    fixture_.ui.messages.clear();
    d.accept();
    QCOMPARE(Captions(fixture_.ui), Items({"Filters"}));
    from->clear();

    // Last games need a team; the team chosen to analyse is offered.
    auto* last = Find<QSpinBox>(&d, "last");
    last->setValue(1);
    QVERIFY(Left(d).contains("choose the team"));
    auto* team = Find<QComboBox>(&d, "team");
    team->setCurrentIndex(team->findText("Hawks"));
    QCOMPARE(Find<QComboBox>(&d, "filter_team")->currentText(), QString("Hawks"));
    QCOMPARE(Left(d), QString("The filters leave 1 of the 5 games: last game of Hawks"));
    // Each box reaches the filter (its wording and choice are the filter's
    // own tests).
    Find<QComboBox>(&d, "ground")->setCurrentIndex(1);  // home games
    auto* opponent = Find<QComboBox>(&d, "opponent");
    opponent->setCurrentIndex(opponent->findText("Owls"));
    from->setText("2024-04-01");
    QCOMPARE(Left(d), QString("The filters leave 1 of the 5 games: last game of Hawks, home, "
                              "against Owls, from 2024-04-01"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "game_chooser_filters");
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.chosen().games, std::vector<std::string>({Spring("g1")}));
  }

  // The team alone leaves its games, and the count is what will be
  // counted: the games of the team analysed, whatever the filters chose.
  void theTeamAloneFiltersAndTheCountIsTheTeams() {
    GameChooserDialog d(ChooserVariant::kStatistics, spring_, fixture_.ui, nullptr);
    Find<QPushButton>(&d, "add_all")->click();
    auto* filter_team = Find<QComboBox>(&d, "filter_team");
    QCOMPARE(testing::Texts(filter_team), QStringList({"(any team)", "Bats", "Hawks", "Owls"}));
    filter_team->setCurrentIndex(filter_team->findText("Bats"));
    QCOMPARE(Left(d), QString("The filters leave 3 of the 5 games: games of Bats"));
    filter_team->setCurrentIndex(0);
    // A month counts the games of the team analysed in it, not every club's.
    auto* team = Find<QComboBox>(&d, "team");
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "Bats", "Hawks", "Owls"}));
    team->setCurrentIndex(team->findText("Hawks"));
    filter_team->setCurrentIndex(0);  // the offered team taken back: the team analysed still counts
    QCOMPARE(Left(d), QString("The filters leave 4 of the 5 games: games of Hawks"));
    Find<QLineEdit>(&d, "from")->setText("2024-05-01");
    Find<QLineEdit>(&d, "to")->setText("2024-06-30");
    QCOMPARE(Left(d), QString("The filters leave 2 of the 5 games: games of Hawks, "
                              "2024-05-01 to 2024-06-30"));
    // Another team's games chosen by the filters: only the Hawks' count.
    Find<QLineEdit>(&d, "from")->clear();
    Find<QLineEdit>(&d, "to")->clear();
    filter_team->setCurrentIndex(filter_team->findText("Owls"));
    QVERIFY(Left(d).startsWith("The filters leave 2 of the 5 games"));
    d.accept();
    QCOMPARE(d.chosen().games, std::vector<std::string>({Spring("g1"), Spring("g2")}));
  }

  // The next chooser opens on the games, team and filters chosen last; a
  // saved list keeps them (and Save List says so), and opened in another
  // run brings them back.
  void reopensOnTheLastChoiceAndListsKeepTeamAndFilters() {
    Session session = fixture_.session;
    session.last_choice.reset();
    const std::string list = fixture_.Path("hawks-last-2.txt");
    {
      GameChooserDialog d(ChooserVariant::kStatistics, spring_, fixture_.ui, nullptr);
      d.UseSession(session);
      Find<QPushButton>(&d, "add_all")->click();
      auto* team = Find<QComboBox>(&d, "team");
      team->setCurrentIndex(team->findText("Hawks"));
      Find<QSpinBox>(&d, "last")->setValue(2);
      d.accept();
      QCOMPARE(d.chosen().games.size(), std::size_t{2});
    }
    GameChooserDialog d(ChooserVariant::kStatistics, fixture_.Path(""), fixture_.ui, nullptr);
    d.UseSession(session);
    QCOMPARE(Find<QLabel>(&d, "count")->text(), QString("5 games chosen"));
    QCOMPARE(Find<QComboBox>(&d, "team")->currentText(), QString("Hawks"));
    QCOMPARE(Find<QComboBox>(&d, "filter_team")->currentText(), QString("Hawks"));
    QCOMPARE(Find<QSpinBox>(&d, "last")->value(), 2);
    QCOMPARE(Left(d), QString("The filters leave 2 of the 5 games: last 2 games of Hawks"));
    // The chosen games read as a day's games with their score (none
    // before the first run), the file in the tooltip.
    auto* chosen = Find<QListWidget>(&d, "chosen");
    QCOMPARE(chosen->item(0)->text(), QString("2024-04-06  Owls 3 at Hawks 6"));
    QCOMPARE(chosen->item(4)->text(), QString("2024-06-01  Bats at Owls"));
    QCOMPARE(chosen->item(0)->toolTip(), QString::fromStdString(Spring("g1")));

    fixture_.ui.messages.clear();
    fixture_.ui.file_answers.push_back(FileChoice{list, 1});
    Find<QPushButton>(&d, "save_list")->click();
    QCOMPARE(Captions(fixture_.ui), Items({"Game List"}));
    QCOMPARE(fixture_.ui.messages[0].text,
             "The list of 5 games was saved as " + list +
                 ".\n\nTeam: Hawks\n\nFilters: last 2 games of Hawks");

    Session next_run = fixture_.session;
    next_run.last_choice.reset();
    next_run.folders.RememberGameList(list);
    GameChooserDialog e(ChooserVariant::kStatistics, fixture_.Path(""), fixture_.ui, nullptr);
    e.UseSession(next_run);
    QCOMPARE(Find<QLabel>(&e, "count")->text(), QString("No games chosen"));
    Find<QPushButton>(&e, "last_list")->click();
    QCOMPARE(Find<QComboBox>(&e, "team")->currentText(), QString("Hawks"));
    QCOMPARE(Left(e), QString("The filters leave 2 of the 5 games: last 2 games of Hawks"));
    e.accept();
    QCOMPARE(e.chosen().games, std::vector<std::string>({Spring("g3"), Spring("g4")}));
  }

  // The workload's day: the day after the last game left, until the person
  // chooses another.
  void asOfFollowsTheGamesUntilChosen() {
    GameChooserDialog d(ChooserVariant::kStatistics, spring_, fixture_.ui, nullptr);
    auto* as_of = Find<QDateEdit>(&d, "as_of");
    QVERIFY(!as_of->isVisibleTo(&d));
    d.AskAsOf();
    QVERIFY(as_of->isVisibleTo(&d));
    const LocalDate today = Today();
    QCOMPARE(d.as_of(), today);
    Find<QPushButton>(&d, "add_all")->click();
    QCOMPARE(as_of->date(), QDate(2024, 6, 2));
    auto* team = Find<QComboBox>(&d, "team");
    team->setCurrentIndex(team->findText("Hawks"));
    QCOMPARE(as_of->date(), QDate(2024, 5, 5));
    as_of->setDate(QDate(2024, 5, 20));  // as the person picks it
    team->setCurrentIndex(team->findText("Owls"));
    QCOMPARE(d.as_of(), (LocalDate{2024, 5, 20}));
  }
};

QTEST_MAIN(GameChooserTest)
#include "game_chooser_test.moc"
