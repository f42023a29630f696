// The game chooser's lists and filters: a list saved, offered on the next
// opening and opened with a game gone; the filters' count line, their
// refusals, and the games OK hands on.

#include <QComboBox>
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

using namespace scorewick;
using namespace scorewick::app;
using scorewick::testing::Captions;
using scorewick::testing::Find;
using Items = std::vector<std::string>;

namespace {

struct Dated {
  const char* file;
  int month, day, hour;
  const char* home;
  const char* visitor;
};

// The Hawks' spring: on 4 May the afternoon game sorts first by name.
constexpr Dated kGames[] = {
    {"g1", 4, 6, 13, "Hawks", "Owls"}, {"g2", 4, 13, 13, "Owls", "Hawks"},
    {"g3", 5, 4, 15, "Bats", "Hawks"}, {"g4", 5, 4, 10, "Hawks", "Bats"},
    {"g5", 6, 1, 18, "Owls", "Bats"},
};

QString Left(QDialog& d) { return Find<QLabel>(&d, "filter_left")->text(); }

}  // namespace

class GameListsTest : public QObject {
  Q_OBJECT

 private:
  testing::GuiFixture fixture_;
  std::string games_;

  std::string Game(const char* name) const { return games_ + "/" + name + ".gam"; }

 private slots:
  void initTestCase() {
    const std::string source = testing::WriteSampleGames(fixture_.Path("source"), 1).front();
    games_ = fixture_.Path("spring");
    std::filesystem::create_directories(games_);
    for (const Dated& d : kGames) {
      scorewick::Game game;
      QVERIFY(LoadGame(source, game).ok);
      game.header.year = 2024;
      game.header.month = static_cast<std::uint8_t>(d.month);
      game.header.day = static_cast<std::uint8_t>(d.day);
      game.header.start_hour = d.hour;
      game.home.team_name.set(d.home);
      game.visitor.team_name.set(d.visitor);
      game.header.list_names[0].set(d.home);
      game.header.list_names[1].set(d.visitor);
      QVERIFY(SaveGame(Game(d.file), game).ok);
    }
  }

  void listSavedIsOfferedAndOpenedWithAGameGone() {
    const std::string list = games_ + "/spring.txt";
    {
      Stat stat;
      GameChooserDialog d(stat, games_, fixture_.ui, nullptr);
      d.UseSession(fixture_.session);
      QVERIFY(!Find<QPushButton>(&d, "last_list")->isVisibleTo(&d));
      fixture_.ui.messages.clear();
      Find<QPushButton>(&d, "save_list")->click();  // nothing chosen: nothing to save
      QCOMPARE(Captions(fixture_.ui), Items({"Game List"}));
      Find<QPushButton>(&d, "add_all")->click();
      fixture_.ui.file_answers.push_back(FileChoice{list, 1});
      Find<QPushButton>(&d, "save_list")->click();
      QCOMPARE(fixture_.ui.file_requests.back().initial_folder, games_);
    }
    // The list reads back as the games, and names them from its folder.
    std::vector<std::string> read;
    QVERIFY(ReadGameList(list, read, nullptr));
    QCOMPARE(read, (std::vector<std::string>{Game("g1"), Game("g2"), Game("g3"), Game("g4"),
                                              Game("g5")}));
    QVERIFY(testing::ReadText(list).find("\ng1.gam\n") != std::string::npos);
    QCOMPARE(fixture_.session.folders.last_game_list(), list);

    // The next opening offers it; a game it lists that has gone is named.
    QVERIFY(WriteTextFileAtomically(list, testing::ReadText(list) + "gone.gam\n", nullptr));
    Stat stat;
    GameChooserDialog d(stat, fixture_.Path(""), fixture_.ui, nullptr);
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
    Stat stat;
    GameChooserDialog d(stat, games_, fixture_.ui, nullptr);
    d.UseSession(fixture_.session);  // the list saved above is offered
    Find<QPushButton>(&d, "add_all")->click();
    QCOMPARE(Left(d), QString("The filters leave all 5 games"));
    auto* from = Find<QLineEdit>(&d, "from");
    from->setText("2024-05-04");
    QCOMPARE(Left(d), QString("The filters leave 3 of the 5 games"));
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
    QCOMPARE(Left(d), QString("The filters leave 1 of the 5 games"));
    Find<QComboBox>(&d, "ground")->setCurrentIndex(1);  // home games
    auto* opponent = Find<QComboBox>(&d, "opponent");
    opponent->setCurrentIndex(opponent->findText("Owls"));
    last->setValue(0);
    QCOMPARE(Left(d), QString("The filters leave 1 of the 5 games"));
    opponent->setCurrentIndex(0);
    last->setValue(1);
    from->setText("2024-04-01");
    QCOMPARE(Left(d), QString("The filters leave 1 of the 5 games"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "game_chooser_filters");
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(stat.file_names(), std::vector<std::string>({Game("g4")}));
  }
};

QTEST_MAIN(GameListsTest)
#include "game_lists_test.moc"
