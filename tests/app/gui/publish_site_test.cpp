// File > Publish Season Website: the chooser's games and team, the small
// dialog, the folder, the site written there and its home page opened; a
// folder holding other files is asked about first.

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "app/core/command_ids.h"
#include "app/game_chooser_dialog.h"
#include "app/site_publish_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "gui/support/stat_games.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;

class PublishSiteTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { testing::ResetModal(); }

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

QTEST_MAIN(PublishSiteTest)
#include "publish_site_test.moc"
