#pragma once
// The charts of the website drawn as SVG by the program: the spray chart
// (the field as the handheld records it, 166 by 130 points with home plate
// at (83, 117), each ball in play a mark where it went: a filled circle
// when the batter reached base, a cross when he was out) and the pitch
// chart (the strike-zone picture, 118 by 188 points, each pitch a mark:
// a filled circle for a strike, a ring for a ball, a square when it was hit).
// Each chart is a figure whose caption gives its figures as text, so a
// screen reader has them without the picture.

#include <string>
#include <vector>

#include "stats/pitcher_info.h"
#include "stats/plot_point.h"

namespace scorewick::site {

// The spray chart of the balls (points on the field picture); label is
// HTML naming whose balls they are.
std::string SprayChartFigure(const std::vector<PlotPoint>& on_base,
                             const std::vector<PlotPoint>& outs, const std::string& label);

struct ChartPitch {
  PitchKind kind = PitchKind::kBall;
  PlotPoint location;  // on the zone picture
};

// The pitch chart of the pitches; label is HTML naming whose they are.
std::string PitchChartFigure(const std::vector<ChartPitch>& pitches, const std::string& label);

}  // namespace scorewick::site
