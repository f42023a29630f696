#include "app/pitch_plot_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/core/settings.h"
#include "app/remembered_position.h"
#include "reports/print/page_frame.h"
#include "reports/print/pitch_chart_drawing.h"

namespace scorewick::app {

namespace printing = ::scorewick::print;

namespace {

// The pictures 15 pixels in from either side, 5 from the top, a
// picture's width apart, with their captions under them.
constexpr int kSideMargin = 15;
constexpr int kTopMargin = 5;
constexpr QSize kCanvasSize(2 * kSideMargin + 3 * kZoneWidth, kTopMargin + kZoneHeight + 22);

}  // namespace

PitchPlotWindow::PitchPlotWindow(const GameChoice& chosen, Session& session, Ui& ui,
                                 QWidget* parent)
    : PlotWindow(session, ui, kPitchingPlotsTitle, parent) {
  info_.games = chosen.games;
  const Settings& s = session_.settings;
  colors_ = {ResolveColor(s.pitch_strike_ball_color, ClassicSystemColor),
             ResolveColor(s.pitch_not_strike_ball_color, ClassicSystemColor),
             ResolveColor(s.pitch_hit_ball_color, ClassicSystemColor)};
  pitcher_box_ = ChoiceBox("pitcher", 18);
  batter_box_ = ChoiceBox("batter", 18);
  type_box_ = ChoiceBox("pitch_type", 18);
  const char* kind_texts[3] = {"Stri&kes", "&Balls", "&Hit"};
  const char* kind_names[3] = {"strikes", "balls", "hits"};
  auto* kinds = new QGroupBox("Show pitches that were");
  auto* kinds_layout = new QHBoxLayout(kinds);
  for (std::size_t k = 0; k < 3; ++k) {
    kind_boxes_[k] = new QCheckBox(kind_texts[k]);
    kind_boxes_[k]->setObjectName(kind_names[k]);
    kind_boxes_[k]->setChecked(info_.show[k]);
  }
  for (std::size_t k : {0, 2, 1}) kinds_layout->addWidget(kind_boxes_[k]);
  auto* figures = new QFormLayout;
  const char* figure_texts[4] = {"Average speed :", "Strike % :", "Ball % :", "Hit % :"};
  for (std::size_t i = 0; i < 4; ++i) {
    figure_labels_[i] = new QLabel;
    figure_labels_[i]->setObjectName(QString("figure%1").arg(i));
    figures->addRow(figure_texts[i], figure_labels_[i]);
  }
  thirds_ = new QLabel;
  thirds_->setObjectName("zone_thirds");
  MakeCanvas(kCanvasSize, [this](QPainter& painter, int width) { Draw(painter, width); });

  auto* lists = new QFormLayout;
  lists->addRow("Team", team_box());
  lists->addRow("Pitcher", pitcher_box_);
  lists->addRow("Batter", batter_box_);
  lists->addRow("Pitch Types", type_box_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  AddButtons(buttons);

  auto* controls = new QVBoxLayout;
  controls->addLayout(lists);
  controls->addWidget(kinds);
  controls->addLayout(figures);
  controls->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(canvas_, 0, Qt::AlignTop);
  top->addLayout(controls);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(thirds_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QComboBox* box : {pitcher_box_, batter_box_, type_box_}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  }
  for (QCheckBox* box : kind_boxes_)
    connect(box, &QCheckBox::toggled, this, [this] { ChoiceChanged(); });
  RememberPosition(this, "pitching_plots");
}

void PitchPlotWindow::FillChoices() {
  SetTeams(info_.pitcher_names(), info_.batter_names());
  FillPlayers();
  std::vector<std::string> types;
  for (int t = 0; t < kPitchTypeCount; ++t) types.emplace_back(PitchTypeName(t));
  types.emplace_back(kAllPitches);
  SetChoices(type_box_, types, kPitchTypeCount);
  ChoiceChanged();
}

void PitchPlotWindow::FillPlayers() {
  SetPlayers(pitcher_box_, info_.pitcher_names(), info_.pitchers, 0);
  SetPlayers(batter_box_, info_.batter_names(), info_.batters, -1);
}

std::array<QString, 4> PitchPlotWindow::figures() const {
  return {figure_labels_[0]->text(), figure_labels_[1]->text(), figure_labels_[2]->text(),
          figure_labels_[3]->text()};
}

void PitchPlotWindow::ChoiceChanged() {
  if (pitcher_box_->currentIndex() < 0 || batter_box_->currentIndex() < 0) return;
  info_.pitcher_filter = ChosenName(pitcher_box_, info_.pitchers);
  info_.batter_filter = ChosenName(batter_box_, info_.batters);
  info_.team_filter = team_box()->currentData().toByteArray().toStdString();
  info_.type_filter = type_box_->currentIndex();
  for (std::size_t k = 0; k < 3; ++k) info_.show[k] = kind_boxes_[k]->isChecked();
  const PitchFigures f = info_.Figures();
  const double values[4] = {f.average_speed, f.strike_percent, f.ball_percent, f.hit_percent};
  for (std::size_t i = 0; i < 4; ++i)
    figure_labels_[i]->setText(QString::fromStdString(FigureText(values[i])));
  thirds_->setText(QString::fromStdString(ZoneThirdsLine(f)));
  canvas_->update();
}

void PitchPlotWindow::Draw(QPainter& painter, int width) {
  const QPoint left(kSideMargin, kTopMargin);
  const QPoint right(width - kSideMargin - kZoneWidth, kTopMargin);
  printing::DrawPitchZones(painter, info_, colors_, left, right, 1);
  QFont caption("Arial");
  caption.setPixelSize(11);
  painter.setFont(caption);
  painter.setPen(Qt::black);
  for (const QPoint& origin : {left, right}) {
    const QString text = printing::ZoneCaption(origin == right);
    printing::DrawTextAt(painter,
                         origin.x() + (kZoneWidth - printing::TextWidth(painter, text)) / 2,
                         kTopMargin + kZoneHeight + 4, text);
  }
}

void PitchPlotWindow::Print() {
  printing::PitchPrintout printout(info_, colors_);
  print(printout);
}

}  // namespace scorewick::app
