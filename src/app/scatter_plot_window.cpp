#include "app/scatter_plot_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/plot_canvas.h"
#include "app/plot_load.h"
#include "app/remembered_position.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/spray_chart_drawing.h"

namespace scorewick::app {

// The member "print" hides the namespace of the same name.
namespace printing = ::scorewick::print;

namespace {

void FillList(QComboBox* box, const std::vector<std::string>& names) {
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& name : names) box->addItem(printing::FromCp1252(name));
  box->setCurrentIndex(box->count() - 1);
}

}  // namespace

ScatterPlotWindow::ScatterPlotWindow(const BaseStatGameStruct& chosen, Session& session, Ui& ui,
                                     QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui) {
  static_cast<BaseStatGameStruct&>(info_) = chosen;
  setWindowTitle(kScatterPlotsTitle);
  field_ = printing::LoadFieldPicture(session_.settings.field_image_path);
  print = [this](printing::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };

  batter_box_ = new QComboBox;
  batter_box_->setObjectName("batter");
  pitcher_box_ = new QComboBox;
  pitcher_box_->setObjectName("pitcher");
  for (QComboBox* box : {batter_box_, pitcher_box_}) {
    box->setMinimumContentsLength(22);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  }
  canvas_ = new PlotCanvas(
      printing::SprayChartSize(field_),
      [this](QPainter& painter, int width) {
        printing::DrawSprayChart(painter, info_, field_, width);
      },
      this);
  auto* print_button = new QPushButton("&Print");
  print_button->setObjectName("print");
  auto* setup = new QPushButton("Printer &Setup");
  setup->setObjectName("printer_setup");
  auto* ok = new QPushButton("OK");
  ok->setDefault(true);

  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel("Batter :"));
  choices->addWidget(batter_box_);
  choices->addSpacing(16);
  choices->addWidget(new QLabel("Pitcher :"));
  choices->addWidget(pitcher_box_);
  choices->addStretch(1);
  choices->addWidget(print_button);
  choices->addWidget(setup);
  choices->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(canvas_, 0, Qt::AlignHCenter);
  layout->addLayout(choices);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(batter_box_, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  connect(pitcher_box_, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  connect(print_button, &QPushButton::clicked, this, &ScatterPlotWindow::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  RememberPosition(this, "scatter_plots");
}

bool ScatterPlotWindow::Open() {
  if (!AcceptPlotGames(info_.Load(), info_, ui_)) return false;
  FillList(batter_box_, info_.batters);
  FillList(pitcher_box_, info_.pitchers);
  ChoiceChanged();
  return true;
}

void ScatterPlotWindow::ChoiceChanged() {
  const int batter = batter_box_->currentIndex(), pitcher = pitcher_box_->currentIndex();
  if (batter < 0 || pitcher < 0) return;
  info_.batter_filter = info_.batters.at(static_cast<std::size_t>(batter));
  info_.pitcher_filter = info_.pitchers.at(static_cast<std::size_t>(pitcher));
  info_.Collect();
  canvas_->update();
}

void ScatterPlotWindow::Print() {
  printing::SprayPrintout printout(info_, field_);
  print(printout);
}

}  // namespace scorewick::app
