#include "app/print_game_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/remembered_position.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/game_out.h"

namespace scorewick::app {
namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A team's name as a button shows it: an "&" is a letter, not a shortcut.
QString ButtonText(const NameText& name) {
  return print::FromCp1252(name.view()).replace('&', "&&");
}

}  // namespace

reports::GamePrintOptions& RememberedGamePrintOptions() {
  static reports::GamePrintOptions options;
  return options;
}

PrintGameDialog::PrintGameDialog(const Game& game, const std::string (&logo_files)[2],
                                 std::uint32_t hit_line_color, Ui& ui, QWidget* parent)
    : QDialog(parent),
      game_(game),
      logo_files_{logo_files[0], logo_files[1]},
      hit_line_color_(hit_line_color),
      ui_(ui) {
  setWindowTitle("Print Game");
  print = [this](print::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };

  // The two sides are offered by their teams' names.
  visitors_ = Named(new QRadioButton(ButtonText(game.visitor.team_name), this), "visitors");
  home_ = Named(new QRadioButton(ButtonText(game.home.team_name), this), "home");
  both_ = Named(new QRadioButton("&Both", this), "both");
  auto* side_box = new QGroupBox("Team", this);
  auto* side_layout = new QVBoxLayout(side_box);
  for (QRadioButton* b : {visitors_, home_, both_}) side_layout->addWidget(b);

  fit_ = Named(new QRadioButton("&Fit to page width", this), "fit");
  use_ = Named(new QRadioButton("&Use this many :", this), "use");
  columns_ = Named(new QSpinBox(this), "columns");
  columns_->setRange(1, print::kMaxSheetColumns);
  auto* column_box = new QGroupBox("Innings per page", this);
  auto* column_layout = new QVBoxLayout(column_box);
  column_layout->addWidget(fit_);
  auto* use_row = new QHBoxLayout;
  use_row->addWidget(use_);
  use_row->addWidget(columns_);
  use_row->addStretch();
  column_layout->addLayout(use_row);
  auto* column_group = new QButtonGroup(this);
  column_group->addButton(fit_);
  column_group->addButton(use_);
  connect(use_, &QRadioButton::toggled, columns_, &QWidget::setEnabled);

  notes_ = Named(new QCheckBox("Print &notes on separate page", this), "notes");
  notes_->setEnabled(!game.notes.empty());
  empty_fields_ = Named(new QCheckBox("Print fields that don't have &data", this), "empty_fields");

  auto* print_button = Named(new QPushButton("&Print", this), "print");
  print_button->setDefault(true);
  auto* setup = Named(new QPushButton("Printer &Setup...", this), "printer_setup");
  auto* cancel = Named(new QPushButton("&Cancel", this), "cancel");
  connect(print_button, &QPushButton::clicked, this, &PrintGameDialog::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* boxes = new QHBoxLayout;
  boxes->addWidget(side_box);
  boxes->addWidget(column_box);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print_button);
  buttons->addWidget(setup);
  buttons->addStretch();
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addWidget(notes_);
  layout->addWidget(empty_fields_);
  layout->addLayout(buttons);
  ShowOptions(RememberedGamePrintOptions());
  RememberPosition(this, "PrintGame");
}

void PrintGameDialog::ShowOptions(const reports::GamePrintOptions& o) {
  visitors_->setChecked(o.side == reports::PrintSide::kVisitors);
  home_->setChecked(o.side == reports::PrintSide::kHome);
  both_->setChecked(o.side == reports::PrintSide::kBoth);
  fit_->setChecked(o.fit);
  use_->setChecked(!o.fit);
  columns_->setValue(o.columns);
  columns_->setEnabled(!o.fit);
  notes_->setChecked(o.notes && notes_->isEnabled());
  empty_fields_->setChecked(o.empty_fields);
}

reports::GamePrintOptions PrintGameDialog::options() const {
  reports::GamePrintOptions o;
  o.side = home_->isChecked()   ? reports::PrintSide::kHome
           : both_->isChecked() ? reports::PrintSide::kBoth
                                : reports::PrintSide::kVisitors;
  o.fit = fit_->isChecked();
  o.columns = columns_->value();
  o.notes = notes_->isChecked();
  o.empty_fields = empty_fields_->isChecked();
  return o;
}

void PrintGameDialog::Print() {
  const reports::GamePrintOptions o = options();
  // A game without notes leaves the remembered notes choice as it was.
  const bool notes = notes_->isEnabled() ? o.notes : RememberedGamePrintOptions().notes;
  RememberedGamePrintOptions() = o;
  RememberedGamePrintOptions().notes = notes;
  print::TGameOut sheet(game_, o);
  sheet.SetLogoFiles(logo_files_[0], logo_files_[1]);
  sheet.set_hit_line_color(print::ColorFromColorRef(hit_line_color_));
  print(sheet);
  accept();
}

}  // namespace scorewick::app
