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

ScatterPlotWindow::ScatterPlotWindow(const GameChoice& chosen, Session& session, Ui& ui,
                                     QWidget* parent)
    : PlotWindow(session, ui, kScatterPlotsTitle, parent) {
  info_.games = chosen.games;
  field_ = printing::LoadFieldPicture(session_.settings.field_image_path);
  batter_box_ = ChoiceBox("batter", 22);
  pitcher_box_ = ChoiceBox("pitcher", 22);
  MakeCanvas(printing::SprayChartSize(field_), [this](QPainter& painter, int width) {
    printing::DrawSprayChart(painter, info_, field_, width);
  });

  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel("Team :"));
  choices->addWidget(team_box());
  choices->addSpacing(16);
  choices->addWidget(new QLabel("Batter :"));
  choices->addWidget(batter_box_);
  choices->addSpacing(16);
  choices->addWidget(new QLabel("Pitcher :"));
  choices->addWidget(pitcher_box_);
  choices->addStretch(1);
  AddButtons(choices);
  unplaced_ = new QLabel;
  unplaced_->setObjectName("unplaced");
  unplaced_->setAlignment(Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(canvas_, 1);
  layout->addWidget(unplaced_);
  layout->addLayout(choices);

  for (QComboBox* box : {batter_box_, pitcher_box_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  RememberPosition(this, "scatter_plots");
}

void ScatterPlotWindow::FillChoices() {
  SetTeams(info_.batter_names(), info_.pitcher_names());
  FillPlayers();
  ChoiceChanged();
}

void ScatterPlotWindow::FillPlayers() {
  SetPlayers(batter_box_, info_.batter_names(), info_.batters, -1);
  SetPlayers(pitcher_box_, info_.pitcher_names(), info_.pitchers, -1);
}

void ScatterPlotWindow::ChoiceChanged() {
  if (batter_box_->currentIndex() < 0 || pitcher_box_->currentIndex() < 0) return;
  info_.batter_filter = ChosenName(batter_box_, info_.batters);
  info_.pitcher_filter = ChosenName(pitcher_box_, info_.pitchers);
  info_.team_filter = team_box()->currentData().toByteArray().toStdString();
  info_.Collect();
  const std::size_t unplaced = info_.unplaced_outs.size();
  unplaced_->setText(unplaced == 0 ? QString()
                                   : QString("%1 ball%2 without a recorded place, shown around "
                                             "their fielder")
                                         .arg(unplaced)
                                         .arg(unplaced == 1 ? "" : "s"));
  unplaced_->setVisible(unplaced > 0);
  canvas_->update();
}

QString ScatterPlotWindow::unplaced_text() const { return unplaced_->text(); }

void ScatterPlotWindow::Print() {
  printing::SprayPrintout printout(info_, field_);
  print(printout);
}

}  // namespace scorewick::app
