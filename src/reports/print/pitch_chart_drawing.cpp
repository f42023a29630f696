#include "reports/print/pitch_chart_drawing.h"

#include "reports/print/at_bat_marks.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {

QColor KindColor(const PitchColors& colors, PitchKind kind) {
  switch (kind) {
    case PitchKind::kStrike:
      return ColorFromColorRef(colors.strike);
    case PitchKind::kBall:
      return ColorFromColorRef(colors.ball);
    case PitchKind::kHit:
      break;
  }
  return ColorFromColorRef(colors.hit);
}

QString ZoneCaption(bool right_picture) {
  return right_picture ? "Right-handed batters" : "Left-handed batters";
}

void DrawPitchZones(QPainter& painter, const PitcherInfo& info, const PitchColors& colors,
                    QPoint left_origin, QPoint right_origin, int scale) {
  static const QImage zone = DrawZonePicture();
  const QSize size = zone.size() * scale;
  painter.drawImage(QRect(left_origin, size), zone);
  painter.drawImage(QRect(right_origin, size), zone);
  for (const PlotPitch* pitch : info.Shown()) {
    const QPoint origin = pitch->right_picture ? right_origin : left_origin;
    const QPointF centre(origin.x() + pitch->location.x * scale,
                         origin.y() + pitch->location.y * scale);
    DrawBallMarker(painter, centre, scale, KindColor(colors, pitch->kind));
  }
}

PitchPrintout::PitchPrintout(const PitcherInfo& info, PitchColors colors)
    : PlotPrintout(
          FromCp1252(info.pitcher_filter) + " (P) vs. " + FromCp1252(info.batter_filter) + " (B)",
          "Using game files :", info.games),
      info_(info),
      colors_(colors) {}

int PitchPrintout::DrawPlot(QPainter& painter, int left, int right, int top, int line) {
  const int width = right - left;
  // Two pictures with a picture's width between them, no taller than
  // half the page.
  const int scale = std::max(
      1, std::min(width / (3 * kZoneWidth), painter.device()->height() / (2 * kZoneHeight)));
  const int w = kZoneWidth * scale;
  const QPoint left_origin(left + (width - 3 * w) / 2, top);
  const QPoint right_origin(left_origin.x() + 2 * w, top);
  DrawPitchZones(painter, info_, colors_, left_origin, right_origin, scale);
  int y = top + kZoneHeight * scale + line / 2;
  for (bool right_picture : {false, true}) {
    const QString caption = ZoneCaption(right_picture);
    const int x = (right_picture ? right_origin : left_origin).x();
    DrawTextAt(painter, x + (w - TextWidth(painter, caption)) / 2, y, caption);
  }
  y += 2 * line;
  // The legend: a marker and its text for each kind shown.
  static const char* const kLegend[3] = {"- Strikes", "- Balls", "- Hits"};
  int x = left_origin.x();
  for (int k = 0; k < 3; ++k) {
    if (!info_.show[static_cast<std::size_t>(k)]) continue;
    DrawBallMarker(painter, QPointF(x + line / 2.0, y + line / 2.0), line / double(kBallMarkerSize),
                   KindColor(colors_, static_cast<PitchKind>(k)));
    painter.setPen(Qt::black);
    DrawTextAt(painter, x + line + line / 2, y, kLegend[k]);
    x += line * 2 + TextWidth(painter, kLegend[k]) + 2 * line;
  }
  y += 2 * line;
  const PitchFigures figures = info_.Figures();
  DrawTextAt(painter, left, y, QString::fromStdString(PitchSummaryLine(info_, figures)));
  y += line + line / 2;
  DrawTextAt(painter, left, y, QString::fromStdString(ZoneThirdsLine(figures)));
  return y + 2 * line;
}

}  // namespace scorewick::print
