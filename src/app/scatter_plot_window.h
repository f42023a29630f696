#pragma once
// "Scatter Plots": the spray chart of the chosen games on screen.  The
// batter and pitcher lists choose whose balls are shown (with a team
// chosen and every batter and pitcher, the balls its batters hit); a
// change collects the points again and repaints.  The window can be enlarged, the chart
// with it; a line under the chart counts the balls without a recorded
// location, which are shown around their fielder's place.  Print puts the
// chart on one page (the game files running on when there are many);
// Printer Setup sets up the program's printer.

#include <QImage>

class QLabel;

#include "app/plot_window.h"
#include "stats/game_choice.h"
#include "stats/scatter_info.h"

namespace scorewick::app {

inline constexpr const char* kScatterPlotsTitle = "Scatter Plots";

class ScatterPlotWindow : public PlotWindow {
 public:
  // chosen: the chooser's games.  Nothing is read yet; Open reads them and
  // selects "ALL BATTERS" and "ALL PITCHERS".
  ScatterPlotWindow(const GameChoice& chosen, Session& session, Ui& ui, QWidget* parent);

  void Print() override;

  const ScatterInfo& info() const { return info_; }
  QComboBox* batter_box() const { return batter_box_; }
  QComboBox* pitcher_box() const { return pitcher_box_; }
  // "294 balls without a recorded place, shown around their fielder"; empty when none.
  QString unplaced_text() const;

 private:
  AccumulateReport Load() override { return info_.Load(); }
  std::vector<std::string>& Games() override { return info_.games; }
  void FillChoices() override;
  void FillPlayers() override;
  void ChoiceChanged() override;

  ScatterInfo info_;
  QImage field_;
  QComboBox* batter_box_;
  QComboBox* pitcher_box_;
  QLabel* unplaced_;
};

}  // namespace scorewick::app
