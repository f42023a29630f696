#pragma once
// "Pitching Plots": the pitch chart of the chosen games on screen.  The
// pitcher, batter and pitch-type lists and the three kind boxes choose
// which pitches are drawn (with a team chosen and every pitcher and
// batter, the pitches its pitchers threw); every change repaints and recomputes the
// average speed and the strike, ball and hit percentages (and the shares
// of the zone's thirds).  Print puts the chart on one page; Printer Setup
// sets up the program's printer.

#include <array>

#include "app/plot_window.h"
#include "reports/print/zone_picture.h"
#include "stats/game_choice.h"
#include "stats/pitcher_info.h"

class QCheckBox;
class QLabel;

namespace scorewick::app {

inline constexpr const char* kPitchingPlotsTitle = "Pitching Plots";

class PitchPlotWindow : public PlotWindow {
 public:
  // chosen: the chooser's games.  Nothing is read yet; Open reads them and
  // selects the first pitcher, "ALL BATTERS" and "All Pitches".
  PitchPlotWindow(const GameChoice& chosen, Session& session, Ui& ui, QWidget* parent);

  void Print() override;

  const PitcherInfo& info() const { return info_; }
  QComboBox* pitcher_box() const { return pitcher_box_; }
  QComboBox* batter_box() const { return batter_box_; }
  QComboBox* type_box() const { return type_box_; }
  // By PitchKind: "Stri&kes", "&Balls", "&Hit".
  QCheckBox* kind_box(PitchKind kind) const { return kind_boxes_[static_cast<std::size_t>(kind)]; }
  // Average speed, strike %, ball %, hit %, as shown.
  std::array<QString, 4> figures() const;

 private:
  AccumulateReport Load() override { return info_.Load(); }
  std::vector<std::string>& Games() override { return info_.games; }
  void FillChoices() override;
  void FillPlayers() override;
  void ChoiceChanged() override;
  void Draw(QPainter& painter, int width);

  PitcherInfo info_;
  print::PitchColors colors_;
  QComboBox* pitcher_box_;
  QComboBox* batter_box_;
  QComboBox* type_box_;
  std::array<QCheckBox*, 3> kind_boxes_{};
  std::array<QLabel*, 4> figure_labels_{};
  QLabel* thirds_;
};

}  // namespace scorewick::app
