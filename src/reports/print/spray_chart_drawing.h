#pragma once
// Drawing the spray chart: three copies of the field picture in a row,
// "Hits & On Base" (on-base points, red crosses), "Ground & Fly Outs" (out
// points, blue crosses) and "Combined" (both), each labelled under it; on
// screen under the title "batter vs. pitcher", on paper as a page.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <array>
#include <string>

#include "reports/print/plot_printout.h"
#include "stats/scatter_info.h"

namespace scorewick::print {

inline constexpr const char* kSprayLabels[3] = {"Hits & On Base", "Ground & Fly Outs", "Combined"};

// The file "FieldNoBags.bmp" in folder when it loads, else the field the
// program draws (DrawFieldWithoutBases).
QImage LoadFieldPicture(const std::string& folder);

// Draws the three fields at the origins (device units), each picture
// scale times its size, with the crosses at scale times their points (arms
// of 5 pixels, scaled) and the labels, in the painter's font, 3 pixels
// (scaled) below each field.
void DrawSprayFields(QPainter& painter, const ScatterInfo& info, const QImage& field,
                     const std::array<QPoint, 3>& origins, int scale);

// The on-screen chart, width pixels wide: the title "%s vs. %s" centred
// at the top (Arial, 18 pixels, weight 600), the fields 20 pixels down,
// the middle one centred and the others 7 pixels from it, the labels, and
// the line of shares under them.  SprayChartSize is the room it needs.
void DrawSprayChart(QPainter& painter, const ScatterInfo& info, const QImage& field, int width);
QSize SprayChartSize(const QImage& field);

// The printed page: "%s (B) vs. %s (P)", the fields across the page at the
// largest whole scale that fits, the labels, the shares, "Plots computed
// using the following files :" and the game files.
class SprayPrintout : public PlotPrintout {
 public:
  SprayPrintout(const ScatterInfo& info, QImage field);
  QString JobName() const override { return "Scatter Plots"; }

 protected:
  int DrawPlot(QPainter& painter, int left, int right, int top, int line) override;

 private:
  const ScatterInfo& info_;
  QImage field_;
};

}  // namespace scorewick::print
