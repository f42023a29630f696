// The game chooser: the folder list, the preview, Add and Remove with the
// team box, the refusals of OK, and the plot variants without a team box.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "app/game_chooser_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/stat_games.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;
using scorewick::testing::Captions;
using scorewick::testing::Find;
using Items = std::vector<std::string>;

namespace {

QListWidgetItem* ItemNamed(QListWidget* list, const QString& text) {
  const auto found = list->findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) qFatal("no item %s", qPrintable(text));
  return found.first();
}

// Highlights the named entries of the folder list and presses Add.
void AddNamed(GameChooserDialog& d, const QStringList& names) {
  auto* folders = Find<QListWidget>(&d, "folders");
  folders->clearSelection();
  for (const QString& name : names) ItemNamed(folders, name)->setSelected(true);
  Find<QPushButton>(&d, "add")->click();
}

}  // namespace

class GameChooserTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::string games_;  // a folder of retitled games
  std::string source_;

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
    QVERIFY(ReadWholeFile(games_ + "/older/old.gam", bytes, nullptr));
    bytes.erase(bytes.begin(), bytes.begin() + 4);
    QVERIFY(WriteFileAtomically(games_ + "/older/old.gam", bytes, nullptr));
  }

  void listsFoldersAndGamesAndPreviews() {
    Stat stat;
    GameChooserDialog d(stat, games_, fixture_.ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Select Applicable Games To Analyze"));
    auto* folders = Find<QListWidget>(&d, "folders");
    QCOMPARE(testing::Texts(folders), QStringList({"[..]", "[older]", "ab1.gam", "ab2.gam",
                                                   "ac.gam", "dd.gam", "named.gam"}));
    QCOMPARE(Find<QLabel>(&d, "path")->text(), QString::fromStdString(games_ + "/*.gam"));
    folders->setCurrentItem(ItemNamed(folders, "ac.gam"));
    QCOMPARE(Find<QLabel>(&d, "preview")->text(), QString("C\nvs\nA"));
    // A folder highlighted leaves the preview as it was.
    folders->setCurrentItem(ItemNamed(folders, "[older]"));
    QCOMPARE(Find<QLabel>(&d, "preview")->text(), QString("C\nvs\nA"));

    // Into a folder by double click; the old game is refused (its preview
    // and message are the selection rules' own tests).
    emit folders->itemDoubleClicked(ItemNamed(folders, "[older]"));
    QCOMPARE(testing::Texts(folders), QStringList({"[..]", "old.gam"}));
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

  void teamBoxFollowsAddAndRemove() {
    Stat stat;
    GameChooserDialog d(stat, games_, fixture_.ui, nullptr);
    auto* chosen = Find<QListWidget>(&d, "chosen");
    auto* team = Find<QComboBox>(&d, "team");
    QCOMPARE(testing::Texts(team), QStringList({"All Teams"}));
    QCOMPARE(team->currentIndex(), -1);
    // Several at once, then one twice (by double click): no second entry.
    AddNamed(d, {"ab1.gam", "ab2.gam", "ac.gam"});
    emit Find<QListWidget>(&d, "folders")
        ->itemDoubleClicked(ItemNamed(Find<QListWidget>(&d, "folders"), "ab1.gam"));
    QCOMPARE(chosen->count(), 3);
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "A", "B", "C"}));
    team->setCurrentIndex(1);  // A
    chosen->item(2)->setSelected(true);
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "A", "B"}));
    QCOMPARE(team->currentText(), QString("A"));
    // The chosen team leaves with its last game.
    AddNamed(d, {"dd.gam"});
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "A", "B", "D"}));
    team->setCurrentIndex(3);
    chosen->clearSelection();
    chosen->item(2)->setSelected(true);
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "A", "B"}));
    QCOMPARE(team->currentIndex(), -1);
    chosen->clearSelection();  // Remove with nothing highlighted does nothing
    Find<QPushButton>(&d, "remove")->click();
    QCOMPARE(chosen->count(), 2);
  }

  void okRefusesInOrderThenFillsTheStat() {
    Stat stat;
    stat.team_name = "untouched";
    GameChooserDialog d(stat, games_, fixture_.ui, nullptr);
    fixture_.ui.messages.clear();
    d.accept();  // no game and no team: the game is asked for first
    AddNamed(d, {"named.gam"});
    QCOMPARE(Find<QLabel>(&d, "count")->text(), QString("1 game chosen"));
    d.accept();
    QCOMPARE(Captions(fixture_.ui), Items({"No Game Selected", "No Team Selected"}));
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(stat.team_name == "untouched" && stat.game_count() == 0);

    // A team literally named "All Teams" is a team, not the choice of all.
    auto* team = Find<QComboBox>(&d, "team");
    QCOMPARE(testing::Texts(team), QStringList({"All Teams", "All Teams", "B"}));
    team->setCurrentIndex(1);
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(stat.team_name, std::string("All Teams"));
    QVERIFY(!stat.all_teams);
    QCOMPARE(stat.file_names(), std::vector<std::string>({games_ + "/named.gam"}));
  }

  void plotVariantsHaveNoTeamBox() {
    for (ChooserVariant variant : {ChooserVariant::kScatterPlots, ChooserVariant::kPitchingPlots}) {
      BaseStatGameStruct games;
      GameChooserDialog d(variant, games, games_, fixture_.ui, nullptr);
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
      QCOMPARE(games.game_count(), 5);
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
      QVERIFY(WriteFileAtomically(many + "/g" + std::to_string(10000 + i) + ".gam", head, nullptr));
    }
    Stat stat;
    GameChooserDialog d(stat, many, fixture_.ui, nullptr);
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
    QCOMPARE(stat.game_count(), kGames - 1);
  }
};

QTEST_MAIN(GameChooserTest)
#include "game_chooser_test.moc"
