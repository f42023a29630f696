#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/color_swatch.h"
#include "app/core/export_choice.h"
#include "app/modal_run.h"
#include "app/pictures.h"
#include "app/workload_rules_dialog.h"
#include "records/file_io.h"
#include "reports/print/field_picture.h"

namespace scorewick::app {
namespace {

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  spin->setValue(value);
  spin->setFixedWidth(72);
  return spin;
}

}  // namespace

const std::array<const char*, kHtmlColorCount>& OptionsDialog::ColorNames() {
  static const std::array<const char*, kHtmlColorCount> names = {"Page Background Color",
                                                                 "Header Background Color",
                                                                 "Primary Row Background Color",
                                                                 "Alternate Row Background Color",
                                                                 "Font Color",
                                                                 "Header Font Color"};
  return names;
}

OptionsDialog::OptionsDialog(Settings& settings, Ui& ui, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(ui) {
  setWindowTitle("Scorewick Options");
  for (int i = 0; i < kHtmlColorCount; ++i) working_[i] = *HtmlColor(settings_, i);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabs");
  tabs_->addTab(BuildLeaguePage(), "League Options");
  tabs_->addTab(BuildHtmlPage(), "HTML Options");
  tabs_->setCurrentIndex(0);

  auto* ok = new QPushButton("&Ok", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("cancel");
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);

  // The two pictures at the foot of the dialog are decoration only.
  auto* ball = new QLabel(this);
  ball->setPixmap(BaseballPicture(40));
  auto* field = new QLabel(this);
  field->setPixmap(QPixmap::fromImage(print::DrawFieldWithoutBases())
                       .scaledToHeight(40, Qt::SmoothTransformation));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ball);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(field);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
}

