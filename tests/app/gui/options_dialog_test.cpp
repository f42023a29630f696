// The Options dialog: what it shows, what OK stores, what Cancel keeps
// (the pitch-count rules edited from it too).

#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include "app/color_swatch.h"
#include "app/core/command_ids.h"
#include "app/core/html_style.h"
#include "app/workload_rules_dialog.h"
#include "gui/support/gui_fixture.h"
#include "gui/support/modal_script.h"
#include "records/file_io.h"

using namespace scorewick;
using namespace scorewick::app;

using scorewick::testing::Find;

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSettingsOnTheLeaguePageFirst() {
    Settings s;
    s.strikes_per_out = 2;
    s.innings_per_game = 7;
    s.ll_pitching_rules = true;
    s.html_font_face = "fixed";  // matched by its beginning, ignoring case
    ScriptedUi ui;
    OptionsDialog d(s, ui, nullptr);
    QCOMPARE(d.windowTitle(), QString("Scorewick Options"));
    auto* tabs = Find<QTabWidget>(&d, "tabs");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(testing::Texts(tabs->tabBar()), QStringList({"League Options", "HTML Options"}));
    QCOMPARE(
        std::tuple(Find<QSpinBox>(&d, "strikes")->value(), Find<QSpinBox>(&d, "innings")->value(),
                   Find<QCheckBox>(&d, "ll_rules")->isChecked()),
        std::tuple(2, 7, true));
    const QList<std::pair<const char*, std::pair<int, int>>> ranges = {
        {"strikes", {1, 3}}, {"balls", {1, 4}},      {"outs", {1, 10}},
        {"innings", {1, 9}}, {"body_size", {1, 20}}, {"header_size", {1, 20}}};
    for (const auto& [name, range] : ranges) {
      QCOMPARE(Find<QSpinBox>(&d, name)->minimum(), range.first);
      QCOMPARE(Find<QSpinBox>(&d, name)->maximum(), range.second);
    }
    auto* fonts = Find<QComboBox>(&d, "fonts");
    QCOMPARE(testing::Texts(fonts).mid(0, 2), QStringList({"Variable Width", "Fixed Width"}));
    QCOMPARE(fonts->currentIndex(), 1);
    const QStringList colors = testing::Texts(Find<QComboBox>(&d, "colors"));
    QCOMPARE(colors.size(), 6);
    QCOMPARE(colors[3], QString("Alternate Row Background Color"));
    QCOMPARE(Find<ColorSwatch>(&d, "swatch")->color(), 0xDFFFFDu);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    testing::SaveScreenshot(&d, "options_league");
    tabs->setCurrentIndex(1);
    QTest::qWait(20);
    testing::SaveScreenshot(&d, "options_html");
  }

  void okStoresEverything() {
    Settings s;
    ScriptedUi ui;
    ui.color_answers.push_back(0x112233);
    OptionsDialog d(s, ui, nullptr);
    Find<QSpinBox>(&d, "outs")->setValue(5);
    Find<QSpinBox>(&d, "balls")->setValue(3);
    Find<QCheckBox>(&d, "ll_rules")->setChecked(true);
    Find<QComboBox>(&d, "colors")->setCurrentIndex(4);  // Font Color
    QCOMPARE(Find<ColorSwatch>(&d, "swatch")->color(), 0u);
    QTest::mouseClick(Find<QPushButton>(&d, "change"), Qt::LeftButton);
    QCOMPARE(Find<ColorSwatch>(&d, "swatch")->color(), 0x112233u);
    QCOMPARE(s.html_font_color, 0u);  // not stored before OK
    Find<QComboBox>(&d, "fonts")->setCurrentIndex(0);
    Find<QSpinBox>(&d, "body_size")->setValue(2);
    Find<QSpinBox>(&d, "header_size")->setValue(6);
    Find<QLineEdit>(&d, "background_image")->setText("grass.png");
    QTest::mouseClick(Find<QPushButton>(&d, "ok"), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(std::tuple(s.outs_per_inning, s.balls_per_walk, s.ll_pitching_rules, s.html_font_color,
                       s.html_page_bg_color, s.html_font_face, s.html_body_font_size,
                       s.html_header_font_size, s.html_bkground_image, s.html_use_bkground) ==
            std::tuple(5, 3, true, 0x112233u, 0xDFFFFDu, std::string("Variable Width"), 2, 6,
                       std::string("grass.png"), false));
  }

  void cancelKeepsEverythingAsItWas() {
    Settings s;
    s.html_header_color = 0x0000FF;
    s.html_body_font_size = 5;
    s.html_bkground_image = "old.png";
    ScriptedUi ui;
    OptionsDialog d(s, ui, nullptr);
    d.show();
    Find<QTabWidget>(&d, "tabs")->setCurrentIndex(1);
    Find<QComboBox>(&d, "colors")->setCurrentIndex(1);
    QCOMPARE(Find<ColorSwatch>(&d, "swatch")->color(), 0x0000FFu);
    Find<QSpinBox>(&d, "body_size")->setValue(9);
    QTest::mouseClick(Find<QPushButton>(&d, "reset"), Qt::LeftButton);
    QCOMPARE(Find<ColorSwatch>(&d, "swatch")->color(), 0x804000u);
    QCOMPARE(d.working_colors()[1], 0x804000u);
    QCOMPARE(Find<QSpinBox>(&d, "body_size")->value(), 9);  // sizes are not reset
    // The background box enables the image name at once, and stores nothing.
    auto* image = Find<QLineEdit>(&d, "background_image");
    QVERIFY(!image->isEnabled());
    QTest::mouseClick(Find<QCheckBox>(&d, "use_background"), Qt::LeftButton);
    QVERIFY(image->isEnabled());
    image->setText("new.png");
    QVERIFY(!s.html_use_bkground);
    QTest::mouseClick(Find<QPushButton>(&d, "cancel"), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(std::tuple(s.html_header_color, s.html_body_font_size, s.html_use_bkground,
                       s.html_bkground_image) ==
            std::tuple(0x0000FFu, 5, false, std::string("old.png")));
  }

  // Rules edited from Options are written when Options is confirmed, and
  // shown again as edited until then; Cancel leaves the file alone.
  void pitchCountRulesAreWrittenOnlyByOk() {
    testing::GuiFixture fixture;
    const std::string path = fixture.Path("workload.txt");
    QVERIFY(WriteTextFileAtomically(path, "1-50 0\n51+ 1\n"));
    for (const bool ok : {false, true}) {
      Settings s;
      OptionsDialog d(s, fixture.ui, nullptr);
      d.workload_rules_file = path;
      const WorkloadRules edited{{{1, 30, 0}, {31, -1, 2}}, 75};
      std::vector<WorkloadRules> shown;
      testing::OnModal<WorkloadRulesDialog>([&](WorkloadRulesDialog& rules) {
        shown.push_back(*rules.Rules(nullptr));
        rules.Show(edited);
        rules.accept();
        return rules.result();
      });
      QTest::mouseClick(Find<QPushButton>(&d, "pitch_rules"), Qt::LeftButton);
      QTest::mouseClick(Find<QPushButton>(&d, "pitch_rules"), Qt::LeftButton);
      testing::ResetModal();
      QVERIFY((shown == std::vector<WorkloadRules>{{{{1, 50, 0}, {51, -1, 1}}, 0}, edited}));
      QCOMPARE(testing::ReadText(path), std::string("1-50 0\n51+ 1\n"));
      QTest::mouseClick(Find<QPushButton>(&d, ok ? "ok" : "cancel"), Qt::LeftButton);
      QCOMPARE(testing::ReadText(path),
               ok ? WorkloadRulesText(edited) : std::string("1-50 0\n51+ 1\n"));
    }
    Settings s;
    OptionsDialog d(s, fixture.ui, nullptr);
    QVERIFY(Find<QCheckBox>(&d, "ll_rules")->toolTip().contains("pitch-count rules"));
  }

  void backgroundImageReachesThePages() {
    struct Case {
      bool use;
      const char* image;
      const char* body;
    };
    const Case cases[] = {
        {true, "grass.png", "<BODY BGCOLOR=FDFFDF BACKGROUND=\"grass.png\">"},
        {false, "grass.png", "<BODY BGCOLOR=FDFFDF>"},
        {true, "", "<BODY BGCOLOR=FDFFDF>"},
        {true, "my \"best\" field.png", "BACKGROUND=\"my &quot;best&quot; field.png\">"},
    };
    for (const Case& c : cases) {
      Settings s;
      ScriptedUi ui;
      OptionsDialog d(s, ui, nullptr);
      Find<QCheckBox>(&d, "use_background")->setChecked(c.use);
      Find<QLineEdit>(&d, "background_image")->setText(c.image);
      QTest::mouseClick(Find<QPushButton>(&d, "ok"), Qt::LeftButton);
      const std::string head = reports::PageHead("Tigers", HtmlStyleOf(s));
      QVERIFY2(head.ends_with(c.body), head.c_str());
    }
  }

  void optionsCommandRunsTheDialogOnTheSessionSettings() {
    testing::GuiFixture f;
    MainWindow& w = f.Window();
    testing::WhenDialogShows([](QWidget* dialog) {
      dialog->findChild<QSpinBox*>("innings")->setValue(6);
      QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    w.ActionFor(kCmdOptions)->trigger();
    QCOMPARE(f.session.settings.innings_per_game, 6);
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
