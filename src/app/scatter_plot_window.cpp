#include "app/scatter_plot_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/remembered_position.h"
#include "reports/print/spray_chart_drawing.h"

namespace scorewick::app {

// The member "print" hides the namespace of the same name.
namespace printing = ::scorewick::print;

ScatterPlotWindow::ScatterPlotWindow(const BaseStatGameStruct& chosen, Session& session, Ui& ui,
                                     QWidget* parent)
    : PlotWindow(session, ui, kScatterPlotsTitle, parent) {
  static_cast<BaseStatGameStruct&>(info_) = chosen;
  field_ = printing::LoadFieldPicture(session_.settings.field_image_path);
  batter_box_ = ChoiceBox("batter", 22);
  pitcher_box_ = ChoiceBox("pitcher", 22);
  MakeCanvas(printing::SprayChartSize(field_), [this](QPainter& painter, int width) {
    printing::DrawSprayChart(painter, info_, field_, width);
  });

  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel("Batter :"));
  choices->addWidget(batter_box_);
  choices->addSpacing(16);
  choices->addWidget(new QLabel("Pitcher :"));
  choices->addWidget(pitcher_box_);
  choices->addStretch(1);
  AddButtons(choices);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(canvas_, 0, Qt::AlignHCenter);
  layout->addLayout(choices);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QComboBox* box : {batter_box_, pitcher_box_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  RememberPosition(this, "scatter_plots");
}

void ScatterPlotWindow::FillChoices() {
  SetChoices(batter_box_, info_.batters, -1);
  SetChoices(pitcher_box_, info_.pitchers, -1);
  ChoiceChanged();
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
