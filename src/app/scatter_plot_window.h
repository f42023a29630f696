#pragma once
// "Scatter Plots": the spray chart of the chosen games on screen.  The
// batter and pitcher lists choose whose balls are shown; a change collects
// the points again and repaints.  Print puts the chart on one page (the
// game files running on when there are many); Printer Setup sets up the
// program's printer.

#include <QDialog>

#include "app/core/session.h"
#include "app/print_job.h"
#include "platform/ui.h"
#include "stats/scatter_info.h"

class QComboBox;

namespace scorewick::app {

class PlotCanvas;

inline constexpr const char* kScatterPlotsTitle = "Scatter Plots";

class ScatterPlotWindow : public QDialog {
 public:
  // chosen: the chooser's games.  Nothing is read yet.
  ScatterPlotWindow(const BaseStatGameStruct& chosen, Session& session, Ui& ui, QWidget* parent);

  // Reads the games, fills the lists ("ALL BATTERS" and "ALL PITCHERS"
  // selected) and collects the points.  Games that could not be read are
  // named and left out; false when none could be read.
  bool Open();

  // Prints the chart; tests replace it.
  PrintRunner print;
  void Print();

  const ScatterInfo& info() const { return info_; }
  QComboBox* batter_box() const { return batter_box_; }
  QComboBox* pitcher_box() const { return pitcher_box_; }
  PlotCanvas* canvas() const { return canvas_; }

 private:
  void ChoiceChanged();

  Session& session_;
  Ui& ui_;
  ScatterInfo info_;
  QImage field_;
  QComboBox* batter_box_;
  QComboBox* pitcher_box_;
  PlotCanvas* canvas_;
};

}  // namespace scorewick::app
