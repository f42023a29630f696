#include "reports/print/at_bat_marks.h"

#include <QFontMetrics>
#include <algorithm>

#include "records/codes.h"
#include "reports/print/at_bat_box_picture.h"
#include "reports/print/cell_font.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"
#include "reports/score_sheet_text.h"

namespace scorewick::print {
namespace {

QFont Weighted(int height, const QPaintDevice* device, QFont::Weight weight) {
  QFont font = SansFont(std::max(1, height), device);
  font.setWeight(weight);
  return font;
}

QString Text(const std::string& text) { return FromCp1252(text); }

bool Blank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

constexpr QPointF kBases[4] = {kHomePlate, kFirstBase, kSecondBase, kThirdBase};

// Where a batter-runner put out after reaching `bases` was heading, and
// where the letters of that out go.
struct OutPath {
  QPointF from;
  QPointF to;
};
constexpr OutPath kOutPaths[4] = {{kHomePlate, {100, 100}},
                                  {kFirstBase, {89, 77}},
                                  {kSecondBase, {66, 88}},
                                  {kThirdBase, {76, 110}}};

}  // namespace

AtBatMarks::AtBatMarks(QSize box, double k, const QPaintDevice* device, const MarkStyle& style)
    : size_(box), k_(k), style_(style) {
  const int w = box.width();
  large_height_ = std::max(1, w / 6);
  huge_height_ = std::max(1, static_cast<int>(0.6 * w));
  medium_height_ = std::max(1, w / 8);
  large_bold_ = Weighted(large_height_, device, QFont::DemiBold);
  huge_light_ = Weighted(huge_height_, device, QFont::Thin);
  medium_ = Weighted(medium_height_, device, QFont::Normal);
  small_ = Weighted(w / 12, device, QFont::Normal);
}

QPointF AtBatMarks::Point(QPointF picture) const {
  return {at_.x() + picture.x() * k_, at_.y() + picture.y() * k_};
}

void AtBatMarks::DrawCentred(QPainter& painter, const QFont& font, double top,
                             const QString& text) const {
  painter.setFont(font);
  const int x = at_.x() + (size_.width() - TextWidth(painter, text)) / 2;
  DrawTextAt(painter, x, at_.y() + static_cast<int>(top), text);
}

void AtBatMarks::Draw(QPainter& painter, QPoint at, const AT_BAT& ab) const {
  at_ = at;
  painter.save();
  painter.setBackgroundMode(Qt::TransparentMode);
  const QPen path_pen(Qt::black, 4 * k_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  const int bases = std::clamp(+ab.bases_reached, 0, 4);

  if (ab.reached) {
    if (bases >= 4) {
      const QPointF diamond[] = {Point(kHomePlate), Point(kFirstBase), Point(kSecondBase),
                                 Point(kThirdBase)};
      painter.setPen(Qt::NoPen);
      painter.setBrush(kRunDiamondGrey);
      painter.drawPolygon(diamond, 4);
      painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(path_pen);
    for (int base = 1; base <= std::max(bases, 1); ++base) {
      painter.drawLine(Point(kBases[base - 1]), Point(kBases[base % 4]));
    }
    if (reports::ReachedOnBattedBall(ab.how_reached) && ab.HasHitLocation()) {
      DrawHitLine(painter, ab);
    }
    painter.setPen(Qt::black);
    painter.setFont(medium_);
    for (int slot = 0; slot < 3 && slot + 2 <= bases; ++slot) {
      const std::string label = reports::AdvanceText(ab, slot);
      if (Blank(label)) continue;
      const QPointF p = Point(kAdvanceLabelPoints[slot]);
      DrawTextAt(painter, static_cast<int>(p.x()), static_cast<int>(p.y()), Text(label));
    }
    const std::string reach = reports::ReachText(ab);
    if (!Blank(reach)) DrawCentred(painter, large_bold_, large_height_ / 2.0, Text(reach));
  }

  if (ab.out) DrawOut(painter, ab);
  DrawCount(painter, ab);

  painter.setPen(Qt::black);
  painter.setFont(medium_);
  if (ab.rbi > 0) {
    DrawTextAt(painter, at_.x() + static_cast<int>(k_), at_.y() + size_.height() - medium_height_,
               QString("RBIs: %1").arg(ab.rbi));
  }
  if (ab.scored) {
    DrawTextAt(painter, at_.x() + static_cast<int>(k_), at_.y() + static_cast<int>(2 * k_),
               ab.earned ? "ER" : "UER");
  }
  painter.restore();
}

void AtBatMarks::DrawHitLine(QPainter& painter, const AT_BAT& ab) const {
  // A location off the picture (a damaged record) is held to its edge, so
  // the line never leaves the box.
  const QPointF ball(std::clamp<double>(ab.hit_x, 0, kBoxPictureWidth),
                     std::clamp<double>(ab.hit_y, 0, kBoxPictureHeight));
  painter.setPen(QPen(style_.hit_line, 2 * k_, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(Point(kHomePlate), Point(ball));
}

void AtBatMarks::DrawOut(QPainter& painter, const AT_BAT& ab) const {
  // The line to the ball goes under the letters.
  if (reports::OutOnBattedBall(ab.how_out) && ab.HasHitLocation()) DrawHitLine(painter, ab);
  const double w = size_.width();
  const double h = size_.height();
  const QRectF circle(at_.x() + w - 37 * k_, at_.y() + h - 35 * k_, 32 * k_, 32 * k_);
  painter.setPen(QPen(Qt::black, std::max(1.0, k_)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(circle);
  if (ab.box_number > 0) {
    painter.setFont(medium_);
    const QString number = QString::number(ab.box_number);
    DrawTextAt(painter, static_cast<int>(circle.center().x()) - TextWidth(painter, number) / 2,
               static_cast<int>(circle.center().y()) - medium_height_ / 2, number);
  }

  const QPen path_pen(Qt::black, 4 * k_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  if (ab.how_out == kOutStrikeSwinging) {
    painter.setPen(Qt::black);
    DrawCentred(painter, huge_light_, 0.2 * (h - huge_height_), "K");
  } else if (ab.how_out == kOutStrikeLooking) {
    painter.setPen(path_pen);
    painter.drawLine(Point({100, 52}), Point({100, 110}));
    painter.drawLine(Point({100, 88}), Point({65, 52}));
    painter.drawLine(Point({87, 80}), Point({65, 110}));
  } else {
    const int bases = std::clamp(+ab.bases_reached, 0, 3);
    const OutPath& path = kOutPaths[bases];
    painter.setPen(path_pen);
    painter.drawLine(Point(path.from), Point(path.to));
    painter.setPen(Qt::black);
    const std::string letters = OutAbbrev(ab.how_out);
    if (!Blank(letters)) {
      if (bases == 0) {
        DrawCentred(painter, large_bold_, large_height_ / 2.0, Text(letters));
      } else {
        painter.setFont(medium_);
        const QPointF p = Point(kAdvanceLabelPoints[bases - 1]);
        DrawTextAt(painter, static_cast<int>(p.x()), static_cast<int>(p.y()), Text(letters));
      }
    }
    const std::string chain = reports::OutCreditChain(ab);
    if (!chain.empty()) DrawCentred(painter, large_bold_, 1.2 * large_height_, Text(chain));
  }
}

void AtBatMarks::DrawCount(QPainter& painter, const AT_BAT& ab) const {
  painter.setFont(small_);
  for (const reports::CountCell& cell : reports::CountCells(ab)) {
    const int column = cell.strike ? kStrikeColumnLeft : kBallColumnLeft;
    const QPointF top_left = Point(QPointF(column, cell.row * kCountRowHeight));
    const QPointF bottom_right =
        Point(QPointF(column + kCountColumnWidth, (cell.row + 1) * kCountRowHeight));
    const QRectF rect(top_left, QPointF(bottom_right.x() + 2, bottom_right.y()));
    painter.fillRect(rect, kCountCellGrey);
    if (cell.pitch > 0) {
      painter.setPen(Qt::black);
      const QString number = QString::number(cell.pitch);
      DrawTextAt(painter, static_cast<int>(rect.center().x()) - TextWidth(painter, number) / 2,
                 static_cast<int>(rect.top()) + 1, number);
    }
  }
}

}  // namespace scorewick::print