QWidget* OptionsDialog::BuildLeaguePage() {
  auto* page = new QWidget;
  page->setObjectName("league_page");
  const SettingRanges& r = kSettingRanges;
  strikes_ = Spin(page, "strikes", r.strikes.low, r.strikes.high, settings_.strikes_per_out);
  balls_ = Spin(page, "balls", r.balls.low, r.balls.high, settings_.balls_per_walk);
  outs_ = Spin(page, "outs", r.outs.low, r.outs.high, settings_.outs_per_inning);
  innings_ = Spin(page, "innings", r.innings.low, r.innings.high, settings_.innings_per_game);
  ll_rules_ = new QCheckBox("&Use LL Pitching Rules", page);
  ll_rules_->setObjectName("ll_rules");
  ll_rules_->setChecked(settings_.ll_pitching_rules);
  ll_rules_->setToolTip(
      "Count a pitcher's innings as the innings he pitched in, however few outs he got there "
      "(the youth leagues' rule for the IP column).\nThe pitch-count rules are another matter: "
      "the pitches a day and the rest after them, for Pitcher Workload.");
  strikes_->setToolTip("The strikes that put a batter out (3 in most leagues).");
  balls_->setToolTip("The balls that walk a batter (4 in most leagues).");
  outs_->setToolTip("The outs that end a half-inning (3 in most leagues).");
  innings_->setToolTip(
      "The innings of a regulation game: earned run averages are scaled to it (9, or 6 or 7 "
      "in youth and softball leagues).");
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow("Strikes per out", strikes_);
  form->addRow("Balls per walk", balls_);
  form->addRow("Outs per inning", outs_);
  form->addRow("Innings per game", innings_);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(ll_rules_);
  auto* pitch_rules = new QPushButton("Pitch Count &Rules...", page);
  pitch_rules->setObjectName("pitch_rules");
  connect(pitch_rules, &QPushButton::clicked, this, [this] {
    if (workload_rules_file.empty()) return;
    WorkloadRulesDialog dialog(workload_rules_file, ui_, this, workload_rules_);
    if (RunModal(dialog) == QDialog::Accepted) workload_rules_ = dialog.text();
  });
  pitch_rules->setToolTip(
      "The pitches a pitcher may throw in a day and the days of rest after them, for Pitcher "
      "Workload; kept in workload.txt when OK is pressed here.");
  layout->addWidget(pitch_rules, 0, Qt::AlignLeft);
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildHtmlPage() {
  auto* page = new QWidget;
  page->setObjectName("html_page");
  colors_ = new QComboBox(page);
  colors_->setObjectName("colors");
  for (const char* name : ColorNames()) colors_->addItem(name);
  colors_->setCurrentIndex(0);
  swatch_ = new ColorSwatch(page);
  swatch_->setObjectName("swatch");
  swatch_->set_color(working_[0]);
  auto* change = new QPushButton("Change...", page);
  change->setObjectName("change");
  auto* reset = new QPushButton("Reset to defaults", page);
  reset->setObjectName("reset");

  fonts_ = new QComboBox(page);
  fonts_->setObjectName("fonts");
  fonts_->addItem(QString::fromUtf8(kVariableWidthFace.data(), kVariableWidthFace.size()));
  fonts_->addItem(QString::fromUtf8(kFixedWidthFace.data(), kFixedWidthFace.size()));
  fonts_->addItems(QFontDatabase::families());
  const QString face = QString::fromStdString(settings_.html_font_face);
  fonts_->setCurrentIndex(-1);
  for (int i = 0; i < fonts_->count(); ++i) {
    if (fonts_->itemText(i).startsWith(face, Qt::CaseInsensitive)) {
      fonts_->setCurrentIndex(i);
      break;
    }
  }

  const SettingRange sizes = kSettingRanges.font_size;
  body_size_ = Spin(page, "body_size", sizes.low, sizes.high, settings_.html_body_font_size);
  header_size_ = Spin(page, "header_size", sizes.low, sizes.high, settings_.html_header_font_size);
  use_background_ = new QCheckBox("Background image name:", page);
  use_background_->setObjectName("use_background");
  use_background_->setChecked(settings_.html_use_bkground);
  background_image_ = new QLineEdit(QString::fromStdString(settings_.html_bkground_image), page);
  background_image_->setObjectName("background_image");
  background_image_->setMaxLength(kBackgroundImageMaxLength);
  background_image_->setEnabled(settings_.html_use_bkground);

  connect(colors_, &QComboBox::currentIndexChanged, this, &OptionsDialog::ShowSelectedColor);
  connect(change, &QPushButton::clicked, this, &OptionsDialog::ChangeColor);
  connect(reset, &QPushButton::clicked, this, &OptionsDialog::ResetColors);
  // The box only enables the name: like every other choice here, it is
  // stored by OK and dropped by Cancel.
  connect(use_background_, &QCheckBox::toggled, background_image_, &QLineEdit::setEnabled);

  auto* grid = new QGridLayout(page);
  grid->addWidget(colors_, 0, 0, 1, 2);
  grid->addWidget(swatch_, 0, 2);
  grid->addWidget(change, 0, 3);
  grid->addWidget(new QLabel("Font :", page), 1, 0);
  grid->addWidget(fonts_, 1, 1, 1, 2);
  grid->addWidget(reset, 1, 3);
  grid->addWidget(new QLabel("Font Size:", page), 2, 0);
  grid->addWidget(body_size_, 2, 1);
  grid->addWidget(new QLabel("Header Size:", page), 3, 0);
  grid->addWidget(header_size_, 3, 1);
  grid->addWidget(use_background_, 4, 0, 1, 2);
  grid->addWidget(background_image_, 5, 0, 1, 4);
  grid->setRowStretch(6, 1);
  grid->setColumnStretch(1, 1);
  return page;
}

void OptionsDialog::ShowSelectedColor() {
  const int index = colors_->currentIndex();
  if (index >= 0 && index < kHtmlColorCount) swatch_->set_color(working_[index]);
}

void OptionsDialog::ChangeColor() {
  const int index = colors_->currentIndex();
  if (index < 0 || index >= kHtmlColorCount) return;
  if (auto chosen = ui_.ChooseColor(working_[index])) {
    working_[index] = *chosen;
    swatch_->set_color(*chosen);
  }
}

void OptionsDialog::ResetColors() {
  for (int i = 0; i < kHtmlColorCount; ++i) working_[i] = kDefaultHtmlColors[i];
  ShowSelectedColor();
}

void OptionsDialog::accept() {
  if (workload_rules_) {
    if (const Status saved = WriteTextFileAtomically(workload_rules_file, *workload_rules_);
        !saved.ok) {
      ShowSaveError(ui_, saved.reason);
      return;
    }
  }
  settings_.strikes_per_out = strikes_->value();
  settings_.balls_per_walk = balls_->value();
  settings_.outs_per_inning = outs_->value();
  settings_.innings_per_game = innings_->value();
  settings_.ll_pitching_rules = ll_rules_->isChecked();
  for (int i = 0; i < kHtmlColorCount; ++i) *HtmlColor(settings_, i) = working_[i];
  if (fonts_->currentIndex() >= 0 && !fonts_->currentText().isEmpty()) {
    settings_.html_font_face = fonts_->currentText().toStdString();
  }
  settings_.html_body_font_size = body_size_->value();
  settings_.html_header_font_size = header_size_->value();
  settings_.html_bkground_image = background_image_->text().toStdString();
  settings_.html_use_bkground = use_background_->isChecked();
  QDialog::accept();
}

}  // namespace scorewick::app
