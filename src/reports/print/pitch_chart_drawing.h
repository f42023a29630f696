#pragma once
// Drawing the pitch chart: the two zone pictures (the left one for
// batters standing left-handed, the right one for right-handed) with a
// ball marker, in its kind's colour, on every pitch shown; on paper with
// the title, a legend of the shown kinds, the summary line, the zone
// thirds and the game files.

#include <QImage>
#include <QPainter>
#include <QPoint>

#include "reports/print/plot_printout.h"
#include "reports/print/zone_picture.h"
#include "stats/pitcher_info.h"

namespace scorewick::print {

QColor KindColor(const PitchColors& colors, PitchKind kind);

// Draws both pictures at the origins (device units), scale times their
// size, and every shown pitch centred on its location (scaled) on the
// picture of its side.
void DrawPitchZones(QPainter& painter, const PitcherInfo& info, const PitchColors& colors,
                    QPoint left_origin, QPoint right_origin, int scale);

// "Left-handed batters" / "Right-handed batters", for captions.
QString ZoneCaption(bool right_picture);

// The printed page: "%s (P) vs. %s (B)", the pictures side by side at a
// whole scale, the legend ("- Strikes", "- Balls", "- Hits" for the kinds
// shown), the summary line, the zone thirds, "Using game files :" and the
// game files.
class PitchPrintout : public PlotPrintout {
 public:
  PitchPrintout(const PitcherInfo& info, PitchColors colors);
  QString JobName() const override { return "Pitching Plots"; }

 protected:
  int DrawPlot(QPainter& painter, int left, int right, int top, int line) override;

 private:
  const PitcherInfo& info_;
  PitchColors colors_;
};

}  // namespace scorewick::print
