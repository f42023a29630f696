#include "reports/print/spray_chart_drawing.h"

#include <cstdint>
#include <vector>

#include "records/file_io.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/field_picture.h"
#include "reports/print/page_frame.h"

namespace scorewick::print {

namespace {

constexpr int kCrossArm = 5;
constexpr int kFieldGap = 7;
constexpr int kTitleHeight = 18;
constexpr int kFieldsTop = 20;

void DrawCrosses(QPainter& painter, const std::vector<PlotPoint>& points, QPoint origin, int scale,
                 const QColor& color) {
  painter.setPen(QPen(color, scale));
  const int arm = kCrossArm * scale;
  for (const PlotPoint& p : points) {
    const QPoint at = origin + QPoint(p.x * scale, p.y * scale);
    painter.drawLine(at.x() - arm, at.y(), at.x() + arm, at.y());
    painter.drawLine(at.x(), at.y() - arm, at.x(), at.y() + arm);
  }
}

QFont TitleFont() {
  QFont font("Arial");
  font.setPixelSize(kTitleHeight);
  font.setWeight(QFont::DemiBold);
  return font;
}

}  // namespace

QImage LoadFieldPicture(const std::string& folder) {
  // Read as any input is (a regular file of bounded size), never opened by
  // the image loader itself: a pipe named there would block it for ever.
  std::vector<std::uint8_t> bytes;
  QImage picture;
  if (!folder.empty() && ReadWholeFile(folder + "/FieldNoBags.bmp", bytes) &&
      picture.loadFromData(bytes.data(), static_cast<int>(bytes.size())) && !picture.isNull()) {
    return picture;
  }
  return DrawFieldWithoutBases();
}

void DrawSprayFields(QPainter& painter, const ScatterInfo& info, const QImage& field,
                     const std::array<QPoint, 3>& origins, int scale) {
  const QSize size = field.size() * scale;
  for (const QPoint& origin : origins) painter.drawImage(QRect(origin, size), field);
  const QColor red(Qt::red), blue(Qt::blue);
  const std::vector<PlotPoint> outs = info.ShownOutPoints();
  DrawCrosses(painter, info.on_base_points, origins[0], scale, red);
  DrawCrosses(painter, outs, origins[1], scale, blue);
  DrawCrosses(painter, info.on_base_points, origins[2], scale, red);
  DrawCrosses(painter, outs, origins[2], scale, blue);
  painter.setPen(Qt::black);
  for (int i = 0; i < 3; ++i) {
    const QString label = kSprayLabels[i];
    const std::size_t k = static_cast<std::size_t>(i);
    DrawTextAt(painter, origins[k].x() + (size.width() - TextWidth(painter, label)) / 2,
               origins[k].y() + size.height() + 3 * scale, label);
  }
}

QSize SprayChartSize(const QImage& field) {
  return QSize(3 * field.width() + 2 * kFieldGap + 20, kFieldsTop + field.height() + 48);
}

void DrawSprayChart(QPainter& painter, const ScatterInfo& info, const QImage& field, int width) {
  painter.save();
  painter.setFont(TitleFont());
  painter.setPen(Qt::black);
  const QString title = FromCp1252(info.batter_filter) + " vs. " + FromCp1252(info.pitcher_filter);
  DrawTextAt(painter, (width - TextWidth(painter, title)) / 2, 0, title);
  const int middle = (width - field.width()) / 2;
  const std::array<QPoint, 3> origins = {QPoint(middle - kFieldGap - field.width(), kFieldsTop),
                                         QPoint(middle, kFieldsTop),
                                         QPoint(middle + field.width() + kFieldGap, kFieldsTop)};
  QFont label("Arial");
  label.setPixelSize(12);
  painter.setFont(label);
  DrawSprayFields(painter, info, field, origins, 1);
  const QString shares = QString::fromStdString(SpraySharesLine(ComputeSprayShares(info)));
  DrawTextAt(painter, (width - TextWidth(painter, shares)) / 2, kFieldsTop + field.height() + 22,
             shares);
  painter.restore();
}

SprayPrintout::SprayPrintout(const ScatterInfo& info, QImage field)
    : PlotPrintout(
          FromCp1252(info.batter_filter) + " (B) vs. " + FromCp1252(info.pitcher_filter) + " (P)",
          "Plots computed using the following files :", info.games),
      info_(info),
      field_(std::move(field)) {}

int SprayPrintout::DrawPlot(QPainter& painter, int left, int right, int top, int line) {
  const int width = right - left;
  const int gap = kFieldGap * 4;
  const int scale = std::max(1, (width - 2 * gap) / (3 * field_.width()));
  const int w = field_.width() * scale;
  const std::array<QPoint, 3> origins = {QPoint(left, top), QPoint(left + (width - w) / 2, top),
                                         QPoint(right - w, top)};
  DrawSprayFields(painter, info_, field_, origins, scale);
  int y = top + field_.height() * scale + 3 * scale + 2 * line;
  const QString shares = QString::fromStdString(SpraySharesLine(ComputeSprayShares(info_)));
  DrawTextAt(painter, left + (width - TextWidth(painter, shares)) / 2, y, shares);
  return y + 2 * line;
}

}  // namespace scorewick::print
