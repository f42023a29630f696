#include "reports/site/site_charts.h"

#include <set>
#include <tuple>

#include "records/format_text.h"
#include "stats/scatter_info.h"

namespace scorewick::site {
namespace {

// The field without bases, in the geometry of the handheld's picture:
// fair ground to the fence 112 points from home, the infield dirt to 62,
// the grass inside the base paths, the foul lines at 45 degrees.
constexpr const char* kField =
    "<rect width=\"166\" height=\"130\" fill=\"#226028\"/>"
    "<path d=\"M83 117 L3.8 37.8 A112 112 0 0 1 162.2 37.8 Z\" fill=\"#3a8c3a\"/>"
    "<path d=\"M83 117 L39.2 73.2 A62 62 0 0 1 126.8 73.2 Z\" fill=\"#b88856\"/>"
    "<path d=\"M83 111 L104.9 90.1 L83 68.3 L61.1 90.1 Z\" fill=\"#3a8c3a\"/>"
    "<circle cx=\"83\" cy=\"90.1\" r=\"4\" fill=\"#b88856\"/>"
    "<path d=\"M83 117 L3.8 37.8 M83 117 L162.2 37.8\" stroke=\"#ffffff\" stroke-width=\"1\"/>";

// Each mark once: a mark drawn again where one of its kind stands adds
// nothing to the picture (the figures in the caption count every one).
class DrawnMarks {
 public:
  bool First(int kind, PlotPoint p) { return seen_.insert({kind, p.x, p.y}).second; }

 private:
  std::set<std::tuple<int, int, int>> seen_;
};

std::string Percent(double share) { return Format("%.0f%%", share); }

std::string Plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string SprayChartFigure(const std::vector<PlotPoint>& on_base,
                             const std::vector<PlotPoint>& outs, const std::string& label) {
  ScatterInfo counted;
  counted.on_base_points = on_base;
  counted.out_points = outs;
  const SprayShares shares = ComputeSprayShares(counted);
  std::string caption = "Spray chart of " + label + ": ";
  if (shares.total == 0) {
    caption += "no ball in play with a place.";
  } else {
    caption += Plural(shares.total, "ball", "balls") + " in play, " +
               Plural(static_cast<int>(on_base.size()), "reached base", "reached base") +
               " (filled circles), " + Plural(static_cast<int>(outs.size()), "out", "outs") +
               " (crosses); left " + Percent(shares.left) + ", centre " + Percent(shares.centre) +
               ", right " + Percent(shares.right) + "; infield " + Percent(shares.infield) +
               ", outfield " + Percent(shares.outfield) + ".";
  }
  std::string svg =
      "<figure>\n<svg class=\"chart\" viewBox=\"0 0 166 130\" role=\"img\" aria-label=\"Spray "
      "chart\">";
  svg += kField;
  DrawnMarks drawn;
  for (const PlotPoint& p : on_base) {
    if (!drawn.First(0, p)) continue;
    svg += Format(
        "<circle cx=\"%d\" cy=\"%d\" r=\"2.5\" fill=\"#d01c1c\" stroke=\"#ffffff\" "
        "stroke-width=\"0.6\"/>",
        p.x, p.y);
  }
  for (const PlotPoint& p : outs) {
    if (!drawn.First(1, p)) continue;
    svg += Format("<path d=\"M%d %dl5 5m0 -5l-5 5\" stroke=\"#0b2f8a\" stroke-width=\"1.4\"/>",
                  p.x - 2, p.y - 2);
  }
  svg += "</svg>\n<figcaption>" + caption + "</figcaption>\n</figure>\n";
  return svg;
}

std::string PitchChartFigure(const std::vector<ChartPitch>& pitches, const std::string& label) {
  int counts[3] = {0, 0, 0};
  int thirds[4] = {0, 0, 0, 0};  // high, middle, low, outside
  for (const ChartPitch& p : pitches) {
    ++counts[static_cast<int>(p.kind)];
    const int third = ZoneThird(p.location);
    ++thirds[third < 0 ? 3 : third];
  }
  const int total = static_cast<int>(pitches.size());
  std::string caption = "Pitch chart of " + label + ": ";
  if (total == 0) {
    caption += "no pitch with a place.";
  } else {
    const auto share = [&](int n) { return Percent(100.0 * n / total); };
    caption += Plural(total, "pitch", "pitches") + ", " + Plural(counts[0], "strike", "strikes") +
               " " + share(counts[0]) + " (filled circles), " + Plural(counts[1], "ball", "balls") +
               " " + share(counts[1]) + " (rings), " + std::to_string(counts[2]) + " hit " +
               share(counts[2]) + " (squares); in the zone high " + share(thirds[0]) + ", middle " +
               share(thirds[1]) + ", low " + share(thirds[2]) + "; outside it " + share(thirds[3]) +
               ".";
  }
  std::string svg = Format(
      "<figure>\n<svg class=\"chart\" viewBox=\"0 0 %d %d\" role=\"img\" aria-label=\"Pitch "
      "chart\"><rect width=\"%d\" height=\"%d\" fill=\"#e4e8ec\"/>",
      kZoneWidth, kZoneHeight, kZoneWidth, kZoneHeight);
  const int w = kZoneRight - kZoneLeft, h = kZoneBottom - kZoneTop;
  const int plate = kZoneBottom + 30;
  svg += Format("<path d=\"M%d %d H%d V%d L%d %d L%d %d Z\" fill=\"#ffffff\" stroke=\"#5a5a5a\"/>",
                kZoneLeft, plate, kZoneRight, plate + 5, kZoneLeft + w / 2, plate + 11, kZoneLeft,
                plate + 5);
  svg += Format(
      "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#ffffff\" "
      "fill-opacity=\"0.55\" stroke=\"#000000\"/>",
      kZoneLeft, kZoneTop, w, h);
  for (int i = 1; i < 3; ++i) {
    svg += Format(
        "<path d=\"M%d %.1f H%d M%.1f %d V%d\" stroke=\"#6e6e6e\" "
        "stroke-dasharray=\"2 2\"/>",
        kZoneLeft, kZoneTop + h * i / 3.0, kZoneRight, kZoneLeft + w * i / 3.0, kZoneTop,
        kZoneBottom);
  }
  DrawnMarks drawn;
  for (const ChartPitch& p : pitches) {
    if (!drawn.First(static_cast<int>(p.kind), p.location)) continue;
    const int x = p.location.x, y = p.location.y;
    switch (p.kind) {
      case PitchKind::kStrike:
        svg += Format("<circle cx=\"%d\" cy=\"%d\" r=\"3.5\" fill=\"#d01c1c\"/>", x, y);
        break;
      case PitchKind::kBall:
        svg += Format(
            "<circle cx=\"%d\" cy=\"%d\" r=\"3\" fill=\"none\" stroke=\"#0b2f8a\" "
            "stroke-width=\"1.4\"/>",
            x, y);
        break;
      case PitchKind::kHit:
        svg += Format("<rect x=\"%d\" y=\"%d\" width=\"7\" height=\"7\" fill=\"#1d7a2e\"/>", x - 3,
                      y - 3);
        break;
    }
  }
  svg += "</svg>\n<figcaption>" + caption + "</figcaption>\n</figure>\n";
  return svg;
}

}  // namespace scorewick::site
