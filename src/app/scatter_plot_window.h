#pragma once
// "Scatter Plots": the spray chart of the chosen games on screen.  The
// batter and pitcher lists choose whose balls are shown; a change collects
// the points again and repaints.  Print puts the chart on one page (the
// game files running on when there are many); Printer Setup sets up the
// program's printer.

#include <QImage>

#include "app/plot_window.h"
#include "stats/scatter_info.h"

namespace scorewick::app {

inline constexpr const char* kScatterPlotsTitle = "Scatter Plots";

class ScatterPlotWindow : public PlotWindow {
 public:
  // chosen: the chooser's games.  Nothing is read yet; Open reads them and
  // selects "ALL BATTERS" and "ALL PITCHERS".
  ScatterPlotWindow(const BaseStatGameStruct& chosen, Session& session, Ui& ui, QWidget* parent);

  void Print() override;

  const ScatterInfo& info() const { return info_; }
  QComboBox* batter_box() const { return batter_box_; }
  QComboBox* pitcher_box() const { return pitcher_box_; }

 private:
  AccumulateReport Load() override { return info_.Load(); }
  BaseStatGameStruct& Games() override { return info_; }
  void FillChoices() override;
  void ChoiceChanged();

  ScatterInfo info_;
  QImage field_;
  QComboBox* batter_box_;
  QComboBox* pitcher_box_;
};

}  // namespace scorewick::app
